#pragma once
// Flags and dates as the files store them: a flag is a 16-bit -1 (true) or 0 (false);
// a date is a day count from 1899-12-30 with the time of day as the fraction.
#include <cstdint>
#include <ctime>

namespace gb {

constexpr int16_t FlagOf(bool value) { return value ? -1 : 0; }
constexpr bool BoolOf(int16_t flag) { return flag != 0; }

struct DateParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

double DateFromParts(const DateParts& parts);
DateParts PartsFromDate(double date);
// The local time now, and a file time (seconds since 1970) as local time.
double DateNow();
double DateFromTime(std::time_t time);

} // namespace gb
