#include "calendars/fatigue.h"

#include "astro/chart_moment.h"
#include "base/numbers.h"

#include <cmath>

namespace omvera {
namespace {

constexpr long double kPi = 3.14159265358979L;

} // namespace

std::array<int, 5> FatigueFlags(long double t) {
    std::array<int, 5> f{};
    for (int n = 1; n <= 4; ++n) {
        const long double h = kFatigueHalfPeriods[n];
        const long double s0 = std::sin(kPi * t / h);
        const long double s1 = std::sin(kPi * (t + 1) / h);
        f[n] = s0 * s1 >= 0 ? 1 : 0;
    }
    return f;
}

int FatigueDays(FatigueRecords& records, double endDay, double startDay, double birthDay) {
    records.fill(FatigueRecord{});
    int count = 1;
    long double t = static_cast<long double>(startDay) - birthDay;
    double day = startDay;
    while (true) {
        const std::array<int, 5> f = FatigueFlags(t);
        const int firstThreeTurning = (f[1] == 0) + (f[2] == 0) + (f[3] == 0);
        if (firstThreeTurning == 3 || f[4] == 0 || firstThreeTurning == 2) {
            records[count].t = t;
            records[count].f = f;
            ++count;
        }
        t += 1;
        day += 1;
        if (day == endDay || count > kFatigueCapacity) break;
    }
    return count - 1;
}

std::vector<std::string> FatigueLines(const FatigueRecords& records, int count, double birthDay,
                                      const std::string& name) {
    std::vector<std::string> lines{"Дни усталости организма " + name,
                                   "  Дата            Ф1       Ф2      Ф3      T2"};
    for (int k = 1; k <= count && k <= kFatigueCapacity; ++k) {
        const FatigueRecord& r = records[k];
        // The start of a whole day: the sum is brought back onto the day's boundary so that
        // rounding in t never shows the day before.
        const double jd = std::round(static_cast<double>(r.t + birthDay) - 0.5) + 0.5;
        const CalendarDate c = CalendarFromJulianDay(jd);
        std::string line = "  " + FormatFixed(c.day, 2, 0) + "." + FormatFixed(c.month, 2, 0) +
                           "." + FormatFixed(c.year, 4, 0);
        for (int n = 1; n <= 4; ++n) line += "       " + std::to_string(r.f[n]);
        if (r.f[1] == 0 && r.f[2] == 0 && r.f[3] == 0)
            line += "  конец/начало Биологич. Цикла Организма";
        lines.push_back(line);
    }
    return lines;
}

} // namespace omvera
