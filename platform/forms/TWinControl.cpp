#include "platform/forms/TWinControl.h"
#include "platform/forms/CursorIds.h"
#include "platform/forms/DragSession.h"
#include "platform/forms/TControlCanvas.h"
#include "platform/forms/TScreen.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/rtl/Format.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include <algorithm>

using namespace win;

namespace {

// The window property that leads from a handle to its control.
constexpr const char* kControlProp = "ControlObject";

bool IsWindowless(const TControl* c) {
    return dynamic_cast<const TWinControl*>(c) == nullptr;
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Owned controls go while this is still a windowed control they can leave.
    DestroyComponents();
    while (!FControls.empty())
        FControls.back()->SetParent(nullptr);
    DestroyHandle();
    if (FParent) FParent->RemoveControl(this);
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    return static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
}

LRESULT TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
    if (!control && msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        control = static_cast<TWinControl*>(cs->lpCreateParams);
        if (control) {
            SetProp(hwnd, kControlProp, control);
            control->FHandle = hwnd;
        }
    }
    if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
    TMessage message{ msg, wParam, lParam, 0 };
    control->MainWndProc(message);
    if (msg == WM_NCDESTROY) {
        RemoveProp(hwnd, kControlProp);
        if (control->FHandle == hwnd) control->FHandle = nullptr;
    }
    return message.Result;
}

void TWinControl::MainWndProc(TMessage& message) {
    try {
        if (!dragsession::PreviewWindowMessage(*this, FHandle, message)) WindowProc(message);
    } catch (...) {
        // The event loop's handler shows it; the window keeps running.
        HandleException();
    }
    TControlCanvas::FreeDeviceContexts();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    if (!FHandle) CreateHandle();
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    CreateWnd();
    for (TControl* c : std::vector<TControl*>(FControls))
        if (auto* wc = dynamic_cast<TWinControl*>(c); wc && !wc->FHandle) wc->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = FText;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!FEnabled && !ComponentState().Contains(csDesigning)) params.Style |= WS_DISABLED;
    if (FTabStop) params.Style |= WS_TABSTOP;
    if (FVisible) params.Style |= WS_VISIBLE;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParent ? FParent->Handle() : FParentWindow;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = DefWindowProc;
    params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
    WNDCLASSEX existing;
    if (!GetClassInfoEx(nullptr, params.WinClassName.c_str(), &existing)) {
        WNDCLASSEX wc = params.WindowClass;
        wc.lpfnWndProc = InitWndProc;
        wc.lpszClassName = params.WinClassName.c_str();
        RegisterClassEx(&wc);
    }
    FControlState.Include(csCreating);
    try {
        CreateWindowHandle(params);
    } catch (...) {
        FControlState.Exclude(csCreating);
        throw;
    }
    FControlState.Exclude(csCreating);
    if (!FHandle) throw EInvalidOperation(Format("Error creating window of control '%s'", Name()));
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    CreateWindowEx(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                   params.Style, params.X, params.Y, params.Width, params.Height, params.WndParent,
                   nullptr, nullptr, this);
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    FControlState.Include(csDestroyingHandle);
    DestroyWindow(FHandle); // WM_NCDESTROY clears the handles of this control and its children
    FControlState.Exclude(csDestroyingHandle);
    FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    std::vector<TWinControl*> all{ this };
    GetTabOrderList(all);
    TWinControl* focused = FindControl(GetFocus());
    const bool hadFocus = focused && std::find(all.begin(), all.end(), focused) != all.end();
    DestroyHandle();
    HandleNeeded();
    if (hadFocus && focused->FHandle) win::SetFocus(focused->FHandle);
}

void TWinControl::SetParentWindow(HWND value) {
    if (FParent || value == FParentWindow) return;
    if (FHandle && value) {
        FParentWindow = value;
        win::SetParent(FHandle, value);
        return;
    }
    DestroyHandle();
    FParentWindow = value;
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FControls[std::size_t(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->FParent)
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        if (wc->ContainsControl(this))
            throw EInvalidOperation("A control cannot have itself as its parent");
        FTabList.push_back(wc);
    }
    FControls.push_back(control);
    control->FParent = this;
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        if (wc->FHandle) {
            if (FHandle) {
                win::SetParent(wc->FHandle, FHandle);
            } else {
                wc->DestroyHandle();
            }
        } else if (FHandle) {
            wc->CreateHandle();
        }
    }
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->UpdateAnchorRules();
    if (control->FAlign != alNone) AlignControl(control);
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    if (control->FParent != this) return;
    if (TControl::MouseControl() == control) SetMouseControl(nullptr);
    if (TControl::CaptureControl() == control) SetCaptureControl(nullptr);
    control->Invalidate();
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        std::erase(FTabList, wc);
        // A windowed child keeps no window without a parent window.
        wc->DestroyHandle();
    }
    std::erase(FControls, control);
    control->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying) && control->FAlign != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled,
                                    bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        if (!c->FVisible || (!c->FEnabled && !allowDisabled)) return false;
        if (!c->BoundsRect().Contains(pos)) return false;
        const TPoint local(pos.X - c->FLeft, pos.Y - c->FTop);
        return c->Perform(CM_HITTEST, 0, MAKELPARAM(unsigned(local.X), unsigned(local.Y))) != 0;
    };
    // Windowed controls lie above the windowless ones, whatever the list order.
    if (allowWinControls)
        for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
            if (!IsWindowless(*it) && hit(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (IsWindowless(*it) && hit(*it)) return *it;
    return nullptr;
}

TRect TWinControl::ClientRect() const {
    if (FHandle) {
        RECT r;
        GetClientRect(FHandle, &r);
        return r;
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) {
        POINT p{ 0, 0 };
        win::ClientToScreen(FHandle, &p);
        return p;
    }
    return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    Constraints().Constrain(width, height);
    if ((width != FWidth || height != FHeight) && !CanResize(width, height)) {
        width = FWidth;
        height = FHeight;
    }
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    if (FHandle && !(FControlState.Contains(csCreating))) {
        // WM_WINDOWPOSCHANGED brings the new bounds back through UpdateBounds.
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const bool sized = width != FWidth || height != FHeight;
        FLeft = left;
        FTop = top;
        FWidth = width;
        FHeight = height;
        UpdateAnchorRules();
        if (sized) {
            Realign();
            Resize();
        }
    }
    RequestAlign();
}

void TWinControl::UpdateBounds() {
    if (!FHandle) return;
    RECT r;
    GetWindowRect(FHandle, &r);
    if (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD) {
        POINT tl{ r.left, r.top };
        win::ScreenToClient(GetParent(FHandle), &tl);
        r = RECT{ tl.x, tl.y, tl.x + (r.right - r.left), tl.y + (r.bottom - r.top) };
    }
    const TRect b(r);
    if (b == BoundsRect()) return;
    const bool sized = b.Width() != FWidth || b.Height() != FHeight;
    FLeft = b.Left;
    FTop = b.Top;
    FWidth = b.Width();
    FHeight = b.Height();
    UpdateAnchorRules();
    if (sized) {
        Realign();
        Resize();
    }
}

void TWinControl::SetVisible(bool value) {
    if (value == FVisible) return;
    VisibleChanging();
    FVisible = value;
    if (FHandle) ShowWindow(FHandle, value ? SW_SHOWNOACTIVATE : SW_HIDE);
    Perform(CM_VISIBLECHANGED, WPARAM(value), 0);
    RequestAlign();
    if (!value && TControl::MouseControl() && ContainsControl(TControl::MouseControl()))
        SetMouseControl(nullptr);
}

void TWinControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    if (FHandle) EnableWindow(FHandle, value);
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TWinControl::Showing() const {
    if (!FHandle) return false;
    return IsWindowVisible(FHandle);
}

TWinControl* TWinControl::TopParent() {
    TWinControl* top = this;
    while (top->FParent)
        top = top->FParent;
    return top;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
        c->WindowProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    for (TControl* c : std::vector<TControl*>(FControls))
        if (std::find(FControls.begin(), FControls.end(), c) != FControls.end())
            c->Perform(msg, 0, 0);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    std::size_t start = 0;
    if (first) {
        const auto it = std::find(FControls.begin(), FControls.end(), first);
        start = it == FControls.end() ? 0 : std::size_t(it - FControls.begin()) + 1;
    }
    for (std::size_t i = start; i < FControls.size(); ++i) {
        TControl* c = FControls[i];
        if (!IsWindowless(c) || !c->FVisible) continue;
        RECT clip;
        GetClipBox(dc, &clip);
        const TRect b = c->BoundsRect();
        if (TRect(clip).IsEmpty() || b.Right <= clip.left || b.Left >= clip.right ||
            b.Bottom <= clip.top || b.Top >= clip.bottom)
            continue;
        const gfx::DcStateSaver saved(dc);
        OffsetViewportOrgEx(dc, c->FLeft, c->FTop, nullptr);
        IntersectClipRect(dc, 0, 0, c->FWidth, c->FHeight);
        c->Perform(WM_PAINT, WPARAM(dc), 0);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    const gfx::DcStateSaver saved(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, FWidth, FHeight);
    Perform(WM_ERASEBKGND, WPARAM(dc), LPARAM(dc));
    Perform(WM_PAINT, WPARAM(dc), 0);
    for (TControl* c : FControls)
        if (auto* wc = dynamic_cast<TWinControl*>(c); wc && wc->FVisible)
            wc->PaintTo(dc, wc->FLeft, wc->FTop);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::WMPaint(TMessage& message) {
    if (message.WParam) {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        PaintWindow(dc);
        PaintControls(dc, nullptr);
        return;
    }
    if (!FHandle) return;
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(FHandle, &ps);
    if (dc) {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
    }
    EndPaint(FHandle, &ps);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc) return;
    gfx::GdiPtr<HBRUSH> brush(CreateSolidBrush(ColorToRGB(FColor)));
    const RECT r = ClientRect();
    FillRect(dc, &r, brush.get());
    message.Result = 1;
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::SetZOrderOfHandle() {
    if (!FHandle || !FParent) return;
    // The windowed sibling above this one in the list decides the place in the window order.
    const auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    HWND after = HWND_TOP;
    for (auto above = it + 1; above != list.end(); ++above) {
        if (auto* wc = dynamic_cast<TWinControl*>(*above); wc && wc->FHandle) {
            after = wc->FHandle;
            break;
        }
    }
    if (after == HWND_TOP) {
        SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        // Below `after`: Win32 places a window after the given one.
        SetWindowPos(FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TWinControl::TrackHover(TMessage& message) {
    const TPoint pos(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    TControl* target = ControlAtPos(pos, true);
    SetMouseControl(target ? target : this);
    if (!FHoverTracked && FHandle) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = FHandle;
        FHoverTracked = TrackMouseEvent(&tme) != FALSE;
    }
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
    TControl* control = nullptr;
    if (FHandle && GetCapture() == FHandle) {
        if (TControl::CaptureControl() && TControl::CaptureControl()->FParent == this)
            control = TControl::CaptureControl();
    } else {
        control =
            ControlAtPos(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)), false);
    }
    if (!control) return false;
    const int x = GET_X_LPARAM(message.LParam) - control->FLeft;
    const int y = GET_Y_LPARAM(message.LParam) - control->FTop;
    TMessage forChild{ message.Msg, message.WParam, MAKELPARAM(unsigned(x), unsigned(y)), 0 };
    if (!dragsession::PreviewChildMouseMessage(*control, forChild)) control->WindowProc(forChild);
    message.Result = forChild.Result;
    return true;
}

void TWinControl::Release() {
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_RELEASE:
        delete this;
        return;
    case WM_SETFOCUS:
        if (TWinControl* top = TopParent(); top == this || !top->SetFocusedControl(this))
            Perform(CM_ENTER, 0, 0);
        break;
    case WM_KILLFOCUS:
        if (TWinControl* top = TopParent(); top == this || !top->SetFocusedControl(nullptr))
            Perform(CM_EXIT, 0, 0);
        break;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (WMKeyDown(message)) return;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        unsigned short key = static_cast<unsigned short>(message.WParam);
        TWinControl* top = TopParent();
        if (top != this && top->WantsKeyPreview()) top->KeyUp(key, KeyboardShiftState());
        if (key != 0) KeyUp(key, KeyboardShiftState());
        if (key == 0) return;
        break;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
        if (WMChar(message)) return;
        break;
    case WM_MOUSEMOVE:
        TrackHover(message);
        if (IsControlMouseMsg(message)) return;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(message)) return;
        break;
    case WM_MOUSELEAVE: {
        FHoverTracked = false;
        TControl* hovered = TControl::MouseControl();
        if (hovered && (hovered == this || (IsWindowless(hovered) && hovered->FParent == this))) {
            POINT p;
            GetCursorPos(&p);
            TControl* now = nullptr;
            if (TWinControl* under = FindControl(WindowFromPoint(p))) {
                now = under->ControlAtPos(under->ScreenToClient(p), true);
                if (!now) now = under;
            }
            if (now != this && !(now && IsWindowless(now) && now->FParent == this))
                SetMouseControl(now);
        }
        break;
    }
    case WM_CAPTURECHANGED:
        if (TControl::CaptureControl() && TControl::CaptureControl()->FParent == this &&
            HWND(message.LParam) != FHandle)
            SetCaptureControl(nullptr);
        break;
    case WM_PAINT:
        WMPaint(message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(message);
        UpdateBounds();
        return;
    case WM_SETTEXT: {
        DefaultHandler(message);
        const char* text = reinterpret_cast<const char*>(message.LParam);
        if (text && FText != text) {
            FText = text;
            Perform(CM_TEXTCHANGED, 0, 0);
        }
        return;
    }
    case WM_SETCURSOR: {
        POINT p;
        GetCursorPos(&p);
        TControl* c = ControlAtPos(ScreenToClient(p), false);
        TCursor cursor = c && c->Cursor() != crDefault ? c->Cursor() : Cursor();
        // A program-wide cursor (the hourglass while busy) wins over the controls' own.
        if (Screen && Screen->Cursor() != crDefault) cursor = Screen->Cursor();
        if (LOWORD(UINT_PTR(message.LParam)) == HTCLIENT && cursor != crDefault) {
            win::SetCursor(LoadCursor(nullptr, CursorId(cursor)));
            message.Result = TRUE;
            return;
        }
        break;
    }
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Reflected to the child the message concerns, as CN_ + message.
        if (TWinControl* child = FindControl(HWND(message.LParam)); child && child != this) {
            message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        if (FHandle && bool(IsWindowEnabled(FHandle)) != FEnabled) EnableWindow(FHandle, FEnabled);
        Invalidate();
        return;
    case CM_COLORCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(message);
        return;
    default:
        break;
    }
    TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (FHandle) {
        message.Result = DefWindowProc(FHandle, message.Msg, message.WParam, message.LParam);
        return;
    }
    TControl::DefaultHandler(message);
}
