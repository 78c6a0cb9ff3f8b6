#pragma once

class TComponent;
class TbsSkinData;

// What a skinned control asks of the form-skin component of its form: the skin the form is
// drawn with, whose string table gives the control its interface texts. The form-skin
// component answers it; tests pass a fake.
class IbsFormSkinComponent {
public:
    // The skin of the form's frame; nullptr when it has none.
    virtual TbsSkinData* SkinData() const = 0;

protected:
    ~IbsFormSkinComponent() = default;
};

// The first component owned by form that is a form-skin component, or nullptr.
IbsFormSkinComponent* FormSkinComponentOf(TComponent* form);
