#include "Conventions.h"

#include <cmath>

namespace gb {
namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian), after H. Hinnant.
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long yy = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yy + (m <= 2));
}

constexpr long kEpochOffset = 25569; // 1970-01-01 as a day count from 1899-12-30

} // namespace

double DateFromParts(const DateParts& p) {
    double days = double(DaysFromCivil(p.year, unsigned(p.month), unsigned(p.day)) + kEpochOffset);
    double fraction = (p.hour * 3600.0 + p.minute * 60.0 + p.second) / 86400.0;
    // Before 1899-12-30 the fraction counts away from zero, as the stored format has it.
    return days < 0 ? days - fraction : days + fraction;
}

DateParts PartsFromDate(double date) {
    double whole = std::trunc(date);
    double fraction = std::fabs(date - whole);
    long seconds = std::lround(fraction * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += date < 0 ? -1 : 1;
    }
    DateParts p;
    CivilFromDays(long(whole) - kEpochOffset, p.year, p.month, p.day);
    p.hour = int(seconds / 3600);
    p.minute = int(seconds / 60 % 60);
    p.second = int(seconds % 60);
    return p;
}

double DateFromTime(std::time_t time) {
    std::tm local {};
    localtime_r(&time, &local);
    return DateFromParts({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec});
}

double DateNow() { return DateFromTime(std::time(nullptr)); }

} // namespace gb
