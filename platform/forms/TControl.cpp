#include "platform/forms/TControl.h"
#include "platform/forms/DragSession.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TWinControl.h"
#include "platform/rtl/Format.h"
#include "platform/win/Focus.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include <algorithm>

using namespace win;

namespace {
// Hover and windowless capture are one per program, as the pointer is.
TControl* gMouseControl = nullptr;
TControl* gCaptureControl = nullptr;
} // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont.OnChange = [this](TGraphicsObject*) { FontChanged(); };
    FConstraints.OnChange = [this] { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
    FActionLink.reset();
    if (Application) Application->Hints().ControlDestroyed(this);
    if (gMouseControl == this) gMouseControl = nullptr;
    if (gCaptureControl == this) gCaptureControl = nullptr;
    dragsession::ControlDestroyed(*this);
    FFont.OnChange = nullptr;
    FConstraints.OnChange = nullptr;
    if (FParent) FParent->RemoveControl(this);
}

TControl* TControl::MouseControl() {
    return gMouseControl;
}

void TControl::SetMouseControl(TControl* control) {
    if (control == gMouseControl) return;
    TControl* old = gMouseControl;
    gMouseControl = control;
    if (old) old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
    // The leave handler may have moved hover on already.
    if (control && gMouseControl == control) control->Perform(CM_MOUSEENTER, 0, LPARAM(control));
    if (Application && gMouseControl == control) Application->Hints().MouseControlChanged(control);
}

TControl* TControl::CaptureControl() {
    return gCaptureControl;
}

void TControl::SetCaptureControl(TControl* control) {
    gCaptureControl = nullptr;
    if (!control) {
        ReleaseCapture();
        return;
    }
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        SetCapture(wc->Handle());
        return;
    }
    if (!control->FParent) return;
    SetCapture(control->FParent->Handle());
    gCaptureControl = control;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Constraints().Constrain(width, height);
    if (width != FWidth || height != FHeight) {
        if (!CanResize(width, height)) {
            width = FWidth;
            height = FHeight;
        }
    }
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const bool sized = width != FWidth || height != FHeight;
    InvalidateControl(FVisible, false);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
    UpdateAnchorRules();
    RequestAlign();
    if (sized) Resize();
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
    bool resize = true;
    if (OnCanResize) OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() const {
    return TRect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int value) {
    SetWidth(FWidth - ClientWidth() + value);
}

void TControl::SetClientHeight(int value) {
    SetHeight(FHeight - ClientHeight() + value);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return TPoint(FLeft, FTop);
    const TPoint p = FParent->ClientOrigin();
    return TPoint(p.X + FLeft, p.Y + FTop);
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
    const TPoint o = ClientOrigin();
    return TPoint(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
    const TPoint o = ClientOrigin();
    return TPoint(p.X - o.X, p.Y - o.Y);
}

void TControl::SetAlign(TAlign value) {
    if (value == FAlign) return;
    const TAlign old = FAlign;
    FAlign = value;
    // Anchors follow the alignment's edges, as a newly aligned control stretches along them.
    switch (value) {
    case alTop:
        FAnchors = { akLeft, akTop, akRight };
        break;
    case alBottom:
        FAnchors = { akLeft, akRight, akBottom };
        break;
    case alLeft:
        FAnchors = { akLeft, akTop, akBottom };
        break;
    case alRight:
        FAnchors = { akRight, akTop, akBottom };
        break;
    case alClient:
        FAnchors = { akLeft, akTop, akRight, akBottom };
        break;
    default:
        if (old != alNone) FAnchors = { akLeft, akTop };
        break;
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
    if (value == FAnchors) return;
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent || FParent->FAligning) return;
    const TRect client = FParent->ClientRect();
    FAnchorBounds = BoundsRect();
    FAnchorParentSize = TSize(client.Width(), client.Height());
    FAnchorBaseValid = true;
}

void TControl::RequestAlign() {
    if (FParent) FParent->AlignControl(this);
}

void TControl::SetVisible(bool value) {
    if (value == FVisible) return;
    VisibleChanging();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, WPARAM(value), 0);
    InvalidateControl(true, FControlStyle.Contains(csOpaque));
    RequestAlign();
    if (!value && gMouseControl == this) SetMouseControl(nullptr);
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const std::string& value) {
    if (value == FText) return;
    FText = value;
    if (auto* wc = dynamic_cast<TWinControl*>(this); wc && wc->HandleAllocated())
        SetWindowText(wc->FHandle, FText.c_str());
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::FontChanged() {
    if (FUpdatingFont) return;
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont) return;
    FParentFont = value;
    if (value && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FUpdatingFont = true;
    FFont.Assign(FParent->Font());
    FUpdatingFont = false;
    FParentFont = true;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    if (value && FParent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent || FColor == FParent->Color()) return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
    FParentShowHint = false;
    if (value == FShowHint) return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value) {
    if (value == FParentShowHint) return;
    FParentShowHint = value;
    if (value) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (!FParentShowHint || !FParent) return;
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value) {
    if (value == FCursor) return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TComponent* value) {
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TControl::SetParentComponent(TComponent* value) {
    auto* parent = dynamic_cast<TWinControl*>(value);
    if (!parent) throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
    SetParent(parent);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
    TComponent::Notification(component, operation);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent) {
        if (FParentColor) ParentColorChanged();
        if (FParentFont) ParentFontChanged();
        if (FParentShowHint) ParentShowHintChanged();
    }
    UpdateAnchorRules();
    RequestAlign();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{ msg, wParam, lParam, 0 };
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(MouseShiftState(message.WParam), GET_X_LPARAM(message.LParam),
                  GET_Y_LPARAM(message.LParam));
        return;
    case WM_LBUTTONDOWN:
        HandleMouseDown(message, mbLeft, {});
        return;
    case WM_RBUTTONDOWN:
        HandleMouseDown(message, mbRight, {});
        return;
    case WM_MBUTTONDOWN:
        HandleMouseDown(message, mbMiddle, {});
        return;
    case WM_LBUTTONDBLCLK:
        if (FControlStyle.Contains(csDoubleClicks)) {
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
            DblClick();
            MouseDown(mbLeft, MouseShiftState(message.WParam) + TShiftState{ ssDouble },
                      GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        } else {
            HandleMouseDown(message, mbLeft, {});
        }
        return;
    case WM_RBUTTONDBLCLK:
        HandleMouseDown(message, mbRight, { ssDouble });
        return;
    case WM_MBUTTONDBLCLK:
        HandleMouseDown(message, mbMiddle, { ssDouble });
        return;
    case WM_LBUTTONUP:
        HandleMouseUp(message, mbLeft);
        return;
    case WM_RBUTTONUP:
        // The default handling asks for a context menu (WM_CONTEXTMENU) before the event.
        DefaultHandler(message);
        HandleMouseUp(message, mbRight);
        return;
    case WM_CONTEXTMENU:
        if (ContextPopupHandled(message) || ShowPopupMenu(message)) return;
        break;
    case WM_MBUTTONUP:
        HandleMouseUp(message, mbMiddle);
        return;
    case CM_MOUSEENTER:
        if (OnMouseEnter && message.LParam == LPARAM(this)) OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave && message.LParam == LPARAM(this)) OnMouseLeave(this);
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTSHOWHINTCHANGED:
        ParentShowHintChanged();
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        if (!dynamic_cast<TWinControl*>(this)) Invalidate();
        break;
    case CM_HITTEST:
        message.Result = HTCLIENT;
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
    case WM_GETTEXTLENGTH:
        message.Result = LRESULT(FText.size());
        break;
    default:
        break;
    }
}

void TControl::DoContextPopup(TPoint, bool&) {}

bool TControl::ContextPopupHandled(TMessage& message) {
    TPoint at(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    if (at.X != -1 || at.Y != -1) at = ScreenToClient(at);
    bool handled = false;
    DoContextPopup(at, handled);
    if (handled) message.Result = 1;
    return handled;
}

bool TControl::ShowPopupMenu(TMessage& message) {
    auto* menu = dynamic_cast<TPopupMenu*>(FPopupMenu);
    if (!menu || !menu->AutoPopup()) return false;
    TPoint at(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    // The keyboard asked: the menu opens at the control's centre.
    if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint(FWidth / 2, FHeight / 2));
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    message.Result = 1;
    return true;
}

void TControl::HandleMouseDown(TMessage& message, TMouseButton button, TShiftState extra) {
    if (button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    }
    MouseDown(button, MouseShiftState(message.WParam) + extra, GET_X_LPARAM(message.LParam),
              GET_Y_LPARAM(message.LParam));
}

void TControl::HandleMouseUp(TMessage& message, TMouseButton button) {
    const int x = GET_X_LPARAM(message.LParam);
    const int y = GET_Y_LPARAM(message.LParam);
    if (button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
        if (FControlState.Contains(csClicked)) {
            FControlState.Exclude(csClicked);
            if (ClientRect().Contains(TPoint(x, y))) Click();
        }
    }
    MouseUp(button, MouseShiftState(message.WParam), x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
        return;
    }
    if (FActionLink) FActionLink->Execute(this);
}

TBasicAction* TControl::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* value) {
    LinkClientToAction(FActionLink, this, value,
                       [this](TBasicAction* action) { ActionChange(action); });
}

void TControl::ActionChange(TBasicAction* sender) {
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    SetHint(action->Hint());
    SetVisible(action->Visible());
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool TControl::MouseCapture() const {
    if (gCaptureControl == this) return true;
    if (auto* wc = dynamic_cast<const TWinControl*>(this))
        return wc->HandleAllocated() && GetCapture() == wc->FHandle && !gCaptureControl;
    return false;
}

void TControl::SetMouseCapture(bool value) {
    if (MouseCapture() == value) return;
    SetCaptureControl(value ? this : nullptr);
}

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !FParent || !FParent->HandleAllocated()) return;
    if (dynamic_cast<TWinControl*>(this)) return; // its own window repaints
    const RECT r = BoundsRect();
    InvalidateRect(FParent->FHandle, &r, !isOpaque);
}

void TControl::Invalidate() {
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
    Invalidate();
    FParent->Update();
}

void TControl::BringToFront() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.push_back(this);
    if (auto* wc = dynamic_cast<TWinControl*>(this)) wc->SetZOrderOfHandle();
    Invalidate();
}

void TControl::SendToBack() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.insert(list.begin(), this);
    if (auto* wc = dynamic_cast<TWinControl*>(this)) wc->SetZOrderOfHandle();
    Invalidate();
}
