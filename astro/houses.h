#pragma once
// House cusps: sidereal time, the right ascension of the MC and the cusp iterations of the
// Placidus, Koch and Ascendant computations. The cusps of a chart come from ComputeCusps
// (astro/chart.h).

namespace omvera {

// Greenwich mean sidereal time at 0h in hours for T in Julian centuries since 1900; the
// fraction of a revolution is taken toward zero, so dates before 1900 give negative hours.
double SiderealTime0h(double T);

// The right ascension of the MC in degrees (not reduced) from T of the day's 0h, the
// Greenwich clock time and the east longitude.
double Ramc(double T, double hour, double minute, double longitude);

// The MC's ecliptic longitude (0..360) for a RAMC and the obliquity, both in degrees.
double MidheavenLongitude(double ramc, double eps);

// The geometry every cusp iteration shares: RAMC, obliquity and latitude in degrees.
// WithTerms() adds the products every round and every cusp take of eps and the latitude, so a
// chart computes them once; without them each iteration computes them itself (the same values).
struct CuspGeometry {
    double ramc;
    double eps;
    double latitude;
    bool hasTerms = false;
    double tanProduct = 0; // tan eps tan phi
    double cosEps = 0;

    CuspGeometry WithTerms() const;
};

// Which side of the horizon the cusp iteration works on: the lower one gives cusps 1, 2, 3,
// the upper one cusps 11, 12.
enum class CuspSide { Lower, Upper };

struct CuspValue {
    double longitude; // ecliptic longitude, 0..360, always finite
    bool defined;     // false when an argument had to be clamped or the rounds ran out
    long rounds;      // rounds made, for tests and measurements
};

// Iterates from the start value a0 (degrees) with the divisor k until two successive values
// differ by less than 0.0001 degrees. Close to the polar circles the iteration settles only
// after very many rounds, so the bound is generous; an argument outside -1..1 is clamped and
// the result marked undefined (and then a few thousand more rounds at most are made).
CuspValue IterateCusp(CuspSide side, double a0, double k, const CuspGeometry& g);

// The Koch cusps 5, 6, 8 and 9 (degrees, 0..360): the ecliptic point on the western horizon
// when the RAMC has moved on by `offset` degrees,
// Atan2Positive(-cos(RAMC + o), sin(RAMC + o) cos eps + sin eps tan phi).
double KochPoint(double offset, const CuspGeometry& g);

} // namespace omvera
