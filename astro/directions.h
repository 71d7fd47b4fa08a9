#pragma once
// Directions: every point of the radix moved forward along the zodiac by one degree per year
// of age at a target date (calendar days over 365.25, both dates at 0h). Plain values only;
// the dialog TDat2 and the directions report put them into the program state.
#include "astro/chart.h"

#include <string>
#include <string_view>
#include <vector>

namespace omvera {

// Field model of TDat2 ("Дата2"): the target date as the date field shows it, and the
// aspect choice the directions report reads.
struct DirectionsForm {
    std::string DateEdit1 = "01.01.2002";
    bool RadioButton1 = true;  // "6 мажорных аспектов"
    bool RadioButton2 = false; // "16 основных аспектов"
};

struct CalendarDay {
    int day = 0, month = 0, year = 0;
};

// The date field's text as a date: "D.M.YYYY" (day and month of one or two digits, a
// four-digit year, blanks around allowed), a real day of the Gregorian calendar. Throws Error
// with a Russian message for anything else.
CalendarDay ParseDirectionDate(std::string_view text);
// "DD.MM.YYYY", as the date field shows a date.
std::string FormatDirectionDate(const CalendarDay& date);

// (JulianDay(target) - JulianDay(birth)) / 365.25, both at 0h; negative before the birth.
// The birth month may be 0 (no month chosen on the form), as the Julian day takes it.
double DirectionIncrement(const CalendarDay& target, const CalendarDay& birth);

// radix + increment, brought into 0..360: 360 subtracted while above 360, added while below
// 0 (a target date before the birth gives negative increments). 360 itself stays.
double DirectedLongitude(double radix, double increment);

struct Directions {
    double increment = 0;
    BodyArray radixBodies{};
    CuspArray radixCusps{};
    BodyArray bodies{}; // directed bodies 1..16
    CuspArray cusps{};  // directed cusps 1..12
};
Directions DirectChart(const BodyArray& radixBodies, const CuspArray& radixCusps, double increment);

// The listing of radix and directed values: "Приращение =   " with the increment, the 16
// body lines and the 12 house lines with their headings.
std::vector<std::string> DirectionListing(const Directions& d);

} // namespace omvera
