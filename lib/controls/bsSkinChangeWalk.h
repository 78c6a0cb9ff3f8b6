#pragma once

class TWinControl;
class TbsSkinData;

// The skin change as a form's skin component carries it to the form's controls. Both walks go
// depth first, each windowed container before its children, and reach the controls whose
// SkinData is skinData, or every one when skinData is nullptr.

// Before the skin object changes: BeforeChangeSkinData of every windowed skinned control
// (TbsSkinControl), so that none holds a record the skin object is about to free.
void BeforeChangeControlsSkinData(TWinControl& form, const TbsSkinData* skinData);
// After the change: ChangeSkinData of every skinned control (IbsSkinnedControl), windowless
// ones and those skinned outside the bases included; a control inside another skinned control
// is re-skinned after it.
void ChangeControlsSkinData(TWinControl& form, const TbsSkinData* skinData);
