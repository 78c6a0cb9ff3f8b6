#pragma once
#include "lib/controls/TbsSkinOfficeComboBox.h"

class TImageList;
class TbsSkinData;

// The main window's two pickers as the program sets them up and fills them: the output family
// picker (rows 50 px high, record "resizetoolpanel", no title lines, no separators) and the
// output format picker (rows 60 px high, record "listbox", title lines and separator rows),
// both in the tool-button look bound to the skin given.

// Four 24 x 24 images of distinct colours, owned by owner.
TImageList* MakePickerImages(TComponent* owner);
// A picker in the tool-button look with the images, not yet filled.
TbsSkinOfficeComboBox* MakeToolPicker(TComponent* owner, TbsSkinData* skin, TImageList* images);
// Clears the picker and adds the rows as the program does (Items.Clear, Add, then Caption,
// Title and ImageIndex), and sets the list's row height and record.
void FillFamilies(TbsSkinCustomOfficeComboBox& picker);
// The format rows: a separator row before each group of formats.
void FillFormats(TbsSkinCustomOfficeComboBox& picker);
// The number of format rows FillFormats adds, and the indexes of its separator rows.
inline constexpr int kFormatRows = 11;
inline constexpr int kFormatSeparators[] = { 0, 5 };
