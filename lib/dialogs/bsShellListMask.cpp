#include "lib/dialogs/bsShellListMask.h"

#include "platform/rtl/FileSearch.h"

bool NamePassesMask(const std::string& mask, const std::string& name) {
    std::size_t start = 0;
    while (start < mask.size()) {
        const std::size_t end = std::min(mask.find_first_of(";|", start), mask.size());
        const std::string pattern = mask.substr(start, end - start);
        if (pattern == "*" || pattern == "*.*") return true;
        if (!pattern.empty() && !name.empty() && MatchesMask(name, pattern)) return true;
        start = end + 1;
    }
    return false;
}
