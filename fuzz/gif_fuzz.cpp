// GIF files: the first frame placed on the logical screen.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/GifCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gfx::GifCodec::Decode(fuzz::Bytes(data, size));
    } catch (const Exception&) {}
    return 0;
}
