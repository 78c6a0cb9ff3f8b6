// The list view's column header, taken over when the view creates it and drawn section by
// section from a button record, or in the plain look.
#include "lib/controls/TbsSkinCustomListView.h"

#include "lib/controls/bsButtonRecordFace.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

// Any number will do: one subclass per header window.
constexpr UINT_PTR kHeaderSubclass = 0x5348;

// How much wider than the view asks the header is.
constexpr int kHeaderExtraWidth = 25;

// Plain-look section fills (BGR).
constexpr TColor kPlainPressedFace = TColor(0xB59385);

} // namespace

void TbsSkinCustomListView::SubclassHeader(HWND header) {
    ReleaseHeader();
    FHeaderHandle = header;
    SetWindowSubclass(
        header,
        [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            return HeaderWndProc(hwnd, msg, wParam, lParam);
        },
        kHeaderSubclass);
}

void TbsSkinCustomListView::ReleaseHeader() {
    if (!FHeaderHandle) return;
    if (IsWindow(FHeaderHandle)) RemoveWindowSubclass(FHeaderHandle, kHeaderSubclass);
    FHeaderHandle = nullptr;
    FActiveSection = -1;
    FHeaderDown = false;
    FDevDown = false;
}

LRESULT TbsSkinCustomListView::HeaderWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        if (wParam) {
            PaintHeader(HDC(wParam));
        } else {
            PAINTSTRUCT ps{};
            const HDC dc = BeginPaint(hwnd, &ps);
            PaintHeader(dc);
            EndPaint(hwnd, &ps);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGING:
        // A little wider than asked, so the space right of the last section always reaches
        // past the view's edge, also while the view scrolls sideways.
        if (auto* pos = reinterpret_cast<WINDOWPOS*>(lParam); pos && !(pos->flags & SWP_NOSIZE))
            pos->cx += kHeaderExtraWidth;
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        if (hwnd == FHeaderHandle) FHeaderHandle = nullptr;
        return result;
    }
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const POINT p{ short(LOWORD(lParam)), short(HIWORD(lParam)) };
        FActiveSection = -1;
        const int count = int(SendMessage(hwnd, HDM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count && FActiveSection < 0; ++i) {
            RECT r{};
            SendMessage(hwnd, HDM_GETITEMRECT, WPARAM(i), LPARAM(&r));
            if (TRect(r).Contains(TPoint(p.x, p.y))) FActiveSection = i;
        }
        HDHITTESTINFO hit{};
        hit.pt = p;
        SendMessage(hwnd, HDM_HITTEST, 0, LPARAM(&hit));
        const bool onDivider = (hit.flags & HHT_ONDIVIDER) != 0;
        FHeaderDown = !onDivider;
        FDevDown = onDivider;
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE);
        break;
    }
    case WM_LBUTTONUP:
        FHeaderDown = false;
        FDevDown = false;
        FActiveSection = -1;
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE);
        break;
    case WM_MOUSEMOVE:
        // The columns follow a divider drag live.
        if (FDevDown) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE);
        break;
    default:
        break;
    }
    return result;
}

void TbsSkinCustomListView::PaintHeader(HDC dc) {
    if (!FHeaderHandle) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    const int count = int(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count && i < Columns().Count(); ++i) {
        RECT r{};
        SendMessage(FHeaderHandle, HDM_GETITEMRECT, WPARAM(i), LPARAM(&r));
        const TRect section(r);
        PaintHeaderSection(canvas, Column(i), section, i == FActiveSection && FHeaderDown);
        right = std::max(right, section.Right);
    }
    RECT client{};
    GetClientRect(FHeaderHandle, &client);
    const TRect space(right, 0, client.right + 1, client.bottom);
    if (!space.IsEmpty()) PaintHeaderSpace(canvas, space);
    canvas.SetHandle(nullptr);
}

void TbsSkinCustomListView::PaintHeaderSpace(TCanvas& canvas, const TRect& r) {
    const TbsDataSkinButtonControl* look = FindButtonRecord(FSD, FHeaderSkinDataName);
    TBitmap space(r.Width(), r.Height());
    TCanvas& c = space.Canvas();
    const TRect whole(0, 0, r.Width(), r.Height());
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.FillRect(whole);
    if (look) {
        DrawButtonRecordFace(c, *FSD, *look, false, false, whole);
    } else {
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(whole);
    }
    canvas.Draw(r.Left, r.Top, &space);
}

void TbsSkinCustomListView::PaintHeaderSection(TCanvas& canvas, TListColumn* column, const TRect& r,
                                               bool pressed) {
    if (r.IsEmpty() || !column) return;
    TBitmap section(r.Width(), r.Height());
    TCanvas& c = section.Canvas();
    const TRect whole(0, 0, r.Width(), r.Height());
    // A header record that is not a button record gives the plain look too.
    const TbsDataSkinButtonControl* look = FindButtonRecord(FSD, FHeaderSkinDataName);
    c.Brush().SetStyle(bsSolid);
    if (look) {
        c.Brush().SetColor(clBtnFace);
        c.FillRect(whole);
        DrawButtonRecordFace(c, *FSD, *look, pressed, pressed, whole);
    } else {
        c.Brush().SetColor(pressed ? clNavy : clBtnShadow);
        c.FillRect(whole);
        c.Brush().SetColor(pressed ? kPlainPressedFace : clBtnFace);
        c.FillRect(TRect(1, 1, whole.Right - 1, whole.Bottom - 1));
    }
    c.Brush().SetStyle(bsClear);
    c.SetFont(Font());
    c.Font().SetColor(!look ? clBtnText : (pressed ? look->DownFontColor : look->FontColor));
    if (OnDrawHeaderSection)
        OnDrawHeaderSection(c, column, pressed, whole);
    else
        DrawSectionContent(c, column, whole);
    canvas.Draw(r.Left, r.Top, &section);
}

void TbsSkinCustomListView::DrawSectionContent(TCanvas& c, TListColumn* column, const TRect& r) {
    const TRect text(r.Left + 5, r.Top, r.Right - 5, r.Bottom);
    std::string caption = column->Caption();
    const std::string whole = caption;
    TCustomImageList* images = SmallImages();
    const int index = column->ImageIndex();
    const bool hasImage = images && index >= 0 && index < images->Count();
    const int imageWidth = hasImage ? images->Width() + 10 : 0;
    EllipsizeText(c, caption, text.Width() - imageWidth);
    const int width = c.TextWidth(caption);
    // A shortened caption with an image stays left-aligned.
    const bool align = !hasImage || caption == whole;
    int x = text.Left;
    if (align && column->Alignment() == taRightJustify)
        x = text.Right - width - imageWidth;
    else if (align && column->Alignment() == taCenter)
        x = text.Left + text.Width() / 2 - (width + imageWidth) / 2;
    if (hasImage) {
        images->Draw(c, x, text.Top + text.Height() / 2 - images->Height() / 2, index, true);
        x += imageWidth;
    }
    const int y = text.Top + text.Height() / 2 - c.TextHeight(caption) / 2;
    c.TextRect(text, x, y, caption);
}
