#pragma once
#include "platform/forms/TComponent.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <memory>
#include <vector>

class TbsSkinData;
class TbsSkinMenuItem;
class TbsSkinPopupWindow;
class TControl;
class TCustomForm;
class TMenu;
class TMenuItem;
class TTimer;

// The menu engine of one form: every skinned menu of the form (popup menus, the menu bar's
// drop-downs, the system and tray menus) is shown through it as a stack of popup levels, the
// first drop-down outermost. It opens a submenu half a second after the pointer rests on its
// row, or at once on a click, and when a command row is chosen closes every level, runs the
// item's command through the menu that owns it and tells the control the menu was opened for.
//
// Levels are hidden at once when they close and freed after the message being handled has
// returned, so that a row may close the menu from inside its own mouse or key handling.
class TbsSkinMenu : public TComponent {
public:
    TbsSkinMenu(TComponent* owner, TCustomForm* form);
    ~TbsSkinMenu() override;

    std::string ClassName() const override { return "TbsSkinMenu"; }

    // Opens a menu of item's children from startIndex on for the screen rectangle r, below it
    // (or above with popupUp); a menu already open closes first. popupCtrl hears
    // WM_SKINMENUCLOSED when the menu closes and WM_SKINMENUCOMMAND after a chosen command.
    void Popup(TControl* popupCtrl, TbsSkinData* skinData, int startIndex, const TRect& r,
               TMenuItem* item, bool popupUp);
    // The same with item's children followed by item2's (menus merged on the menu bar).
    void Popup2(TControl* popupCtrl, TbsSkinData* skinData, int startIndex, const TRect& r,
                TMenuItem* item, TMenuItem* item2, bool popupUp);
    // Shows the menu as Popup does and handles the program's messages until it closes; gives
    // the command id of the row chosen, 0 when the menu closed without one. The chosen item's
    // handler does not run: the caller decides what the command does.
    unsigned short TrackPopup(TControl* popupCtrl, TbsSkinData* skinData, const TRect& r,
                              TMenuItem* item, bool popupUp);
    // Closes the open menu and tells the form (WM_SKINMENUCLOSED).
    void Hide();
    // A row was reached (clicked false) or chosen (clicked true: a click, Enter, Right, an
    // accelerator or the submenu delay); byKeys: the keyboard brought it.
    void ItemClick(TbsSkinPopupWindow* level, TbsSkinMenuItem* row, bool clicked, bool byKeys);
    // Closes the levels from index to the last; 0 closes the menu.
    void CloseLevels(int index);
    // The level's position in the stack; the level count when it is not there.
    int LevelIndex(const TbsSkinPopupWindow* level) const;
    // A key press (virtual key) for the open menu: it goes to the innermost level. The
    // form-skin component hands the form's keys over while a menu is open.
    void KeyDown(int key);

    // The open levels, outermost first.
    const std::vector<TbsSkinPopupWindow*>& PopupList() const { return FPopupList; }
    bool Visible() const { return FVisible; }
    bool First() const { return FFirst; }
    TbsSkinData* SkinData() const { return FSkinData; }
    TCustomForm* Form() const { return FForm; }
    // The work area of the form's monitor, taken when the menu opened.
    const TRect& WorkArea() const { return FWorkArea; }

    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    int DefaultMenuItemHeight() const { return FDefaultMenuItemHeight; }
    void SetDefaultMenuItemHeight(int value) { FDefaultMenuItemHeight = value; }
    TFont& DefaultMenuItemFont() { return FDefaultMenuItemFont; }
    void SetDefaultMenuItemFont(const TFont& value) { FDefaultMenuItemFont.Assign(value); }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    // Above 0: a level shows at most this many rows and scrolls.
    int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int value) { FMaxMenuItemsInWindow = value; }

    // The row whose submenu waits for the delay, nil when none.
    TbsSkinMenuItem* WItem() const { return FWItem; }
    // A row the pointer left: its pending submenu does not open.
    void CancelWait(TbsSkinMenuItem* row);
    TTimer& WaitTimer() { return *FWaitTimer; }

    // Fires once, with the engine as sender, when the menu open now closes; then it is
    // cleared.
    TNotifyEvent OnMenuClose;

    void Notification(TComponent* component, TOperation operation) override;

private:
    void StartPopup(TControl* popupCtrl, TbsSkinData* skinData);
    TbsSkinPopupWindow* NewLevel();
    void OpenLevel(const TRect& r, TMenuItem* item, int startIndex, bool popupByItem, bool popupUp);
    void OpenLevel2(const TRect& r, TMenuItem* item, TMenuItem* item2, int startIndex,
                    bool popupUp);
    void RunCommand(TMenuItem* item);
    void OpenSubmenu(TbsSkinPopupWindow* level, TbsSkinMenuItem* row);
    void WaitTimerTick();
    void StopWait();
    // Holds a control reference that is cleared when the control goes.
    void Watch(TControl*& field, TControl* value);
    void SendToControl(TControl* control, unsigned msg);

    bool FUseSkinFont{ true };
    bool FFirst{ false };
    int FDefaultMenuItemHeight{ 20 };
    TFont FDefaultMenuItemFont;
    TControl* FPopupCtrl{ nullptr };
    TControl* FDCtrl{ nullptr };
    TCustomForm* FForm{ nullptr };
    std::unique_ptr<TTimer> FWaitTimer;
    TbsSkinMenuItem* FWItem{ nullptr };
    TRect FWorkArea;
    bool FVisible{ false };
    TbsSkinData* FSkinData{ nullptr };
    TMenu* FCommandMenu{ nullptr };
    bool FTracking{ false };
    unsigned short FTrackedCommand{ 0 };
    // The form has heard WM_SKINMENUCLOSED since a tracked menu opened.
    bool FFormToldOfClose{ false };
    std::vector<TbsSkinPopupWindow*> FPopupList;
    bool FAlphaBlend{ false };
    int FAlphaBlendValue{ 150 };
    bool FAlphaBlendAnimation{ false };
    int FMaxMenuItemsInWindow{ 0 };
    // Cleared when the engine goes: a command's handler may free the form, and the engine
    // with it, while the engine's own code is still on the stack.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
};
