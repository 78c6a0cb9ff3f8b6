#include "lib/dialogs/TbsDialogComponent.h"

#include "lib/dialogs/bsDialogDefaults.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TCustomForm.h"

#include <algorithm>
#include <utility>

TbsDialogComponent::TbsDialogComponent(TComponent* owner, std::string title, int alphaBlendValue)
    : TComponent(owner), FAlphaBlendValue(alphaBlendValue), FDefaultFont(DialogDefaultFont()),
      FTitle(std::move(title)) {}

void TbsDialogComponent::SetSkinData(TbsSkinData* value) {
    FSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsDialogComponent::SetCtrlSkinData(TbsSkinData* value) {
    FCtrlSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsDialogComponent::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSkinData) FSkinData = nullptr;
    if (component == FCtrlSkinData) FCtrlSkinData = nullptr;
}

void TbsDialogComponent::PrepareFrame(TCustomForm& form, TbsSkinForm& frame) const {
    form.SetCaption(FTitle);
    frame.SetBorderIcons({});
    frame.SetSkinData(FSkinData);
    frame.SetMenusSkinData(FCtrlSkinData);
    frame.SetAlphaBlend(FAlphaBlend);
    frame.SetAlphaBlendAnimation(FAlphaBlendAnimation);
    frame.SetAlphaBlendValue(FAlphaBlendValue);
}

void TbsDialogComponent::SetClientSize(TCustomForm& form, TbsSkinForm& frame, int width,
                                       int height) const {
    form.HandleNeeded();
    if (FSkinData && !FSkinData->Empty) {
        width = std::max(width, frame.GetMinWidth());
        height = std::max(height, frame.GetMinHeight());
    }
    form.SetClientWidth(width);
    form.SetClientHeight(height);
}
