#pragma once
// TKalendar's work: the transit table (the transits to the birth chart for every day of a
// range) and the fatigue calendar, both written into the main window's text view.
#include "calendars/calendar_form.h"

#include <optional>
#include <string>
#include <string_view>

namespace omvera {

struct LocalNow;

struct DayMonthYear {
    int day = 0, month = 0, year = 0;
};

// A date in the short date format "ДД.ММ.ГГГГ" (day and month with one or two digits, the
// year with four), or nothing when the text is no calendar date or its year lies outside
// 1880..2050.
std::optional<DayMonthYear> ParseShortDate(std::string_view text);
// "05.03.2024".
std::string FormatShortDate(const DayMonthYear& date);

// "01".."12" for months 1..12; "00" for any other number.
std::string TwoDigitMonth(int month);

// The text of a date field read as a date; a text that is no date throws Error naming the
// field and the expected form.
DayMonthYear ReadDateField(const std::string& text, const char* field);
// The Julian day of a date's start, and the calendar date of a whole-day Julian day.
double WholeDay(const DayMonthYear& date);
DayMonthYear DateOf(double jd);

// The dialog became active: Date 1 today, Date 2 seven days later.
void FormActivate(KalendarForm& form, const LocalNow& today);

} // namespace omvera
