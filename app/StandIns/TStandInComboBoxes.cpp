#include "app/StandIns/TStandInComboBoxes.h"

TStandInComboBoxBase::TStandInComboBoxBase(TComponent* owner) : TComboBox(owner) {
    SetStyle(csDropDownList);
}

void TStandInComboBoxBase::SetItemIndex(int value) {
    TComboBox::SetItemIndex(value);
    const bool shows = ItemIndex() >= 0;
    const bool changed = shows && Text() != FShownText;
    if (shows) FShownText = Text();
    if ((ChangeOnEverySet() || changed) && OnChange) OnChange(this);
}

void TStandInComboBoxBase::Change() {
    FShownText = Text();
    TComboBox::Change();
}
