// Neptune: the rows of its perturbation series.
#include "astro/perturbation_tables.h"

namespace omvera::perturbation {
namespace {

using enum Angle;

// clang-format off
// dL: mean longitude, degrees.
constexpr Row kDL[] = {
    {Cos(G2_S), One, -0.056094, +0.004658},
    {Sin(G2_S), One, -0.589833, +0.001089},
    {Sin(G4_S2), One, -0.024286},
};

// B: perihelion series B (dM = dL - B / e0), degrees.
constexpr Row kB[] = {
    {Cos(G2_S), One, -0.025303},
    {Cos(G4_S2), One, -0.005992},
    {Sin(G2_S), One, +0.024039},
    {Sin(G4_S2), One, +0.006206},
};

// de: eccentricity, units of 1e-7.
constexpr Row kDe[] = {
    {Cos(G2_S), One, +4262},
    {Cos(G4_S2), One, +1089},
    {Sin(G2_S), One, +4389},
    {Sin(G4_S2), One, +1129},
};

// da: semi-major axis, units of 1e-6 AU.
constexpr Row kDa[] = {
    {Cos(G2_S), One, +8189},
    {Cos(G4_S2), One, +781},
    {Sin(G2_S), One, -817},
};

// dl: heliocentric longitude, degrees.
constexpr Row kDl[] = {
    {Sin(G2_S2), One, +0.002572},
    {Sin(G_P), One, -0.009556},
    {Sin(G_Q), One, -0.005178},
    {Cos(G2_S2), Sin(G), -0.0002972},
    {Cos(G), Sin(G2_S2), -0.002833},
};

// db: heliocentric latitude, degrees.
constexpr Row kDb[] = {
    {Cos(G2_S2), Sin(G), +0.000336},
    {Cos(G), Sin(G2_S2), +0.000364},
};

// dr: radius, units of 1e-6 AU.
constexpr Row kDr[] = {
    {One, One, -40596},
    {Cos(G2_S2), One, +1051},
    {Cos(G_P), One, +4992},
    {Cos(G_Q), One, +2744},
    {Cos(G_S), One, +2044},
};

// clang-format on

} // namespace

const PlanetTables kNeptune = {true,        true,     {kDL, 1}, {kB, 1},    {kDe, 1e-7},
                               {kDa, 1e-6}, {kDl, 1}, {kDb, 1}, {kDr, 1e-6}};

} // namespace omvera::perturbation
