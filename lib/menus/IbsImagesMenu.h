#pragma once
#include "platform/gfx/TRect.h"

#include <functional>
#include <optional>
#include <string>

class TCustomImageList;

// What a control that opens an images menu (a grid of images to choose one from) needs of it.
// The skinned images menu implements it; tests pass a fake. The menu is a component: the
// control that keeps one asks to hear when it goes.
class IbsImagesMenu {
public:
    // The item at the menu's ItemIndex.
    struct TSelection {
        std::string Caption;
        int ImageIndex{ -1 };
    };

    // Closes a grid that is open, fires OnMenuPopup and, when the menu has images, shows the
    // grid at the screen rectangle r; returns at once.
    virtual void PopupFromRect(const TRect& r) = 0;
    // Nothing while ItemIndex lies outside the items.
    virtual std::optional<TSelection> SelectedItem() const = 0;
    virtual TCustomImageList* Images() const = 0;
    // One handler each, set by the control that opened the menu: the grid closed (before the
    // menu's OnMenuClose), and an item other than the one selected at the popup was chosen
    // (after the item's handlers, before the menu's OnChange). Empty clears.
    virtual void SetInternalMenuClose(std::function<void()> handler) = 0;
    virtual void SetInternalChange(std::function<void()> handler) = 0;

protected:
    ~IbsImagesMenu() = default;
};
