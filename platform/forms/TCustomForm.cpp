#include "platform/forms/TCustomForm.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMDIClient.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include <algorithm>

using namespace win;

TCustomForm* GetParentForm(TControl* control) {
    if (!control) return nullptr;
    TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    return dynamic_cast<TCustomForm*>(top);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                      csDoubleClicks };
    FVisible = false;
    FColor = clBtnFace;
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (FCreated && OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            ::HandleException();
        }
    }
    if (Screen) Screen->RemoveForm(this);
    // The controls go in the base class; nothing of this form may be reached from them.
    FActiveControl = nullptr;
    FFocusedControl = nullptr;
    Destroying();
    DestroyComponents();
    if (FFormStyle == fsMDIChild && HandleAllocated()) LeaveMDIActivation();
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (value == FFormStyle) return;
    const bool mdiChange = value == fsMDIChild || value == fsMDIForm || FFormStyle == fsMDIChild ||
                           FFormStyle == fsMDIForm;
    FFormStyle = value;
    if (mdiChange) {
        RecreateWnd();
        return;
    }
    if (HandleAllocated())
        SetWindowPos(FHandle, value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (value == FWindowState) return;
    FWindowState = value;
    if (HandleAllocated() && FVisible) {
        const int cmd = value == wsMinimized   ? SW_MINIMIZE
                        : value == wsMaximized ? SW_SHOWMAXIMIZED
                                               : SW_RESTORE;
        ShowWindow(FHandle, cmd);
    }
}

void TCustomForm::SetAlphaBlend(bool value) {
    if (value == FAlphaBlend) return;
    FAlphaBlend = value;
    ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(BYTE value) {
    if (value == FAlphaBlendValue) return;
    FAlphaBlendValue = value;
    ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
    if (!HandleAllocated() || Parent()) return;
    const LONG_PTR exStyle = GetWindowLongPtr(FHandle, GWL_EXSTYLE);
    if (FAlphaBlend) {
        if (!(exStyle & WS_EX_LAYERED))
            SetWindowLongPtr(FHandle, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(FHandle, 0, FAlphaBlendValue, LWA_ALPHA);
    } else if (exStyle & WS_EX_LAYERED) {
        SetWindowLongPtr(FHandle, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    }
}

bool TCustomForm::IsShortCut(TMessage& message) {
    bool handled = false;
    if (OnShortCut) OnShortCut(message, handled);
    return handled;
}

void TCustomForm::FrameStyles(DWORD& style, DWORD& exStyle) const {
    switch (FBorderStyle) {
    case bsNone:
        style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        style |= WS_POPUP | WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) exStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        style |= WS_SYSMENU;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow &&
            FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
        }
    }
}

TRect TCustomForm::ClientRect() const {
    if (HandleAllocated() || Parent()) return TWinControl::ClientRect();
    // Before the window exists the frame its styles will give is taken off, so that a client
    // size set early (a description's ClientWidth) holds once the window is made.
    DWORD style = 0, exStyle = 0;
    FrameStyles(style, exStyle);
    RECT frame{ 0, 0, 0, 0 };
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return TRect(0, 0, std::max(0, FWidth - (frame.right - frame.left)),
                 std::max(0, FHeight - (frame.bottom - frame.top)));
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (Parent()) return; // a form placed inside another control is a plain child window
    if (FFormStyle == fsMDIChild) {
        MDIChildParams(params);
        return;
    }
    params.Style &= ~(WS_CHILD | WS_VISIBLE);
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
    DWORD style = 0, exStyle = 0;
    FrameStyles(style, exStyle);
    params.Style |= style;
    params.ExStyle |= exStyle;
    if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
    // Secondary forms stay above the main form.
    params.WndParent = nullptr;
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        params.WndParent = Application->MainForm()->Handle();
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (FFormStyle == fsMDIForm) CreateMDIClient();
    if (FAlphaBlend) ApplyAlphaBlend();
    if (FActiveControl && FActiveControl->HandleAllocated() && FActive)
        win::SetFocus(FActiveControl->Handle());
}

void TCustomForm::ApplyPosition() {
    if (Parent() || FFormStyle == fsMDIChild) return;
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
        area = Screen ? Screen->MonitorWorkArea(BoundsRect()) : TRect();
        break;
    case poDesktopCenter:
        area = Screen ? Screen->DesktopRect() : TRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* over = nullptr;
        if (FPosition == poOwnerFormCenter) over = dynamic_cast<TCustomForm*>(Owner());
        if (!over && Application) over = Application->MainForm();
        if (over && over != this) {
            area = over->BoundsRect();
        } else if (Screen) {
            area = Screen->MonitorWorkArea(BoundsRect());
        }
        break;
    }
    default:
        return;
    }
    if (area.IsEmpty()) return;
    SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2,
              FWidth, FHeight);
}

void TCustomForm::SetVisible(bool value) {
    if (value == FVisible) return;
    if (Parent()) {
        TWinControl::SetVisible(value);
        return;
    }
    if (value) {
        FVisible = true;
        ApplyPosition();
        DoShow();
        if (!FVisible) return; // OnShow hid it again
        HandleNeeded();
        const int cmd = FWindowState == wsMinimized   ? SW_SHOWMINIMIZED
                        : FWindowState == wsMaximized ? SW_SHOWMAXIMIZED
                                                      : SW_SHOW;
        ShowWindow(FHandle, cmd);
    } else {
        DoHide();
        FVisible = false;
        if (FFormStyle == fsMDIChild && HandleAllocated()) LeaveMDIActivation();
        if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
    }
    Perform(CM_VISIBLECHANGED, WPARAM(value), 0);
}

void TCustomForm::Show() {
    SetVisible(true);
    if (FFormStyle == fsMDIChild) {
        ActivateAsMDIChild();
    } else if (HandleAllocated()) {
        BringWindowToTop(FHandle);
        SetActiveWindow(FHandle);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = FFormStyle == fsMDIChild ? caMinimize : caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        SetVisible(false);
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::CloseModal() {
    TCloseAction action = caHide;
    if (CloseQuery()) {
        DoClose(action);
    } else {
        action = caNone;
    }
    switch (action) {
    case caNone:
        FModalResult = mrNone;
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !FEnabled || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (GetCapture()) {
        SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    const HWND previous = GetActiveWindow();
    // Every other window of the program waits; the ones disabled here are enabled again after.
    std::vector<HWND> disabled;
    HandleNeeded();
    EnumWindows(
        [](HWND h, LPARAM data) -> BOOL {
            auto* list = reinterpret_cast<std::vector<HWND>*>(data);
            list->push_back(h);
            return TRUE;
        },
        LPARAM(&disabled));
    std::erase_if(disabled, [&](HWND h) {
        return h == FHandle || !IsWindowVisible(h) || !IsWindowEnabled(h);
    });
    for (HWND h : disabled)
        EnableWindow(h, FALSE);
    FFormState.Include(fsModal);
    FModalResult = mrNone;
    auto restore = [&] {
        FFormState.Exclude(fsModal);
        for (HWND h : disabled)
            if (IsWindow(h)) EnableWindow(h, TRUE);
        if (previous && IsWindow(previous)) SetActiveWindow(previous);
    };
    try {
        Show();
        while (FModalResult == mrNone) {
            if (!Application)
                throw EInvalidOperation("Cannot run a modal form without an application");
            Application->HandleMessage();
            if (Application->Terminated()) FModalResult = mrCancel;
            if (FModalResult != mrNone) CloseModal();
        }
        SetVisible(false);
    } catch (...) {
        if (FVisible) SetVisible(false);
        restore();
        throw;
    }
    restore();
    return FModalResult;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) return;
    if (control && (!control->CanFocus() || GetParentForm(control) != this))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (control) control->FreeNotification(this);
    if (control && FActive && control->HandleAllocated()) win::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
    SetActiveControl(control);
    if (HandleAllocated() && FVisible) win::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    if (!control) return true; // the focus left the form: its active control stays
    if (control == FFocusedControl) return true;
    TWinControl* old = FFocusedControl;
    // The control losing the focus closes what it has open (drop-downs), told who takes over.
    if (old) old->Perform(CM_CANCELMODE, 0, LPARAM(control));
    if (FFocusedControl != old) return true; // its handler moved the focus on
    FFocusedControl = control;
    FActiveControl = control;
    control->FreeNotification(this);
    // Exits from the old control up to the parent both share, enters down to the new one.
    for (TWinControl* c = old; c && c != this && !c->ContainsControl(control); c = c->Parent())
        c->Perform(CM_EXIT, 0, 0);
    std::vector<TWinControl*> enters;
    for (TWinControl* c = control; c && c != this && !(old && c->ContainsControl(old));
         c = c->Parent())
        enters.push_back(c);
    for (auto it = enters.rbegin(); it != enters.rend(); ++it)
        (*it)->Perform(CM_ENTER, 0, 0);
    Perform(CM_FOCUSCHANGED, 0, LPARAM(control));
    return true;
}

void TCustomForm::ForgetControl(TComponent* component) {
    if (component == FActiveControl) FActiveControl = nullptr;
    if (component == FFocusedControl) FFocusedControl = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) ForgetControl(component);
    if (operation == opRemove && component == FWindowMenu) FWindowMenu = nullptr;
    TWinControl::Notification(component, operation);
}

void TCustomForm::CMDialogKey(TMessage& message) {
    if (GetKeyState(int(VK_MENU)) >= 0) {
        TWinControl* active = FActiveControl;
        switch (message.WParam) {
        case VK_TAB:
            SelectNext(active, GetKeyState(int(VK_SHIFT)) >= 0, true);
            message.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (active && active->Parent()) {
                active->Parent()->SelectNext(
                    active, message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
                message.Result = 1;
                return;
            }
            break;
        default:
            break;
        }
    }
    Broadcast(message);
}

void TCustomForm::WMActivate(TMessage& message) {
    DefaultHandler(message);
    const bool active = LOWORD(message.WParam) != WA_INACTIVE;
    if (active == FActive) return;
    FActive = active;
    if (active) {
        if (Screen) Screen->SetActiveForm(this);
        if (FActiveControl && FActiveControl->HandleAllocated() && FActiveControl->CanFocus())
            win::SetFocus(FActiveControl->Handle());
        FFormState.Include(fsActivated);
        Activate();
    } else {
        Deactivate();
    }
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ACTIVATE:
        WMActivate(message);
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_MDIACTIVATE:
        if (FFormStyle == fsMDIChild) {
            const bool active = message.LParam == reinterpret_cast<LPARAM>(FHandle);
            if (active != FActive) {
                FActive = active;
                if (active)
                    Activate();
                else
                    Deactivate();
            }
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        // A press on a child's frame activates it, as a press inside it does.
        if (FFormStyle == fsMDIChild) ActivateAsMDIChild();
        break;
    case CM_DIALOGKEY:
        CMDialogKey(message);
        return;
    case WM_SIZE:
        if (message.WParam == SIZE_MINIMIZED)
            FWindowState = wsMinimized;
        else if (message.WParam == SIZE_MAXIMIZED)
            FWindowState = wsMaximized;
        else if (message.WParam == SIZE_RESTORED)
            FWindowState = wsNormal;
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
