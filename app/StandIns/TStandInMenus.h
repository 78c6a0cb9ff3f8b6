#pragma once
#include "app/StandIns/TMenuDropDown.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TMenuItem.h"
#include <memory>

class TStandInMainMenu : public TMainMenu {
public:
    using TMainMenu::TMainMenu;
    std::string ClassName() const override { return "TStandInMainMenu"; }
};

// A popup menu shown as a drop-down window at the point asked for.
class TStandInPopupMenu : public TPopupMenu {
public:
    explicit TStandInPopupMenu(TComponent* owner);
    ~TStandInPopupMenu() override;
    std::string ClassName() const override { return "TStandInPopupMenu"; }

    // The drop-down while the menu is shown, else nullptr.
    TMenuDropDown* DropDown() const;

private:
    std::unique_ptr<TMenuDropDown> FDropDown;
};

// The menu bar of a main menu: its top items across the window; a click on one drops its items
// down below it. While a menu is open the bar holds the input focus so that the arrow keys,
// Enter and Escape work the menu.
class TStandInMainMenuBar : public TCustomControl {
public:
    explicit TStandInMainMenuBar(TComponent* owner);
    ~TStandInMainMenuBar() override;
    std::string ClassName() const override { return "TStandInMainMenuBar"; }

    TMainMenu* MainMenu() const { return FMainMenu; }
    void SetMainMenu(TMainMenu* value);
    // The top item at x (client coordinates), -1 when none.
    int ItemAt(int x);
    // The left edge of the top item in client coordinates.
    int ItemLeft(int index);
    // Drops the top item's menu down (-1 closes the open one).
    void OpenMenu(int index);
    int OpenIndex() const { return FOpenIndex; }
    TMenuDropDown* DropDown() const { return FDropDown.get(); }

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    int ItemWidth(int index);
    int VisibleTop(int index, int step) const;
    void MenuClosed();

    TMainMenu* FMainMenu{ nullptr };
    std::unique_ptr<TMenuDropDown> FDropDown;
    std::unique_ptr<TMenuDropDown> FRetired;
    int FOpenIndex{ -1 };
    TWinControl* FFocusBefore{ nullptr };
};
