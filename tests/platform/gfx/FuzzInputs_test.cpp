// The picture fuzz targets' seeds and past findings, read as each target reads them: whatever
// the bytes, a picture loads or is refused with the system's error, and nothing else happens.
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GifCodec.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/TPicture.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TMemoryStream.h"
#include "tests/main/FuzzInputs.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>

using namespace gfx;

namespace {

using Bytes = std::span<const std::uint8_t>;

void Refusable(const std::function<void()>& read) {
    try {
        read();
    } catch (const Exception&) {}
}

struct Target {
    const char* Name;
    std::function<void(Bytes)> Read;
};

const Target kTargets[] = {
    { "bmp",
      [](Bytes b) {
          Refusable([&] { BmpCodec::Decode(b); });
          Refusable([&] { BmpCodec::DecodeDib(b, false); });
          Refusable([&] { BmpCodec::DecodeDib(b, true); });
      } },
    { "png", [](Bytes b) { Refusable([&] { PngCodec::Decode(b); }); } },
    { "jpeg", [](Bytes b) { Refusable([&] { JpegCodec::Decode(b); }); } },
    { "gif", [](Bytes b) { Refusable([&] { GifCodec::Decode(b); }); } },
    { "ico", [](Bytes b) { Refusable([&] { IcoCodec::DecodeAll(b); }); } },
    { "picture",
      [](Bytes b) {
          TMemoryStream stream;
          stream.WriteBuffer(b.data(), std::int64_t(b.size()));
          stream.SetPosition(0);
          TPicture picture;
          Refusable([&] { picture.LoadFromStream(stream); });
      } },
};

TEST(PictureFuzzInputs, EverySeedAndPastFindingLoadsOrIsRefused) {
    for (const Target& target : kTargets)
        for (const TFuzzInput& input : FuzzInputs(target.Name))
            EXPECT_NO_THROW(target.Read(input.Bytes)) << input.Name;
}

} // namespace
