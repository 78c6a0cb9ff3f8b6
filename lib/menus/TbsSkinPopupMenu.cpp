#include "lib/menus/TbsSkinPopupMenu.h"

#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuHost.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"

TbsSkinMenuHost* FindSkinFormComponent(TComponent* owner) {
    if (!owner) return nullptr;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TbsSkinMenuHost*>(owner->Components(i))) return host;
    return nullptr;
}

namespace {

// The host of a form found as a popup menu's owner: an MDI child's menus go through the main
// form's host.
TbsSkinMenuHost* HostOfOwnerForm(TCustomForm* form) {
    TbsSkinMenuHost* host = FindSkinFormComponent(form);
    if (host && form->FormStyle() == fsMDIChild && Application && Application->MainForm())
        host = FindSkinFormComponent(Application->MainForm());
    return host;
}

} // namespace

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu() = default;

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* value) {
    FSD = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinPopupMenu::SetComponentForm(TCustomForm* value) {
    FComponentForm = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinPopupMenu::SetSkinComponent(TComponent* value) {
    FSkinComponent = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        if (component == FSD) FSD = nullptr;
        if (component == FComponentForm) FComponentForm = nullptr;
        if (component == FSkinComponent) FSkinComponent = nullptr;
    }
    TPopupMenu::Notification(component, operation);
}

TbsSkinMenuHost* TbsSkinPopupMenu::FindHost() const {
    if (FSkinComponent) return dynamic_cast<TbsSkinMenuHost*>(FSkinComponent);
    if (FComponentForm) return FindSkinFormComponent(FComponentForm);
    TComponent* owner = Owner();
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return HostOfOwnerForm(form);
    if (owner)
        if (auto* form = dynamic_cast<TCustomForm*>(owner->Owner())) return HostOfOwnerForm(form);
    return nullptr;
}

void TbsSkinPopupMenu::Show(TControl* ctrl, const TRect& r, bool popupUp, bool needsSkin) {
    if (OnPopup) OnPopup(this);
    TbsSkinMenuHost* host = FindHost();
    if (host && !FSD) SetSkinData(host->MenusSkinData() ? host->MenusSkinData() : host->SkinData());
    if (!host || (needsSkin && !FSD)) return;
    TbsSkinMenu& engine = host->SkinMenu();
    if (engine.Visible()) host->SkinMenuClose();
    host->SkinMenuOpen();
    engine.Popup(ctrl, FSD, 0, r, &Items(), popupUp);
    if (OnMenuClose) engine.OnMenuClose = OnMenuClose;
}

void TbsSkinPopupMenu::Popup(int x, int y) {
    Show(nullptr, TRect(x, y, x, y), false, false);
}

void TbsSkinPopupMenu::PopupFromRect(const TRect& r, bool popupUp) {
    Show(nullptr, r, popupUp, false);
}

void TbsSkinPopupMenu::PopupFromRect2(TControl* ctrl, const TRect& r, bool popupUp) {
    Show(ctrl, r, popupUp, false);
}

void TbsSkinPopupMenu::Popup2(TControl* ctrl, int x, int y) {
    Show(ctrl, TRect(x, y, x, y), false, true);
}
