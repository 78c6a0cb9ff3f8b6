#include "lib/frame/TbsSkinMainMenu.h"

#include "lib/skindata/TbsSkinData.h"

void TbsSkinMainMenu::SetSkinData(TbsSkinData* value) {
    if (FSD == value) return;
    if (FSD) FSD->RemoveFreeNotification(this);
    FSD = value;
    if (FSD) FSD->FreeNotification(this);
}

void TbsSkinMainMenu::Notification(TComponent* component, TOperation operation) {
    TMainMenu::Notification(component, operation);
    if (operation == opRemove && component == FSD) FSD = nullptr;
}
