// PNG files: the header and chunk walk of our own, then the library's decoding.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gfx::PngCodec::Decode(fuzz::Bytes(data, size));
    } catch (const Exception&) {}
    return 0;
}
