#pragma once
#include "lib/controls/TbsSkinListBox.h"

// The drop-down list of a skinned combo box: a skinned list box in a popup window that is
// placed in screen coordinates and never takes activation or the focus.
class TbsPopupListBox : public TbsSkinListBox {
public:
    explicit TbsPopupListBox(TComponent* owner);

    std::string ClassName() const override { return "TbsPopupListBox"; }

    // Moves the window's top-left corner to origin (screen coordinates) and shows it without
    // activating it.
    void Show(const TPoint& origin);
    void Hide();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
