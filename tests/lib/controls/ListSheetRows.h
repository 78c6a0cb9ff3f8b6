#pragma once
#include "ControlSheet.h"
#include "ListSheetOpen.h"
#include "PanelSheetRows.h"

#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinListBox.h"

// The skinned list box and combo box on the control sheet.
inline std::vector<TSheetRow> ListSheetRows() {
    const auto rows = [](TbsSkinListBox& list) {
        for (const char* item : { "First", "Second", "Third", "Fourth", "Fifth", "Sixth" })
            list.Items().Add(item);
        list.SetItemIndex(1);
    };
    const auto captioned = [rows](TbsSkinListBox& list) {
        rows(list);
        list.SetCaptionMode(true);
        list.SetText("Presets");
    };
    const auto picker = [](TbsSkinComboBox& combo) {
        combo.Items().Add("High quality");
        combo.Items().Add("Small file");
        combo.SetItemIndex(0);
    };
    const auto stretched = [picker](TbsSkinComboBox& combo) {
        picker(combo);
        combo.SetUseSkinSize(false);
    };
    const auto tool = [picker](TbsSkinComboBox& combo) {
        picker(combo);
        combo.SetToolButtonStyle(true);
    };
    const std::vector<TColor> plainList{ clWindow,        clBtnShadow,  clHighlight,
                                         clHighlightText, clWindowText, clBlack };
    std::vector<TSheetRow> result = {
        ConfiguredRow<TbsSkinListBox>("list box, rows", "listbox", { 140, 100 }, rows, {}, true),
        ConfiguredRow<TbsSkinListBox>("list box, caption and buttons", "listbox", { 140, 110 },
                                      captioned, {}, true),
        ConfiguredRow<TbsSkinListBox>("list box, bar", "listbox", { 140, 60 }, rows, {}, true),
    };
    for (TSheetRow& row : result)
        row.PlainColours = plainList;
    const std::vector<TColor> plainPicker{ clWindow,    clBtnShadow,     clBlack,   clWindowText,
                                           clHighlight, clHighlightText, clGrayText };
    for (auto [label, configure] :
         { std::pair{ "combo box, skin size", std::function<void(TbsSkinComboBox&)>(picker) },
           std::pair{ "combo box, stretched", std::function<void(TbsSkinComboBox&)>(stretched) },
           std::pair{ "combo box, tool button", std::function<void(TbsSkinComboBox&)>(tool) } }) {
        TSheetRow row = ConfiguredRow<TbsSkinComboBox>(label, "combobox", { 140, 22 }, configure,
                                                       { ssPressed, ssDisabled });
        // Over the drop-down button, which is what shows the pointer.
        row.HotSpot = TPoint(130, 11);
        row.PlainHot = true;
        row.PlainColours = plainPicker;
        result.push_back(row);
    }
    result.push_back(OpenPickerSheetRow("combo box, open list"));
    return result;
}
