#pragma once
#include "lib/menus/IbsImagesMenu.h"
#include "platform/forms/TCollection.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TFont.h"

#include <memory>

class TbsSkinData;
class TbsSkinHint;
class TbsSkinImagesMenu;
class TbsSkinImagesMenuPopupWindow;

// One entry of an images menu: an image cell of the grid, a full-width button row, or a
// full-width header row that cannot be chosen.
class TbsImagesMenuItem : public TCollectionItem {
public:
    explicit TbsImagesMenuItem(TCollection* collection) : TCollectionItem(collection) {}
    std::string ClassName() const override { return "TbsImagesMenuItem"; }

    // Copies ImageIndex, Caption, Button and Hint from another images-menu item.
    void Assign(const TPersistent* source) override;

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int value) { FImageIndex = value; }
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value) { FCaption = value; }
    bool Button() const { return FButton; }
    void SetButton(bool value) { FButton = value; }
    bool Header() const { return FHeader; }
    void SetHeader(bool value) { FHeader = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }

    TNotifyEvent OnClick;
    // The item's rectangle in the open grid, set by its layout.
    TRect ItemRect;
    // Kept for callers; the menu draws nothing with it.
    TColor FColor{ clNone };

private:
    int FImageIndex{ -1 };
    std::string FCaption;
    bool FButton{ false };
    bool FHeader{ false };
    std::string FHint;
};

class TbsImagesMenuItems : public TCollection {
public:
    explicit TbsImagesMenuItems(TbsSkinImagesMenu* menu);
    std::string ClassName() const override { return "TbsImagesMenuItems"; }
    TbsImagesMenuItem* Items(int index) const;
    TbsImagesMenuItem* Add();
    TbsSkinImagesMenu* ImagesMenu() const { return FImagesMenu; }

private:
    TbsSkinImagesMenu* FImagesMenu;
};

// A picker that shows the images of an image list as a grid, below or above a rectangle, and
// reports the chosen cell as ItemIndex. While the grid is open it holds the mouse and takes
// every key of the program; a click outside, Alt or Esc closes it without choosing.
class TbsSkinImagesMenu : public TComponent, public IbsImagesMenu {
public:
    explicit TbsSkinImagesMenu(TComponent* owner);
    ~TbsSkinImagesMenu() override;
    std::string ClassName() const override { return "TbsSkinImagesMenu"; }

    TCustomImageList* Images() const override { return FImages; }
    void SetImages(TCustomImageList* value);
    TbsSkinHint* SkinHint() const { return FSkinHint; }
    void SetSkinHint(TbsSkinHint* value);
    TbsSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TbsSkinData* value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool value) { FShowHints = value; }
    TbsImagesMenuItems& ImagesItems() { return FImagesItems; }
    const TbsImagesMenuItems& ImagesItems() const { return FImagesItems; }
    void SetImagesItems(const TbsImagesMenuItems& value) { FImagesItems.Assign(&value); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value) { FItemIndex = value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    int ColumnsCount() const { return FColumnsCount; }
    // Only 1 to 50 columns; other values are ignored.
    void SetColumnsCount(int value);
    bool ShowSelectedItem() const { return FShowSelectedItem; }
    void SetShowSelectedItem(bool value) { FShowSelectedItem = value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }

    // The item at ItemIndex; nil outside the items.
    TbsImagesMenuItem* SelectedMenuItem() const;
    std::optional<TSelection> SelectedItem() const override;

    void Popup(int x, int y);
    void PopupFromRect(const TRect& r) override;
    // Closes an open grid without events.
    void Hide();
    // The open grid; nil when closed.
    TbsSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

    void SetInternalMenuClose(std::function<void()> handler) override {
        FOnInternalMenuClose = std::move(handler);
    }
    void SetInternalChange(std::function<void()> handler) override {
        FOnInternalChange = std::move(handler);
    }

    TNotifyEvent OnItemClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnMenuPopup;
    TNotifyEvent OnMenuClose;

    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TbsSkinImagesMenuPopupWindow;
    // The grid has closed: it is released, then the close and choice events fire.
    void CloseUp(bool processEvents);

    TCustomImageList* FImages{ nullptr };
    TbsSkinHint* FSkinHint{ nullptr };
    TbsSkinData* FSkinData{ nullptr };
    bool FShowHints{ true };
    TbsImagesMenuItems FImagesItems;
    int FItemIndex{ -1 };
    bool FUseSkinFont{ true };
    TFont FDefaultFont;
    int FColumnsCount{ 1 };
    bool FShowSelectedItem{ true };
    bool FAlphaBlend{ false };
    bool FAlphaBlendAnimation{ false };
    int FAlphaBlendValue{ 200 };
    TbsSkinImagesMenuPopupWindow* FPopupWindow{ nullptr };
    int FOldItemIndex{ -1 };
    std::function<void()> FOnInternalChange;
    std::function<void()> FOnInternalMenuClose;
};
