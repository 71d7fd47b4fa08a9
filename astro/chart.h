#pragma once
// The plain chart value: what one moment and place give in one house system, computed without
// touching the program state. The procedural entry points (ComputeBody, ComputeHouses in
// app/chart_state.h) keep the state's arrays filled from the same computation.
#include "astro/chart_moment.h"

#include <array>
#include <string>

namespace omvera {

// The six house systems, each with the letter TDOM's choices stand for.
enum class HouseSystem : char {
    EqualFromMc = 'M',
    EqualFromAsc = 'A',
    Placidus = 'P',
    Koch = 'K',
    EqualFromSun = 'S',
    EqualFromMoon = 'L',
};

using BodyArray = std::array<double, 17>; // bodies 1..16, index 0 unused
using CuspArray = std::array<double, 13>; // cusps 1..12, index 0 unused

struct Chart {
    ChartMoment moment; // as read from the form: the day whole, the clock time apart
    BodyArray bodies{};
    CuspArray cusps{};
    bool housesDefined = true; // false: the system is not defined at this moment and place

    // Point numbers of aspect work: 1..16 the bodies, 17 the Ascendant, 18 the MC.
    double Point(int p) const { return p == 17 ? cusps[1] : p == 18 ? cusps[10] : bodies[p]; }
};

// Body n of a moment whose clock time is already folded into the day, into its slot (the Moon
// also writes both nodes; other numbers write nothing).
void ComputeBodyInto(const ChartMoment& folded, int n, BodyArray& slots);

// Bodies 1..16 for a moment (the clock time is folded into the day first, as ComputeBody does).
BodyArray ComputeBodies(const ChartMoment& moment);
// The same for a moment whose clock time is already folded into its day (folding twice would
// move 23:60, which folds into the next whole day, on by another day).
BodyArray ComputeFoldedBodies(const ChartMoment& folded);

// Cusps 1..12 of `moment` in the system `letter` into `cusps` (an unknown letter writes only
// the MC). `sunOrMoon` is the longitude the systems S and L start cusp 1 from. Returns false
// when the system is not defined for this moment and place (the cusps are finite all the
// same).
bool ComputeCusps(const ChartMoment& moment, char letter, double sunOrMoon, CuspArray& cusps);

// Bodies and cusps of one chart.
Chart ComputeChart(const ChartMoment& moment, HouseSystem system);

// The message a user is shown when a house system is not defined for a place.
std::string UndefinedHouseSystemMessage(char letter, double latitude);

} // namespace omvera
