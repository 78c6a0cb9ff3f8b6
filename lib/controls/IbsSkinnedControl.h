#pragma once

class TbsSkinData;

// A control that a form's skin change reaches: it names a skin object and takes the new skin
// from it when told. The skinned control bases answer it, and so does every skinned control
// that keeps its record outside them (views, page control, edit, labels, bevel, splitter).
class IbsSkinnedControl {
public:
    virtual ~IbsSkinnedControl() = default;

    // The skin object the control looks its record up in; nullptr for none.
    virtual TbsSkinData* SkinData() const = 0;
    // Looks the record up again and shows the control with it.
    virtual void ChangeSkinData() = 0;
};
