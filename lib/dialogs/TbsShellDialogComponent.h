#pragma once
#include "lib/dialogs/TbsDialogComponent.h"

// What the dialogs that browse the file system add: a size the user may change, which comes back
// at the next call, the frame's minimum size, flat tool buttons, and events around each Execute.
class TbsShellDialogComponent : public TbsDialogComponent {
public:
    bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
    void SetToolButtonsTransparent(bool value) { FToolButtonsTransparent = value; }
    // The client size of the next dialog (below 1 means the dialog's own default); updated after
    // every call.
    int DialogWidth() const { return FDialogWidth; }
    void SetDialogWidth(int value) { FDialogWidth = value; }
    int DialogHeight() const { return FDialogHeight; }
    void SetDialogHeight(int value) { FDialogHeight = value; }
    int DialogMinWidth() const { return FDialogMinWidth; }
    void SetDialogMinWidth(int value) { FDialogMinWidth = value; }
    int DialogMinHeight() const { return FDialogMinHeight; }
    void SetDialogMinHeight(int value) { FDialogMinHeight = value; }

    // Called at the start of Execute, before the form exists.
    TNotifyEvent OnShow;
    // Called at the end of Execute, however it ends, before the form is freed.
    TNotifyEvent OnClose;

protected:
    using TbsDialogComponent::TbsDialogComponent;

    // The frame as PrepareFrame leaves it, with the minimum size asked for.
    void PrepareSizedFrame(TCustomForm& form, TbsSkinForm& frame) const;
    // The size left by the last call, else the given default.
    void RestoreDialogSize(TCustomForm& form, TbsSkinForm& frame, int defaultWidth,
                           int defaultHeight) const;
    void StoreDialogSize(const TCustomForm& form);

private:
    bool FToolButtonsTransparent{ false };
    int FDialogWidth{ 0 };
    int FDialogHeight{ 0 };
    int FDialogMinWidth{ 0 };
    int FDialogMinHeight{ 0 };
};
