#pragma once
// The clock history of one time zone, read from the system's time-zone database (compiled
// TZif files, version 2 or later, as /usr/share/zoneinfo holds them). Instants are seconds
// since 1970-01-01 00:00 Greenwich time; offsets are seconds east of Greenwich.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace omvera {

inline constexpr const char* kSystemZoneFolder = "/usr/share/zoneinfo";

// One local time type of the zone: the offset, whether it is summer time, its abbreviation.
struct ZoneClock {
    std::int32_t offset = 0;
    bool summer = false;
    std::string abbreviation;
    bool operator==(const ZoneClock&) const = default;
};

// The rule of a POSIX TZ text such as "AEST-10AEDT,M10.1.0,M4.1.0/3", used after the last
// transition the file lists.
struct PosixZoneRule {
    ZoneClock standard, summer;
    bool hasSummer = false;
    // A rule date: kind 'M' (month, week 1..5, weekday 0..6), 'J' (day 1..365 without
    // 29 February) or 'D' (day 0..365); time of day in seconds of local time in force.
    struct Date {
        char kind = 'M';
        int month = 0, week = 0, weekday = 0, day = 0;
        std::int32_t time = 7200;
    };
    Date start, end;
};
std::optional<PosixZoneRule> ParsePosixZoneRule(const std::string& text);

class TimeZoneHistory {
  public:
    // Reads zone `name` ("Europe/Moscow") from `folder`. Throws Error for a name that is not
    // a zone name, a missing file or one that is not a TZif file of version 2 or later.
    static TimeZoneHistory Load(const std::string& name,
                                const std::string& folder = kSystemZoneFolder);
    // The same from the file's bytes.
    static TimeZoneHistory Parse(const std::string& name, const std::string& bytes);

    const std::string& Name() const { return name_; }
    // The clock in force at `instant`.
    ZoneClock At(std::int64_t instant) const;
    // The instant from which the zone keeps a standard time (a whole number of quarter hours
    // east of Greenwich); before it, its clocks kept some town's mean solar time (LMT, or a
    // city's mean time as the law of the day had it). Lowest int64 when there is no such era.
    std::int64_t StandardTimeSince() const { return standardSince_; }
    // The clock before the first transition (the zone city's LMT, as a rule).
    const ZoneClock& FirstClock() const { return types_[0]; }

  private:
    std::string name_;
    std::vector<std::int64_t> transitions_; // ascending
    std::vector<std::size_t> typeAfter_;    // clock type from each transition on
    std::vector<ZoneClock> types_;          // types_[0]: before the first transition
    std::optional<PosixZoneRule> footer_;
    std::int64_t standardSince_ = INT64_MIN;
};

// A zone name as the database spells it: letters, digits, "_", "-", "+" and "/" between
// parts, no "." part. Keeps a name from reaching outside the zone folder.
bool IsZoneName(const std::string& name);

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);
void CivilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day);

} // namespace omvera
