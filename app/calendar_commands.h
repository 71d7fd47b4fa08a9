#pragma once
// TKalendar's commands over the program state.
namespace omvera {

struct State;

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
