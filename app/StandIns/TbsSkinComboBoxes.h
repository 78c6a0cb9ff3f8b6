#pragma once
#include "platform/forms/TComboBox.h"

// A fixed-list picker. OnChange follows the skinned pickers when the program sets ItemIndex:
// the office style raises it every time, the plain style only when the shown text changes.
// Emptying the list blanks the face but keeps the text last shown for that comparison.
class TbsSkinComboBoxBase : public TComboBox {
public:
    explicit TbsSkinComboBoxBase(TComponent* owner);

    void SetItemIndex(int value);

protected:
    virtual bool ChangeOnEverySet() const = 0;
    void Change() override;

private:
    std::string FShownText;
};

class TbsSkinComboBox : public TbsSkinComboBoxBase {
public:
    using TbsSkinComboBoxBase::TbsSkinComboBoxBase;
    std::string ClassName() const override { return "TbsSkinComboBox"; }

protected:
    bool ChangeOnEverySet() const override { return false; }
};

class TbsSkinOfficeComboBox : public TbsSkinComboBoxBase {
public:
    using TbsSkinComboBoxBase::TbsSkinComboBoxBase;
    std::string ClassName() const override { return "TbsSkinOfficeComboBox"; }

protected:
    bool ChangeOnEverySet() const override { return true; }
};
