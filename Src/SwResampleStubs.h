#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libswresample/swresample.h>
}

#include <memory>
#include <string>

// The libswresample 4 entry points of the audio conversion, in binding order.
#define VC_SWRESAMPLE_ENTRY_POINTS(X)                                                              \
    X(swr_alloc_set_opts2)                                                                         \
    X(swr_init)                                                                                    \
    X(swr_convert)                                                                                 \
    X(swr_get_delay)                                                                               \
    X(swr_set_compensation)                                                                        \
    X(swr_free)

namespace av {
VC_SWRESAMPLE_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupSwResample(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixSwResample();

struct SwrContextFree {
    void operator()(SwrContext* context) const {
        if (av::swr_free) av::swr_free(&context);
    }
};
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextFree>;
