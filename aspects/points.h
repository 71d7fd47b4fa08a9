#pragma once
// Chart points of aspect work (1..16 the bodies, 17 Ascendant, 18 MC), their switches and
// orb fields on TPlanUst, and the aspect test.
#include <array>
#include <cmath>

namespace omvera {

struct PlanetSettingsForm;

inline constexpr int kPointCount = 18;
inline constexpr int kAscendantPoint = 17;
inline constexpr int kMcPoint = 18;

// Slot n: 1 = point n takes part in the scan, 0 = it does not. Each scan owns its copy.
using PointIncluded = std::array<unsigned char, kPointCount + 1>;

// The TPlanUst row (CheckBoxN, EditN) of a point: 1..12 map to themselves, both nodes to 13,
// Selena 14, Lilith 15, Ascendant 16, MC 17; 0 for a number outside 1..18.
int PointSettingsRow(int point);
// Whether the point's inclusion switch is checked (false outside 1..18).
bool PointSwitchedOn(const PlanetSettingsForm& form, int point);

// Angular separation of two longitudes folded into 0..180.
inline double Separation(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180) d = 360 - d;
    return d;
}

// The aspect test: with the mean orb (op + oq) / 2 the separation must lie strictly inside
// (angle - orb, angle + orb), and both points must be included. Inline: the scans run it
// for every pair of points and every aspect row.
inline bool InAspect(double lp, double lq, double op, double oq, bool includedP, bool includedQ,
                     double angle) {
    const double orb = (op + oq) / 2;
    const double d = Separation(lp, lq);
    return angle - orb < d && d < angle + orb && includedP && includedQ;
}

} // namespace omvera
