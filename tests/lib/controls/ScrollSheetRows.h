#pragma once
#include "ControlSheet.h"

#include "lib/controls/TbsSkinCustomSlider.h"
#include "platform/forms/TScrollBar.h"
#include "platform/forms/TUpDown.h"

// The control sheet's rows of the scroll bar (its thumb under the cell's centre, so that the
// hot and pressed cells show the thumb's states), the up-down, the slider (no hot look) and a
// scroll box with both bars showing.
TSheetRow ScrollBarSheetRow(const std::string& label, TScrollBarKind kind, bool both);
TSheetRow UpDownSheetRow(const std::string& label, TUDOrientation orientation);
TSheetRow SliderSheetRow(const std::string& label, TbsSliderOrientation orientation);
TSheetRow ScrollBoxSheetRow(const std::string& label);
