#include "astro/kepler.h"

#include "astro/angles.h"

#include <cmath>

namespace omvera {

HalfAnomaly KeplerHalfTrueAnomaly(double M, double e) {
    constexpr int kMaxUpdates = 500;
    double E = M;
    for (int evaluation = 1;; ++evaluation) {
        const double next = M + e * std::sin(E);
        // NaN never passes the test, so the bound also ends a NaN input.
        if (std::fabs(next - E) < 1e-7 || evaluation > kMaxUpdates) break;
        E = next;
    }
    const double h =
        Atan2Positive(std::sqrt(1 + e) * std::sin(E / 2), std::sqrt(1 - e) * std::cos(E / 2));
    return {h, E};
}

KeplerSolution SolveKepler(double M, double e) {
    const HalfAnomaly k = KeplerHalfTrueAnomaly(M, e);
    return {NormalizeDegrees(k.h * kTwoDegreesPerRadian),
            NormalizeDegrees(k.E * kDegreesPerRadian)};
}

} // namespace omvera
