#pragma once
// The rows of the perturbation series and their evaluation. Each planet's tables live in a
// file of their own (jupiter_perturbations.cpp, ...), written one row per line so that a row
// can be checked against the printed tables by eye.
#include <cstddef>
#include <span>

namespace omvera::perturbation {

// The angles a factor takes the sine or cosine of. Compound names read as the printed
// argument: S_Q is S - Q, G2_S is 2G - S, G4_S2 is 4G - 2S, and so on.
enum class Angle {
    P,
    Q,
    S,
    G,
    V,
    W,
    Z, // Z is zeta = Q - P
    S_Q,
    S_P,
    G_S,
    G_P,
    G_Q,
    G2_S,
    G4_S2,
    S2_Q,
    S3_Q,
    G2_S2,
    G3_S2,
    G3_S3,
    G4_S4,
    Count
};

enum class Trig { One, Sin, Cos };

// trig(multiple x angle); Trig::One is the factor 1.
struct Factor {
    Trig trig;
    int multiple;
    Angle angle;
};

constexpr Factor Sin(int multiple, Angle a) {
    return {Trig::Sin, multiple, a};
}
constexpr Factor Cos(int multiple, Angle a) {
    return {Trig::Cos, multiple, a};
}
constexpr Factor Sin(Angle a) {
    return {Trig::Sin, 1, a};
}
constexpr Factor Cos(Angle a) {
    return {Trig::Cos, 1, a};
}
inline constexpr Factor One{Trig::One, 0, Angle::Q};

// A row contributes (c0 + c1 nu + c2 nu^2) x first x second.
struct Row {
    Factor first;
    Factor second;
    double c0 = 0, c1 = 0, c2 = 0;
};

// A series is the sum of its rows times its unit (1e-7 for eccentricities, 1e-6 for the
// distances tabled in millionths of an AU, 1 for degrees).
struct Series {
    std::span<const Row> rows;
    double unit = 1;
};

struct PlanetTables {
    // Saturn, Uranus and Neptune reduce P, Q, S and G into 0..360 before forming V, W and
    // zeta; Jupiter forms them from the unreduced angles.
    bool reduceMeanAngles;
    // Neptune reduces dL and dM into 0..360 before returning them.
    bool reduceLongitudeCorrections;
    Series dL, B, de, da, dl, db, dr;
};

extern const PlanetTables kJupiter;
extern const PlanetTables kSaturn;
extern const PlanetTables kUranus;
extern const PlanetTables kNeptune;

} // namespace omvera::perturbation
