#pragma once
#include "Src/MyUtils/LibraryBinding.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>

// The libswscale 6 entry points the engine calls, in binding order.
#define VC_SWSCALE_ENTRY_POINTS(X)                                                                 \
    X(sws_isSupportedInput)                                                                        \
    X(sws_alloc_context)                                                                           \
    X(sws_init_context)                                                                            \
    X(sws_freeContext)                                                                             \
    X(sws_getContext)                                                                              \
    X(sws_getCachedContext)                                                                        \
    X(sws_scale)

namespace av {
VC_SWSCALE_ENTRY_POINTS(VC_DECLARE_ENTRY_POINT)
} // namespace av

void FixupSwScale(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixSwScale();

struct SwsContextFree {
    void operator()(SwsContext* context) const {
        if (av::sws_freeContext) av::sws_freeContext(context);
    }
};
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextFree>;
