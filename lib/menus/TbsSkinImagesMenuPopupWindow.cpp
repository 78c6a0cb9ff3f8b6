#include "lib/menus/TbsSkinImagesMenuPopupWindow.h"

#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinImagesMenu.h"
#include "lib/menus/bsMenuLevelWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TScreen.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

constexpr UINT_PTR kFadeTimer = 1;

} // namespace

TbsSkinImagesMenuPopupWindow::TbsSkinImagesMenuPopupWindow(TbsSkinImagesMenu* menu)
    : TCustomControl(menu), FImagesMenu(menu) {
    FControlStyle.Include(csNoDesignVisible);
    FControlStyle.Include(csReplicatable);
    FControlStyle.Include(csOpaque);
    SetVisible(false);
}

TbsSkinImagesMenuPopupWindow::~TbsSkinImagesMenuPopupWindow() {
    // Freed while open (its menu goes): the program's loop and the mouse are given back.
    UnhookApp();
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TbsSkinImagesMenuPopupWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    SetMenuLevelWindowParams(params);
}

int TbsSkinImagesMenuPopupWindow::CellWidth() const {
    return FImagesMenu->Images()->Width() + 10;
}

int TbsSkinImagesMenuPopupWindow::CellHeight() const {
    return FImagesMenu->Images()->Height() + 10;
}

int TbsSkinImagesMenuPopupWindow::HeaderHeight() const {
    TbsSkinData* sd = FImagesMenu->SkinData();
    if (sd && !sd->Empty) {
        const int index = sd->GetControlIndex("label");
        if (index >= 0) return sd->CtrlList[std::size_t(index)]->SkinRect.Height();
    }
    return CellHeight();
}

TbsDataSkinButtonControl* TbsSkinImagesMenuPopupWindow::ButtonRecord() const {
    TbsSkinData* sd = FImagesMenu->SkinData();
    if (!sd || sd->Empty) return nullptr;
    int index = FSkinSupport ? sd->GetControlIndex("menuitembutton") : -1;
    if (index < 0) index = sd->GetControlIndex("resizebutton");
    if (index < 0) return nullptr;
    return dynamic_cast<TbsDataSkinButtonControl*>(sd->CtrlList[std::size_t(index)].get());
}

void TbsSkinImagesMenuPopupWindow::LayoutItems() {
    const int cw = CellWidth(), ch = CellHeight();
    const int rowWidth = FImagesMenu->ColumnsCount() * cw;
    const int left = FSkinSupport ? FImagesMenu->SkinData()->PopupWindow.ItemsRect.Left : 5;
    int y = FSkinSupport ? FImagesMenu->SkinData()->PopupWindow.ItemsRect.Top : 5;
    int x = left;
    TbsImagesMenuItems& items = FImagesMenu->ImagesItems();
    for (int i = 0; i < items.Count(); ++i) {
        TbsImagesMenuItem& item = *items.Items(i);
        if (item.Header() || item.Button()) {
            if (x != left) y += ch + 1;
            const int h = item.Header() ? HeaderHeight() : ch;
            item.ItemRect = TRect(left, y, left + rowWidth, y + h);
            y += h + 1;
            x = left;
            continue;
        }
        item.ItemRect = TRect(x, y, x + cw, y + ch);
        x += cw;
        if (x + cw > left + rowWidth) {
            x = left;
            y += ch + 1;
        }
    }
}

void TbsSkinImagesMenuPopupWindow::CalcSize() {
    TbsSkinData* sd = FImagesMenu->SkinData();
    FWindowPicture = nullptr;
    FMaskPicture = nullptr;
    if (sd && !sd->Empty) FWindowPicture = SkinPictureAt(*sd, sd->PopupWindow.WindowPictureIndex);
    FSkinSupport = FWindowPicture != nullptr;
    LayoutItems();
    const TbsImagesMenuItems& items = FImagesMenu->ImagesItems();
    // A grid without items is as high as its frame alone.
    const int d = items.Count() ? items.Items(items.Count() - 1)->ItemRect.Bottom -
                                      items.Items(0)->ItemRect.Top
                                : 0;
    const int rowWidth = FImagesMenu->ColumnsCount() * CellWidth();
    if (!FSkinSupport) {
        SetBounds(Left(), Top(), rowWidth + 10, d + 10);
        return;
    }
    const TbsDataSkinPopupWindow& pw = sd->PopupWindow;
    FMaskPicture = SkinPictureAt(*sd, pw.MaskPictureIndex);
    const int pwWidth = FWindowPicture->Width(), pwHeight = FWindowPicture->Height();
    const int w = pwWidth + rowWidth - pw.ItemsRect.Width();
    const int h = pwHeight + d - pw.ItemsRect.Height();
    SetBounds(Left(), Top(), w, h);
    FNewLTPoint = pw.LTPoint;
    FNewRTPoint = TPoint(w + pw.RTPoint.X - pwWidth, pw.RTPoint.Y);
    FNewLBPoint = TPoint(pw.LBPoint.X, h + pw.LBPoint.Y - pwHeight);
    FNewRBPoint = TPoint(w + pw.RBPoint.X - pwWidth, h + pw.RBPoint.Y - pwHeight);
    FNewItemsRect = TRect(pw.ItemsRect.Left, pw.ItemsRect.Top, w + pw.ItemsRect.Right - pwWidth,
                          h + pw.ItemsRect.Bottom - pwHeight);
    if (FMaskPicture) {
        auto region = BuildNineSliceRegion(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint,
                                           pw.ItemsRect, FNewLTPoint, FNewRTPoint, FNewLBPoint,
                                           FNewRBPoint, FNewItemsRect, *FMaskPicture, w, h);
        // The window owns the region from here on and drops the one it had.
        SetWindowRgn(Handle(), region.release(), TRUE);
    }
}

void TbsSkinImagesMenuPopupWindow::Show(const TRect& popupRect) {
    CalcSize();
    int x = popupRect.Left, y = popupRect.Bottom;
    TRect wa;
    HWND reference = nullptr;
    if (Screen && Screen->ActiveCustomForm())
        reference = Screen->ActiveCustomForm()->Handle();
    else if (Application && Application->MainForm() && Application->MainForm()->Visible())
        reference = Application->MainForm()->Handle();
    else if (auto* owner = dynamic_cast<TWinControl*>(FImagesMenu->Owner()))
        reference = owner->Handle();
    GetScreenWorkArea(true, wa);
    if (reference) GetMonitorWorkArea(reference, true, wa);
    if (y + Height() > wa.Bottom) y = popupRect.Top - Height();
    if (x + Width() > wa.Right) x = wa.Right - Width();
    x = std::max(x, wa.Left);
    y = std::max(y, wa.Top);

    const bool layered = CanUseLayeredWindows() && FImagesMenu->AlphaBlend();
    const bool fade = layered && FImagesMenu->AlphaBlendAnimation();
    if (layered) {
        SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
        FAlpha = fade ? 0 : FImagesMenu->AlphaBlendValue();
        SetWindowAlpha(Handle(), std::uint8_t(FAlpha));
    }
    SetBounds(x, y, Width(), Height());
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetVisible(true);
    // The fade steps on a timer: the program keeps answering while the grid appears.
    if (fade) SetTimer(Handle(), kFadeTimer, 5, nullptr);
    HookApp();
    SetCapture(Handle());
}

void TbsSkinImagesMenuPopupWindow::FadeStep() {
    FAlpha = std::min(FAlpha + 10, FImagesMenu->AlphaBlendValue());
    SetWindowAlpha(Handle(), std::uint8_t(FAlpha));
    if (FAlpha >= FImagesMenu->AlphaBlendValue()) KillTimer(Handle(), kFadeTimer);
}

void TbsSkinImagesMenuPopupWindow::Hide(bool processEvents) {
    if (FClosed) return;
    FClosed = true;
    HideHint();
    if (HandleAllocated()) {
        KillTimer(Handle(), kFadeTimer);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    SetVisible(false);
    UnhookApp();
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    FImagesMenu->CloseUp(processEvents);
}

void TbsSkinImagesMenuPopupWindow::HookApp() {
    if (!Application || FAppHook) return;
    FAppHook =
        Application->OnMessage.Add([this](MSG& msg, bool& handled) { AppMessage(msg, handled); });
}

void TbsSkinImagesMenuPopupWindow::UnhookApp() {
    if (!FAppHook) return;
    if (Application) Application->OnMessage.Remove(FAppHook);
    FAppHook = 0;
}

void TbsSkinImagesMenuPopupWindow::AppMessage(MSG& msg, bool& handled) {
    if (FClosed) return;
    const bool own = HandleAllocated() && msg.hwnd == Handle();
    switch (msg.message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_MOUSEACTIVATE:
    case WM_PARENTNOTIFY:
        // The grid's own showing is no reason to close it.
        if (!own) Hide(false);
        break;
    case WM_CANCELMODE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Hide(false);
        break;
    case WM_KEYDOWN:
        // The key is the grid's alone: it never reaches the focused control.
        ProcessKey(int(msg.wParam));
        msg.message = 0;
        handled = true;
        break;
    default:
        break;
    }
}

void TbsSkinImagesMenuPopupWindow::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_TIMER:
        if (message.WParam == kFadeTimer) {
            FadeStep();
            return;
        }
        break;
    case CM_MOUSEENTER:
        return;
    case CM_MOUSELEAVE:
        MouseLeft();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && !FClosed) {
        POINT p;
        GetCursorPos(&p);
        if (WindowFromPoint(p) != Handle()) Hide(false);
    }
}

int TbsSkinImagesMenuPopupWindow::ItemAtPoint(const TPoint& p) const {
    const TbsImagesMenuItems& items = FImagesMenu->ImagesItems();
    for (int i = 0; i < items.Count(); ++i) {
        const TbsImagesMenuItem& item = *items.Items(i);
        if (!item.Header() && item.ItemRect.Contains(p)) return i;
    }
    return -1;
}

bool TbsSkinImagesMenuPopupWindow::IsHeader(int index) const {
    return FImagesMenu->ImagesItems().Items(index)->Header();
}

void TbsSkinImagesMenuPopupWindow::HideHint() {
    if (FImagesMenu->ShowHints() && FImagesMenu->SkinHint()) FImagesMenu->SkinHint()->HideHint();
}

void TbsSkinImagesMenuPopupWindow::SetHover(int index) {
    if (index == FMouseInItem) return;
    FOldMouseInItem = FMouseInItem;
    FMouseInItem = index;
    Invalidate();
}

void TbsSkinImagesMenuPopupWindow::TrackHover(const TPoint& p) {
    const int index = ItemAtPoint(p);
    TbsSkinHint* hint = FImagesMenu->SkinHint();
    if (hint && index == -1) hint->HideHint();
    if (index == FMouseInItem) return;
    SetHover(index);
    if (FImagesMenu->ShowHints() && hint && index != -1) {
        hint->HideHint();
        const std::string& text = FImagesMenu->ImagesItems().Items(index)->Hint();
        if (!text.empty()) hint->ActivateHint2(text);
    }
}

void TbsSkinImagesMenuPopupWindow::MouseLeft() {
    HideHint();
    FMouseInItem = -1;
    FOldMouseInItem = -1;
    Invalidate();
}

void TbsSkinImagesMenuPopupWindow::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    TrackHover(TPoint(x, y));
}

void TbsSkinImagesMenuPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    HideHint();
    FDown = true;
    FItemDown = ItemAtPoint(TPoint(x, y)) != -1;
    Invalidate();
}

void TbsSkinImagesMenuPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (FClosed) return;
    const int index = ItemAtPoint(TPoint(x, y));
    if (FDown && index != -1) {
        FImagesMenu->SetItemIndex(index);
        Hide(true);
        return;
    }
    // A release outside any item keeps the grid open and the mouse held.
    ReleaseCapture();
    SetCapture(Handle());
}

void TbsSkinImagesMenuPopupWindow::ProcessKey(int key) {
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        if (FMouseInItem != -1) FImagesMenu->SetItemIndex(FMouseInItem);
        Hide(true);
        break;
    case VK_ESCAPE:
        Hide(false);
        break;
    case VK_LEFT:
        SelectPrior();
        break;
    case VK_RIGHT:
        SelectNext();
        break;
    case VK_UP:
        SelectUp();
        break;
    case VK_DOWN:
        SelectDown();
        break;
    default:
        break;
    }
}

void TbsSkinImagesMenuPopupWindow::SelectPrior() {
    const int count = FImagesMenu->ImagesItems().Count();
    if (count == 0) return;
    const int m = FMouseInItem;
    if (m == -1 || m == 0 || (count > 1 && m == 1 && IsHeader(0))) {
        SetHover(count - 1);
        return;
    }
    for (int i = m - 1; i >= 0; --i)
        if (!IsHeader(i)) {
            SetHover(i);
            return;
        }
}

void TbsSkinImagesMenuPopupWindow::SelectNext() {
    const int count = FImagesMenu->ImagesItems().Count();
    if (count == 0) return;
    const int m = FMouseInItem;
    if (m == -1 || m == count - 1) {
        SetHover(IsHeader(0) && count > 1 ? 1 : 0);
        return;
    }
    for (int i = m + 1; i < count; ++i)
        if (!IsHeader(i)) {
            SetHover(i);
            return;
        }
}

void TbsSkinImagesMenuPopupWindow::SelectUp() {
    const TbsImagesMenuItems& items = FImagesMenu->ImagesItems();
    if (items.Count() == 0) return;
    if (FMouseInItem == -1) {
        SetHover(items.Count() - 1);
        return;
    }
    const TRect& from = items.Items(FMouseInItem)->ItemRect;
    for (int i = FMouseInItem - 1; i >= 0; --i) {
        const TbsImagesMenuItem& item = *items.Items(i);
        if (item.Header() || item.ItemRect.Top >= from.Top) continue;
        if (item.Button() || item.ItemRect.Left == from.Left) {
            SetHover(i);
            return;
        }
    }
}

void TbsSkinImagesMenuPopupWindow::SelectDown() {
    const TbsImagesMenuItems& items = FImagesMenu->ImagesItems();
    if (items.Count() == 0) return;
    if (FMouseInItem == -1) {
        SetHover(IsHeader(0) && items.Count() > 1 ? 1 : 0);
        return;
    }
    const TRect& from = items.Items(FMouseInItem)->ItemRect;
    for (int i = FMouseInItem + 1; i < items.Count(); ++i) {
        const TbsImagesMenuItem& item = *items.Items(i);
        if (item.Header() || item.ItemRect.Top <= from.Top) continue;
        if (item.Button() || item.ItemRect.Left == from.Left) {
            SetHover(i);
            return;
        }
    }
}
