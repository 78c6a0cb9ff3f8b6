#pragma once
#include "platform/forms/TComboBox.h"

// A fixed-list picker. OnChange follows the skinned pickers when the program sets ItemIndex:
// the office style raises it every time, the plain style only when the shown text changes.
// Emptying the list blanks the face but keeps the text last shown for that comparison.
class TStandInComboBoxBase : public TComboBox {
public:
    explicit TStandInComboBoxBase(TComponent* owner);

    void SetItemIndex(int value);

protected:
    virtual bool ChangeOnEverySet() const = 0;
    void Change() override;

private:
    std::string FShownText;
};

class TStandInComboBox : public TStandInComboBoxBase {
public:
    using TStandInComboBoxBase::TStandInComboBoxBase;
    std::string ClassName() const override { return "TStandInComboBox"; }

protected:
    bool ChangeOnEverySet() const override { return false; }
};

class TStandInOfficeComboBox : public TStandInComboBoxBase {
public:
    using TStandInComboBoxBase::TStandInComboBoxBase;
    std::string ClassName() const override { return "TStandInOfficeComboBox"; }

protected:
    bool ChangeOnEverySet() const override { return true; }
};
