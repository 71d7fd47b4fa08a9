// Uranus: the rows of its perturbation series.
#include "astro/perturbation_tables.h"

namespace omvera::perturbation {
namespace {

using enum Angle;

// clang-format off
// dL: mean longitude, degrees.
constexpr Row kDL[] = {
    {Cos(G2_S), One, +0.082222, -0.006833},
    {Cos(G4_S2), One, -0.003019},
    {Sin(G2_S), One, +0.864319, -0.001583},
    {Sin(G4_S2), One, +0.036017},
    {Sin(W), One, +0.008122},
};

// B: perihelion series B (dM = dL - B / e0), degrees.
constexpr Row kB[] = {
    {Cos(G2_S), One, +0.019472, -0.000947},
    {Sin(G2_S), One, +0.120303},
    {Sin(G4_S2), One, +0.006197},
};

// de: eccentricity, units of 1e-7.
constexpr Row kDe[] = {
    {Cos(G2_S), One, +20981},
    {Cos(G4_S2), One, +1311},
    {Sin(G2_S), One, -3349, +163},
};

// da: semi-major axis, AU.
constexpr Row kDa[] = {
    {Cos(G2_S), One, -0.003825},
};

// dl: heliocentric longitude, degrees.
constexpr Row kDl[] = {
    {Cos(S2_Q), One, -0.038581, +0.002031, -0.00191},
    {Cos(S3_Q), One, +0.034964, -0.001038, +0.000868},
    {Cos(S_Q), One, +0.002347},
    {Sin(S_P), One, -0.014808},
    {Sin(S2_Q), One, +0.010122, -0.000988},
    {Sin(S_Q), One, -0.005794},
    {Sin(G2_S2), One, +0.008803},
    {Sin(G3_S2), One, +0.005594},
    {Sin(G3_S3), One, -0.004308},
    {Sin(G_S), One, +0.009872},
};

// db: heliocentric latitude, degrees.
constexpr Row kDb[] = {
    {Cos(S_Q), Cos(S), -0.000853},
    {Cos(S_Q), Sin(S), -0.000642},
    {Cos(G2_S2), Sin(2, S), +0.000403},
    {Sin(G2_S2), Cos(2, S), +0.000403},
    {Cos(G4_S4), Sin(S), -0.000517},
    {Sin(4, S_Q), Cos(S), -0.000517},
    {Sin(S_Q), Cos(S), -0.000347},
    {Sin(S_Q), Sin(S), +0.000458},
};

// dr: radius, units of 1e-6 AU.
constexpr Row kDr[] = {
    {One, One, -25948},
    {Cos(S_P), One, +4985},
    {Cos(S_Q), One, +3354},
    {Cos(G2_S2), One, +904},
    {Cos(G3_S3), One, -894},
    {Cos(G_S), One, +894},
    {Cos(S), One, -1230},
    {Cos(S_Q), Cos(S), +1351},
    {Cos(S_Q), Sin(2, S), +1388},
    {Cos(S_Q), Sin(S), +5702},
    {Sin(S_Q), Cos(2, S), +1388},
    {Sin(S_Q), Cos(S), +5795},
    {Sin(S_Q), Sin(S), -1165},
};

// clang-format on

} // namespace

const PlanetTables kUranus = {true,     false,    {kDL, 1}, {kB, 1},    {kDe, 1e-7},
                              {kDa, 1}, {kDl, 1}, {kDb, 1}, {kDr, 1e-6}};

} // namespace omvera::perturbation
