#include "lib/dialogs/TbsShellDialogComponent.h"

#include "lib/frame/TbsSkinForm.h"
#include "platform/forms/TCustomForm.h"

void TbsShellDialogComponent::PrepareSizedFrame(TCustomForm& form, TbsSkinForm& frame) const {
    PrepareFrame(form, frame);
    frame.SetMinWidth(FDialogMinWidth);
    frame.SetMinHeight(FDialogMinHeight);
}

void TbsShellDialogComponent::RestoreDialogSize(TCustomForm& form, TbsSkinForm& frame,
                                                int defaultWidth, int defaultHeight) const {
    SetClientSize(form, frame, FDialogWidth < 1 ? defaultWidth : FDialogWidth,
                  FDialogHeight < 1 ? defaultHeight : FDialogHeight);
}

void TbsShellDialogComponent::StoreDialogSize(const TCustomForm& form) {
    FDialogWidth = form.ClientWidth();
    FDialogHeight = form.ClientHeight();
}
