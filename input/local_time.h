#pragma once
// Local clock time -> Greenwich time for the chart forms: the clock history of the place's
// time zone, the town's own mean solar time before standard time came, clock changes that
// make a local time happen twice or not at all, and dates written in the old (Julian) style.
#include "input/time_zone.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace omvera {

struct ChartForm;

struct CivilDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    bool operator==(const CivilDateTime&) const = default;
};

// Seconds since 1970-01-01 00:00 of a Gregorian date and clock time, read as if it were
// Greenwich time, and back (to the nearest whole minute).
std::int64_t InstantOf(const CivilDateTime& t);
CivilDateTime CivilOf(std::int64_t instant);

// "D.M.YYYY" and "H:M" (blanks around ignored) as a date and time; nothing when the texts
// are not so. Day and month ranges are checked by CheckDateTime.
std::optional<CivilDateTime> ParseDateTime(const std::string& date, const std::string& time);

// Throws Error unless the Gregorian (`julian` false) or Julian date exists and the time is
// 0..23 hours, 0..59 minutes.
void CheckDateTime(const CivilDateTime& t, bool julian);

// Russia wrote dates in the old (Julian) style until 31 January 1918; the next day was
// 14 February 1918 new style. The Gregorian date of an old-style one (Error when the date
// does not exist or lies after 31 January 1918), and the days between the two.
CivilDateTime NewStyleOf(const CivilDateTime& oldStyle);
int OldStyleLag(const CivilDateTime& oldStyle);

// One way of reading a local clock time: the Greenwich instant and why.
struct ClockReading {
    std::int64_t universal = 0; // seconds since 1970, Greenwich
    std::int32_t offset = 0;    // seconds east of Greenwich
    bool summer = false;
    bool meanTime = false;    // the town's own mean solar time
    std::string abbreviation; // as the zone names its clock ("MSK", "LMT"), may be empty
    std::string reason;       // in Russian, for the user
};

enum class LocalTimeCase {
    Unique,    // one reading
    Ambiguous, // clocks were put back: the time happened twice, earlier reading first
    Missing,   // clocks were put forward: the time never happened; by the old clock first
};

struct LocalTimeResult {
    LocalTimeCase kind = LocalTimeCase::Unique;
    std::vector<ClockReading> readings;
};

// The place: its zone, longitude (decimal degrees, east positive; sets the mean solar time
// before standard time) and ISO country code (tells decree time).
struct PlaceClock {
    const TimeZoneHistory* zone = nullptr;
    double longitude = 0;
    std::string countryCode;
};

// The clock the place kept at a Greenwich instant.
ClockReading ClockAt(const PlaceClock& place, std::int64_t universal);
// The readings of a local (Gregorian) date and clock time at the place.
LocalTimeResult ToUniversal(const PlaceClock& place, const CivilDateTime& local);
// The reading with an offset the user gives.
ClockReading ToUniversalWithOffset(const CivilDateTime& local, std::int32_t offset);

// "UTC+4", "UTC-3:30", "UTC+2:30:17".
std::string FormatOffset(std::int32_t offset);
// "+4", "4", "-3:30", "+2:30:17", "UTC+4" -> seconds; nothing for anything else or beyond
// 15 hours.
std::optional<std::int32_t> ParseOffset(const std::string& text);

// Decimal degrees in the forms' notation "degrees.minutes" (whole minutes, rounded):
// 55.7522 -> "55.45", -33.8678 -> "-33.52".
std::string FormNotation(double degrees);
// The forms' notation read back as degrees and minutes: "55.45" -> 55.75. Nothing when the
// text is not a number or its minutes exceed 59.
std::optional<double> DegreesOfFormNotation(const std::string& text);

// Writes the Greenwich instant (to the nearest minute) and the place into the form's fields.
// Throws Error, writing nothing, when the Greenwich year lies outside the form's 1880..2050.
void WriteToForm(ChartForm& form, std::int64_t universal, double latitude, double longitude);

} // namespace omvera
