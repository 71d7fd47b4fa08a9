// TKalendar's commands over the program state: the "Расчет " button, the transit table and the
// fatigue calendar, written into the main window's text view.
#include "app/calendar_commands.h"

#include "app/state.h"
#include "app/transit_commands.h"
#include "astro/chart_moment.h"
#include "astro/names.h"
#include "calendars/calendar.h"
#include "calendars/fatigue.h"

#include <cstdint>

namespace omvera {

void KalendarButton3Click(State& state) {
    const DayMonthYear d1 = ReadDateField(state.Kalendar.DateEdit1, "Дата 1");
    const DayMonthYear d2 = ReadDateField(state.Kalendar.DateEdit2, "Дата2");
    auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    state.CalendarDates = {u16(d1.day), u16(d1.month), u16(d1.year),
                           u16(d2.day), u16(d2.month), u16(d2.year)};
    state.Kalendar.Label5Visible = WholeDay(d2) < WholeDay(d1);
    state.Views.KalendarVisible = false;
    if (state.ChartKind == ChartKindId::Fatigue) {
        FatigueCalendar(state);
        return;
    }
    TransitTable(state);
}

void TransitTable(State& state) {
    const KalendarDates& c = state.CalendarDates;
    const double j1 = JulianDay(c.Day1, c.Month1, c.Year1);
    const double j2 = JulianDay(c.Day2, c.Month2, c.Year2);
    auto& lines = state.Form1.RichEdit1Lines;
    const ChartForm& birth = state.ID1;
    lines.push_back("Транзиты на Радикс " + std::to_string(birth.SpinEdit2.Value()) + "." +
                    TwoDigitMonth(birth.Month()) + "." + std::to_string(birth.SpinEdit1.Value()));
    lines.push_back("  ");
    state.Form1.RichEdit1Visible = true;

    DayMonthYear day = DateOf(j1);
    double n = 0;
    do {
        n = WholeDay(day) + 1;
        day = DateOf(n);
        state.ID2.SpinEdit1.SetValue(day.year);
        state.ID2.SetMonthIndex(day.month - 1);
        state.ID2.SpinEdit2.SetValue(day.day);
        lines.push_back(std::to_string(day.day) + "." + TwoDigitMonth(day.month) + "." +
                        std::to_string(day.year) + "  " +
                        WeekdayName(day.day, day.month, day.year));
        TransitAspectList(state);
    } while (n <= j2);
}

void FatigueCalendar(State& state) {
    const ChartForm& f = state.ID1;
    const double birth =
        JulianDay(f.SpinEdit2.Value() + f.SpinEdit3.Value() / 24.0 + f.SpinEdit4.Value() / 1440.0,
                  f.Month(), f.SpinEdit1.Value());
    if (state.ChartKind != ChartKindId::Fatigue) return;
    const KalendarDates& c = state.CalendarDates;
    const double j1 = JulianDay(c.Day1, c.Month1, c.Year1);
    const double j2 = JulianDay(c.Day2, c.Month2, c.Year2);
    FatigueRecords records;
    const int count = FatigueDays(records, j2, j1, birth);
    for (std::string& line : FatigueLines(records, count, birth, f.Edit1))
        state.Form1.RichEdit1Lines.push_back(std::move(line));
}

} // namespace omvera
