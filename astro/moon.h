#pragma once
// The Moon's geocentric longitude from its mean elements and a 50-term periodic series, with
// the mean lunar nodes on the way.

namespace omvera {

struct MoonPlace {
    double longitude;      // 0..360
    double ascendingNode;  // mean node N, 0..360
    double descendingNode; // N + 180, one turn subtracted when above 360
};

// T in Julian centuries since 1900.
MoonPlace MoonPosition(double T);

} // namespace omvera
