#pragma once
// The moment and place every astronomical result is computed for, the Julian-day
// conversions and the body numbering shared by the whole engine.
#include <array>

namespace omvera {

struct ChartForm;
struct State;

// All fields double; the hour and minute are Greenwich time, latitude north positive,
// longitude east positive, both as the decimal numbers typed into the form.
struct ChartMoment {
    double year = 0, month = 0, day = 0, hour = 0, minute = 0, latitude = 0, longitude = 0;
};

// Body numbers 1..16; point numbers 17 (Ascendant) and 18 (MC) in aspect work.
enum Body : int {
    Sun = 1,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Chiron,
    Proserpina,
    AscendingNode,
    DescendingNode,
    Selena,
    Lilith
};
inline constexpr int kBodyCount = 16;

// 20 short labels (slots 1..20; index 0 unused): the 16 bodies, five characters each, then
// "01".."04".
extern const std::array<const char*, 21> BodyLabels;
// 12 cusp labels (slots 1..12; index 0 unused).
extern const std::array<const char*, 13> HouseLabels;

// Julian day of a date whose day may carry a fraction of the day. Gregorian Julian days for
// the whole 1800..2100 range (see chart_moment.cpp for the century term before March 1900).
double JulianDay(double day, double month, double year);

struct CalendarDate {
    double year, month, day; // day carries the fraction of the day
};
CalendarDate CalendarFromJulianDay(double jd);

// Julian centuries from 1899 December 31, 12h.
double CenturiesSince1900(double day, double month, double year);

// ComputeBody's first step: the day field takes the time of day as its fraction, so
// repeated computations for the same moment give the same day.
void FoldTimeIntoDay(ChartMoment& moment);

// Copies the form into ChartMoment: kinds 1 and 3 read TID1, kinds 2 and 4 read TID2;
// any other kind changes nothing.
void ReadChartInput(State& state, int kind);
void ReadChartForm(const ChartForm& form, ChartMoment& moment);

} // namespace omvera
