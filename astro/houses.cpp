#include "astro/houses.h"

#include "astro/angles.h"
#include "astro/chart.h"
#include "astro/names.h"
#include "base/numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace omvera {
namespace {

// Near the polar circles a cusp iteration takes hundreds of rounds at 66 degrees and tens of
// thousands at 66.55; a round costs nanoseconds, so a million rounds lets every iteration
// that settles at all settle to its own value.
constexpr long kMaxRounds = 1000000;
// Once an argument has been clamped the system is undefined anyway; a short tail suffices.
constexpr long kRoundsAfterClamp = 2000;

double TanDeg(double degrees) {
    return SinDeg(degrees) / CosDeg(degrees);
}

// x clamped into -1..1 (NaN, from an infinite tangent times zero, counts as 0); `clamped`
// tells whether it had to be.
double ClampUnit(double x, bool& clamped) {
    if (x >= -1 && x <= 1) return x;
    clamped = true;
    if (std::isnan(x)) return 0;
    return x > 1 ? 1 : -1;
}

} // namespace

double SiderealTime0h(double T) {
    const double s = 0.276919398 + 100.0021359 * T + 0.000001075 * T * T;
    return (s - std::trunc(s)) * 24;
}

double Ramc(double T, double hour, double minute, double longitude) {
    const double H = hour + minute / 60;
    return 15 * SiderealTime0h(T) + longitude + 15 * (H + H * 236 / 24 / 60 / 60);
}

double MidheavenLongitude(double ramc, double eps) {
    return NormalizeDegrees(Atan2Positive(SinDeg(ramc), CosDeg(ramc) * CosDeg(eps)) *
                            kDegreesPerRadian);
}

CuspGeometry CuspGeometry::WithTerms() const {
    CuspGeometry g = *this;
    g.hasTerms = true;
    g.tanProduct = TanDeg(eps) * TanDeg(latitude);
    g.cosEps = CosDeg(eps);
    return g;
}

CuspValue IterateCusp(CuspSide side, double a0, double k, const CuspGeometry& g) {
    const double tanProduct = g.hasTerms ? g.tanProduct : TanDeg(g.eps) * TanDeg(g.latitude);
    double a = a0;
    double h = NormalizeDegrees(a0);
    bool clamped = false;
    bool settled = false;
    long limit = kMaxRounds;
    long round = 0;
    while (round < limit) {
        ++round;
        const double raw = SinDeg(a) * tanProduct;
        bool clampedNow = false;
        const double x = ClampUnit(raw, clampedNow);
        if (clampedNow && !clamped) {
            clamped = true;
            limit = std::min(limit, round + kRoundsAfterClamp);
        }
        h = side == CuspSide::Lower ? NormalizeDegrees(g.ramc + 180 - ArcCosDegrees(x) / k)
                                    : NormalizeDegrees(ArcCosDegrees(-x) / k + g.ramc);
        if (std::fabs(a - h) < 0.0001) {
            settled = true;
            break;
        }
        a = h;
    }
    const double cosEps = g.hasTerms ? g.cosEps : CosDeg(g.eps);
    const double longitude = Atan2Positive(SinDeg(h), CosDeg(h) * cosEps) * kDegreesPerRadian;
    return {longitude, settled && !clamped, round};
}

double KochPoint(double offset, const CuspGeometry& g) {
    const double t = g.ramc + offset;
    return Atan2Positive(-CosDeg(t),
                         SinDeg(t) * CosDeg(g.eps) + SinDeg(g.eps) * TanDeg(g.latitude)) *
           kDegreesPerRadian;
}

namespace {

void EqualFill(std::array<double, 13>& cusps) {
    for (int i = 1; i <= 11; ++i) cusps[i + 1] = NormalizeDegrees(cusps[i] + 30);
}

void Opposite(std::array<double, 13>& cusps, int to, int from) {
    cusps[to] = NormalizeDegrees(cusps[from] + 180);
}

// Koch: cusp 1 from the Ascendant iteration, cusps 5, 6, 8, 9 from the MC's diurnal
// semi-arc Dk = arccos(-tan delta tan phi), delta the MC's declination.
bool KochCusps(const CuspGeometry& g, std::array<double, 13>& cusps) {
    const CuspValue asc = IterateCusp(CuspSide::Lower, g.ramc + 90, 1, g);
    cusps[1] = asc.longitude;
    const double declination = ArcSin(SinDeg(g.eps) * SinDeg(cusps[10])) * kDegreesPerRadian;
    bool clamped = false;
    const double Dk = ArcCosDegrees(ClampUnit(-TanDeg(declination) * TanDeg(g.latitude), clamped));
    cusps[8] = KochPoint(Dk / 3, g);
    cusps[6] = KochPoint(-Dk / 3, g);
    cusps[9] = KochPoint(2 * Dk / 3, g);
    cusps[5] = KochPoint(-2 * Dk / 3, g);
    Opposite(cusps, 4, 10);
    Opposite(cusps, 11, 5);
    Opposite(cusps, 12, 6);
    Opposite(cusps, 7, 1);
    Opposite(cusps, 2, 8);
    Opposite(cusps, 3, 9);
    return asc.defined && !clamped;
}

bool PlacidusCusps(const CuspGeometry& g, std::array<double, 13>& cusps) {
    const CuspValue c1 = IterateCusp(CuspSide::Lower, g.ramc + 90, 1, g);
    const CuspValue c2 = IterateCusp(CuspSide::Lower, g.ramc + 120, 1.5, g);
    const CuspValue c3 = IterateCusp(CuspSide::Lower, g.ramc + 150, 3, g);
    const CuspValue c11 = IterateCusp(CuspSide::Upper, g.ramc + 30, 3, g);
    const CuspValue c12 = IterateCusp(CuspSide::Upper, g.ramc + 60, 1.5, g);
    cusps[1] = c1.longitude;
    cusps[2] = c2.longitude;
    cusps[3] = c3.longitude;
    cusps[11] = c11.longitude;
    cusps[12] = c12.longitude;
    Opposite(cusps, 4, 10);
    Opposite(cusps, 5, 11);
    Opposite(cusps, 6, 12);
    Opposite(cusps, 7, 1);
    Opposite(cusps, 8, 2);
    Opposite(cusps, 9, 3);
    return c1.defined && c2.defined && c3.defined && c11.defined && c12.defined;
}

} // namespace

std::string UndefinedHouseSystemMessage(char letter, double latitude) {
    // FormatFixed writes "." like every other number text, whatever the C locale.
    return std::string("Система домов \"") + HouseSystemCaption(letter) +
           "\" не определена для этого момента и места (широта " + FormatFixed(latitude, 0, 2) +
           "); показанные куспиды неточны.";
}

bool ComputeCusps(const ChartMoment& m, char letter, double sunOrMoon, CuspArray& cusps) {
    const double T = CenturiesSince1900(m.day, m.month, m.year);
    CuspGeometry g{};
    g.eps = Obliquity(T);
    g.ramc = Ramc(T, m.hour, m.minute, m.longitude);
    g.latitude = m.latitude;
    g = g.WithTerms();
    cusps[10] = MidheavenLongitude(g.ramc, g.eps);

    bool defined = true;
    switch (letter) {
    case 'P':
        defined = PlacidusCusps(g, cusps);
        break;
    case 'K':
        defined = KochCusps(g, cusps);
        break;
    case 'A': {
        const CuspValue asc = IterateCusp(CuspSide::Lower, g.ramc + 90, 1, g);
        cusps[1] = asc.longitude;
        defined = asc.defined;
        EqualFill(cusps);
        break;
    }
    case 'M':
        cusps[11] = NormalizeDegrees(cusps[10] + 30);
        cusps[12] = NormalizeDegrees(cusps[11] + 30);
        for (int i = 9; i >= 1; --i) cusps[i] = NormalizeDegrees(cusps[i + 1] - 30);
        break;
    case 'S':
    case 'L':
        cusps[1] = sunOrMoon;
        EqualFill(cusps);
        break;
    default:
        break; // only the MC is written
    }
    return defined;
}

} // namespace omvera
