#include "astro/moon.h"

#include "astro/angles.h"

#include <array>
#include <cmath>

namespace omvera {
namespace {

// One periodic term: coefficient in degrees, times e^ePower (e the eccentricity factor of
// the Earth's orbit), times the sine of d D + m M + mp M' + f F.
struct MoonTerm {
    double coefficient;
    int ePower;
    int d, m, mp, f; // multiples of D, M, M', F
};

// Columns: coefficient, power of e, then the argument's multiples of D, M, M', F.
constexpr std::array<MoonTerm, 50> kMoonTerms = {{
    {+6.288750, 0, 0, 0, 1, 0},   //  1  M'
    {+1.274018, 0, 2, 0, -1, 0},  //  2  2D - M'
    {+0.658309, 0, 2, 0, 0, 0},   //  3  2D
    {+0.213616, 0, 0, 0, 2, 0},   //  4  2M'
    {-0.185596, 1, 0, 1, 0, 0},   //  5  M
    {-0.114336, 0, 0, 0, 0, 2},   //  6  2F
    {+0.058793, 0, 2, 0, -2, 0},  //  7  2D - 2M'
    {+0.057212, 1, 2, -1, -1, 0}, //  8  2D - M - M'
    {+0.053320, 0, 2, 0, 1, 0},   //  9  2D + M'
    {+0.045874, 1, 2, -1, 0, 0},  // 10  2D - M
    {+0.041024, 1, 0, -1, 1, 0},  // 11  M' - M
    {-0.034718, 0, 1, 0, 0, 0},   // 12  D
    {-0.030465, 1, 0, 1, 1, 0},   // 13  M + M'
    {+0.015326, 0, 2, 0, 0, -2},  // 14  2D - 2F
    {-0.012528, 0, 0, 0, 1, 2},   // 15  2F + M'
    {-0.010980, 0, 0, 0, -1, 2},  // 16  2F - M'
    {+0.010674, 0, 4, 0, -1, 0},  // 17  4D - M'
    {+0.010034, 0, 0, 0, 3, 0},   // 18  3M'
    {+0.008548, 0, 4, 0, -2, 0},  // 19  4D - 2M'
    {-0.007910, 1, 2, 1, -1, 0},  // 20  M - M' + 2D
    {-0.006783, 1, 2, 1, 0, 0},   // 21  2D + M
    {+0.005162, 0, -1, 0, 1, 0},  // 22  M' - D
    {+0.005000, 1, 1, 1, 0, 0},   // 23  M + D
    {+0.004049, 1, 2, -1, 1, 0},  // 24  M' - M + 2D
    {+0.003996, 0, 2, 0, 2, 0},   // 25  2M' + 2D
    {+0.003862, 0, 4, 0, 0, 0},   // 26  4D
    {+0.003665, 0, 2, 0, -3, 0},  // 27  2D - 3M'
    {+0.002695, 1, 0, -1, 2, 0},  // 28  2M' - M
    {+0.002602, 0, -2, 0, 1, -2}, // 29  M' - 2F - 2D
    {+0.002396, 1, 2, -1, -2, 0}, // 30  2D - M - 2M'
    {-0.002349, 0, 1, 0, 1, 0},   // 31  M' + D
    {+0.002249, 2, 2, -2, 0, 0},  // 32  2D - 2M
    {-0.002125, 1, 0, 1, 2, 0},   // 33  2M' + M
    {-0.002079, 2, 0, 2, 0, 0},   // 34  2M
    {+0.002059, 2, 2, -2, -1, 0}, // 35  2D - M' - 2M
    {-0.001773, 0, 2, 0, 1, -2},  // 36  M' + 2D - 2F
    {-0.001595, 0, 2, 0, 0, 2},   // 37  2F + 2D
    {+0.001220, 1, 4, -1, -1, 0}, // 38  4D - M - M'
    {-0.001110, 0, 0, 0, 2, 2},   // 39  2M' + 2F
    {+0.000892, 0, -3, 0, 1, 0},  // 40  M' - 3D
    {-0.000811, 1, 2, 1, 1, 0},   // 41  M + M' + 2D
    {+0.000761, 1, 4, -1, -2, 0}, // 42  4D - M - 2M'
    {+0.000717, 2, 0, -2, 1, 0},  // 43  M' - 2M
    {+0.000704, 2, -2, -2, 1, 0}, // 44  M' - 2M - 2D
    {+0.000693, 1, 2, 1, -2, 0},  // 45  M - 2M' + 2D
    {+0.000598, 1, 2, -1, 0, -2}, // 46  2D - M - 2F
    {+0.000550, 0, 4, 0, 1, 0},   // 47  M' + 4D
    {+0.000538, 0, 0, 0, 4, 0},   // 48  4M'
    {+0.000521, 1, 4, -1, 0, 0},  // 49  4D - M
    {+0.000486, 0, -1, 0, 2, 0},  // 50  2M' - D
}};

// cos and sin of an angle, multiplied as unit complex numbers: the sine of a sum of whole
// multiples of D, M, M', F comes from four sine-cosine pairs instead of one sine per term.
struct Turn {
    double c = 1, s = 0;
};

Turn operator*(Turn a, Turn b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// The multiples -4..4 of an angle in degrees (index k + 4 for multiple k).
std::array<Turn, 9> Multiples(double degrees) {
    std::array<Turn, 9> p{};
    const double r = degrees / kDegreesPerRadian;
    p[5] = {std::cos(r), std::sin(r)};
    for (int k = 2; k <= 4; ++k) p[4 + k] = p[3 + k] * p[5];
    for (int k = 1; k <= 4; ++k) p[4 - k] = {p[4 + k].c, -p[4 + k].s};
    return p;
}

double Cubic(double c0, double c1, double c2, double c3, double T) {
    return c0 + c1 * T + c2 * T * T + c3 * T * T * T;
}

} // namespace

MoonPlace MoonPosition(double T) {
    // Mean elements in degrees.
    double Lp = ReduceTurnsDownFirst(Cubic(270.434164, 481267.8831, -0.001133, +0.0000019, T));
    double M = ReduceTurnsDownFirst(Cubic(358.475833, 35999.0498, -0.000150, -0.0000033, T));
    double Mp = ReduceTurnsDownFirst(Cubic(296.104608, 477198.8491, +0.009192, +0.0000144, T));
    double D = ReduceTurnsDownFirst(Cubic(350.737486, 445267.1142, -0.001436, +0.0000019, T));
    double F = ReduceTurnsDownFirst(Cubic(11.250889, 483202.0251, -0.003211, -0.0000003, T));
    const double N = ReduceTurnsDownFirst(Cubic(259.183275, -1934.142, +0.002078, +0.0000022, T));

    MoonPlace out{};
    out.ascendingNode = N;
    out.descendingNode = N + 180 > 360 ? N + 180 - 360 : N + 180;

    // Additive corrections of the mean elements.
    const double A = SinDeg(51.2 + 20.2 * T);
    const double G = SubtractTurns(346.56 + 132.87 * T - 0.0091731 * T * T);
    const double B = 0.003964 * SinDeg(G);
    const double S = SinDeg(N);
    Lp = ReduceTurnsDownFirst(Lp + 0.000233 * A + B + 0.001964 * S);
    M = ReduceTurnsDownFirst(M - 0.001778 * A);
    Mp = ReduceTurnsDownFirst(Mp + 0.000817 * A + B + 0.002541 * S);
    D = ReduceTurnsDownFirst(D + 0.002011 * A + B + 0.001964 * S);
    F = ReduceTurnsDownFirst(F + B - 0.024691 * S);

    const double e = 1 - 0.002495 * T - 0.00000752 * T * T;
    const double eFactor[3] = {1, e, e * e};
    double longitude = Lp;
    const auto pD = Multiples(D), pM = Multiples(M), pMp = Multiples(Mp), pF = Multiples(F);
    for (const MoonTerm& t : kMoonTerms) {
        const Turn z = pD[4 + t.d] * pM[4 + t.m] * pMp[4 + t.mp] * pF[4 + t.f];
        longitude += t.coefficient * eFactor[t.ePower] * z.s;
    }
    out.longitude = NormalizeDegrees(longitude);
    return out;
}

} // namespace omvera
