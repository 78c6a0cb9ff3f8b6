#pragma once
#include "platform/forms/TComboListBox.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TListBoxStrings.h"
#include <algorithm>

enum TComboBoxStyle { csDropDown, csDropDownList };

class TEdit;

// A picker of one line from a list that drops down below it: csDropDownList shows the chosen
// line, csDropDown an edit for free text as well. The drop-down is a popup list that leaves the
// focus with the combo box, so the keys keep arriving here. Items live behind the CB_ messages,
// answered in DefaultHandler. A line the user chooses fires OnSelect (OnChange when OnSelect is
// not set); text typed into the edit fires OnChange. Setting ItemIndex or Text from code fires
// nothing.
class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    std::string ClassName() const override { return "TComboBox"; }

    TStrings& Items() { return FItems; }
    void SetItems(const TStrings& value) { FItems.Assign(value); }
    int ItemIndex();
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    // Lines the drop-down shows at most before it scrolls.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = std::max(1, value); }
    int ItemHeight() const { return FList->ItemHeight(); }
    bool Sorted() const { return FList->Sorted(); }
    void SetSorted(bool value) { FList->SetSorted(value); }
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // The popup list, for tests and for code that reads where it shows.
    TComboListBox& DropDownList() { return *FList; }
    // The edit of csDropDown, nullptr otherwise.
    TEdit* EditControl() const { return FEdit; }

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();

private:
    friend class TComboListBox;
    class TInnerEdit;

    win::LRESULT ComboMessage(TMessage& message);
    // The list's end of a drop: chosen true takes the selected line.
    void ListClosed(bool chosen);
    // The user moved to another line: the text follows and OnSelect (or OnChange) fires.
    void UserSelect(int index);
    // Keys shared by the combo box and its edit; true when used.
    bool ComboKey(unsigned short key, TShiftState shift);
    void ShowText(const std::string& text);
    TRect ButtonRect() const;
    void CreateEdit();
    void PlaceEdit();

    TComboListBox* FList;
    TEdit* FEdit{ nullptr };
    TListBoxStrings FItems{ *this, TListBoxStrings::ComboBoxMessages };
    TComboBoxStyle FStyle{ csDropDown };
    int FDropDownCount{ 8 };
    int FIndexAtDrop{ -1 };
    int FLoadedIndex{ -1 };
    bool FOwnText{ false };
};
