#include "lib/menus/TbsSkinImagesMenu.h"

#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinImagesMenuPopupWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TImageList.h"

void TbsImagesMenuItem::Assign(const TPersistent* source) {
    if (const auto* item = dynamic_cast<const TbsImagesMenuItem*>(source)) {
        FImageIndex = item->FImageIndex;
        FCaption = item->FCaption;
        FButton = item->FButton;
        FHint = item->FHint;
        return;
    }
    TCollectionItem::Assign(source);
}

TbsImagesMenuItems::TbsImagesMenuItems(TbsSkinImagesMenu* menu)
    : TCollection(menu, [](TCollection* c) { return new TbsImagesMenuItem(c); }),
      FImagesMenu(menu) {}

TbsImagesMenuItem* TbsImagesMenuItems::Items(int index) const {
    return static_cast<TbsImagesMenuItem*>(TCollection::Items(index));
}

TbsImagesMenuItem* TbsImagesMenuItems::Add() {
    return static_cast<TbsImagesMenuItem*>(TCollection::Add());
}

TbsSkinImagesMenu::TbsSkinImagesMenu(TComponent* owner) : TComponent(owner), FImagesItems(this) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetStyle({});
    FDefaultFont.SetHeight(14);
}

TbsSkinImagesMenu::~TbsSkinImagesMenu() {
    delete FPopupWindow;
    FPopupWindow = nullptr;
}

void TbsSkinImagesMenu::SetImages(TCustomImageList* value) {
    FImages = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinImagesMenu::SetSkinHint(TbsSkinHint* value) {
    FSkinHint = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinImagesMenu::SetSkinData(TbsSkinData* value) {
    FSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinImagesMenu::SetColumnsCount(int value) {
    if (value >= 1 && value <= 50) FColumnsCount = value;
}

void TbsSkinImagesMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FImages) FImages = nullptr;
    if (component == FSkinData) FSkinData = nullptr;
    if (component == FSkinHint) FSkinHint = nullptr;
}

TbsImagesMenuItem* TbsSkinImagesMenu::SelectedMenuItem() const {
    if (FItemIndex < 0 || FItemIndex >= FImagesItems.Count()) return nullptr;
    return FImagesItems.Items(FItemIndex);
}

std::optional<IbsImagesMenu::TSelection> TbsSkinImagesMenu::SelectedItem() const {
    const TbsImagesMenuItem* item = SelectedMenuItem();
    if (!item) return std::nullopt;
    return TSelection{ item->Caption(), item->ImageIndex() };
}

void TbsSkinImagesMenu::Popup(int x, int y) {
    PopupFromRect(TRect(x, y, x, y));
}

void TbsSkinImagesMenu::PopupFromRect(const TRect& r) {
    Hide();
    if (OnMenuPopup) OnMenuPopup(this);
    if (!FImages || FImages->Count() == 0) return;
    FOldItemIndex = FItemIndex;
    FPopupWindow = new TbsSkinImagesMenuPopupWindow(this);
    FPopupWindow->Show(r);
}

void TbsSkinImagesMenu::Hide() {
    if (FPopupWindow) FPopupWindow->Hide(false);
}

void TbsSkinImagesMenu::CloseUp(bool processEvents) {
    // The window may be inside its own mouse or key handling: it goes once that has returned.
    if (FPopupWindow) FPopupWindow->Release();
    FPopupWindow = nullptr;
    if (FOnInternalMenuClose) FOnInternalMenuClose();
    if (OnMenuClose) OnMenuClose(this);
    if (!processEvents || FItemIndex == -1) return;
    if (TbsImagesMenuItem* item = SelectedMenuItem(); item && item->OnClick) item->OnClick(this);
    if (OnItemClick) OnItemClick(this);
    if (FItemIndex != FOldItemIndex) {
        if (FOnInternalChange) FOnInternalChange();
        if (OnChange) OnChange(this);
    }
}
