#pragma once
#include "ControlSheet.h"

#include <string>

// The skinned picker at the top of a host tall enough for its list, so that the cell pressed on
// the drop-down button shows the list opened below it.
TSheetRow OpenPickerSheetRow(const std::string& label);
