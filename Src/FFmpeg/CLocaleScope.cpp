#include "Src/FFmpeg/CLocaleScope.h"

namespace {

// Made once and kept for the life of the process: the C library has no other way to name the
// "C" locale for uselocale.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

} // namespace

TCLocaleScope::TCLocaleScope() {
    if (CLocale()) FPrevious = uselocale(CLocale());
}

TCLocaleScope::~TCLocaleScope() {
    if (FPrevious) uselocale(FPrevious);
}
