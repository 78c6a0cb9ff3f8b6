#include "Src/MyUtils/LocalTime.h"

#include "platform/rtl/Format.h"

#include <cmath>
#include <ctime>

namespace {

constexpr double kUnixEpochDays = 25569.0;

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
    const double totalMs = std::nearbyint((value - kUnixEpochDays) * 86400000.0);
    const std::time_t seconds = std::time_t(std::floor(totalMs / 1000.0));
    const int millis = int(totalMs - double(seconds) * 1000.0);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    struct Token {
        const char* Text;
        int Value;
        const char* Format;
    };
    const Token tokens[] = {
        { "yyyy", parts.tm_year + 1900, "%.4d" }, { "yy", (parts.tm_year + 1900) % 100, "%.2d" },
        { "mm", parts.tm_mon + 1, "%.2d" },       { "dd", parts.tm_mday, "%.2d" },
        { "hh", parts.tm_hour, "%.2d" },          { "nn", parts.tm_min, "%.2d" },
        { "ss", parts.tm_sec, "%.2d" },           { "zzz", millis, "%.3d" },
    };
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        const Token* match = nullptr;
        for (const Token& token : tokens)
            if (format.compare(i, std::char_traits<char>::length(token.Text), token.Text) == 0) {
                match = &token;
                break;
            }
        if (match) {
            text += Format(match->Format, match->Value);
            i += std::char_traits<char>::length(match->Text);
        } else {
            text += format[i++];
        }
    }
    return text;
}
