#pragma once
#include "platform/forms/TObject.h"
#include "platform/rtl/Exception.h"

// An object whose state can be copied from another through Assign.
class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }

    // Copies source into this object. The base class lets source try AssignTo; when neither
    // side knows the other it raises EConvertError "Cannot assign a <source> to a <this>".
    virtual void Assign(const TPersistent* source);

    // The object that owns this one in a description (a collection's owner, an item's
    // collection), or nullptr.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* dest) const;

private:
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
