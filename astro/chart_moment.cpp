#include "astro/chart_moment.h"

#include <algorithm>
#include <cmath>

namespace omvera {

double JulianDay(double day, double month, double year) {
    const double p = std::trunc((month + 9) / 12);
    const double q = std::trunc(7 * (year + p) / 4);
    // 275 * M is exact for a whole month, so the quotient never falls below the exact
    // multiple (M = 9 gives 275).
    const double r = std::trunc(275 * month / 9);
    double jd = 367 * year - q + r + day + 1721013.5;
    // The formula above omits the Gregorian century rule, which 1900 is the only century
    // year of the forms' range to need: without this day every date before 1 March 1900
    // would be one day early.
    if (year < 1900 || (year == 1900 && month < 3)) jd += 1;
    return jd;
}

CalendarDate CalendarFromJulianDay(double jd) {
    const double a = jd + 0.5;
    const double z = std::trunc(a);
    const double f = a - z;
    double A = z;
    if (z >= 2299161) {
        const double alpha = std::trunc((z - 1867216.25) / 36524.25);
        A = z + 1 + alpha - std::trunc(alpha / 4);
    }
    const double B = A + 1524;
    const double yc = std::trunc((B - 122.1) / 365.25);
    const double dc = std::trunc(365.25 * yc);
    const double E = std::trunc((B - dc) / 30.6001);
    CalendarDate out{};
    out.day = B - dc - std::trunc(30.6001 * E) + f;
    out.month = E < 13.5 ? E - 1 : E - 13;
    out.year = out.month > 2.5 ? yc - 4716 : yc - 4715;
    return out;
}

double CenturiesSince1900(double day, double month, double year) {
    return (JulianDay(day, month, year) - 2415020) / 36525;
}

void FoldTimeIntoDay(ChartMoment& m) {
    // The forms allow 23:60, a whole day. Folded as it stands it would make the day the next
    // whole day, and every further fold (each body folds again) would move it on by one more
    // day. Taken as the instant just before midnight (a tenth of a millisecond early) the
    // day keeps its whole part and the fold stays idempotent.
    constexpr double kLastInstant = 1 - 1e-9;
    m.day = std::trunc(m.day) + std::min((m.hour + m.minute / 60) / 24, kLastInstant);
}

} // namespace omvera
