#pragma once
#include "platform/forms/TWinControl.h"
#include "platform/gfx/TIcon.h"
#include <memory>

class TMDIClient;
class TMenuItem;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
// A key press (WM_KEYDOWN or WM_SYSKEYDOWN: WParam the key, LParam its data) offered to the
// form as a shortcut; setting handled takes it.
using TShortCutEvent = std::function<void(TMessage& message, bool& handled)>;

// A top-level window holding controls: its frame and position, the control that has the focus
// within it, the dialog keys, closing, and running modally.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }

    // Runs OnCreate; whoever makes a form calls it once the form is complete (CreateForm and
    // the description reader do).
    virtual void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    TFormState FormState() const { return FFormState; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    bool Active() const { return FActive; }
    // The form's own icon; empty: the application's stands for it.
    TIcon& Icon() { return FIcon; }
    void SetIcon(const TGraphic& value) { FIcon.Assign(value); }
    // Whole-window transparency: with AlphaBlend the window is layered at AlphaBlendValue
    // (255 opaque).
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    win::BYTE AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(win::BYTE value);

    TWinControl* ActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" for a control that
    // cannot take the focus.
    void SetActiveControl(TWinControl* control);

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Shows the form and runs the event loop, with every other window of the program disabled,
    // until ModalResult is set and the form agrees to close; returns ModalResult.
    virtual TModalResult ShowModal();

    TRect ClientRect() const override;
    void SetVisible(bool value) override;
    void Show();
    void Close();
    // Asks OnCloseQuery whether the form may close.
    virtual bool CloseQuery();
    void FocusControl(TWinControl* control) override;
    bool SetFocusedControl(TWinControl* control) override;
    bool WantsKeyPreview() const override { return FKeyPreview; }
    // OnShortCut decides.
    bool IsShortCut(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // --- Multiple-document forms ---
    // An fsMDIForm has a client window over the area its aligned controls leave free; the
    // application main form's client window is the parent of every fsMDIChild form, which
    // is a child window there (clipped to it, framed by its own frame). A child belongs to
    // the list from the moment its window exists.
    win::HWND ClientHandle() const;
    int MDIChildCount() const;
    // The children topmost first; nullptr outside 0 .. MDIChildCount() - 1.
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    // The menu item under which the program lists the children.
    TMenuItem* WindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* value);
    // The window system's own arranging of the children: side by side, stepped from the
    // top-left corner, and the minimized ones along the bottom.
    void Tile();
    void Cascade();
    void ArrangeIcons();
    // Activates the child below, or above, the active one.
    void Next();
    void Previous();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    void AlignControls(TControl* control, TRect& rect) override;
    void DestroyWnd() override;

private:
    // Multiple-document forms.
    TCustomForm* MDIParentForm() const;
    void MDIChildParams(TCreateParams& params) const;
    void CreateMDIClient();
    void ActivateAsMDIChild();
    void LeaveMDIActivation();
    std::unique_ptr<TMDIClient> FMDIClient;
    TMenuItem* FWindowMenu{ nullptr };

    void ApplyPosition();
    void ApplyAlphaBlend();
    void FrameStyles(win::DWORD& style, win::DWORD& exStyle) const;
    void CMDialogKey(TMessage& message);
    void WMActivate(TMessage& message);
    void CloseModal();
    void ForgetControl(TComponent* component);

    TFormBorderStyle FBorderStyle{ bsSizeable };
    TBorderIcons FBorderIcons{ biSystemMenu, biMinimize, biMaximize };
    TPosition FPosition{ poDesigned };
    TFormStyle FFormStyle{ fsNormal };
    TWindowState FWindowState{ wsNormal };
    TFormState FFormState;
    bool FKeyPreview{ false };
    bool FActive{ false };
    bool FCreated{ false };
    TWinControl* FActiveControl{ nullptr };
    TWinControl* FFocusedControl{ nullptr };
    TModalResult FModalResult{ mrNone };
    TIcon FIcon;
    bool FAlphaBlend{ false };
    win::BYTE FAlphaBlendValue{ 255 };
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

// The form a control sits on, or nullptr.
TCustomForm* GetParentForm(TControl* control);
