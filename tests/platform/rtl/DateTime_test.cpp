#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"

#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace {

// 2024-07-01 12:00 UTC and 2024-01-15 12:00 UTC.
constexpr std::time_t kSummer = 1719835200;
constexpr std::time_t kWinter = 1705320000;

} // namespace

TEST(DateTime, DatesEncodeAsDaysSinceTheEpochAndDecodeBack) {
    struct Case {
        int year, month, day;
        double days;
    };
    const Case kCases[] = {
        { 1899, 12, 30, 0 },       { 1899, 12, 29, -1 },   { 1900, 1, 1, 2 },
        { 1900, 3, 1, 61 },        { 1970, 1, 1, 25569 },  { 2000, 1, 1, 36526 },
        { 2000, 2, 29, 36585 },    { 2024, 2, 29, 45351 }, { 1, 1, 1, -693593 },
        { 9999, 12, 31, 2958465 },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.days) << c.year << "-" << c.month;
        // Before day 0 the time of day counts away from zero: 1899-12-29 18:00 is -1.75.
        const TDateTime evening = c.days < 0 ? c.days - 0.75 : c.days + 0.75;
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
        DecodeDate(evening, y, m, d);
        DecodeTime(evening, h, n, s, z);
        EXPECT_EQ(h, 18);
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }
}

TEST(DateTime, OutOfRangeValuesAreRefused) {
    const int kDates[][3] = { { 2023, 2, 29 }, { 1900, 2, 29 }, { 2023, 4, 31 }, { 2023, 13, 1 },
                              { 2023, 0, 1 },  { 2023, 1, 0 },  { 0, 1, 1 },     { 10000, 1, 1 } };
    for (const auto& d : kDates) {
        try {
            EncodeDate(d[0], d[1], d[2]);
            ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2] << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    const int kTimes[][4] = {
        { 24, 0, 0, 0 }, { 0, 60, 0, 0 }, { 0, 0, 60, 0 }, { 0, 0, 0, 1000 }, { -1, 0, 0, 0 }
    };
    for (const auto& t : kTimes) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3] << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to time encode");
        }
    }
}

TEST(DateTime, TimesRoundTripToTheMillisecond) {
    const int kTimes[][4] = {
        { 0, 0, 0, 0 }, { 12, 0, 0, 0 }, { 23, 59, 59, 999 }, { 6, 30, 15, 250 }, { 13, 5, 7, 1 }
    };
    for (const auto& t : kTimes) {
        const TDateTime value = EncodeDate(2024, 3, 31) + EncodeTime(t[0], t[1], t[2], t[3]);
        int h = -1, n = -1, s = -1, z = -1;
        DecodeTime(value, h, n, s, z);
        EXPECT_EQ(h, t[0]);
        EXPECT_EQ(n, t[1]);
        EXPECT_EQ(s, t[2]);
        EXPECT_EQ(z, t[3]);
    }
}

TEST(DateTime, ATimeThatRoundsToMidnightStartsTheNextDay) {
    const TDateTime almost = EncodeDate(2023, 12, 31) + 0.9999999999;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", almost), "2024-01-01 00:00:00.000");
}

TEST(DateTime, FormatsThePatternsTheSystemUses) {
    const TDateTime value = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case kCases[] = {
        { "yyyy-mm-dd hh:nn:ss", "2024-03-05 14:07:09" },
        { "yyyy/mm/dd hh:nn:ss.zzz", "2024/03/05 14:07:09.045" },
        { "yy/m/d h:n:s.z", "24/3/5 14:7:9.45" },
        { "YYYYMMDD_HHNNSS", "20240305_140709" },
        { "hh:mm", "14:07" },
        { "h:mm am/pm", "2:07 pm" },
        { "h:mm A/P", "2:07 P" },
        { "ddd d mmm yyyy", "Tue 5 Mar 2024" },
        { "dddd, mmmm dd", "Tuesday, March 05" },
        { "'at' hh 'o''clock'", "at 14 oclock" },
        { "\"yyyy\" yyyy", "yyyy 2024" },
        { "", "" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(FormatDateTime(c.format, value), c.expected) << c.format;
    EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
}

TEST(DateTime, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1); // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 9)), 7); // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);
}

TEST(DateTime, OffsetFollowsDaylightSavingTime) {
    struct Case {
        const char* zone;
        std::time_t at;
        int offset;
        int standard;
    };
    const Case kCases[] = {
        { "Europe/Berlin", kSummer, 120, 60 },
        { "Europe/Berlin", kWinter, 60, 60 },
        { "Asia/Shanghai", kSummer, 480, 480 },
        { "America/New_York", kSummer, -240, -300 },
        { "UTC", kWinter, 0, 0 },
    };
    for (const auto& c : kCases) {
        ScopedEnv tz("TZ", c.zone);
        EXPECT_EQ(LocalTimeOffsetMinutes(c.at), c.offset) << c.zone;
        EXPECT_EQ(LocalStandardTimeOffsetMinutes(c.at), c.standard) << c.zone;
    }
}

TEST(DateTime, FileTimesBecomeLocalDateTimes) {
    {
        ScopedEnv tz("TZ", "UTC");
        EXPECT_EQ(FileTimeToDateTime(0), UnixDateDelta);
    }
    {
        ScopedEnv tz("TZ", "Asia/Shanghai");
        EXPECT_NEAR(FileTimeToDateTime(0), UnixDateDelta + 480.0 / 1440.0, 1e-9);
    }
    ScopedEnv tz("TZ", "Europe/Berlin");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", FileTimeToDateTime(kSummer)),
              "2024-07-01 14:00:00");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", FileTimeToDateTime(kWinter)),
              "2024-01-15 13:00:00");
}

TEST(DateTime, NowIsTheLocalClock) {
    ScopedEnv tz("TZ", "Asia/Shanghai");
    const std::time_t before = std::time(nullptr);
    const TDateTime now = Now();
    const std::time_t after = std::time(nullptr);
    EXPECT_GE(now, FileTimeToDateTime(before));
    EXPECT_LE(now, FileTimeToDateTime(after + 1));
    EXPECT_EQ(Date(), std::trunc(now)) << "unless the test ran across midnight";
    EXPECT_GE(Time(), 0.0);
    EXPECT_LT(Time(), 1.0);
}
