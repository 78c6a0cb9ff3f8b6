// The settings fuzz target's seeds and past findings: whatever "option.ini" holds, the section
// readers take their values or their defaults, and nothing else happens. (The folder readers
// create the folders a file names, so only the other readers run here.)
#include "app/SettingsSections.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileSystem.h"
#include "tests/main/FuzzInputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(SettingsFuzzInputs, EverySeedAndPastFindingReadsOrIsRefused) {
    const std::string folder = CreateTempFolder("settings-fuzz");
    for (const TFuzzInput& input : FuzzInputs("settings")) {
        TSettingsFile file(folder + "option.ini");
        std::ofstream(file.FileName(), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(input.Bytes.data()),
                   std::streamsize(input.Bytes.size()));
        EXPECT_NO_THROW({
            try {
                ReadSkinIndex(file);
                TConversionOptions options;
                ReadConversionOptions(file, options);
                ReadSnapshotPicture(file);
            } catch (const Exception&) {}
        }) << input.Name;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
