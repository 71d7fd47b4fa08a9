#include "astro/directions.h"

#include "astro/chart_moment.h"
#include "base/errors.h"
#include "base/numbers.h"

#include <cstdio>

namespace omvera {
namespace {

bool IsDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

} // namespace

CalendarDay ParseDirectionDate(std::string_view text) {
    const Error bad("«" + std::string(text) + "» — не дата: нужна дата вида ДД.ММ.ГГГГ");
    const std::string_view s = Trimmed(text);
    const auto dot1 = s.find('.');
    const auto dot2 = dot1 == std::string_view::npos ? dot1 : s.find('.', dot1 + 1);
    if (dot2 == std::string_view::npos) throw bad;
    const std::string_view d = s.substr(0, dot1), m = s.substr(dot1 + 1, dot2 - dot1 - 1),
                           y = s.substr(dot2 + 1);
    if (!IsDigits(d) || !IsDigits(m) || !IsDigits(y) || d.size() > 2 || m.size() > 2 ||
        y.size() != 4)
        throw bad;
    CalendarDay date{static_cast<int>(*ParseInteger(d)), static_cast<int>(*ParseInteger(m)),
                     static_cast<int>(*ParseInteger(y))};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.month, date.year))
        throw bad;
    return date;
}

std::string FormatDirectionDate(const CalendarDay& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", date.day, date.month, date.year);
    return buf;
}

double DirectionIncrement(const CalendarDay& target, const CalendarDay& birth) {
    const double jt = JulianDay(target.day, target.month, target.year);
    const double jb = JulianDay(birth.day, birth.month, birth.year);
    return (jt - jb) / 365.25;
}

double DirectedLongitude(double radix, double increment) {
    double v = radix + increment;
    while (v > 360) v -= 360;
    while (v < 0) v += 360;
    return v;
}

Directions DirectChart(const BodyArray& radixBodies, const CuspArray& radixCusps,
                       double increment) {
    Directions d;
    d.increment = increment;
    d.radixBodies = radixBodies;
    d.radixCusps = radixCusps;
    for (int n = 1; n <= 16; ++n) d.bodies[n] = DirectedLongitude(radixBodies[n], increment);
    for (int q = 1; q <= 12; ++q) d.cusps[q] = DirectedLongitude(radixCusps[q], increment);
    return d;
}

std::vector<std::string> DirectionListing(const Directions& d) {
    std::vector<std::string> lines{"Приращение =   " + FormatFixed(d.increment, 6, 2), "   ",
                                   "        Радикс     Дирекция", "   "};
    for (int n = 1; n <= 16; ++n)
        lines.push_back(std::string(BodyLabels[n]) + "  " + FormatFixed(d.radixBodies[n], 6, 2) +
                        "   " + FormatFixed(d.bodies[n], 6, 2));
    lines.insert(lines.end(), {"  Дома ", "        Радикс     Дирекция", "   "});
    for (int q = 1; q <= 12; ++q)
        lines.push_back(std::string(HouseLabels[q]) + "   " + FormatFixed(d.radixCusps[q], 6, 2) +
                        "   " + FormatFixed(d.cusps[q], 6, 2));
    return lines;
}

} // namespace omvera
