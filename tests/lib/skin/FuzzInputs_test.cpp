// The skin fuzz targets' seeds and past findings, read as each target reads them: whatever the
// bytes, a picture or skin loads or is refused with the system's error, and nothing else happens.
#include "SkinFixture.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsBitmap.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TMemoryStream.h"
#include "tests/main/FuzzInputs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

void Refusable(const std::function<void()>& read) {
    try {
        read();
    } catch (const Exception&) {}
}

void Write(TMemoryStream& stream, const TFuzzInput& input) {
    stream.WriteBuffer(input.Bytes.data(), std::int64_t(input.Bytes.size()));
    stream.SetPosition(0);
}

TEST(SkinFuzzInputs, EveryPcxSeedAndPastFindingLoadsOrIsRefused) {
    for (const TFuzzInput& input : FuzzInputs("pcx")) {
        TMemoryStream stream;
        Write(stream, input);
        TbsBitmap bitmap;
        EXPECT_NO_THROW(Refusable([&] { bitmap.LoadFromPcxStream(stream); })) << input.Name;
    }
}

TEST(SkinFuzzInputs, EveryPackedSkinSeedAndPastFindingLoadsOrIsRefused) {
    for (const TFuzzInput& input : FuzzInputs("skinblock")) {
        TMemoryStream stream;
        Write(stream, input);
        TbsCompressedStoredSkin stored(nullptr);
        EXPECT_NO_THROW(Refusable([&] {
            stored.LoadFromCompressStream(stream);
            TbsSkinData skin(nullptr);
            skin.LoadCompressedStoredSkin(stored);
        })) << input.Name;
    }
}

TEST(SkinFuzzInputs, EveryFolderSkinSeedAndPastFindingLoadsOrIsRefused) {
    const TScratchSkinFolder folder;
    const gfx::Surface pixels(4, 3, gfx::MakePixel(200, 40, 90, 255));
    const auto bmp = gfx::BmpCodec::Encode(pixels, 24);
    const auto png = gfx::PngCodec::Encode(pixels, false);
    folder.WriteFile("picture.bmp", std::string(bmp.begin(), bmp.end()));
    folder.WriteFile("mask.png", std::string(png.begin(), png.end()));
    for (const TFuzzInput& input : FuzzInputs("folderskin")) {
        const std::string ini =
            folder.WriteFile("skin.ini", std::string(input.Bytes.begin(), input.Bytes.end()));
        EXPECT_NO_THROW(Refusable([&] {
            TbsSkinData skin(nullptr);
            skin.LoadFromFile(ini);
        })) << input.Name;
        EXPECT_NO_THROW(Refusable([&] {
            TbsCompressedStoredSkin stored(nullptr);
            stored.LoadFromIniFile(ini);
        })) << input.Name;
    }
}

} // namespace
