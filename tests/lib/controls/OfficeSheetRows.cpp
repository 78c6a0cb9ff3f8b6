#include "OfficeSheetRows.h"

#include "OfficePickers.h"
#include "lib/controls/TbsSkinSpeedButton.h" // used by the panel rows header
#include "PanelSheetRows.h"
#include "lib/controls/TbsSkinOfficeListBox.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TImageList.h"

namespace {

// A picker at the top of a host tall enough for its list, so that the cell pressed on the
// picker shows the list opened below it.
class TSheetOpenPicker : public TCustomControl {
public:
    TSheetOpenPicker(TComponent* owner, TbsSkinData* skin) : TCustomControl(owner) {
        FControlStyle.Include(csAcceptsControls);
        FPicker = MakeToolPicker(owner, skin, MakePickerImages(owner));
        FPicker->SetParent(this);
        FillFormats(*FPicker);
        FPicker->SetDropDownCount(2);
        FPicker->SetItemIndex(1);
    }
    void SetBounds(int left, int top, int width, int height) override {
        TCustomControl::SetBounds(left, top, width, height);
        if (FPicker) FPicker->SetBounds(0, 0, width, 44);
    }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clWhite);
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }

private:
    TbsSkinOfficeComboBox* FPicker{ nullptr };
};

std::function<void(TbsSkinOfficeComboBox&)> Picker(bool tool, bool formats, bool skinSize) {
    return [=](TbsSkinOfficeComboBox& p) {
        p.SetImages(MakePickerImages(p.Owner()));
        p.SetToolButtonStyle(tool);
        p.SetUseSkinSize(skinSize);
        if (formats)
            FillFormats(p);
        else
            FillFamilies(p);
        p.SetItemIndex(1);
    };
}

} // namespace

std::vector<TSheetRow> OfficeSheetRows() {
    const std::vector<TSheetState> picker{ ssHot, ssPressed, ssDisabled };
    // Plain colours of the tool look: the frames and fills of the hot and open states.
    const std::vector<TColor> toolColours{ TColor(0x800000), TColor(0xB59385), TColor(0xD2BDB6),
                                           clBtnShadow,      clWindowText,     clGrayText,
                                           clWindow,         clHighlight,      clHighlightText,
                                           clBlack };
    std::vector<TSheetRow> rows = {
        ConfiguredRow<TbsSkinOfficeComboBox>("office picker, tool look, families", "combobox",
                                             { 150, 30 }, Picker(true, false, false), picker),
        ConfiguredRow<TbsSkinOfficeComboBox>("office picker, tool look, formats", "combobox",
                                             { 180, 44 }, Picker(true, true, false), picker),
        ConfiguredRow<TbsSkinOfficeComboBox>("office picker, skinned look", "combobox", { 180, 44 },
                                             Picker(false, true, false), { ssPressed }),
        ConfiguredRow<TbsSkinOfficeComboBox>("office picker, skinned look, skin size", "combobox",
                                             { 180, 44 }, Picker(false, true, true), { ssPressed }),
        ConfiguredRow<TbsSkinOfficeListBox>(
            "office list, header, title, image, disabled", "listbox", { 170, 150 },
            [](TbsSkinOfficeListBox& list) {
                list.SetImages(MakePickerImages(list.Owner()));
                const char* captions[] = { "Group", "Titled", "Image", "Disabled" };
                for (int i = 0; i < 4; ++i) {
                    TbsSkinOfficeItem* item = list.Items().Add();
                    item->SetCaption(captions[i]);
                }
                list.Items()[0]->SetHeader(true);
                list.Items()[1]->SetTitle("Title");
                list.Items()[2]->SetImageIndex(1);
                list.Items()[3]->SetEnabled(false);
                list.SetItemIndex(1);
            },
            { ssPressed }),
    };
    for (TSheetRow& row : rows)
        if (row.Label.starts_with("office picker")) row.PlainColours = toolColours;
    // With the skin's sizes the picker takes the record's height.
    rows[3].KeepsSize = false;
    rows.back().HotSpot = TPoint(60, 2 + 20 + 30 + 15);
    rows.back().PlainColours = { clWindow,       clHighlight,  clHighlightText, clBtnShadow,
                                 clBtnHighlight, clWindowText, TColor(0x808080) };
    TSheetRow open{ "office picker, tool look, open list",
                    "combobox",
                    { 180, 44 + 2 * 60 + 5 },
                    [](TForm& form, TbsSkinData* skin, const std::string&) -> TControl* {
                        return new TSheetOpenPicker(&form, skin);
                    } };
    open.CornersFromFace = false;
    open.DistinctStates = { ssPressed };
    open.HotSpot = TPoint(90, 15);
    open.PlainColours = toolColours;
    open.PlainColours.push_back(clBtnHighlight);
    rows.push_back(open);
    return rows;
}
