#pragma once
// The Sun's geocentric longitude from its mean elements; every planet repeats it to turn a
// heliocentric position into a geocentric one.

namespace omvera {

struct SunPlace {
    double trueLongitude; // L + v - M in degrees, not reduced
    double distance;      // Earth-Sun distance R in AU
};

// T in Julian centuries since 1900.
SunPlace SunPosition(double T);

} // namespace omvera
