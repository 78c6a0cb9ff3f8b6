#pragma once
#include "app/StandIns/TMenuDropDown.h"
#include "platform/forms/TCustomControl.h"
#include "platform/rtl/TStringList.h"
#include <memory>

// A fixed-list picker: the chosen entry in a sunken box; a click drops the entries down.
// OnChange follows the skinned pickers: the office style raises it every time ItemIndex is set,
// the plain style only when the shown text changes.
class TbsSkinComboBoxBase : public TCustomControl {
public:
    explicit TbsSkinComboBoxBase(TComponent* owner);
    ~TbsSkinComboBoxBase() override;

    TStrings& Items() { return FItems; }
    // The entries as written in a description.
    void SetItemsText(const std::vector<std::string>& lines);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    std::string Text() const;
    // Drops the entries down below the picker; chosen entries become ItemIndex.
    void DropDown();
    TMenuDropDown* DropDownWindow() const;

    TNotifyEvent OnChange;

protected:
    // Whether setting ItemIndex raises OnChange although the text stays the same.
    virtual bool ChangeOnEverySet() const = 0;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TStringList FItems;
    int FItemIndex{ -1 };
    std::unique_ptr<TMenuItem> FEntries;
    std::unique_ptr<TMenuDropDown> FDropDown;
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
