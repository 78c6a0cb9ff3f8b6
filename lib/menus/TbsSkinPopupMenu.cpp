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

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
    *FAlive = false;
}

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

TbsSkinMenuHost* TbsSkinPopupMenu::OpenHost(bool needsSkin) {
    if (OnPopup) OnPopup(this);
    TbsSkinMenuHost* host = FindHost();
    if (host && !FSD) SetSkinData(host->MenusSkinData() ? host->MenusSkinData() : host->SkinData());
    if (!host || (needsSkin && !FSD)) return nullptr;
    if (host->SkinMenu().Visible()) host->SkinMenuClose();
    host->SkinMenuOpen();
    return host;
}

void TbsSkinPopupMenu::Show(TControl* ctrl, const TRect& r, bool popupUp, bool needsSkin) {
    TbsSkinMenuHost* host = OpenHost(needsSkin);
    if (!host) return;
    TbsSkinMenu& engine = host->SkinMenu();
    engine.Popup(ctrl, FSD, 0, r, &Items(), popupUp);
    if (OnMenuClose) engine.OnMenuClose = OnMenuClose;
}

TMenuItem* TbsSkinPopupMenu::TrackPopup(TControl* ctrl, int x, int y) {
    TbsSkinMenuHost* host = OpenHost(false);
    if (!host) return nullptr;
    TbsSkinMenu& engine = host->SkinMenu();
    const std::shared_ptr<bool> alive = FAlive;
    // The menu open now closes before this one's close handler is in place, so that only its
    // own handler hears of it.
    if (engine.Visible()) engine.CloseLevels(0);
    if (!*alive) return nullptr;
    if (OnMenuClose) engine.OnMenuClose = OnMenuClose;
    const unsigned short command = engine.TrackPopup(ctrl, FSD, TRect(x, y, x, y), &Items(), false);
    if (!*alive || command == 0) return nullptr;
    return FindItem(command);
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
