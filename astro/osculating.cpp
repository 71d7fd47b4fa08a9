#include "astro/osculating.h"

#include "astro/angles.h"
#include "astro/chart_moment.h"
#include "astro/kepler.h"

#include <cmath>

namespace omvera {

const OsculatingElements kPlutoElements = {109.941, 17.137, 39.78459, 0.25387, 222.972,
                                           209.439, 250.9,  2,        1,       1980};
const OsculatingElements kChironElements = {8.89114,   4.237451,  13.33317, 0.38041337, 187.808256,
                                            73.072644, 50.374788, 1,        1,          1980};

namespace {

constexpr double kEarthEccentricity = 0.016718;

// The true anomaly in degrees, not reduced, from a mean anomaly in degrees.
double TrueAnomaly(double meanAnomaly, double e) {
    return 2 * KeplerHalfTrueAnomaly(meanAnomaly / kDegreesPerRadian, e).h * kDegreesPerRadian;
}

} // namespace

double OsculatingMeanAnomaly(const OsculatingElements& el, double dt) {
    return ReduceTurnsDownFirst(0.98564733 * dt / el.periodYears + el.L0 - el.P);
}

double OsculatingLongitude(const OsculatingElements& el, double jd) {
    const double dt = jd - JulianDay(el.epochDay, el.epochMonth, el.epochYear);

    // The Earth.
    const double Me = ReduceTurnsDownFirst(0.98560791 * dt - 3.76286);
    const double ve = TrueAnomaly(Me, kEarthEccentricity);
    const double Le = SubtractTurns(ve + 102.596403);
    const double Re = 0.9997205 / (1 + kEarthEccentricity * CosDeg(ve));

    // The body in its orbit.
    const double v = TrueAnomaly(OsculatingMeanAnomaly(el, dt), el.e);
    const double u = SubtractTurns(el.P + v) - el.N;
    const double b = ArcSin(SinDeg(u) * SinDeg(el.i)); // radians
    const double l = SubtractTurns(el.N + Atan2Positive(SinDeg(u) * CosDeg(el.i), CosDeg(u)) *
                                              kDegreesPerRadian);
    const double r = el.a * (1 - el.e * el.e) / (1 + el.e * CosDeg(v));

    const double y = Re * SinDeg(l - Le);
    const double x = r * std::cos(b) - Re * CosDeg(l - Le);
    return SubtractTurns(l + Atan2Positive(y, x) * kDegreesPerRadian);
}

} // namespace omvera
