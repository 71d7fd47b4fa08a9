#include "input/local_time.h"

#include "base/errors.h"
#include "input/chart_form.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>

namespace omvera {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool JulianLeap(int y) {
    return y % 4 == 0;
}
bool GregorianLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int MonthLength(int year, int month, bool julian) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = julian ? JulianLeap(year) : GregorianLeap(year);
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Days since 1970-01-01 (Gregorian) of a Julian-calendar date.
std::int64_t DaysFromJulian(int y, int m, int d) {
    const std::int64_t a = (14 - m) / 12;
    const std::int64_t yy = y + 4800 - a;
    const std::int64_t mm = m + 12 * a - 3;
    const std::int64_t jdn = d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
    return jdn - 2440588; // JDN of 1970-01-01
}

std::string Two(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

std::string Hours(std::int32_t seconds) {
    const std::int32_t a = std::abs(seconds);
    std::string s = std::to_string(a / 3600);
    if (a % 3600 != 0) s += ":" + Two(a % 3600 / 60);
    if (a % 60 != 0) s += ":" + Two(a % 60);
    return s;
}

// The countries whose clocks ran an hour ahead of their zone from the Soviet decree of
// 21 June 1930 until 31 March 1991; Russia brought it back on 19 January 1992.
bool DecreeCountry(const std::string& cc) {
    static const std::set<std::string> kSoviet = {"RU", "UA", "BY", "KZ", "UZ", "KG",
                                                  "TJ", "TM", "AZ", "AM", "GE"};
    return kSoviet.count(cc) != 0;
}

std::string Reason(const PlaceClock& place, const ZoneClock& clock, std::int64_t t) {
    const std::int64_t decreeFrom = DaysFromCivil(1930, 6, 21) * kDay;
    const std::int64_t decreeUntil = DaysFromCivil(1991, 3, 31) * kDay;
    const std::int64_t decreeAgain = DaysFromCivil(1992, 1, 19) * kDay;
    const std::int64_t permanentFrom = DaysFromCivil(2011, 3, 27) * kDay;
    const std::int64_t permanentUntil = DaysFromCivil(2014, 10, 26) * kDay;
    const bool russia = place.countryCode == "RU";
    if (russia && !clock.summer && t >= permanentFrom && t < permanentUntil)
        return "постоянное «летнее» время 2011–2014 гг. (зимой часы не переводились)";
    const bool decree =
        DecreeCountry(place.countryCode) &&
        ((t >= decreeFrom && t < decreeUntil) || (russia && t >= decreeAgain && t < permanentFrom));
    if (clock.summer) return decree ? "летнее время (декретное время + 1 ч)" : "летнее время";
    if (decree) return "декретное время (поясное время + 1 ч)";
    return "стандартное (поясное) время";
}

} // namespace

std::int64_t InstantOf(const CivilDateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kDay + t.hour * 3600 + t.minute * 60;
}

CivilDateTime CivilOf(std::int64_t instant) {
    const std::int64_t minutes = FloorDiv(instant + 30, 60);
    const std::int64_t days = FloorDiv(minutes, 1440);
    const std::int64_t rest = minutes - days * 1440;
    std::int64_t year;
    CivilDateTime t;
    CivilFromDays(days, year, t.month, t.day);
    t.year = static_cast<int>(year);
    t.hour = static_cast<int>(rest / 60);
    t.minute = static_cast<int>(rest % 60);
    return t;
}

namespace {

// Whole numbers of 1..`widths` digits separated by `sep`.
std::optional<std::vector<int>> Groups(const std::string& text, char sep,
                                       const std::vector<std::size_t>& widths) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    const std::string s = text.substr(b, text.find_last_not_of(' ') - b + 1);
    std::vector<int> out;
    std::size_t start = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        std::size_t end = k + 1 < widths.size() ? s.find(sep, start) : s.size();
        if (end == std::string::npos) return {};
        const std::string g = s.substr(start, end - start);
        if (g.empty() || g.size() > widths[k]) return {};
        for (char c : g)
            if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        out.push_back(std::stoi(g));
        start = end + 1;
    }
    return out;
}

} // namespace

std::optional<CivilDateTime> ParseDateTime(const std::string& date, const std::string& time) {
    const auto d = Groups(date, '.', {2, 2, 4});
    const auto t = Groups(time, ':', {2, 2});
    if (!d || !t) return {};
    return CivilDateTime{(*d)[2], (*d)[1], (*d)[0], (*t)[0], (*t)[1]};
}

void CheckDateTime(const CivilDateTime& t, bool julian) {
    const std::string date =
        std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year);
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > MonthLength(t.year, t.month, julian))
        throw Error("Нет такой даты" + std::string(julian ? " по старому стилю" : "") + ": " +
                    date);
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59)
        throw Error("Нет такого времени суток: " + std::to_string(t.hour) + ":" + Two(t.minute));
}

CivilDateTime NewStyleOf(const CivilDateTime& old) {
    CheckDateTime(old, true);
    if (old.year > 1918 || (old.year == 1918 && (old.month > 1)))
        throw Error("По старому стилю в России писали даты до 31 января 1918 года включительно; "
                    "следующим днём было 14 февраля 1918 года по новому стилю");
    std::int64_t year;
    CivilDateTime t = old;
    CivilFromDays(DaysFromJulian(old.year, old.month, old.day), year, t.month, t.day);
    t.year = static_cast<int>(year);
    return t;
}

int OldStyleLag(const CivilDateTime& old) {
    NewStyleOf(old); // checks the date
    // The same day numbers read in both calendars; Julian 29 February 1900 reads as
    // 1 March in the Gregorian count, which still gives its lag of 12 days.
    return static_cast<int>(DaysFromJulian(old.year, old.month, old.day) -
                            DaysFromCivil(old.year, old.month, old.day));
}

ClockReading ClockAt(const PlaceClock& place, std::int64_t t) {
    const ZoneClock c = place.zone->At(t);
    ClockReading r;
    r.universal = t;
    r.offset = c.offset;
    r.summer = c.summer;
    r.abbreviation = c.abbreviation;
    // Summer time counted from a standard offset (Moscow, July 1919) is kept as it is.
    const bool standardSummer = c.summer && c.offset % 900 == 0;
    if (t < place.zone->StandardTimeSince() && !standardSummer) {
        // Before standard time every town kept its own mean solar time: 4 minutes of clock
        // per degree of longitude. Summer time of those years came on top of it.
        const auto mean = static_cast<std::int32_t>(std::lround(place.longitude * 240.0));
        const std::int32_t extra =
            c.summer ? static_cast<std::int32_t>(
                           std::lround((c.offset - place.zone->FirstClock().offset) / 900.0) * 900)
                     : 0;
        r.offset = mean + extra;
        r.meanTime = true;
        r.abbreviation = "LMT";
        const double a = std::fabs(place.longitude);
        const int minutes = static_cast<int>(std::lround(a * 60));
        r.reason = "местное среднее солнечное время по долготе города (" +
                   std::to_string(minutes / 60) + "°" + Two(minutes % 60) + "′ " +
                   (place.longitude < 0 ? "з.д." : "в.д.") + "): поясное время ещё не введено";
        if (extra != 0) r.reason += "; летнее время (+" + Hours(extra) + " ч)";
        return r;
    }
    r.reason = Reason(place, c, t);
    return r;
}

LocalTimeResult ToUniversal(const PlaceClock& place, const CivilDateTime& local) {
    CheckDateTime(local, false);
    const std::int64_t l = InstantOf(local);
    // Every offset the place had within a day and a half of the time is a candidate; a
    // candidate holds when the clock at the instant it gives has that very offset.
    std::set<std::int32_t> offsets;
    for (int h = -36; h <= 36; ++h) offsets.insert(ClockAt(place, l + h * 3600).offset);
    LocalTimeResult out;
    for (std::int32_t o : offsets) {
        const ClockReading r = ClockAt(place, l - o);
        if (r.offset == o) out.readings.push_back(r);
    }
    std::sort(
        out.readings.begin(), out.readings.end(),
        [](const ClockReading& a, const ClockReading& b) { return a.universal < b.universal; });
    if (out.readings.size() == 1) return out;
    if (out.readings.size() > 1) {
        out.kind = LocalTimeCase::Ambiguous;
        out.readings.erase(out.readings.begin() + 2, out.readings.end());
        out.readings[0].reason += "; часы потом переведены назад: это время было дважды, "
                                  "это первое (раньше)";
        out.readings[1].reason += "; после перевода часов назад: это время было дважды, "
                                  "это второе (позже)";
        return out;
    }
    // The clocks jumped over this time: read it by the clock before and after the jump.
    out.kind = LocalTimeCase::Missing;
    for (const std::int64_t probe : {l - kDay, l + kDay}) {
        // The clock of the side it belongs to, at the instant the time would have had.
        ClockReading r = ClockAt(place, probe);
        const std::int32_t o = r.offset;
        r.universal = l - o;
        r.reason = std::string(probe < l ? "по часам до перевода" : "по часам после перевода") +
                   " (" + FormatOffset(o) + "): часы переведены вперёд, этого времени не было";
        out.readings.push_back(r);
    }
    return out;
}

ClockReading ToUniversalWithOffset(const CivilDateTime& local, std::int32_t offset) {
    CheckDateTime(local, false);
    ClockReading r;
    r.offset = offset;
    r.universal = InstantOf(local) - offset;
    r.reason = "смещение задано вручную";
    return r;
}

std::string FormatOffset(std::int32_t offset) {
    return std::string("UTC") + (offset < 0 ? "-" : "+") + Hours(offset);
}

std::optional<std::int32_t> ParseOffset(const std::string& text) {
    std::string s = text;
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    if (s.rfind("UTC", 0) == 0 || s.rfind("GMT", 0) == 0) s = s.substr(3);
    int sign = 1;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) sign = s[0] == '-' ? -1 : 1;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s = s.substr(1);
    if (s.empty()) return {};
    std::int32_t total = 0;
    std::size_t i = 0;
    for (int part = 0; part < 3 && i <= s.size(); ++part) {
        std::size_t end = s.find(':', i);
        if (end == std::string::npos) end = s.size();
        const std::string g = s.substr(i, end - i);
        if (g.empty() || g.size() > 2) return {};
        for (char c : g)
            if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        const int v = std::stoi(g);
        if (part > 0 && v > 59) return {};
        total += v * (part == 0 ? 3600 : part == 1 ? 60 : 1);
        i = end + 1;
        if (end == s.size()) break;
        if (part == 2) return {};
    }
    if (total > 15 * 3600) return {};
    return sign * total;
}

std::string FormNotation(double degrees) {
    const long total = std::lround(std::fabs(degrees) * 60);
    std::string s = (degrees < 0 && total > 0) ? "-" : "";
    return s + std::to_string(total / 60) + "." + Two(static_cast<int>(total % 60));
}

std::optional<double> DegreesOfFormNotation(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long whole = 0, minutes = 0;
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 4) {
        whole = whole * 10 + (text[i++] - '0');
        ++digits;
    }
    if (digits == 0) return {};
    if (i < text.size()) {
        if (text[i++] != '.') return {};
        const std::string m = text.substr(i);
        if (m.empty() || m.size() > 2) return {};
        for (char c : m)
            if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        // "55.4" means 55°40′, as the number 55.40 would.
        minutes = std::stol(m) * (m.size() == 1 ? 10 : 1);
        if (minutes > 59) return {};
    }
    const double v = static_cast<double>(whole) + static_cast<double>(minutes) / 60.0;
    return negative ? -v : v;
}

void WriteToForm(ChartForm& form, std::int64_t universal, double latitude, double longitude) {
    const CivilDateTime t = CivilOf(universal);
    if (t.year < 1880 || t.year > 2050)
        throw Error("Дата по Гринвичу " + std::to_string(t.day) + "." + Two(t.month) + "." +
                    std::to_string(t.year) + " вне пределов формы (1880–2050 гг.)");
    form.SpinEdit1.SetValue(t.year);
    form.SetMonthIndex(t.month - 1);
    form.SpinEdit2.SetValue(t.day);
    form.SpinEdit3.SetValue(t.hour);
    form.SpinEdit4.SetValue(t.minute);
    form.Edit2 = FormNotation(latitude);
    form.Edit3 = FormNotation(longitude);
}

} // namespace omvera
