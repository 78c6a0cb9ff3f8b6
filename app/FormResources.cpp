#include "app/FormResources.h"

#include "platform/forms/EReadError.h"
#include "platform/rtl/Format.h"

std::string_view FormResource(const std::string& name) {
    for (std::size_t i = 0; i < kFormTextCount; ++i)
        if (name == kFormTexts[i].Name) return kFormTexts[i].Text;
    throw EReadError(Format("Resource %s not found", name));
}
