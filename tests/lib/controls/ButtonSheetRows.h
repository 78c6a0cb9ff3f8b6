#pragma once
#include "ControlSheet.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"

// A sheet row for a skinned button of class T, with a caption, so that a disabled cell shows
// its disabled caption where its face is the same.
template <class T>
TSheetRow ButtonSheetRow(const std::string& label, const std::string& record, TSize size) {
    TSheetRow row = SheetRow<T>(label, record, size);
    row.Make = [make = row.Make](TForm& form, TbsSkinData* skin, const std::string& name) {
        TControl* control = make(form, skin, name);
        control->SetCaption("Button");
        return control;
    };
    return row;
}
