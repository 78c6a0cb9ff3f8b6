#include "platform/forms/TPersistent.h"
#include "platform/rtl/Format.h"

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const {
    dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
    const std::string from = source ? source->ClassName() : std::string("nil");
    throw EConvertError(Format("Cannot assign a %s to a %s", from, ClassName()));
}
