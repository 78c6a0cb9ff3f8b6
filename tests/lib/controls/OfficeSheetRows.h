#pragma once
#include "ControlSheet.h"

// The office picker in the tool-button look (families and formats, and open with its list
// drawn beside it), in the skinned look in both sizing modes, in the plain look, and the
// office list with header, title, image and disabled rows.
std::vector<TSheetRow> OfficeSheetRows();
