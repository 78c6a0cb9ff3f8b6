#include "app/FormResources.h"

#include "app/FormSkins.h"
#include "platform/forms/EReadError.h"
#include "platform/rtl/Format.h"

#include <vector>

std::string_view FormResource(const std::string& name) {
    // The skins are put into the descriptions once, the first time a window is read.
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> filled;
        for (std::size_t i = 0; i < kFormTextCount; ++i)
            filled.push_back(WithEmbeddedSkins(kFormTexts[i].Name, kFormTexts[i].Text));
        return filled;
    }();
    for (std::size_t i = 0; i < kFormTextCount; ++i)
        if (name == kFormTexts[i].Name) return texts[i];
    throw EReadError(Format("Resource %s not found", name));
}
