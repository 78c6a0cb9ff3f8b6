#include "Src/MyUtils/LocalTime.h"

#include <cmath>
#include <ctime>

namespace {

constexpr double kUnixEpochDays = UnixDateDelta;

long OffsetAt(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

} // namespace

double LocalTimeBias() {
    return double(OffsetAt(std::time(nullptr))) / 86400.0;
}

TDateTime UnixTimeToLocal(std::int64_t seconds) {
    return kUnixEpochDays + double(seconds + OffsetAt(std::time_t(seconds))) / 86400.0;
}

std::int64_t LocalTimeToUnix(TDateTime value) {
    // The wall-clock seconds, broken down as if they were UTC, then read back as local time.
    const std::time_t wall = std::time_t(std::nearbyint((value - kUnixEpochDays) * 86400.0));
    std::tm parts{};
    gmtime_r(&wall, &parts);
    parts.tm_isdst = -1;
    return std::int64_t(mktime(&parts));
}

std::string DateTimeText(const std::string& format, TDateTime value) {
    return FormatDateTime(format, value);
}
