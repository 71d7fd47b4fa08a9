#pragma once
// TKalendar's work: the transit table (the transits to the birth chart for every day of a
// range) and the fatigue calendar, both written into the main window's text view.
#include "calendars/calendar_form.h"

#include <optional>
#include <string>
#include <string_view>

namespace omvera {

struct State;
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

// The dialog became active: Date 1 today, Date 2 seven days later.
void FormActivate(KalendarForm& form, const LocalNow& today);

// "Расчет ": reads both date fields into state.CalendarDates (a text that is not a date
// throws Error naming its field, and nothing changes), shows the warning label when Date 2 is
// before Date 1, hides the dialog, then runs the fatigue calendar when ChartKind is
// "Усталость" and the transit table otherwise.
void KalendarButton3Click(State& state);

// The transit table from the day after Date 1 through the day after Date 2 (a single day
// when Date 2 is not after Date 1): each day is written into TID2's date (hour and minute
// stay), listed with its weekday and followed by its transit aspect list.
void TransitTable(State& state);

// The fatigue calendar of the person of TID1 over Date 1 .. Date 2; nothing unless
// ChartKind is "Усталость".
void FatigueCalendar(State& state);

} // namespace omvera
