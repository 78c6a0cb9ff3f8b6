// Skins kept as a folder: the description is the input, beside two small pictures it may name.
// Read as a skin and packed into a stored skin, the two ways the program takes such a folder.
#include "fuzz/FuzzSupport.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gfx::Surface pixels(4, 3, gfx::MakePixel(200, 40, 90, 255));
    fuzz::WriteScratchFile("picture.bmp", gfx::BmpCodec::Encode(pixels, 24));
    fuzz::WriteScratchFile("mask.png", gfx::PngCodec::Encode(pixels, false));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string ini = fuzz::WriteScratchFile("skin.ini", fuzz::Bytes(data, size));
    try {
        TbsSkinData skin(nullptr);
        skin.LoadFromFile(ini);
    } catch (const Exception&) {}
    try {
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromIniFile(ini);
    } catch (const Exception&) {}
    return 0;
}
