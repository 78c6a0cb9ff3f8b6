#pragma once
#include <ctime>
#include <string>

// A moment as days since 1899-12-30 00:00; the fraction is the time of day. Local time unless a
// function says otherwise.
using TDateTime = double;

// Days from 1899-12-30 to 1970-01-01.
constexpr TDateTime UnixDateDelta = 25569.0;

// Both raise EConvertError ("Invalid argument to date encode" / "... time encode") for values
// outside the calendar or the clock.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
// A time of day that rounds up to midnight counts as the start of the next day.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
// 1 for Sunday to 7 for Saturday.
int DayOfWeek(TDateTime value);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Formats with the class library's patterns: y yy yyyy, m mm mmm mmmm (minutes right after an
// hour), d dd ddd dddd, h hh, n nn, s ss, z zzz, am/pm and a/p (12-hour clock), "/" and ":"
// as the date and time separators, text in '...' or "..." as it is; anything else is copied.
std::string FormatDateTime(const std::string& format, TDateTime value);

// The local time zone's offset from UTC in minutes at the given moment, daylight saving time
// included (Berlin in summer: 120), and the same zone's standard offset (Berlin: 60 all year).
int LocalTimeOffsetMinutes(std::time_t at);
int LocalStandardTimeOffsetMinutes(std::time_t at);

// A file time (seconds since 1970 UTC, as stat gives it) as local TDateTime.
TDateTime FileTimeToDateTime(std::time_t fileTime);
