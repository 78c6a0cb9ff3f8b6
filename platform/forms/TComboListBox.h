#pragma once
#include "platform/forms/TListBox.h"

class TComboBox;

// The drop-down list of a combo box: a popup list that never takes the activation or the focus.
// While it shows it holds the mouse: the line under the pointer is selected, a release on a line
// chooses it, and a press outside closes the list without choosing.
class TComboListBox : public TListBox {
public:
    TComboListBox(TComboBox* combo);
    ~TComboListBox() override;

    std::string ClassName() const override { return "TComboListBox"; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Selects the line under the pointer without telling anyone.
    void HotTrack(int x, int y);

    TComboBox* FCombo;
};
