// Icon files: the directory and every picture it lists, bitmap or PNG.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::Bytes(data, size);
    try {
        gfx::IcoCodec::DecodeAll(bytes);
    } catch (const Exception&) {}
    try {
        gfx::IcoCodec::Decode(bytes);
    } catch (const Exception&) {}
    return 0;
}
