#include "calendars/calendar.h"

#include "astro/names.h"
#include "base/errors.h"
#include "input/chart_form.h"

#include <cmath>

namespace omvera {
namespace {

constexpr int kFirstYear = 1880;
constexpr int kLastYear = 2050;

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int m, int y) {
    static constexpr int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m];
}

// A run of 1..maxDigits digits from `at`; advances `at` past it.
std::optional<int> Digits(std::string_view text, size_t& at, size_t minDigits, size_t maxDigits) {
    size_t n = 0;
    int value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && n < maxDigits) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++n;
    }
    if (n < minDigits) return std::nullopt;
    return value;
}

} // namespace

DayMonthYear ReadDateField(const std::string& text, const char* field) {
    if (auto date = ParseShortDate(text)) return *date;
    throw Error("Поле «" + std::string(field) + "»: \"" + text +
                "\" не является датой. Введите дату в виде ДД.ММ.ГГГГ, год от " +
                std::to_string(kFirstYear) + " до " + std::to_string(kLastYear) + ".");
}

double WholeDay(const DayMonthYear& d) {
    return JulianDay(d.day, d.month, d.year);
}

// The calendar date of a whole-day Julian day (rounding error never shows the day before).
DayMonthYear DateOf(double jd) {
    const CalendarDate c = CalendarFromJulianDay(jd + 1.0 / 86400000);
    return {static_cast<int>(std::trunc(c.day)), static_cast<int>(std::trunc(c.month)),
            static_cast<int>(std::trunc(c.year))};
}

std::optional<DayMonthYear> ParseShortDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    size_t at = 0;
    DayMonthYear d;
    const auto day = Digits(text, at, 1, 2);
    if (!day || at >= text.size() || text[at++] != '.') return std::nullopt;
    const auto month = Digits(text, at, 1, 2);
    if (!month || at >= text.size() || text[at++] != '.') return std::nullopt;
    const auto year = Digits(text, at, 4, 4);
    if (!year || at != text.size()) return std::nullopt;
    d = {*day, *month, *year};
    if (d.year < kFirstYear || d.year > kLastYear || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > DaysInMonth(d.month, d.year))
        return std::nullopt;
    return d;
}

std::string FormatShortDate(const DayMonthYear& d) {
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return two(d.day) + "." + two(d.month) + "." + std::to_string(d.year);
}

std::string TwoDigitMonth(int month) {
    if (month < 1 || month > 12) return "00";
    return (month < 10 ? "0" : "") + std::to_string(month);
}

void FormActivate(KalendarForm& form, const LocalNow& today) {
    const DayMonthYear now{today.Day, today.Month, today.Year};
    form.DateEdit1 = FormatShortDate(now);
    form.DateEdit2 = FormatShortDate(DateOf(WholeDay(now) + 7));
}

} // namespace omvera
