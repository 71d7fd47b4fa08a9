// Jupiter: the rows of its perturbation series.
#include "astro/perturbation_tables.h"

namespace omvera::perturbation {
namespace {

using enum Angle;

// clang-format off
// dL: mean longitude, degrees.
constexpr Row kDL[] = {
    {Cos(Q), One, +0.002178},
    {Cos(V), One, +0.003228, -0.064436, +0.002075},
    {Sin(2, V), One, -0.003083, -0.000275, +0.000489},
    {Sin(2, Z), One, +0.018472},
    {Sin(3, Z), One, +0.006717},
    {Sin(4, Z), One, +0.002775},
    {Sin(V), One, +0.331364, -0.010281, -0.004692},
    {Sin(W), One, +0.002472},
    {Sin(Z), One, +0.013619},
    {Cos(2, Z), Cos(2, Q), +0.003342},
    {Cos(Z), Cos(2, Q), +0.002094},
    {Cos(2, Z), Cos(Q), -0.006675},
    {Cos(2, Z), Sin(Q), -0.003767},
    {Cos(3, Z), Cos(Q), -0.002664},
    {Cos(Z), Cos(Q), -0.006333, +0.001161},
    {Sin(2, Z), Cos(Q), -0.004261},
    {Sin(Z), Cos(Q), -0.035681, -0.001208},
    {Cos(Z), Sin(Q), -0.033839, -0.001125},
    {Sin(2, Z), Sin(2, Q), -0.003567},
    {Sin(Z), Sin(2, Q), -0.002572},
    {Sin(2, Z), Sin(Q), +0.006417},
    {Sin(3, Z), Sin(Q), +0.002439},
    {Sin(Z), Sin(Q), +0.007275, -0.001253},
};

// B: perihelion series B (dM = dL - B / e0), degrees.
constexpr Row kB[] = {
    {Cos(V), One, -0.020428, -0.000675, +0.000197},
    {Sin(Q), One, -0.004344},
    {Sin(V), One, +0.007192, -0.003147},
    {Cos(2, Z), Cos(2, Q), -0.002689},
    {Cos(Z), Cos(2, Q), +0.005547},
    {Sin(2, Z), Cos(2, Q), -0.002536},
    {Sin(Z), Cos(2, Q), +0.004403},
    {Cos(2, Z), Sin(2, Q), -0.002642},
    {Cos(2, Z), Sin(Q), +0.005614},
    {Cos(3, Z), Sin(Q), +0.002964},
    {Cos(Z), Cos(Q), -0.006603},
    {Sin(2, Z), Cos(Q), +0.06158},
    {Sin(Z), Cos(Q), +0.037761},
    {Cos(Z), Sin(2, Q), +0.004483},
    {Cos(Z), Sin(Q), +0.034036},
    {Sin(2, Z), Sin(2, Q), +0.002722},
    {Sin(Z), Sin(2, Q), -0.005356},
    {Sin(Z), Sin(Q), +0.007269, +0.000672},
};

// de: eccentricity, units of 1e-7.
constexpr Row kDe[] = {
    {Cos(2, Q), One, +179},
    {Cos(Q), One, -817},
    {Cos(V), One, +1289, -580},
    {Sin(Q), One, -204},
    {Sin(V), One, +3606, +130, -43},
    {Cos(2, Z), Cos(2, Q), -437},
    {Cos(3, Z), Cos(2, Q), -132},
    {Cos(Z), Cos(2, Q), +1024, +75},
    {Sin(2, Z), Cos(2, Q), +490},
    {Sin(3, Z), Cos(2, Q), +158},
    {Sin(Z), Cos(2, Q), -956, +99},
    {Cos(2, Z), Cos(Q), +992},
    {Cos(2, Z), Sin(2, Q), +480},
    {Cos(2, Z), Sin(Q), +188},
    {Cos(3, Z), Cos(Q), +508},
    {Cos(3, Z), Sin(2, Q), +148},
    {Cos(4, Z), Cos(Q), +230},
    {Cos(5, Z), Cos(Q), +108},
    {Cos(Z), Cos(Q), +6074},
    {Sin(2, Z), Cos(Q), +224},
    {Sin(Z), Cos(Q), +1460, +130},
    {Cos(Z), Sin(2, Q), -997, +108},
    {Cos(Z), Sin(Q), +1284, +116},
    {Sin(2, Z), Sin(2, Q), +448},
    {Sin(3, Z), Sin(2, Q), +137},
    {Sin(Z), Sin(2, Q), -956, -73},
    {Sin(2, Z), Sin(Q), -1110},
    {Sin(3, Z), Sin(Q), -224},
    {Sin(Z), Sin(Q), -6764},
};

// da: semi-major axis, units of 1e-6 AU.
constexpr Row kDa[] = {
    {Cos(2, Z), One, +693},
    {Cos(3, Z), One, +312},
    {Cos(4, Z), One, +147},
    {Cos(V), One, -263},
    {Cos(Z), One, +205},
    {Cos(2, Z), Cos(Q), -111},
    {Cos(2, Z), Sin(Q), +181},
    {Cos(Z), Cos(Q), -337},
    {Sin(2, Z), Cos(Q), +204},
    {Sin(3, Z), Cos(Q), +111},
    {Sin(Z), Sin(Q), +299},
};

// clang-format on

} // namespace

const PlanetTables kJupiter = {false,       false, {kDL, 1}, {kB, 1}, {kDe, 1e-7},
                               {kDa, 1e-6}, {},    {},       {}};

} // namespace omvera::perturbation
