#include "app/JobListText.h"
#include "platform/rtl/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(JobListText, SecondsAndMegabytes) {
    const std::pair<std::int64_t, const char*> times[] = {
        { 0, "00:00:00" },     { 45, "00:00:45" },        { 3661, "01:01:01" },
        { 90061, "01:01:01" }, { 25 * 3600, "01:00:00" },
    };
    for (const auto& [sec, text] : times)
        EXPECT_EQ(SecToDate(sec), text) << sec;
    const std::pair<std::int64_t, const char*> sizes[] = {
        { 0, "0MB" },
        { 1048576, "1MB" },
        { 1572864, "1.5MB" },
        { 3145728, "3MB" },
        { 10485760, "10MB" },
        { 1058013, "1.01MB" },
        // Exactly halfway between hundredths goes to the even one.
        { 131072, "0.12MB" },
        { 393216, "0.38MB" },
        { 1069547520, "1020MB" },
    };
    for (const auto& [bytes, text] : sizes)
        EXPECT_EQ(MegabyteText(bytes), text) << bytes;
    EXPECT_EQ(PercentText(45500000, 91000000), "50%");
    EXPECT_EQ(PercentText(10, 0), "N/A");
    EXPECT_EQ(PercentText(10, -1), "N/A");
}

TEST(JobListText, OutputNamesStayInTheFolder) {
    for (const char* bad : { "", ".", "..", "a/b", "../up", "/abs" })
        EXPECT_FALSE(ValidOutputName(bad)) << bad;
    for (const char* good : { "clip", "clip.avi", "a b 中文", "..x", "a:b" })
        EXPECT_TRUE(ValidOutputName(good)) << good;
}

TEST(JobListText, UniqueNamesAvoidFilesAndRowNames) {
    const std::string folder = CreateTempFolder("outnames");
    std::ofstream(folder + "clip.avi") << "x";
    std::ofstream(folder + "clip_1.avi") << "x";
    struct Case {
        const char* Name;
        std::vector<std::string> Held;
        bool Overwrite;
        const char* Expected;
    } cases[] = {
        { "new.avi", {}, false, "new.avi" },
        { "clip.avi", {}, false, "clip_2.avi" },
        { "clip.avi", {}, true, "clip.avi" },
        { "new.avi", { "new.avi" }, false, "new_1.avi" },
        { "clip.avi", { "clip_2.avi" }, false, "clip_3.avi" },
        // Overwriting files on disk never lets two rows write one file.
        { "clip.avi", { "clip.avi" }, true, "clip_1.avi" },
        { "noext", { "noext" }, false, "noext_1" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(UniqueOutputName(folder, c.Name, c.Held, c.Overwrite), c.Expected) << c.Name;
    std::filesystem::remove_all(folder);
}

} // namespace
