#pragma once
#include "lib/frame/bsFrameMessages.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TIcon.h"
#include "platform/shell/NotifyIcon.h"
#include <functional>
#include <memory>
#include <string>

class TCustomImageList;
class TTimer;
class TbsSkinPopupMenu;

enum TbsBalloonHintIcon { bsbitNone, bsbitInfo, bsbitWarning, bsbitError };
using TbsCycleEvent = std::function<void(TObject* sender, int nextIndex)>;

// The program's icon in the desktop's tray: a tool tip, cycling through an image list, balloon
// hints, clicks kept apart from double clicks on a double-click-time timer, a skinned popup
// menu at the pointer, and the main form hidden to the tray while the application is
// minimized. Mouse actions arrive in a private message-only window; a tray that (re)starts
// gets a visible icon again.
class TbsTrayIcon : public TComponent {
public:
    explicit TbsTrayIcon(TComponent* owner);
    ~TbsTrayIcon() override;

    std::string ClassName() const override { return "TbsTrayIcon"; }

    win::HWND Handle() const { return FWindow; }

    TCustomImageList* IconList() const { return FIconList; }
    void SetIconList(TCustomImageList* value);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool value);
    unsigned AnimateTimerInterval() const { return FAnimateTimerInterval; }
    void SetAnimateTimerInterval(unsigned value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    TIcon& Icon() { return FIcon; }
    void SetIcon(const TIcon& value);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool value);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int value);
    TbsSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TbsSkinPopupMenu* value);
    bool PopupByLeftButton() const { return FPopupByLeftButton; }
    void SetPopupByLeftButton(bool value) { FPopupByLeftButton = value; }
    bool MinimizedOnStart() const { return FMinimizedOnStart; }
    void SetMinimizedOnStart(bool value) { FMinimizedOnStart = value; }
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool value) { FMinimizeToTray = value; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TbsCycleEvent OnCycle;
    // Never fires where the tray does not report balloon clicks (X11).
    TNotifyEvent OnBalloonHintClick;

    // NIM_MODIFY with the current icon and tip.
    bool Refresh() { return ModifyTrayIcon(); }
    void ShowMainForm();
    void HideMainForm();
    bool ShowBalloonHint(const std::string& title, const std::string& text,
                         TbsBalloonHintIcon iconType);
    bool HideBalloonHint();

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual bool AddTrayIcon();
    virtual bool DeleteTrayIcon();
    virtual bool ModifyTrayIcon();
    virtual void Click();
    virtual void DblClick();
    virtual void DoCycle();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void DoMinimizeToTray();

    win::NOTIFYICONDATA IconData;

private:
    static win::LRESULT TrayWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    win::LRESULT HandleTrayMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                   win::LPARAM lParam);
    void TrayCallback(win::LPARAM event);
    bool PrepareIconData();
    void ClickTimerTick();
    void AnimateTimerTick();
    void PopupAtCursor();
    void ClickDefaultItem();
    void IconFromList(int index);
    TCustomForm* OwnerForm() const;

    TCustomImageList* FIconList{ nullptr };
    bool FCycleIcons{ false };
    unsigned FAnimateTimerInterval{ 0 };
    bool FEnabled{ true };
    std::string FHint;
    bool FShowHint{ true };
    TIcon FIcon;
    bool FIconVisible{ true };
    int FIconIndex{ 0 };
    TbsSkinPopupMenu* FPopupMenu{ nullptr };
    bool FPopupByLeftButton{ false };
    bool FMinimizedOnStart{ false };
    bool FMinimizeToTray{ true };

    bool FClickStart{ false };
    bool FClickReady{ false };
    bool IsDblClick{ false };
    win::HWND FWindow{};
    std::unique_ptr<TTimer> AnimateTimer;
    std::unique_ptr<TTimer> ClickTimer;
    TNotifyChain::TToken FMinimizedToken{ 0 };
};
