#include "lib/menus/TbsSkinPopupWindow.h"

#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/bsMenuLevelWindow.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/ShortCutText.h"
#include "platform/forms/TAction.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

// Timer ids of the level's own window.
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;

TbsDataSkinMenuItem* FirstMenuItemRecord(TbsSkinData& sd) {
    for (const auto& record : sd.ObjectList)
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(record.get())) return item;
    return nullptr;
}

} // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TComponent* owner, TbsSkinMenu* parentMenu,
                                       TbsDataSkinPopupWindow* data)
    : TCustomControl(owner), FMouseTimer(std::make_unique<TTimer>(nullptr)),
      FMorphTimer(std::make_unique<TTimer>(nullptr)), FParentMenu(parentMenu) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
    SetVisible(false);
    FMouseTimer->SetEnabled(false);
    FMouseTimer->SetInterval(50);
    FMouseTimer->SetOnTimer([this](TObject*) { MouseTimerTick(); });
    FMorphTimer->SetEnabled(false);
    FMorphTimer->SetInterval(20);
    FMorphTimer->SetOnTimer([this](TObject*) { MorphTimerTick(); });

    // Skinned only with everything the sizing reads: the window picture and a menu-item record.
    TbsSkinData* sd = parentMenu->SkinData();
    if (data && data->WindowPictureIndex != -1 && sd && !sd->Empty) {
        FWindowPicture = SkinPictureAt(*sd, data->WindowPictureIndex);
        FDSMI = FirstMenuItemRecord(*sd);
        if (FWindowPicture && FDSMI) {
            FPW = data;
            FSD = sd;
            if (data->MaskPictureIndex != -1)
                FMaskPicture = SkinPictureAt(*sd, data->MaskPictureIndex);
        } else {
            FWindowPicture = nullptr;
            FDSMI = nullptr;
        }
    }
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() {
    *FAlive = false;
    FMouseTimer->SetEnabled(false);
    FMorphTimer->SetEnabled(false);
    FItemList.clear();
}

void TbsSkinPopupWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    SetMenuLevelWindowParams(params);
}

int TbsSkinPopupWindow::RowHeight(const TMenuItem* item) const {
    const bool line = item->Caption() == "-";
    if (FPW) return line ? FDSMI->DividerRect.Height() : FDSMI->SkinRect.Height();
    return line ? 4 : FParentMenu->DefaultMenuItemHeight();
}

void TbsSkinPopupWindow::PrepareCanvasFont() {
    TFont& font = Canvas().Font();
    if (FPW && FParentMenu->UseSkinFont()) {
        font.SetHeight(FDSMI->FontHeight);
        font.SetStyle(FDSMI->FontStyle);
        font.SetName(FDSMI->FontName);
    } else {
        font.Assign(FParentMenu->DefaultMenuItemFont());
    }
    const TbsSkinData* sd = FParentMenu->SkinData();
    font.SetCharset(sd && sd->ResourceStrData() ? sd->ResourceStrData()->CharSet()
                                                : FParentMenu->DefaultMenuItemFont().Charset());
}

void TbsSkinPopupWindow::AddRows(TMenuItem* item, int startIndex) {
    for (int i = std::max(0, startIndex); i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (!child->Visible()) continue;
        if (child->Action()) child->Action()->Update();
        FItemList.push_back(std::make_unique<TbsSkinMenuItem>(this, child, FDSMI));
    }
}

void TbsSkinPopupWindow::CreateItems(TMenuItem* item, int startIndex) {
    PrepareCanvasFont();
    TMenu* menu = item->GetParentMenu();
    if (menu && menu->AutoLineReduction() == maAutomatic) item->RethinkLines();
    FImgL = menu ? dynamic_cast<TCustomImageList*>(menu->Images()) : nullptr;
    AddRows(item, startIndex);
    SetMenuSize();
}

void TbsSkinPopupWindow::CreateItems2(TMenuItem* item, TMenuItem* item2, int startIndex) {
    PrepareCanvasFont();
    TMenu* menu = item->GetParentMenu();
    if (menu && menu->AutoLineReduction() == maAutomatic) item->RethinkLines();
    FImgL = menu ? dynamic_cast<TCustomImageList*>(menu->Images()) : nullptr;
    if (startIndex < item->Count()) AddRows(item, startIndex);
    if (item2) AddRows(item2, std::max(0, startIndex - item->Count()));
    SetMenuSize();
}

void TbsSkinPopupWindow::SetMenuSize() {
    FVisibleStartIndex = 0;
    FVisibleCount = int(FItemList.size());
    FScroll = false;
    FScroll2 = false;
    const int width = CalcMenuWidth();
    int height = CalcMenuHeight();
    if (height > FParentMenu->WorkArea().Height()) {
        height = FParentMenu->WorkArea().Height();
        FScroll = true;
    }
    SetBounds(Left(), Top(), width, height);
    CalcGeometry();
    LayoutItems();
    if (FMaskPicture) SetMenuRegion();
}

int TbsSkinPopupWindow::CalcMenuWidth() {
    int widest = 0;
    for (const auto& row : FItemList) {
        std::string text = row->MenuItem->Caption();
        if (row->MenuItem->ShortCut() != scNone)
            text += "  " + ShortCutToText(row->MenuItem->ShortCut());
        TRect r;
        DrawTextWide(Canvas(), text, r, DT_CALCRECT);
        widest = std::max(widest, r.Right + 2);
    }
    FGlyphWidth = FImgL ? FImgL->Width() + 5 : 19;
    const int t = widest + FGlyphWidth + 19;
    if (!FPW) return t + 10;
    return FWindowPicture->Width() + t + FDSMI->TextRct.Left + FDSMI->SkinRect.Width() -
           FDSMI->TextRct.Right + FPW->ItemsRect.Left - FPW->ItemsRect.Right;
}

int TbsSkinPopupWindow::CalcMenuHeight() {
    int rows = 0;
    for (const auto& row : FItemList)
        rows += RowHeight(row->MenuItem);
    const int frame =
        FPW ? FWindowPicture->Height() + FPW->ItemsRect.Top - FPW->ItemsRect.Bottom : FShowMargin;
    const int limit = FParentMenu->MaxMenuItemsInWindow();
    if (limit > 0 && limit < int(FItemList.size())) {
        FScroll = true;
        FScroll2 = true;
        const int rowHeight = FPW ? FDSMI->SkinRect.Height() : FParentMenu->DefaultMenuItemHeight();
        return rowHeight * limit + frame + 20;
    }
    return rows + frame;
}

void TbsSkinPopupWindow::CalcGeometry() {
    const int w = Width(), h = Height();
    if (!FPW) {
        FNewItemsRect = TRect(2, 2, w - 2, h - 2);
        return;
    }
    const int pw = FWindowPicture->Width(), ph = FWindowPicture->Height();
    FNewLTPoint = FPW->LTPoint;
    FNewRTPoint = TPoint(w + FPW->RTPoint.X - pw, FPW->RTPoint.Y);
    FNewLBPoint = TPoint(FPW->LBPoint.X, h + FPW->LBPoint.Y - ph);
    FNewRBPoint = TPoint(w + FPW->RBPoint.X - pw, h + FPW->RBPoint.Y - ph);
    FNewItemsRect = TRect(FPW->ItemsRect.Left, FPW->ItemsRect.Top, w + FPW->ItemsRect.Right - pw,
                          h + FPW->ItemsRect.Bottom - ph);
}

void TbsSkinPopupWindow::SetMenuRegion() {
    auto region = BuildNineSliceRegion(
        FPW->LTPoint, FPW->RTPoint, FPW->LBPoint, FPW->RBPoint, FPW->ItemsRect, FNewLTPoint,
        FNewRTPoint, FNewLBPoint, FNewRBPoint, FNewItemsRect, *FMaskPicture, Width(), Height());
    // The window owns the region from here on.
    SetWindowRgn(Handle(), region.release(), TRUE);
}

void TbsSkinPopupWindow::LayoutItems() {
    int top = FNewItemsRect.Top;
    int limit = FNewItemsRect.Bottom;
    if (FScroll) {
        top += 10;
        limit -= 10;
    }
    FVisibleCount = 0;
    const int count = int(FItemList.size());
    for (int i = FVisibleStartIndex; i < count; ++i) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(i)];
        const int height = RowHeight(row.MenuItem);
        row.ObjectRect = TRect(FNewItemsRect.Left, top, FNewItemsRect.Right, top + height);
        if (row.ObjectRect.Bottom > limit) break;
        row.FVisible = true;
        ++FVisibleCount;
        top += height;
    }
    if (!FScroll) return;
    for (int i = 0; i < count; ++i)
        if (i < FVisibleStartIndex || i >= FVisibleStartIndex + FVisibleCount)
            FItemList[std::size_t(i)]->FVisible = false;
}

int TbsSkinPopupWindow::CalcShowY(const TRect& r, bool popupByItem, bool popupUp,
                                  bool& side) const {
    const TRect& wa = FParentMenu->WorkArea();
    const int h = Height();
    const int mid = wa.Top + wa.Height() / 2;
    if (FScroll && !FScroll2) return wa.Top;
    if (popupByItem) {
        if (r.Top + h - FNewItemsRect.Top <= wa.Bottom) return r.Top - FNewItemsRect.Top;
        if (r.Top < mid) return wa.Bottom - h;
        return std::max(r.Bottom + FNewItemsRect.Top - h, wa.Top);
    }
    if (popupUp) {
        if (r.Top - h >= wa.Top) return r.Top - h;
        side = true;
        if (r.Top < mid) {
            if (r.Bottom + h <= wa.Bottom) {
                side = false;
                return r.Bottom;
            }
            return wa.Bottom - h;
        }
        return wa.Top;
    }
    if (r.Bottom + h <= wa.Bottom) return r.Bottom;
    if (r.Top < mid) {
        side = true;
        return wa.Bottom - h;
    }
    if (r.Top - h >= wa.Top) return r.Top - h;
    side = true;
    return wa.Top;
}

int TbsSkinPopupWindow::CalcShowX(const TRect& r, bool popupByItem, bool side) const {
    const TRect& wa = FParentMenu->WorkArea();
    const int w = Width();
    if (popupByItem || (FScroll && !FScroll2) || side)
        return r.Right + w + 1 <= wa.Right ? r.Right + 1 : r.Left - w - 1;
    if (r.Left + w > wa.Right) return wa.Right - w;
    if (r.Left < wa.Left) return wa.Left;
    return r.Left;
}

void TbsSkinPopupWindow::CalcShowPosition(const TRect& r, bool popupByItem, bool popupUp) {
    bool side = false;
    FShowY = CalcShowY(r, popupByItem, popupUp, side);
    FShowX = CalcShowX(r, popupByItem, side);
}

void TbsSkinPopupWindow::Show(const TRect& r, TMenuItem* item, int startIndex, bool popupByItem,
                              bool popupUp) {
    FShowMargin = 4;
    CreateItems(item, startIndex);
    ShowLevel(r, popupByItem, popupUp);
}

void TbsSkinPopupWindow::Show2(const TRect& r, TMenuItem* item, TMenuItem* item2, int startIndex,
                               bool popupByItem, bool popupUp) {
    FShowMargin = 6;
    CreateItems2(item, item2, startIndex);
    ShowLevel(r, popupByItem, popupUp);
}

void TbsSkinPopupWindow::ShowLevel(const TRect& r, bool popupByItem, bool popupUp) {
    CalcShowPosition(r, popupByItem, popupUp);
    const bool layered = CanUseLayeredWindows() && FParentMenu->AlphaBlend();
    const bool fade = layered && FParentMenu->AlphaBlendAnimation() && FParentMenu->First();
    if (layered) {
        SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowAlpha(Handle(), std::uint8_t(fade ? 0 : FParentMenu->AlphaBlendValue()));
    }
    SetBounds(FShowX, FShowY, Width(), Height());
    SetWindowPos(Handle(), HWND_TOPMOST, FShowX, FShowY, 0, 0,
                 SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetVisible(true);
    if (fade) StartFade();
    FMouseTimer->SetEnabled(true);
    HighlightFirstItem();
}

void TbsSkinPopupWindow::HighlightFirstItem() {
    FActiveItem = -1;
    for (int i = 0; i < int(FItemList.size()); ++i) {
        TbsSkinMenuItem& row = *FItemList[std::size_t(i)];
        if (!row.Selectable()) continue;
        row.WaitCommand = true;
        FActiveItem = i;
        row.MouseEnter(true);
        return;
    }
}

// The fade steps on a window timer instead of blocking the GUI thread: the same steps, and the
// program answers while they run.
void TbsSkinPopupWindow::StartFade() {
    FFadeAlpha = 0;
    SetTimer(Handle(), kFadeTimer, 5, nullptr);
}

void TbsSkinPopupWindow::FadeStep() {
    const int target = FParentMenu->AlphaBlendValue();
    FFadeAlpha = std::min(FFadeAlpha + std::max(1, target / 15), target);
    SetWindowAlpha(Handle(), std::uint8_t(FFadeAlpha));
    if (FFadeAlpha >= target) KillTimer(Handle(), kFadeTimer);
}

void TbsSkinPopupWindow::Hide() {
    FMouseTimer->SetEnabled(false);
    FMorphTimer->SetEnabled(false);
    if (HandleAllocated()) {
        KillTimer(Handle(), kScrollTimer);
        KillTimer(Handle(), kFadeTimer);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    SetVisible(false);
}

void TbsSkinPopupWindow::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        PaintMenu(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_TIMER:
        if (message.WParam == kScrollTimer) {
            ScrollTick();
            return;
        }
        if (message.WParam == kFadeTimer) {
            FadeStep();
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
