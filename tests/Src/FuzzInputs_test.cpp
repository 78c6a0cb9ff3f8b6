// The media-probe fuzz target's seeds and past findings: whatever the file holds, the probe
// opens it and decodes its first pictures or reports why not, and nothing else happens.
#include "Src/AVProbe.h"
#include "Src/FFmpegLoader.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "tests/main/FuzzInputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(ProbeFuzzInputs, EverySeedAndPastFindingOpensOrIsRefused) {
    ASSERT_TRUE(GlobalLoader().Load(AVProbeLibraries)) << TFFmpegLoader::LastErrMsg();
    const std::string folder = CreateTempFolder("probe-fuzz");
    for (const TFuzzInput& input : FuzzInputs("probe")) {
        const std::string file = folder + "media";
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(input.Bytes.data()),
                   std::streamsize(input.Bytes.size()));
        EXPECT_NO_THROW({
            TAVProbe probe(nullptr);
            if (probe.LoadFile(file)) {
                TBitmap bitmap;
                for (int picture = 0; picture < 8 && probe.Decode(); ++picture)
                    probe.CopyToBitmap(bitmap);
            }
        }) << input.Name;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
