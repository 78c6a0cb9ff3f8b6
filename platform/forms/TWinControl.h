#pragma once
#include "platform/forms/EInvalidOperation.h"
#include "platform/forms/TControl.h"
#include "platform/win/WinDefs.h"
#include "platform/win/WindowClass.h"
#include <vector>

// What CreateWnd hands to the window system.
struct TCreateParams {
    std::string Caption;
    win::DWORD Style{ 0 };
    win::DWORD ExStyle{ 0 };
    int X{ 0 };
    int Y{ 0 };
    int Width{ 0 };
    int Height{ 0 };
    win::HWND WndParent{};
    void* Param{ nullptr };
    win::WNDCLASSEX WindowClass;
    std::string WinClassName;
};

// A control with a window of its own, made when first needed and remade (RecreateWnd) with
// the control's state kept. It holds child controls, aligns them, keeps their tab order and
// paints its windowless children after itself.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    // The window, made on demand; raises EInvalidOperation when a child has no parent window.
    win::HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Frees the control once the message being handled has returned and those already waiting
    // have been handled (a posted CM_RELEASE), so that a control can end itself from inside
    // its own handlers.
    void Release();
    // Remakes the window (styles from CreateParams change); bounds, text, visibility, enabling,
    // children and focus stay.
    void RecreateWnd();
    void DestroyHandle();
    // The window of another program part this parentless control lives in.
    win::HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(win::HWND value);

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The child at a client point: the topmost visible one, windowless ones unless
    // allowWinControls, disabled ones only when allowDisabled.
    TControl* ControlAtPos(const TPoint& pos, bool allowDisabled,
                           bool allowWinControls = false) const;

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    // Visible itself and every parent up to a top-level window that shows.
    bool Showing() const;

    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();

    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // The windowed children in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    virtual bool CanFocus() const;
    bool Focused() const;
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" when CanFocus is
    // false; otherwise the top parent (the form) makes this its active control.
    virtual void SetFocus();
    // The top parent's part of focusing: gives control the window focus. Forms also make it
    // their active control.
    virtual void FocusControl(TWinControl* control);
    // Told by a child that received the window focus; forms send CM_EXIT/CM_ENTER and broadcast
    // CM_FOCUSCHANGED. False when this control keeps no track of focus.
    virtual bool SetFocusedControl(TWinControl* control);
    // Whether this top parent sees its controls' keys first.
    virtual bool WantsKeyPreview() const { return false; }
    // Asked by its controls, before anything else happens to a key press, whether this top
    // parent takes the key as a shortcut (message: WM_KEYDOWN or WM_SYSKEYDOWN).
    virtual bool IsShortCut(TMessage&) { return false; }

    // Sends the message to every child control, stopping at the first nonzero Result.
    void Broadcast(TMessage& message);
    // Paints the windowless children on dc (client coordinates of this control), starting
    // above first (nullptr: all).
    void PaintControls(win::HDC dc, TControl* first);
    // Moves every child by the distances given and repaints.
    void ScrollBy(int deltaX, int deltaY);
    // Paints this control and its windowless children on a foreign dc at its current origin.
    void PaintTo(win::HDC dc, int x, int y);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The control behind a window handle, or nullptr.
    static TWinControl* FindControl(win::HWND hwnd);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void CreateHandle();
    // Lets a subclass shrink the area children align in (frames, captions).
    virtual void AdjustClientRect(TRect& rect) const;
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void PaintWindow(win::HDC dc);
    virtual void KeyDown(unsigned short& key, TShiftState shift);
    virtual void KeyUp(unsigned short& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    void UpdateBounds();
    void NotifyControls(win::UINT msg);
    // The form (or other top) whose CM_DIALOGKEY/CM_DIALOGCHAR handling applies.
    TWinControl* TopParent();

    win::HWND FHandle{};

private:
    friend class TControl;
    static win::LRESULT InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    void MainWndProc(TMessage& message);
    void AlignControl(TControl* control);
    void AnchorControls(const TRect& client);
    bool IsControlMouseMsg(TMessage& message);
    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    bool WMKeyDown(TMessage& message);
    // Takes out the characters the loop queued for the key being handled.
    void DropTranslatedCharacters();
    bool WMChar(TMessage& message);
    void TrackHover(TMessage& message);
    void UpdateShowing();
    void SetZOrderOfHandle();

    std::vector<TControl*> FControls;   // paint order: bottom first
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    win::HWND FParentWindow{};
    int FAlignLevel{ 0 };
    bool FAligning{ false };
    bool FTabStop{ false };
    bool FHoverTracked{ false };
    bool FKeptFocus{ false };
};
