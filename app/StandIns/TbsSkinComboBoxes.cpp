#include "app/StandIns/TbsSkinComboBoxes.h"

TbsSkinComboBoxBase::TbsSkinComboBoxBase(TComponent* owner) : TComboBox(owner) {
    SetStyle(csDropDownList);
}

void TbsSkinComboBoxBase::SetItemIndex(int value) {
    TComboBox::SetItemIndex(value);
    const bool shows = ItemIndex() >= 0;
    const bool changed = shows && Text() != FShownText;
    if (shows) FShownText = Text();
    if ((ChangeOnEverySet() || changed) && OnChange) OnChange(this);
}

void TbsSkinComboBoxBase::Change() {
    FShownText = Text();
    TComboBox::Change();
}
