#include "Src/MyUtils.h"

#include "Src/FFBaseComponent.h"
#include "platform/win/Messaging.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TEST(SplitAt, TakesTheHeadAndKeepsTheRest) {
    struct Case {
        std::string Text;
        std::string Delimiter;
        bool Remove;
        std::string Head;
        std::string Rest;
    };
    const Case cases[] = {
        { "a=b=c", "=", true, "a", "b=c" },
        { "a=b=c", "=", false, "a", "a=b=c" },
        { "name", "=", true, "name", "" },
        { "name", "=", false, "name", "name" },
        { "", "=", true, "", "" },
        { "=value", "=", true, "", "value" },
        { "one\r\ntwo", "\r\n", true, "one", "two" },
    };
    for (const Case& c : cases) {
        std::string text = c.Text;
        std::string head = "stale";
        SplitAt(text, c.Delimiter, c.Remove, head);
        EXPECT_EQ(head, c.Head) << c.Text;
        EXPECT_EQ(text, c.Rest) << c.Text;
    }
}

TEST(SizeToText, PicksTheUnitAboveEachBoundary) {
    const std::pair<std::int64_t, const char*> cases[] = {
        { -1, "-1 Byte" },
        { 0, "0 Byte" },
        { 1024, "1024 Byte" },
        { 1025, "1.00 KB" },
        { 1048576, "1024.00 KB" },
        { 1048577, "1.00 MB" },
        { 1073741824, "1024.00 MB" },
        { 1073741825, "1.00 GB" },
        { 5LL * 1073741824 + 536870912, "5.50 GB" },
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeToText(bytes), text) << bytes;
}

TEST(FileSizeByName, GivesTheSizeOrMinusOne) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("vc-size-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "empty.bin");
    std::ofstream(folder / "five.bin") << "12345";
    EXPECT_EQ(FileSizeByName((folder / "empty.bin").string()), 0);
    EXPECT_EQ(FileSizeByName((folder / "five.bin").string()), 5);
    EXPECT_EQ(FileSizeByName((folder / "missing.bin").string()), -1);
    EXPECT_EQ(FileSizeByName(folder.string()), -1);
    EXPECT_EQ(FileSizeByName(""), -1);
    std::filesystem::remove_all(folder);
}

TEST(ExePath, IsTheProgramFolderUnlessReplaced) {
    const std::string own = ExePath();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(own + "engine_MyUtils_test") ||
                std::filesystem::is_directory(own));
    SetExePath("/opt/converter");
    EXPECT_EQ(ExePath(), "/opt/converter/");
    SetExePath("");
    EXPECT_EQ(ExePath(), own);
}

// Runs the test body in a time zone given as a POSIX TZ rule, so no zone database is needed.
class TimeZoneTest : public ::testing::Test {
protected:
    void UseZone(const char* rule) {
        setenv("TZ", rule, 1);
        tzset();
    }
    void TearDown() override {
        if (FOld)
            setenv("TZ", FOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> FOld =
        std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt;
};

TEST_F(TimeZoneTest, UnixSecondsToLocalDateTimeAndBack) {
    UseZone("CST-8");
    EXPECT_DOUBLE_EQ(UnixTimeToLocal(0), 25569.0 + 480.0 / 1440.0);
    EXPECT_DOUBLE_EQ(LocalTimeBias(), 480.0 / 1440.0);
    const std::int64_t samples[] = { 0, 1, 86399, 1262304000, 1700000000, 4102444800 };
    for (std::int64_t s : samples)
        EXPECT_EQ(LocalTimeToUnix(UnixTimeToLocal(s)), s) << s;
    EXPECT_EQ(DateTimeText("yyyy-mm-dd hh:nn:ss", UnixTimeToLocal(1262304000)),
              "2010-01-01 08:00:00");
}

TEST_F(TimeZoneTest, SummerTimeUsesTheOffsetInForceAtThatMoment) {
    UseZone("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t winter = 1263600000; // 2010-01-16 00:00 UTC
    const std::int64_t summer = 1279238400; // 2010-07-16 00:00 UTC
    EXPECT_EQ(DateTimeText("hh:nn", UnixTimeToLocal(winter)), "01:00");
    EXPECT_EQ(DateTimeText("hh:nn", UnixTimeToLocal(summer)), "02:00");
    EXPECT_EQ(LocalTimeToUnix(UnixTimeToLocal(summer)), summer);
    EXPECT_EQ(LocalTimeToUnix(UnixTimeToLocal(winter)), winter);
}

TEST(DateTimeText, FormatsAsTheProbeShowsTimes) {
    // 2009-02-13 23:31:30.250 as a day count.
    const TDateTime value = 25569.0 + (1234567890.25 / 86400.0);
    EXPECT_EQ(DateTimeText("yyyy-mm-dd hh:nn:ss", value), "2009-02-13 23:31:30");
}

TEST(SeekFlagsToAV, OrsTheLibraryBits) {
    const std::pair<TSeekFlags, int> cases[] = {
        { {}, 0 },
        { { sfBackward }, 1 },
        { { sfByte }, 2 },
        { { sfAny }, 4 },
        { { sfFrame }, 8 },
        { { sfBackward, sfAny }, 5 },
        { { sfBackward, sfByte, sfAny, sfFrame }, 15 },
    };
    for (const auto& [flags, bits] : cases)
        EXPECT_EQ(SeekFlagsToAV(flags), bits);
}

TEST(PumpMessages, DropsQuitAndDispatchesTheRest) {
    win::PostMessage(nullptr, win::WM_USER + 1, 0, 0);
    win::PostMessage(nullptr, win::WM_QUIT, 0, 0);
    win::PostMessage(nullptr, win::WM_USER + 2, 0, 0);
    PumpMessages();
    win::MSG msg;
    EXPECT_FALSE(win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE));
}

} // namespace
