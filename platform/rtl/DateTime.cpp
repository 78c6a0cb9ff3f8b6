#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exception.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::int64_t kMSecsPerDay = 86400000;

// Calendar arithmetic on the proleptic Gregorian calendar, days counted from 1970-01-01.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(std::int64_t(yoe) + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The day number and the milliseconds into that day. A negative value keeps the class
// library's reading: the whole part is the day, the fraction's size is the time of day.
struct DayAndTime {
    std::int64_t Day;
    std::int64_t MSec;
};

DayAndTime Split(TDateTime value) {
    std::int64_t day = std::int64_t(std::trunc(value));
    std::int64_t msec = std::llround(std::fabs(value - double(day)) * double(kMSecsPerDay));
    if (msec >= kMSecsPerDay) {
        msec -= kMSecsPerDay;
        day += value < 0 ? -1 : 1;
    }
    return { day, msec };
}

TDateTime FromLocalTm(const std::tm& local, long nanoseconds) {
    const double days = double(DaysFromCivil(local.tm_year + 1900, unsigned(local.tm_mon + 1),
                                             unsigned(local.tm_mday))) +
                        UnixDateDelta;
    const double msec = double(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000) +
                        double(nanoseconds / 1000000);
    return days + msec / double(kMSecsPerDay);
}

std::tm LocalTm(std::time_t at) {
    // localtime_r need not notice a changed TZ by itself.
    ::tzset();
    std::tm local{};
    ::localtime_r(&at, &local);
    return local;
}

const char* const kShortDayNames[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
const char* const kLongDayNames[] = { "Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday" };
const char* const kShortMonthNames[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
const char* const kLongMonthNames[] = { "January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December" };

std::string Number(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* word) {
    for (std::size_t i = 0; word[i]; ++i) {
        if (at + i >= text.size()) return false;
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    }
    return true;
}

bool UsesTwelveHours(const std::string& format) {
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p")) {
            return true;
        }
    }
    return false;
}

} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        throw EConvertError("Invalid argument to date encode");
    return double(DaysFromCivil(year, unsigned(month), unsigned(day))) + UnixDateDelta;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    return double(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) / double(kMSecsPerDay);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    CivilFromDays(Split(value).Day - std::int64_t(UnixDateDelta), year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
    const std::int64_t msec = Split(value).MSec;
    hour = int(msec / 3600000);
    minute = int(msec / 60000 % 60);
    second = int(msec / 1000 % 60);
    millisecond = int(msec % 1000);
}

int DayOfWeek(TDateTime value) {
    // Day 0 (1899-12-30) was a Saturday.
    const std::int64_t day = Split(value).Day;
    return int(((day + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return FromLocalTm(LocalTm(now.tv_sec), now.tv_nsec);
}

TDateTime Date() {
    return std::trunc(Now());
}

TDateTime Time() {
    const TDateTime now = Now();
    return now - std::trunc(now);
}

std::string FormatDateTime(const std::string& format, TDateTime value) {
    int year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    const bool twelveHours = UsesTwelveHours(format);

    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char lower = char(std::tolower(static_cast<unsigned char>(c)));
        std::size_t run = 1;
        while (i + run < format.size() &&
               std::tolower(static_cast<unsigned char>(format[i + run])) == lower)
            ++run;

        if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string::npos ? format.size() : close;
            out.append(format, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (StartsWithNoCase(format, i, "am/pm")) {
            out += hour < 12 ? format.substr(i, 2) : format.substr(i + 3, 2);
            i += 5;
            continue;
        }
        if (StartsWithNoCase(format, i, "a/p")) {
            out += hour < 12 ? format.substr(i, 1) : format.substr(i + 2, 1);
            i += 3;
            continue;
        }
        switch (lower) {
        case 'y':
            out += run <= 2 ? Number(year % 100, 2) : Number(year, 4);
            break;
        case 'm':
            run = std::min<std::size_t>(run, afterHour ? 2 : 4);
            if (afterHour)
                out += Number(minute, run == 2 ? 2 : 1);
            else if (run <= 2)
                out += Number(month, int(run));
            else
                out += (run == 3 ? kShortMonthNames : kLongMonthNames)[month - 1];
            break;
        case 'd':
            run = std::min<std::size_t>(run, 4);
            if (run <= 2)
                out += Number(day, int(run));
            else
                out += (run == 3 ? kShortDayNames : kLongDayNames)[DayOfWeek(value) - 1];
            break;
        case 'h': {
            run = std::min<std::size_t>(run, 2);
            int shown = hour;
            if (twelveHours) shown = hour % 12 == 0 ? 12 : hour % 12;
            out += Number(shown, int(run));
            break;
        }
        case 'n':
            run = std::min<std::size_t>(run, 2);
            out += Number(minute, int(run));
            break;
        case 's':
            run = std::min<std::size_t>(run, 2);
            out += Number(second, int(run));
            break;
        case 'z':
            run = std::min<std::size_t>(run, 3);
            out += Number(msec, run == 3 ? 3 : 1);
            break;
        case '/':
            out.append(run, '/');
            break;
        case ':':
            out.append(run, ':');
            break;
        default:
            out.append(format, i, run);
            break;
        }
        // "mm" means minutes right after an hour, separators and spaces between them allowed.
        if (lower == 'h')
            afterHour = true;
        else if (std::isalpha(static_cast<unsigned char>(c)))
            afterHour = false;
        i += run;
    }
    return out;
}

int LocalTimeOffsetMinutes(std::time_t at) {
    return int(LocalTm(at).tm_gmtoff / 60);
}

int LocalStandardTimeOffsetMinutes(std::time_t at) {
    // The standard offset is the one in force at a moment of the same year without daylight
    // saving time; a zone that never shifts has it all year.
    std::tm local = LocalTm(at);
    if (!local.tm_isdst) return int(local.tm_gmtoff / 60);
    for (int month : { 0, 6 }) {
        std::tm probe{};
        probe.tm_year = local.tm_year;
        probe.tm_mon = month;
        probe.tm_mday = 1;
        probe.tm_hour = 12;
        probe.tm_isdst = -1;
        const std::time_t moment = ::mktime(&probe);
        const std::tm there = LocalTm(moment);
        if (!there.tm_isdst) return int(there.tm_gmtoff / 60);
    }
    return int(local.tm_gmtoff / 60);
}

TDateTime FileTimeToDateTime(std::time_t fileTime) {
    return FromLocalTm(LocalTm(fileTime), 0);
}
