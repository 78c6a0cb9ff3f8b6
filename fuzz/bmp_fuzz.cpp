// BMP files, and the bare bitmap blocks that icons and clipboard data carry.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::Bytes(data, size);
    try {
        gfx::BmpCodec::Decode(bytes);
    } catch (const Exception&) {}
    for (const bool iconMask : { false, true }) {
        try {
            gfx::BmpCodec::DecodeDib(bytes, iconMask);
        } catch (const Exception&) {}
    }
    return 0;
}
