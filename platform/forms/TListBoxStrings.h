#pragma once
#include "platform/rtl/TStrings.h"

class TWinControl;

// The items of a list control as a string list: every operation is a list box message (or a
// combo box message when built for one) sent through the control's WindowProc, so code that
// hooks the control sees each change. A control that refuses a line raises EOutOfResources
// "Unable to insert a line".
class TListBoxStrings : public TStrings {
public:
    // The message numbers of one kind of list control.
    struct TMessages {
        unsigned AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen,
            GetItemData, SetItemData, FindStringExact, GetCurSel, SetCurSel;
    };
    static const TMessages ListBoxMessages;
    static const TMessages ComboBoxMessages;

    TListBoxStrings(TWinControl& control, const TMessages& messages)
        : FControl(control), FMessages(messages) {}

    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(const std::string& s) const override;

protected:
    std::string Get(int index) const override;
    int GetCount() const override;
    TObject* GetObject(int index) const override;
    void Put(int index, const std::string& s) override;
    void PutObject(int index, TObject* object) override;
    void SetUpdateState(bool updating) override;

private:
    long long Send(unsigned msg, unsigned long long wParam, long long lParam) const;

    TWinControl& FControl;
    const TMessages& FMessages;
};
