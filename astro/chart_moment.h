#pragma once
// The moment and place every astronomical result is computed for, the Julian-day
// conversions and the body numbering shared by the whole engine.
#include "astro/names.h"

#include <array>

namespace omvera {

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

} // namespace omvera
