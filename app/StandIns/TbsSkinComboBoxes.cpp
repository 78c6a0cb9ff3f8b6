#include "app/StandIns/TbsSkinComboBoxes.h"

TbsSkinComboBoxBase::TbsSkinComboBoxBase(TComponent* owner) : TComboBox(owner) {
    SetStyle(csDropDownList);
}

void TbsSkinComboBoxBase::SetItemIndex(int value) {
    const std::string before = Text();
    TComboBox::SetItemIndex(value);
    if ((ChangeOnEverySet() || Text() != before) && OnChange) OnChange(this);
}
