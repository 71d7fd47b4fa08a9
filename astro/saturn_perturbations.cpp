// Saturn: the rows of its perturbation series.
#include "astro/perturbation_tables.h"

namespace omvera::perturbation {
namespace {

using enum Angle;

// clang-format off
// dL: mean longitude, degrees.
constexpr Row kDL[] = {
    {Cos(V), One, -0.010497, +0.160906, -0.0041},
    {Sin(2, V), One, +0.007581},
    {Sin(2, Z), One, -0.040786},
    {Sin(3, Z), One, -0.015208},
    {Sin(4, Z), One, -0.006339},
    {Sin(Q), One, -0.006244},
    {Sin(V), One, -0.814181, +0.01815, +0.016714},
    {Sin(W), One, -0.007986},
    {Sin(Z), One, -0.148811},
    {Cos(3, S_Q), Cos(2, Q), -0.007528},
    {Cos(2, Z), Cos(2, Q), -0.007736},
    {Cos(Z), Cos(2, Q), -0.005236},
    {Cos(2, Z), Cos(Q), +0.014394},
    {Cos(2, Z), Sin(Q), +0.015019},
    {Cos(3, Z), Cos(Q), +0.006319},
    {Cos(Z), Cos(Q), +0.025328, -0.003117},
    {Sin(Z), Cos(Q), +0.085581, +0.002494},
    {Cos(Z), Sin(Q), +0.081344, +0.003206},
    {Sin(3, S_Q), Sin(2, Q), +0.007525},
    {Sin(2, Z), Sin(2, Q), +0.009156},
    {Sin(Z), Sin(2, Q), +0.006369},
    {Sin(2, Z), Sin(Q), -0.0165},
    {Sin(3, Z), Sin(Q), -0.005775},
    {Sin(Z), Sin(Q), +0.008931, +0.002728},
};

// B: perihelion series B (dM = dL - B / e0), degrees.
constexpr Row kB[] = {
    {Cos(Q), One, -0.072586},
    {Cos(V), One, +0.045803, -0.014766, -0.000536},
    {Sin(V), One, +0.077108, +0.007186, -0.001533},
    {Sin(Z), One, -0.007075},
    {Cos(2, Z), Cos(2, Q), -0.013064, -0.001628},
    {Cos(Z), Cos(2, Q), +0.014861, +0.001136},
    {Sin(2, Z), Cos(2, Q), +0.011981},
    {Sin(Z), Cos(2, Q), -0.013667, +0.001239},
    {Cos(2, Z), Cos(Q), +0.026897},
    {Cos(2, Z), Sin(2, Q), +0.013586, -0.001375},
    {Cos(3, Z), Cos(Q), +0.010053},
    {Cos(Z), Cos(Q), -0.150383},
    {Cos(Z), Sin(2, Q), -0.007742, +0.001517},
    {Sin(Z), Sin(2, Q), -0.013597, -0.001719},
    {Sin(2, Z), Sin(Q), -0.024839},
    {Sin(3, Z), Sin(Q), -0.008631},
    {Sin(Z), Sin(Q), -0.075825},
};

// de: eccentricity, units of 1e-7.
constexpr Row kDe[] = {
    {Cos(2, Q), One, -490},
    {Cos(2, V), One, -305, -91},
    {Cos(Q), One, +163, -611},
    {Cos(V), One, +13381, +1226, -253},
    {Sin(2, Q), One, -350},
    {Sin(2, V), One, +248, -121},
    {Sin(2, Z), One, +412},
    {Sin(Q), One, +12415},
    {Sin(V), One, -7927, +2548, +91},
    {Cos(2, S_Q), Sin(Q), +497},
    {Cos(3, S_Q), Cos(2, Q), -242},
    {Cos(3, S_Q), Sin(2, Q), +467},
    {Cos(2, Z), Cos(2, Q), +2162, -207},
    {Cos(3, Z), Cos(2, Q), +561},
    {Cos(4, Z), Cos(2, Q), +343},
    {Cos(Z), Cos(2, Q), -1594, +282},
    {Sin(3, S_Q), Cos(2, Q), +469},
    {Sin(2, Z), Cos(2, Q), +128, +226},
    {Sin(3, Z), Cos(2, Q), +224},
    {Sin(Z), Cos(2, Q), -2842, -279},
    {Cos(2, Z), Cos(Q), -86, +230},
    {Cos(2, Z), Sin(2, Q), +2022, +263},
    {Cos(2, Z), Sin(Q), -4687},
    {Cos(3, Z), Cos(3, Q), -271},
    {Cos(Z), Cos(3, Q), +208},
    {Cos(3, Z), Sin(2, Q), +248},
    {Cos(3, Z), Sin(4, Q), -382},
    {Cos(3, Z), Sin(Q), -1870},
    {Sin(3, Z), Cos(4, Q), -376},
    {Cos(4, Z), Sin(Q), -821},
    {Cos(5, Z), Sin(Q), -377},
    {Cos(Z), Cos(Q), -282, -1306},
    {Sin(2, S_Q), Cos(Q), +461},
    {Sin(2, Z), Cos(Q), -4200},
    {Sin(3, Z), Cos(Q), -1503},
    {Sin(4, Z), Cos(Q), -619},
    {Sin(5, Z), Cos(Q), -268},
    {Sin(Z), Cos(Q), -12696},
    {Cos(Z), Sin(2, Q), -2780, -222},
    {Cos(Z), Sin(Q), +26599},
    {Sin(3, S_Q), Sin(2, Q), +242},
    {Sin(2, Z), Sin(2, Q), -2208},
    {Sin(3, Z), Sin(2, Q), -568},
    {Sin(4, Z), Sin(2, Q), -346},
    {Sin(Z), Sin(2, Q), +2211, -286},
    {Sin(2, Z), Sin(Q), +165, -204},
    {Sin(3, Z), Sin(3, Q), +262},
    {Sin(Z), Sin(3, Q), -205},
    {Sin(Z), Sin(Q), +390, -617},
};

// da: semi-major axis, units of 1e-6 AU.
constexpr Row kDa[] = {
    {Cos(2, Z), One, -3081},
    {Cos(3, Z), One, -1423},
    {Cos(4, Z), One, -671},
    {Cos(5, Z), One, -320},
    {Cos(Q), One, -890},
    {Cos(V), One, +2933},
    {Cos(Z), One, +33629},
    {Sin(Q), One, +1098},
    {Sin(V), One, 0, +572},
    {Cos(2, Z), Cos(2, Q), +296},
    {Cos(3, Z), Cos(2, Q), +211},
    {Sin(2, Z), Cos(2, Q), +441},
    {Sin(Z), Cos(2, Q), -856},
    {Cos(2, Z), Cos(Q), +2172, +102},
    {Cos(2, Z), Sin(2, Q), +495},
    {Cos(2, Z), Sin(Q), -999},
    {Cos(3, Z), Cos(3, Q), -427},
    {Cos(Z), Cos(3, Q), +344},
    {Cos(3, Z), Cos(Q), +296},
    {Cos(3, Z), Sin(2, Q), +250},
    {Cos(3, Z), Sin(Q), -642},
    {Cos(4, Z), Sin(Q), -325},
    {Cos(Z), Cos(Q), +2885},
    {Sin(2, Z), Cos(Q), -1590},
    {Sin(3, Z), Cos(Q), -647},
    {Sin(4, Z), Cos(Q), -344},
    {Sin(Z), Cos(Q), +2206},
    {Cos(Z), Sin(2, Q), -778},
    {Cos(Z), Sin(Q), +2138},
    {Sin(3, Z), Sin(2, Q), -267},
    {Sin(2, Z), Sin(Q), +688},
    {Sin(3, Z), Sin(3, Q), +398},
    {Sin(Z), Sin(3, Q), -427},
    {Sin(3, Z), Sin(Q), -393},
    {Sin(4, Z), Sin(Q), -228},
    {Sin(Z), Sin(Q), -2812},
};

// dl: heliocentric longitude, degrees.
constexpr Row kDl[] = {
    {Cos(2, Z), Cos(2, Q), -0.002075},
    {Sin(2, Z), Cos(2, Q), +0.001236},
    {Cos(2, Z), Sin(2, Q), +0.001261},
    {Cos(Z), Cos(Q), +0.001069},
    {Cos(Z), Sin(Q), +0.000747},
    {Sin(2, Z), Sin(2, Q), +0.002108},
};

// clang-format on

} // namespace

const PlanetTables kSaturn = {true,        false,    {kDL, 1}, {kB, 1}, {kDe, 1e-7},
                              {kDa, 1e-6}, {kDl, 1}, {},       {}};

} // namespace omvera::perturbation
