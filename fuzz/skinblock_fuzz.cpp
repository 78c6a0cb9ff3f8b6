// Packed skins: the framed compressed block, and the records and pictures inside it. The input
// is read both as a whole block and as the payload of one, because a mutated compressed stream
// seldom inflates to anything the payload reader would look at.
#include "fuzz/FuzzSupport.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bszlibcompress.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TMemoryStream.h"

namespace {

void LoadSkin(const TbsCompressedStoredSkin& stored) {
    TbsSkinData skin(nullptr);
    skin.LoadCompressedStoredSkin(stored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream input;
    input.WriteBuffer(data, std::int64_t(size));
    TbsCompressedStoredSkin stored(nullptr);
    try {
        stored.LoadFromCompressStream(input);
        LoadSkin(stored);
    } catch (const Exception&) {}
    try {
        TMemoryStream compressed;
        CompressSkinStream(input, compressed);
        compressed.SetPosition(0);
        stored.SetCompressedData(compressed);
        LoadSkin(stored);
    } catch (const Exception&) {}
    return 0;
}
