#pragma once
// The fatigue calendar: the days on which a person's biological cycles turn. Four sine cycles
// of the days since birth, each given by its half-period; a cycle turns on a day when its
// sine changes sign during that day.
#include <array>
#include <string>
#include <vector>

namespace omvera {

// Half-periods in days of cycles 1..4 ("Ф1", "Ф2", "Ф3", "T2"); index 0 unused.
inline constexpr std::array<double, 5> kFatigueHalfPeriods = {0, 5.92210929, 7.10653115, 8.29095301,
                                                              28.4261246};
inline constexpr int kFatigueCapacity = 200;

struct FatigueRecord {
    long double t = 5.0;                 // days since birth at the start of the day
    std::array<int, 5> f{0, 1, 1, 1, 1}; // f[n] = 0: cycle n turns during the day (index 0 unused)
};

// Slots 1..200 (slot 0 unused).
using FatigueRecords = std::array<FatigueRecord, kFatigueCapacity + 1>;

// The flags of the day starting t days after birth: f[n] = 1 when sin(pi t / H) and
// sin(pi (t + 1) / H) do not differ in sign, else 0.
std::array<int, 5> FatigueFlags(long double t);

// The search from the start day S (Julian day of a date) on: every slot is reset first; a
// day is recorded when cycles 1, 2 and 3 all turn, else when cycle 4 turns, else when two of
// cycles 1..3 turn. It stops when the running day equals the end day E exactly or after 200
// records, and returns the number of records. With whole-day Julian days it covers the days
// from S up to the day before E; an E not after S ends it only at 200 records.
int FatigueDays(FatigueRecords& records, double endDay, double startDay, double birthDay);

// The calendar's text: "Дни усталости организма " + name, the column header, and one line per
// record: "  " day (width 2) "." month (width 2) "." year (width 4), then the four flags each
// after seven blanks, and "  конец/начало Биологич. Цикла Организма" when cycles 1..3 turn.
std::vector<std::string> FatigueLines(const FatigueRecords& records, int count, double birthDay,
                                      const std::string& name);

} // namespace omvera
