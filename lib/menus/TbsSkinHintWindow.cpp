#include "lib/menus/TbsSkinHintWindow.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/bsMenuLevelWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

constexpr DWORD kDropShadow = 0x20000;

bool ImageUsable(TCustomImageList* list, int index) {
    return list && index >= 0 && index < list->Count();
}

} // namespace

TbsSkinHintWindow::TbsSkinHintWindow(TComponent* owner) : THintWindow(owner) {}

TbsSkinHintWindow::~TbsSkinHintWindow() = default;

void TbsSkinHintWindow::CreateParams(TCreateParams& params) {
    THintWindow::CreateParams(params);
    params.Style &= ~WS_BORDER;
    if (IsXPOrLater()) params.WindowClass.style |= kDropShadow;
}

void TbsSkinHintWindow::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        break;
    }
    THintWindow::WndProc(message);
}

TbsSkinHint* TbsSkinHintWindow::FindActiveSkinHint() {
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (!mainForm) return nullptr;
    for (int i = 0; i < mainForm->ComponentCount(); ++i) {
        auto* hint = dynamic_cast<TbsSkinHint*>(mainForm->Components(i));
        if (hint && hint->Active()) return hint;
    }
    return nullptr;
}

TBitmap* TbsSkinHintWindow::SkinPicture(int index) const {
    return FSD ? SkinPictureAt(*FSD, index) : nullptr;
}

TbsSkinData* TbsSkinHintWindow::UsableSkin() const {
    TbsSkinData* sd = FspHint ? FspHint->SkinData() : nullptr;
    if (!sd || sd->Empty || !SkinPictureAt(*sd, sd->HintWindow.WindowPictureIndex)) return nullptr;
    return sd;
}

void TbsSkinHintWindow::SetHintFont(bool painting) {
    TFont& font = Canvas().Font();
    if (FSD && FspHint->UseSkinFont()) {
        const TbsDataSkinHintWindow& record = FSD->HintWindow;
        font.SetHeight(record.FontHeight);
        font.SetName(record.FontName);
        font.SetStyle(record.FontStyle);
    } else {
        font.Assign(FspHint->DefaultFont());
    }
    font.SetCharset(FspHint->DefaultFont().Charset());
    if (painting) font.SetColor(FSD ? FSD->HintWindow.FontColor : clInfoText);
}

TSize TbsSkinHintWindow::TextSize(const std::string& text) {
    RECT r{ 0, 0, 0, 0 };
    DrawTextW(Canvas().Handle(), text, &r, DT_CALCRECT);
    return TSize(r.right - r.left, r.bottom - r.top);
}

void TbsSkinHintWindow::AddSkinFrame(int& W, int& H) {
    const TbsDataSkinHintWindow& record = FSD->HintWindow;
    const TBitmap* picture = SkinPicture(record.WindowPictureIndex);
    const int picW = picture->Width(), picH = picture->Height();
    W += record.ClRect.Left + (picW - record.ClRect.Right);
    H += record.ClRect.Top + (picH - record.ClRect.Bottom);
    FGeometry = ResizeHintGeometry(record, picW, picH, W, H);
}

void TbsSkinHintWindow::AddFrame(int skinExtraWidth, int& W, int& H) {
    if (!FSD) {
        W += 4;
        H += 4;
        return;
    }
    W += skinExtraWidth;
    AddSkinFrame(W, H);
}

void TbsSkinHintWindow::PrepareText(const std::string& hint) {
    HandleNeeded();
    FSD = UsableSkin();
    SetHintFont(false);
    SetCaption(ReplaceLineSeparators(hint, FspHint->LineSeparator()));
}

void TbsSkinHintWindow::CalcHintSize(int& W, int& H) {
    const TSize text = TextSize(Caption());
    W = text.cx;
    H = text.cy;
    AddFrame(5, W, H);
}

void TbsSkinHintWindow::CalcHintSizeEx(const std::string& hintTitle, TCustomImageList* imageList,
                                       int imageIndex, int& W, int& H) {
    const TSize text = TextSize(Caption());
    W = text.cx;
    H = text.cy;
    int titleH = 0;
    if (!hintTitle.empty()) {
        const TFontStyles style = Canvas().Font().Style();
        Canvas().Font().SetStyle(TFontStyles{ fsBold });
        const TSize title = TextSize(hintTitle);
        Canvas().Font().SetStyle(style);
        H += title.cy + 10;
        W = std::max(W, title.cx);
        titleH = title.cy;
    }
    if (ImageUsable(imageList, imageIndex)) {
        W += imageList->Width() + 10;
        H = std::max(H, imageList->Height() + titleH + 5);
    }
    AddFrame(10, W, H);
}

void TbsSkinHintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    AExtendedStyle = false;
    FspHint = FindActiveSkinHint();
    if (!FspHint) return;
    if (!FspHint->HintTitle().empty() || FspHint->HintImageList()) {
        ActivateHintEx(rect, FspHint->HintTitle(), hint, FspHint->HintImageIndex(),
                       FspHint->HintImageList());
        return;
    }
    PrepareText(hint);
    int W = 0, H = 0;
    CalcHintSize(W, H);
    ShowAt(rect.Left, rect.Top, W, H);
}

void TbsSkinHintWindow::ActivateHintEx(const TRect& rect, const std::string& hintTitle,
                                       const std::string& hint, int imageIndex,
                                       TCustomImageList* imageList) {
    AExtendedStyle = true;
    FspHint = FindActiveSkinHint();
    if (!FspHint || !FspHint->Active()) return;
    PrepareText(hint);
    int W = 0, H = 0;
    CalcHintSizeEx(hintTitle, imageList, imageIndex, W, H);
    ShowAt(rect.Left, rect.Top, W, H);
}

void TbsSkinHintWindow::ActivateHintFromRect(const TRect& fromRect, const std::string& hint,
                                             bool top) {
    AExtendedStyle = false;
    FspHint = FindActiveSkinHint();
    if (!FspHint) return;
    PrepareText(hint);
    int W = 0, H = 0;
    CalcHintSize(W, H);
    const int x = fromRect.Left + fromRect.Width() / 2 - W / 2;
    const int y = top ? fromRect.Top - H : fromRect.Bottom;
    ShowAt(x, y, W, H);
}

void TbsSkinHintWindow::ShowAt(int x, int y, int W, int H) {
    TRect area(0, 0, Screen ? Screen->Width() : 0, Screen ? Screen->Height() : 0);
    TCustomForm* active = Screen ? Screen->ActiveCustomForm() : nullptr;
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (active && active->HandleAllocated()) {
        GetMonitorWorkArea(active->Handle(), true, area);
    } else if (mainForm && mainForm->Visible() && mainForm->HandleAllocated()) {
        GetMonitorWorkArea(mainForm->Handle(), true, area);
    }
    const TRect r = FitHintRect(TRect(x, y, x + W, y + H), area);
    SetBoundsRect(r);
    ApplyAlpha();
    SetHintRegion();
    SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FVisible = true;
    Repaint();
    FadeIn();
}

void TbsSkinHintWindow::ApplyAlpha() {
    if (!CanUseLayeredWindows()) return;
    const bool alphaBlend = FspHint->AlphaBlend();
    const LONG_PTR exStyle = GetWindowLongPtr(Handle(), GWL_EXSTYLE);
    if (alphaBlend && !FOldAlphaBlend)
        SetWindowLongPtr(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    else if (!alphaBlend && FOldAlphaBlend)
        SetWindowLongPtr(Handle(), GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    FOldAlphaBlend = alphaBlend;
    if (alphaBlend && FspHint->AlphaBlendAnimation()) SetWindowAlpha(Handle(), 0);
    if (alphaBlend && FspHint->AlphaBlendValue() != FOldAlphaBlendValue) {
        if (!FspHint->AlphaBlendAnimation())
            SetWindowAlpha(Handle(), std::uint8_t(FspHint->AlphaBlendValue()));
        FOldAlphaBlendValue = FspHint->AlphaBlendValue();
    }
}

void TbsSkinHintWindow::SetHintRegion() {
    TBitmap* mask = FSD ? SkinPicture(FSD->HintWindow.MaskPictureIndex) : nullptr;
    if (mask) {
        const TbsDataSkinHintWindow& record = FSD->HintWindow;
        auto region = BuildNineSliceRegion(
            record.LTPoint, record.RTPoint, record.LBPoint, record.RBPoint, record.ClRect,
            FGeometry.NewLTPoint, FGeometry.NewRTPoint, FGeometry.NewLBPoint, FGeometry.NewRBPoint,
            FGeometry.NewClRect, *mask, Width(), Height());
        FHasRegion = region != nullptr;
        // The window owns the region from here on.
        SetWindowRgn(Handle(), region.release(), FALSE);
    } else if (FHasRegion) {
        SetWindowRgn(Handle(), nullptr, FALSE);
        FHasRegion = false;
    }
}

void TbsSkinHintWindow::FadeIn() {
    if (!CanUseLayeredWindows() || !FspHint->AlphaBlend() || !FspHint->AlphaBlendAnimation())
        return;
    // The steps follow one another without waiting on the clock, so a stopped clock (or a
    // slow display) can never hold the program in the loop.
    const int target = std::clamp(FspHint->AlphaBlendValue(), 0, 255);
    const int step = std::max(1, target / 15);
    int a = 0;
    do {
        a = std::min(a + step, target);
        Repaint();
        SetWindowAlpha(Handle(), std::uint8_t(a));
    } while (a < target);
}

void TbsSkinHintWindow::PaintBackground(TBitmap& buffer) {
    const int w = Width(), h = Height();
    TCanvas& canvas = buffer.Canvas();
    TBitmap* picture = FSD ? SkinPicture(FSD->HintWindow.WindowPictureIndex) : nullptr;
    if (picture) {
        const TbsDataSkinHintWindow& record = FSD->HintWindow;
        BuildNineSliceImage2(record.LTPoint, record.RTPoint, record.LBPoint, record.RBPoint,
                             record.ClRect, FGeometry.NewLTPoint, FGeometry.NewRTPoint,
                             FGeometry.NewLBPoint, FGeometry.NewRBPoint, FGeometry.NewClRect,
                             buffer, *picture, TRect(0, 0, picture->Width(), picture->Height()), w,
                             h, true, record.LeftStretch, record.TopStretch, record.RightStretch,
                             record.BottomStretch, record.StretchEffect, record.StretchType);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clInfoBk);
    canvas.FillRect(TRect(0, 0, w, h));
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(TRect(0, 0, w, h));
}

void TbsSkinHintWindow::Paint() {
    // The component may have gone or changed since the activation.
    FspHint = FindActiveSkinHint();
    if (!FspHint || Width() <= 0 || Height() <= 0) return;
    FSD = UsableSkin();
    TBitmap buffer;
    buffer.SetSize(Width(), Height());
    PaintBackground(buffer);
    TCanvas& canvas = buffer.Canvas();
    canvas.Font().Assign(Canvas().Font());
    canvas.Brush().SetStyle(bsClear);
    SetHintFont(true);
    canvas.Font().Assign(Canvas().Font());
    if (AExtendedStyle) {
        PaintHintEx(canvas);
    } else {
        const std::string& text = Caption();
        const TSize size = TextSize(text);
        RECT r;
        if (FSD) {
            const TRect& cl = FGeometry.NewClRect;
            r.left = cl.Left + cl.Width() / 2 - size.cx / 2;
            r.top = cl.Top + cl.Height() / 2 - size.cy / 2;
            r.right = r.left + size.cx;
            r.bottom = r.top + size.cy;
        } else {
            r = RECT{ 2, 2, Width() - 2, Height() - 2 };
        }
        DrawTextW(canvas.Handle(), text, &r, 0);
    }
    Canvas().Draw(0, 0, &buffer);
}

void TbsSkinHintWindow::PaintHintEx(TCanvas& canvas) {
    const std::string& title = FspHint->HintTitle();
    TCustomImageList* images = FspHint->HintImageList();
    const int imageIndex = FspHint->HintImageIndex();
    const bool hasImage = ImageUsable(images, imageIndex);
    const std::string& text = Caption();
    const TSize textSize = TextSize(text);
    canvas.Font().SetStyle(TFontStyles{ fsBold });
    Canvas().Font().SetStyle(TFontStyles{ fsBold });
    const TSize titleSize = title.empty() ? TSize() : TextSize(title);
    Canvas().Font().SetStyle(TFontStyles{});
    if (FSD) {
        const TRect& cl = FGeometry.NewClRect;
        int a = 0;
        if (!title.empty()) {
            RECT r{ cl.Left + 5, cl.Top, cl.Left + 5 + titleSize.cx, cl.Top + titleSize.cy };
            DrawTextW(canvas.Handle(), title, &r, 0);
            a = titleSize.cy + 5;
        }
        canvas.Font().SetStyle(TFontStyles{});
        int textLeft = cl.Left + 5;
        if (hasImage) {
            const int y =
                !title.empty() ? cl.Top + a : cl.Top + cl.Height() / 2 - images->Height() / 2;
            images->Draw(canvas, cl.Left + 5, y, imageIndex, true);
            textLeft = cl.Left + 5 + images->Width() + 5;
        }
        const int textTop =
            !title.empty() ? cl.Top + a : cl.Top + cl.Height() / 2 - textSize.cy / 2;
        RECT r{ textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy };
        DrawTextW(canvas.Handle(), text, &r, 0);
        return;
    }
    RECT area{ 2, 2, Width() - 2, Height() - 2 };
    int a = 0;
    if (!title.empty()) {
        RECT r{ 2, 2, 2 + titleSize.cx, 2 + titleSize.cy };
        DrawTextW(canvas.Handle(), title, &r, 0);
        a = titleSize.cy + 5;
    }
    canvas.Font().SetStyle(TFontStyles{});
    int offset = 0;
    if (hasImage) {
        const int y = !title.empty() ? a : (Height() - 4) / 2 + 2 - images->Height() / 2;
        images->Draw(canvas, 2, y, imageIndex, true);
        offset = 2 + images->Width() + 5;
    }
    area.top += a;
    area.left += offset;
    DrawTextW(canvas.Handle(), text, &area, 0);
}
