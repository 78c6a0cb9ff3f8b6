#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/DragTypes.h"
#include "platform/forms/TAction.h"
#include "platform/forms/TComponent.h"
#include "platform/forms/TSizeConstraints.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"
#include <memory>
#include <string>

class TWinControl;

// A visual component: bounds within its parent, visibility, enabling, text, font, colour,
// alignment, and a message handler reached through Perform. Windowless controls (the base
// class) get their messages from their windowed parent, which also paints them.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    virtual bool HasParent() const { return FParent != nullptr; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // The place every bounds change goes through; the size is brought into the constraints.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return TRect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    // Where the client area's top-left corner is on the screen.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& p) const;
    TPoint ScreenToClient(const TPoint& p) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints& Constraints() { return FConstraints; }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    // Caption and Text are one property; a change is announced with CM_TEXTCHANGED.
    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);

    TFont& Font() { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The popup menu shown on a right click; a component reference cleared when it goes.
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* value);

    // The action whose caption, enabling, hint and visibility the control shows and which a
    // click runs when OnClick is not set.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // Sends a message straight to WindowProc and returns its result.
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Replaceable: code that hooks a control saves the old value and calls it for the messages
    // it does not handle.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled.
    virtual void DefaultHandler(TMessage& message);

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    virtual void Click();
    virtual void DblClick();

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Raises EInvalidOperation "Control '<name>' has no parent window" for anything but a
    // windowed control.
    void SetParentComponent(TComponent* value) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;

    // Dragging the control within the program. With dmAutomatic a left press starts a drag
    // once the pointer has moved past the threshold; with dmManual only BeginDrag does.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind value) { FDragKind = value; }
    // Shown while the pointer is over a control that would take the drop (crNoDrop elsewhere).
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    // Starts dragging this control: at once, or once the pointer moved more than threshold
    // pixels (-1: the standard threshold). Nothing when a drag is already under way.
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends this control's drag: dropped where the pointer is, or cancelled.
    void EndDrag(bool drop);
    // True from BeginDrag until the drag ends.
    bool Dragging() const;
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // A drag passes over this control at x, y (client coordinates); accept comes in false
    // and the base class lets OnDragOver decide, taking the drop by default when it is set.
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    // Source was dropped here.
    virtual void DragDrop(TObject* source, int x, int y);
    // This control's drag begins; dragObject may be set to what is dragged.
    virtual void DoStartDrag(TDragObject*& dragObject);
    // This control's drag ended over target (nullptr: not dropped) at target's x, y.
    virtual void DoEndDrag(TObject* target, int x, int y);

    // The control the pointer is over, as hover tracking last reported it (CM_MOUSEENTER).
    static TControl* MouseControl();
    // Moves hover tracking to control, sending CM_MOUSELEAVE to the old one and CM_MOUSEENTER
    // to the new one.
    static void SetMouseControl(TControl* control);

    // The captured windowless control: its windowed parent holds the window capture.
    static TControl* CaptureControl();
    static void SetCaptureControl(TControl* control);

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual void VisibleChanging() {}
    // Asks the parent to realign after this control's bounds, alignment or visibility changed.
    void RequestAlign();
    // Remembers the parent's client size and these bounds as the base of the anchor rules.
    void UpdateAnchorRules();
    // Windowless: invalidates this control's rectangle of the parent.
    void InvalidateControl(bool isVisible, bool isOpaque);
    virtual void FontChanged();
    // The linked action changed (nullptr: it went); the base class copies its state.
    virtual void ActionChange(TBasicAction* sender);
    // WM_CONTEXTMENU, before PopupMenu: mousePos in client coordinates, (-1, -1) when the
    // keyboard asked; handled true keeps PopupMenu from showing.
    virtual void DoContextPopup(TPoint mousePos, bool& handled);

    TFont FFont;
    TColor FColor{ clWindow };
    int FLeft{ 0 };
    int FTop{ 0 };
    int FWidth{ 0 };
    int FHeight{ 0 };
    std::string FText;
    bool FVisible{ true };
    bool FEnabled{ true };
    TControlStyle FControlStyle{ csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks };
    TControlState FControlState;

private:
    friend class TWinControl;
    void HandleMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void HandleMouseUp(TMessage& message, TMouseButton button);
    // WM_CONTEXTMENU: asks DoContextPopup; true when it handled the request.
    bool ContextPopupHandled(TMessage& message);
    // WM_CONTEXTMENU: shows PopupMenu when it pops up by itself; false when there is none.
    bool ShowPopupMenu(TMessage& message);
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();

    TWinControl* FParent{ nullptr };
    TAlign FAlign{ alNone };
    TAnchors FAnchors{ akLeft, akTop };
    // The anchor base: these bounds when the parent's client area had this size.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorBaseValid{ false };
    TSizeConstraints FConstraints;
    bool FParentFont{ true };
    bool FParentColor{ true };
    bool FShowHint{ false };
    bool FParentShowHint{ true };
    std::string FHint;
    TCursor FCursor{ crDefault };
    TComponent* FPopupMenu{ nullptr };
    bool FUpdatingFont{ false };
    std::unique_ptr<TBasicActionLink> FActionLink;
    TDragMode FDragMode{ dmManual };
    TDragKind FDragKind{ dkDrag };
    TCursor FDragCursor{ crDrag };
};
