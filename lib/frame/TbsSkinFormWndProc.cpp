// The form's window procedure while the component is attached. Every message goes through
// the same four steps: open skin menus close where the message calls for it, a first dispatch
// does the frame's work before the form's own (and decides whether the form sees the message
// at all), the form's previous procedure, and a second dispatch for the frame's mouse input.
#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/IbsMainMenuBar.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WindowApi.h"

using namespace win;

namespace {

TPoint PointOf(LPARAM lParam) {
    return TPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool IsDC(WPARAM wParam) {
    return wParam != 0;
}

} // namespace

void TbsSkinForm::FormWindowProc(TMessage& message) {
    const auto alive = FAlive;
    CloseMenusOnMessage(message);
    if (!*alive) return;
    const bool passOn = FirstDispatch(message);
    if (!*alive) return;
    if (passOn) {
        // The form may free the component while its procedure runs.
        const TWndMethod old = OldWindowProc;
        old(message);
        if (!*alive) return;
    }
    SecondDispatch(message);
}

bool TbsSkinForm::FirstDispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_DESTROY:
        FMouseTimer->SetEnabled(false);
        FMorphTimer->SetEnabled(false);
        FAnimateTimer->SetEnabled(false);
        MDIChildDestroyed();
        return true;
    case WM_SIZE:
        WMSize(message);
        return FSizeMove && FFullDrag;
    case WM_ACTIVATE:
        if (!FSkinnableForm) return true;
        WMActivate(message);
        return false;
    case WM_SETTEXT:
        if (!FSkinnableForm) return true;
        WMSetText(message);
        return false;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return false;
    case WM_SHOWWINDOW:
        ShowWindowFirst(message);
        return true;
    case WM_SETCURSOR:
        if (FSkinnableForm && FUseFormCursorInNCArea) WMSetCursor(message);
        return true;
    case WM_GETMINMAXINFO:
        if (FSkinnableForm) WMGetMinMaxInfo(message);
        return true;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        return true;
    case WM_DISPLAYCHANGE:
        if (IsFramed() && (FForm->Width() > GetMaxWidth() || FForm->Height() > GetMaxHeight()))
            NudgeFormWidth();
        return true;
    case WM_NCCALCSIZE:
        if (!FSkinnableForm) return true;
        WMNCCalcSize(message);
        return false;
    case WM_NCHITTEST:
        if (!FSkinnableForm) return true;
        WMNCHitTest(message);
        return false;
    case WM_NCPAINT:
        if (!FSkinnableForm) return true;
        WMNCPaint(message);
        return false;
    case WM_NCACTIVATE:
        if (!FSkinnableForm) return true;
        WMNCActivate(message);
        return false;
    case WM_SYNCPAINT:
        if (!FSkinnableForm || !FRollUpState) return true;
        NCRepaint();
        message.Result = 0;
        return false;
    case WM_SYSCOMMAND:
        return WMSysCommand(message);
    case WM_TIMER:
        if (message.WParam == 1) FadeInTimer();
        return true;
    case WM_SIZING:
        if (FSizeMove && FFullDrag) WMSizing(message);
        return true;
    case WM_MOVING:
        if (FSkinnableForm) WMMoving(message);
        return true;
    case WM_ENTERSIZEMOVE:
        if (FSkinnableForm) WMEnterSizeMove(message);
        return true;
    case WM_EXITSIZEMOVE:
        if (FSkinnableForm) WMExitSizeMove(message);
        return true;
    default:
        return SkinMessage(message);
    }
}

void TbsSkinForm::SecondDispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_SHOWWINDOW:
        ShowWindowSecond(message);
        return;
    case WM_LBUTTONUP:
        // A press that began on a frame object and ends anywhere releases the object.
        ObjectMouseUp(mbLeft, -1, -1);
        return;
    case WM_RBUTTONUP:
        ObjectMouseUp(mbRight, -1, -1);
        return;
    default:
        break;
    }
    if (!FSkinnableForm) return;
    const bool caption = int(message.WParam) == HTCAPTION;
    auto point = [&] {
        TPoint p = PointOf(message.LParam);
        PointToWindow(p);
        return p;
    };
    switch (message.Msg) {
    case WM_NCMOUSEMOVE: {
        const TPoint p = point();
        ObjectMouseMove(p.X, p.Y);
        return;
    }
    case WM_NCLBUTTONDOWN: {
        // Back from a move or size loop that did not say it ended.
        if (FSizeMove) {
            FSizeMove = false;
            return;
        }
        const TPoint p = point();
        UpdateActiveObject(p.X, p.Y, true);
        ObjectMouseDown(mbLeft, p.X, p.Y);
        if (caption) MouseCaptureObject = -1;
        return;
    }
    case WM_NCLBUTTONUP: {
        const TPoint p = point();
        ObjectMouseUp(mbLeft, p.X, p.Y);
        return;
    }
    case WM_NCLBUTTONDBLCLK: {
        const TPoint p = point();
        UpdateActiveObject(p.X, p.Y, true);
        ObjectMouseDown(mbLeft, p.X, p.Y);
        ObjectDblClick();
        if (caption) {
            const auto alive = FAlive;
            CaptionDoubleClick();
            if (!*alive) return;
            MouseCaptureObject = -1;
        }
        return;
    }
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK: {
        const TPoint p = point();
        UpdateActiveObject(p.X, p.Y, true);
        ObjectMouseDown(mbRight, p.X, p.Y);
        if (!caption) return;
        MouseCaptureObject = -1;
        if (message.Msg == WM_NCRBUTTONDOWN && !FDisableSystemMenu) {
            POINT cursor{};
            GetCursorPos(&cursor);
            ShowSystemMenuAt(cursor.x, cursor.y);
        }
        return;
    }
    case WM_NCRBUTTONUP: {
        const TPoint p = point();
        ObjectMouseUp(mbRight, p.X, p.Y);
        return;
    }
    default:
        return;
    }
}

// Double-clicking the caption maximizes and restores a sizeable form, and rolls any other up
// and down.
void TbsSkinForm::CaptionDoubleClick() {
    const bool sizeable = IsFormSizeable();
    if (sizeable && FWindowState == wsMinimized)
        SetWindowState(wsNormal);
    else if (sizeable && FWindowState != wsMaximized && !FRollUpState &&
             FBorderIcons.Contains(biMaximize))
        SetWindowState(wsMaximized);
    else if (sizeable && FWindowState == wsMaximized && !MaxRollUpState)
        SetWindowState(wsNormal);
    else
        SetRollUpState(!FRollUpState);
}

void TbsSkinForm::WMSize(TMessage& message) {
    auto logoStep = [&] {
        if (!FLogoBitMap.Empty() && !IsMDIForm() && HandleReady()) FForm->Repaint();
    };
    if (FSizeMove && FFullDrag) {
        logoStep();
        return;
    }
    if (!FBorderLayerChangeSize) {
        const TWndMethod old = OldWindowProc;
        old(message);
        // The form takes its new bounds only after the size message: the window has them.
        const TSize size = WindowSize();
        FFormWidth = size.cx;
        FFormHeight = size.cy;
    }
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    if (FSkinSupport && FSkinnableForm) {
        if (GetMinWidth() <= FFormWidth && GetMinHeight() <= FFormHeight) {
            if (IsLayeredBorderUsed()) {
                if (FBorderLayerChangeSize) {
                    FBorderLayer.SetBoundsWithForm3(FFormLeft, FFormTop, FFormWidth, FFormHeight);
                } else {
                    // The form's own bounds are not yet the new ones: the window's are.
                    RECT bounds{};
                    GetWindowRect(FForm->Handle(), &bounds);
                    FBorderLayer.SetBoundsWithForm3(bounds.left, bounds.top, FFormWidth,
                                                    FFormHeight);
                }
            }
            UpdateRegion(true);
        }
    } else if (FSkinnableForm) {
        BuildRegion(true);
        NCRepaint();
    }
    if (FBorderLayerChangeSize) {
        const TWndMethod old = OldWindowProc;
        old(message);
    }
    if (FAlphaBlend && FAlphaBlendValue != 255 && FIsLayerEnabled) {
        NCRepaint();
        if (HandleReady()) FForm->Repaint();
    }
    logoStep();
}

void TbsSkinForm::WMActivate(TMessage& message) {
    const TWndMethod old = OldWindowProc;
    old(message);
    NCRepaint();
    if (IsMaximizedChild()) {
        UpdateCaptionActive(false);
        return;
    }
    ResetObjectStates();
    UpdateCaptionActive(true);
}

void TbsSkinForm::WMSetText(TMessage& message) {
    const TWndMethod old = OldWindowProc;
    old(message);
    if (IsFramed() && !IsMaximizedChild()) NCRepaint();
    // The main form's caption shows a maximized child's.
    if (IsMaximizedChild())
        if (TbsSkinForm* main = Application ? FindSkinForm(Application->MainForm()) : nullptr;
            main && main != this)
            main->NCRepaint();
    if (IsMDIChild()) {
        UpDateChildCaptionInMenu(FForm);
        RefreshMDIBarTab(FForm);
    }
}

void TbsSkinForm::WMEraseBkgnd(TMessage& message) {
    if (IsMDIForm() && !FClientInActiveDraw) return;
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!FSkinSupport) {
        PaintBGDefault(dc);
        return;
    }
    // An index the skin's pictures do not reach paints the main picture's client part.
    auto valid = [&](int index) { return index >= 0 && index < int(FSD->FActivePictures.size()); };
    if (FUseRibbon && valid(FSD->MDIBGPictureIndex))
        PaintBG3(dc);
    else if (!valid(FSD->BGPictureIndex))
        PaintBG(dc);
    else
        PaintBG2(dc);
}

void TbsSkinForm::WMSetCursor(TMessage& message) {
    const int hit = short(LOWORD(UINT_PTR(message.LParam)));
    const bool border = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
    if (hit == HTCLIENT || border) return;
    message.LParam = MAKELPARAM(UINT(HTCLIENT), HIWORD(UINT_PTR(message.LParam)));
}

void TbsSkinForm::WMGetMinMaxInfo(TMessage& message) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(message.LParam);
    if (!mmi) return;
    mmi->ptMinTrackSize = POINT{ GetMinWidth(), GetMinHeight() };
    mmi->ptMaxTrackSize = POINT{ GetMaxWidth(), GetMaxHeight() };
}

void TbsSkinForm::WMWindowPosChanged(TMessage& message) {
    const auto* wp = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    if (!wp) return;
    if ((wp->flags & SWP_HIDEWINDOW) && FBorderLayer.FVisible && FIsVistaOs) SetFormLayered(true);
    FFormLeft = wp->x;
    FFormTop = wp->y;
    if (!FSizing && FBorderLayerChangeSize) {
        FFormWidth = wp->cx;
        FFormHeight = wp->cy;
    }
    if (FSizing && (FForm->Top() != FFormTop || FForm->Left() != FFormLeft))
        FBorderLayer.SetBoundsWithForm3(FFormLeft, FFormTop, FFormWidth, FFormHeight);
    if (!FSizing && !FBorderLayerChangeSize) {
        FBorderLayer.MoveWithForm2(FFormLeft, FFormTop);
        FOldFormLeft = FFormLeft;
        FOldFormTop = FFormTop;
    }
}

void TbsSkinForm::WMNCCalcSize(TMessage& message) {
    if (IsMaximizedChild() || !IsFramed()) return;
    RECT* r = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(message.LParam);
    if (!r) return;
    if (FSkinSupport) CalcSkinRects();
    const TRect insets = FrameInsets();
    r->left += insets.Left;
    r->top += insets.Top;
    r->right -= insets.Right;
    r->bottom -= insets.Bottom;
    // A form smaller than its frame has no client area, never a negative one.
    if (r->left > r->right) r->right = r->left;
    if (r->top > r->bottom) r->bottom = r->top;
}

void TbsSkinForm::WMNCHitTest(TMessage& message) {
    TPoint p = PointOf(message.LParam);
    PointToWindow(p);
    message.Result = FSkinSupport ? SkinHitTest(p) : DefaultHitTest(p);
    if (!FMouseTimer->Enabled() && message.Result == HTOBJECT) {
        UpdateActiveObject(p.X, p.Y, true);
        FMouseTimer->SetEnabled(true);
    }
}

void TbsSkinForm::WMNCPaint(TMessage&) {
    if (!IsFramed() || IsMaximizedChild()) return;
    if (FSkinSupport)
        PaintNCSkin(nullptr, false);
    else if (!FStopPainting)
        PaintNCDefault(nullptr, false);
}

void TbsSkinForm::WMNCActivate(TMessage& message) {
    FBorderLayerChangeSize = false;
    if (FSkinMenu->Visible()) FSkinMenu->Hide();
    if (FLayerManager->IsVisible()) FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible()) FMenuLayerManager->Hide();
    FFormActive = message.WParam != 0;
    if (!FFormActive) UpdateActiveObject(-1, -1, false);
    if (IsMDIChild() || (IsMDIForm() && !FIsVistaOs)) {
        const TWndMethod old = OldWindowProc;
        old(message);
        if (IsMDIChild() && HandleReady()) FForm->Repaint();
    } else {
        message.Result = 1;
    }
    if (IsMaximizedChild() || !IsFramed()) {
        UpdateCaptionActive(false);
    } else {
        NCRepaint();
        UpdateCaptionActive(true);
    }
    const bool visible = FForm->Visible();
    if (visible && FClientInActiveEffect) {
        if (FFormActive)
            HideClientInActiveEffect();
        else
            ShowClientInActiveEffect();
    }
    if (visible && IsLayeredBorderUsed())
        FBorderLayer.SetActive(FFormActive, true);
    else if (!visible && FForm->Tag() != TRAY_HIDDEN_TAG && IsLayeredBorderUsed())
        FBorderLayer.Hide();
    MDIChildActivated();
}

bool TbsSkinForm::WMSysCommand(TMessage& message) {
    if ((message.WParam & 0xFFF0) == SC_RESTORE) {
        if (OnRestore) OnRestore(this);
        return true;
    }
    if (message.WParam != SC_KEYMENU) return true;
    if (InMainMenu) {
        LeaveMainMenu();
        return false;
    }
    SkinMenuClose();
    if (auto* bar = MenuBar()) bar->EnterMainMenu();
    return false;
}

void TbsSkinForm::WMSizing(TMessage& message) {
    FSizing = true;
    FBorderLayerChangeSize = false;
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    const TWndMethod old = OldWindowProc;
    old(message);
    const auto* proposed = reinterpret_cast<const RECT*>(message.LParam);
    if (!proposed) return;
    FFormWidth = proposed->right - proposed->left;
    FFormHeight = proposed->bottom - proposed->top;
    if (!FSkinnableForm) return;
    if (!FSkinSupport) {
        BuildRegion(true);
        return;
    }
    if (FFormWidth < GetMinWidth() || FFormHeight < GetMinHeight()) return;
    if (FFormWidth == FForm->Width() && FFormHeight == FForm->Height()) return;
    if (IsLayeredBorderUsed() && FFormLeft == FOldFormLeft && FFormTop == FOldFormTop)
        FBorderLayer.SetBoundsWithForm3(FFormLeft, FFormTop, FFormWidth, FFormHeight);
    FOldFormLeft = FFormLeft;
    FOldFormTop = FFormTop;
    UpdateRegion(true);
}

void TbsSkinForm::WMMoving(TMessage& message) {
    auto* r = reinterpret_cast<RECT*>(message.LParam);
    if (!r) return;
    const int w = FForm->Width(), h = FForm->Height();
    if (FWindowState == wsMaximized && !IsMDIChild()) {
        *r = RECT{ FForm->Left(), FForm->Top(), FForm->Left() + w, FForm->Top() + h };
        return;
    }
    if (!FMagnetic) return;
    int x = r->left, y = r->top;
    MagneticSnap(x, y, w, h);
    *r = RECT{ x, y, x + w, y + h };
}

void TbsSkinForm::WMEnterSizeMove(TMessage&) {
    POINT cursor{};
    GetCursorPos(&cursor);
    FOnMouseDownCoord = cursor;
    ResetObjectStates();
    FMouseTimer->SetEnabled(false);
    ActiveObject = MouseCaptureObject = -1;
    FSizeMove = true;
    BOOL full = FALSE;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    FFullDrag = full != FALSE;
}

void TbsSkinForm::WMExitSizeMove(TMessage&) {
    if (FSizing && (FForm->Width() != FFormWidth || FForm->Height() != FFormHeight)) {
        FFormLeft = FForm->Left();
        FFormTop = FForm->Top();
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
        UpdateRegion(true);
    }
    FSizing = FSizeMove = false;
    FMouseTimer->SetEnabled(false);
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    if (UsableSkin()) NCRepaint();
    if (IsLayeredBorderUsed()) FBorderLayer.SetBoundsWithForm();
}

bool TbsSkinForm::SkinMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SKINBEFORECHANGE:
    case WM_SKINCHANGE:
    case WM_SKINAFTERCHANGE:
        SkinChange(message);
        return true;
    case WM_SKINMENUCLOSED:
        SkinMenuClose();
        return true;
    case WM_SKINMDIREFIT:
        RefitAsMDIChild();
        return true;
    case WM_SKINMDIMAXIMIZED:
        if (IsMDIForm()) {
            FMDIChildMaximized = true;
            NCRepaint();
            if (auto* bar = MenuBar()) bar->MDIChildMaximized();
        }
        return true;
    case WM_SKINMDIUNMAXIMIZED:
        if (IsMDIForm()) {
            FMDIChildMaximized = FindMaximizedMDIChild() != nullptr;
            NCRepaint();
            if (auto* bar = MenuBar()) bar->MDIChildRestored();
        }
        return true;
    case WM_SKINSTRINGSCHANGED:
        UpdateButtonHints();
        return true;
    case WM_SKINNABLEFORMCHANGED: {
        auto* skin = reinterpret_cast<TbsSkinData*>(message.WParam);
        if (!FUseRibbon && FSD && skin == FSD && !IsMDIChild())
            SetSkinnableForm(FSD->SkinnableForm());
        return true;
    }
    case WM_SKINTRAYRESTORED:
        if (FForm->Tag() != TRAY_HIDDEN_TAG) return true;
        if (IsLayeredBorderUsed() && HandleReady()) {
            SetForegroundWindow(FForm->Handle());
            for (int i = 0; Screen && i < Screen->FormCount(); ++i) {
                TCustomForm* form = Screen->Forms(i);
                if (form->Visible() && form->FormStyle() == fsStayOnTop) {
                    if (form->HandleAllocated()) SetForegroundWindow(form->Handle());
                    break;
                }
            }
        }
        FForm->SetTag(0);
        return true;
    case WM_SKINLAYEREDBORDERS:
        if (IsLayeredBorderUsed() && FForm->Visible() && !FBorderLayer.FVisible) {
            FBorderLayer.FActive = FFormActive;
            FBorderLayer.ShowWithForm();
            FForm->Show();
        } else if (!IsLayeredBorderUsed() && FBorderLayer.FVisible) {
            FBorderLayer.Hide();
        }
        return true;
    case WM_SKINQUERYFRAME:
        message.Result = FSkinnableForm || !FIsVistaOs ? SKIN_FRAME_SKINNED : SKIN_FRAME_STANDARD;
        return false;
    case WM_SKINSMARTSHOWBEGIN:
        FSmartEffectsShow = true;
        return true;
    case WM_SKINSMARTSHOWEND:
        if (!FSmartEffectsShow) return true;
        FSmartEffectsShow = false;
        if ((FForm->Visible() || FForm->Tag() == TRAY_HIDDEN_TAG) && IsLayeredBorderUsed()) {
            if (Application) Application->ProcessMessages();
            FBorderLayer.FActive = true;
            FBorderLayer.ShowWithFormAnimation();
        }
        return true;
    case WM_SKINFRAMEPAINT:
    case WM_SKINFRAMEPAINTEX:
        return FramePaintMessage(message);
    default:
        return true;
    }
}

bool TbsSkinForm::FramePaintMessage(TMessage& message) {
    const bool ex = message.Msg == WM_SKINFRAMEPAINTEX;
    if (!FSkinnableForm || (ex && message.LParam != SKIN_PAINT_KEY)) return true;
    if (IsDC(message.WParam) && IsFramed() && !IsMaximizedChild()) {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (FSkinSupport)
            PaintNCSkin(dc, true);
        else
            PaintNCDefault(dc, true);
        message.Result = SKIN_FRAME_PAINTED;
    }
    if (ex) message.Result = SKIN_PAINT_KEY;
    return false;
}
