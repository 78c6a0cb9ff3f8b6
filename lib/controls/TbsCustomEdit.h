#pragma once
#include "platform/forms/TEdit.h"

#include <functional>

class TbsSkinPopupMenu;

// Raised on CM_CANCELMODE with the control that cancels the mode.
using TbsOnEditCancelMode = std::function<void(TControl* C)>;

// The edit the skinned edits build on (the skinned edit, the number edit, the combo box's inner
// edit): the platform edit with a read-only mode of its own that refuses every change by the
// user while selecting and copying still work, Enter and Escape handed to the form as dialog
// keys after OnKeyPress and never typed, text drawn straight on the parent's background
// (EditTransparent), a cancel-mode event for the control that owns it, and a skinned context
// menu whose captions come from the string table of the form's skin.
class TbsCustomEdit : public TEdit {
public:
    explicit TbsCustomEdit(TComponent* owner);
    ~TbsCustomEdit() override;

    std::string ClassName() const override { return "TbsCustomEdit"; }

    // Refuses typing (control characters included), Delete, cutting, pasting, clearing and
    // undoing. It is not the platform edit's read-only state, which would change the look:
    // calls through TCustomEdit reach that one.
    bool ReadOnly() const { return FEditReadOnly; }
    void SetReadOnly(bool value) { FEditReadOnly = value; }
    // The edit leaves its background undrawn: the parent's shows through, repainted behind the
    // edit whenever the edit changes. Setting it remakes the window.
    bool EditTransparent() const { return FEditTransparent; }
    void SetEditTransparent(bool value);
    // Gaining the focus selects the whole text.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }

    // The context menu while it exists (from WM_CONTEXTMENU until its command ran or the next
    // context menu); owned by the edit.
    TbsSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu; }

    void Invalidate() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    TbsOnEditCancelMode OnEditCancelMode;

protected:
    void CreateParams(TCreateParams& params) override;
    void Change() override;
    bool RefusesEditing() const override { return FEditReadOnly || TEdit::RefusesEditing(); }

    // Invalidate, when the parent's background shows through.
    void InvalidateTransparent() {
        if (FEditTransparent) Invalidate();
    }

    // The left button is held in the client area.
    bool FDown{ false };

private:
    // Enter and Escape go to the form; false when the character is the edit's to type.
    bool WMChar(TMessage& message);
    void WMContextMenu(TMessage& message);
    void ColorTransparent(TMessage& message);
    // Builds the context menu afresh and shows it at the screen point, or at the edit's centre
    // when the keyboard asked.
    void ShowSysPopupMenu(TPoint at);
    void FreeSysPopupMenu();

    bool FEditReadOnly{ false };
    bool FEditTransparent{ false };
    bool FAutoSelect{ true };
    TbsSkinPopupMenu* FSysPopupMenu{ nullptr };
};
