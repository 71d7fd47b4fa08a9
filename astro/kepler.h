#pragma once
// Kepler's equation by fixed-point iteration, as every orbit of the engine solves it.

namespace omvera {

// The iteration E' = M + e sin E from E = M (radians): it stops when an update would change E
// by less than 1e-7 and keeps the value before that update; at most 500 updates are made.
// Returns h, half the true anomaly in radians (0..2pi), and the eccentric anomaly E.
struct HalfAnomaly {
    double h;
    double E;
};
HalfAnomaly KeplerHalfTrueAnomaly(double M, double e);

// Mean anomaly M in radians; true anomaly v and eccentric anomaly E in degrees, 0..360.
struct KeplerSolution {
    double v;
    double E;
};
KeplerSolution SolveKepler(double M, double e);

} // namespace omvera
