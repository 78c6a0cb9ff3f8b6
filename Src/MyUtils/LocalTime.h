#pragma once
#include "platform/rtl/DateTime.h"

#include <cstdint>
#include <string>

// The local time zone's offset from UTC in days, now.
double LocalTimeBias();
// Each conversion uses the offset in force at that moment, so summer times come out right.
TDateTime UnixTimeToLocal(std::int64_t seconds);
std::int64_t LocalTimeToUnix(TDateTime value);
// The class library's date-time formatting, e.g. "yyyy-mm-dd hh:nn:ss".
std::string DateTimeText(const std::string& format, TDateTime value);
