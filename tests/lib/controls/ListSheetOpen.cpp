#include "ListSheetOpen.h"
#include "TestSkins.h"

#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/forms/TCustomControl.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPickerHeight = 22;

class TSheetOpenSkinPicker : public TCustomControl {
public:
    TSheetOpenSkinPicker(TComponent* owner, TbsSkinData* skin) : TCustomControl(owner) {
        FControlStyle.Include(csAcceptsControls);
        Picker = new TbsSkinComboBox(owner);
        Picker->SetParent(this);
        Picker->SetSkinData(skin);
        for (const char* item : { "High quality", "Small file", "Phone", "Web", "Archive" })
            Picker->Items().Add(item);
        Picker->SetDropDownCount(4);
        Picker->SetItemIndex(1);
    }
    void SetBounds(int left, int top, int width, int height) override {
        TCustomControl::SetBounds(left, top, width, height);
        if (Picker) Picker->SetBounds(0, 0, width, kPickerHeight);
    }

    TbsSkinComboBox* Picker{ nullptr };

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clWhite);
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }
};

} // namespace

TSheetRow OpenPickerSheetRow(const std::string& label) {
    TSheetRow row{ label, "combobox", TSize(140, kPickerHeight + 4 * 20 + 10),
                   [](TForm& form, TbsSkinData* skin, const std::string&) -> TControl* {
                       return new TSheetOpenSkinPicker(&form, skin);
                   } };
    row.CornersFromFace = false;
    // Pressed on the drop-down button: the list opens below the picker, inside the cell.
    row.DistinctStates = { ssPressed };
    row.HotSpot = TPoint(130, kPickerHeight / 2);
    row.PlainColours = { clWindow,    clBtnShadow,     clBlack,    clWindowText,
                         clHighlight, clHighlightText, clGrayText, clWhite };
    row.CheckCell = [](TSheetState state, TControl& control, const gfx::Surface& cell,
                       TbsSkinData*) {
        const auto& host = dynamic_cast<TSheetOpenSkinPicker&>(control);
        const bool open = host.Picker->FListBox && host.Picker->FListBox->Visible();
        EXPECT_EQ(open, state == ssPressed) << SheetStateName(state);
        // Below the picker: only the host's white, or the list (its frame and rows) where it
        // opened.
        bool white = true;
        for (int y = kPickerHeight + 2; y < cell.Height() && white; ++y)
            for (int x = 0; x < cell.Width() && white; ++x)
                white = RgbAt(cell, x, y) == 0xFFFFFFu;
        EXPECT_EQ(white, state != ssPressed) << SheetStateName(state);
    };
    return row;
}
