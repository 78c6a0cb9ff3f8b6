#pragma once
#include "lib/controls/TbsSkinCustomEdit.h"

// The skinned edit as forms place it (the main window's output folder).
class TbsSkinEdit : public TbsSkinCustomEdit {
public:
    using TbsSkinCustomEdit::TbsSkinCustomEdit;

    std::string ClassName() const override { return "TbsSkinEdit"; }
};
