#include "astro/sun.h"

#include "astro/angles.h"
#include "astro/kepler.h"

#include <cmath>

namespace omvera {

SunPlace SunPosition(double T) {
    const double T2 = T * T, T3 = T2 * T;
    const double L = NormalizeDegrees(279.69668 + 36000.76892 * T + 0.0003025 * T2);
    const double M = NormalizeDegrees(358.47583 + 35999.04975 * T - 0.000150 * T2 - 0.0000033 * T3);
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
    const KeplerSolution k = SolveKepler(M / kDegreesPerRadian, e);
    return {L + k.v - M, (1 - e * CosDeg(k.E)) * 1.0000002};
}

} // namespace omvera
