#include "astro/perturbations.h"

#include "astro/angles.h"
#include "astro/perturbation_tables.h"

#include <array>
#include <cmath>

namespace omvera {
namespace perturbation {
namespace {

using Angles = std::array<double, static_cast<size_t>(Angle::Count)>;

double& At(Angles& a, Angle which) {
    return a[static_cast<size_t>(which)];
}

// The angles of the series in degrees for T; P, Q, S, G reduced first where the planet's
// tables ask for it, V, W and zeta always.
Angles MeanAngles(double T, bool reduceMeanAngles) {
    double P = 237.47555 + 3034.9061 * T;
    double Q = 265.9165 + 1222.1139 * T;
    double S = 243.51721 + 428.4677 * T;
    double G = 83.76922 + 218.4901 * T;
    if (reduceMeanAngles) {
        P = NormalizeDegrees(P);
        Q = NormalizeDegrees(Q);
        S = NormalizeDegrees(S);
        G = NormalizeDegrees(G);
    }
    Angles a{};
    At(a, Angle::P) = P;
    At(a, Angle::Q) = Q;
    At(a, Angle::S) = S;
    At(a, Angle::G) = G;
    At(a, Angle::V) = NormalizeDegrees(5 * Q - 2 * P);
    At(a, Angle::W) = NormalizeDegrees(2 * P - 6 * Q + 3 * S);
    At(a, Angle::Z) = NormalizeDegrees(Q - P);
    At(a, Angle::S_Q) = S - Q;
    At(a, Angle::S_P) = S - P;
    At(a, Angle::G_S) = G - S;
    At(a, Angle::G_P) = G - P;
    At(a, Angle::G_Q) = G - Q;
    At(a, Angle::G2_S) = 2 * G - S;
    At(a, Angle::G4_S2) = 4 * G - 2 * S;
    At(a, Angle::S2_Q) = 2 * S - Q;
    At(a, Angle::S3_Q) = 3 * S - Q;
    At(a, Angle::G2_S2) = 2 * G - 2 * S;
    At(a, Angle::G3_S2) = 3 * G - 2 * S;
    At(a, Angle::G3_S3) = 3 * G - 3 * S;
    At(a, Angle::G4_S4) = 4 * G - 4 * S;
    return a;
}

double FactorValue(const Factor& f, const Angles& a) {
    if (f.trig == Trig::One) return 1;
    const double x = f.multiple * a[static_cast<size_t>(f.angle)];
    return f.trig == Trig::Sin ? SinDeg(x) : CosDeg(x);
}

double Sum(const Series& s, const Angles& a, double nu) {
    double sum = 0;
    for (const Row& r : s.rows)
        sum += (r.c0 + r.c1 * nu + r.c2 * nu * nu) * FactorValue(r.first, a) *
               FactorValue(r.second, a);
    return sum * s.unit;
}

const PlanetTables* TablesOf(int planet) {
    switch (planet) {
    case 6:
        return &kJupiter;
    case 7:
        return &kSaturn;
    case 8:
        return &kUranus;
    case 9:
        return &kNeptune;
    default:
        return nullptr;
    }
}

} // namespace
} // namespace perturbation

PerturbationResult OuterPerturbations(int planet, double T, double e0) {
    using namespace perturbation;
    PerturbationResult out;
    const PlanetTables* t = TablesOf(planet);
    if (!t) return out;
    const double nu = T / 5 + 0.1;
    const Angles a = MeanAngles(T, t->reduceMeanAngles);
    out.dL = Sum(t->dL, a, nu);
    out.dM = out.dL - Sum(t->B, a, nu) / e0;
    out.de = Sum(t->de, a, nu);
    out.da = Sum(t->da, a, nu);
    out.dl = Sum(t->dl, a, nu);
    out.db = Sum(t->db, a, nu);
    out.dr = Sum(t->dr, a, nu);
    if (t->reduceLongitudeCorrections) {
        out.dL = NormalizeDegrees(out.dL);
        out.dM = NormalizeDegrees(out.dM);
    }
    return out;
}

} // namespace omvera
