// JPEG files through the library, with the size read from the frame header first.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        std::size_t consumed = 0;
        gfx::JpegCodec::Decode(fuzz::Bytes(data, size), &consumed);
    } catch (const Exception&) {}
    return 0;
}
