#pragma once
#include <cstdint>

class TMainMenu;
class TMenuItem;

// What the form-skin component asks of its skinned main menu bar while it routes keys and
// closes menus. The bar implements it; the component holds the bar as a plain component and
// reaches it through this interface, so tests of the menu glue can pass a fake bar.
class IbsMainMenuBar {
public:
    // The menu the bar shows (nil for none).
    virtual TMainMenu* MainMenu() const = 0;
    // The maximized MDI child's own main menu when the bar shows it merged, else nil.
    virtual TMainMenu* GetChildMainMenu() const = 0;
    // The item whose accelerator is key (a character code) becomes active and pressed; false
    // when no visible, enabled item has it.
    virtual bool FindAccelItem(std::uint16_t key) = 0;
    // Main-menu mode begins: the first active item is highlighted.
    virtual void EnterMainMenu() = 0;
    // Main-menu mode ends: no item stays highlighted or pressed.
    virtual void ExitMainMenu() = 0;
    // A submenu the bar opened closed while main-menu mode goes on: the pressed item becomes
    // the highlighted one again.
    virtual void SubMenuClosed() = 0;
    // The highlight moves to the previous or next active item, wrapping at the ends; an open
    // submenu moves along with it.
    virtual void SelectPriorItem() = 0;
    virtual void SelectNextItem() = 0;
    // The highlighted item is pressed (its submenu opens or its command runs); false when no
    // item is highlighted.
    virtual bool ClickActiveItem() = 0;
    // An MDI child was maximized or left its maximized state: the bar shows or drops the
    // child's caption buttons.
    virtual void MDIChildMaximized() = 0;
    virtual void MDIChildRestored() = 0;

protected:
    ~IbsMainMenuBar() = default;
};
