#pragma once
#include <cstdint>
#include <string>

// Date-times are day counts since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

// The local time zone's offset from UTC in days, now.
double LocalTimeBias();
// Each conversion uses the offset in force at that moment, so summer times come out right.
TDateTime UnixTimeToLocal(std::int64_t seconds);
std::int64_t LocalTimeToUnix(TDateTime value);
// yyyy, yy, mm, dd, hh, nn (minutes), ss and zzz; other characters are copied.
std::string DateTimeText(const std::string& format, TDateTime value);
