#include "astro/perturbations.h"

#include "astro/angles.h"
#include "astro/perturbation_tables.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

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

// The tables as the evaluation reads them: each factor replaced by its slot among the distinct
// factors of its set, whose values PerturbationArguments computes once per moment. A row
// still multiplies (c0 + c1 nu + c2 nu^2) by its first and then its second factor, so the
// sums are bit for bit those of the printed rows.
struct IndexedRow {
    double c0, c1, c2;
    int first, second;
};

struct IndexedSeries {
    std::vector<IndexedRow> rows;
    double unit = 1;
};

struct IndexedPlanet {
    bool reduceMeanAngles = false;
    bool reduceLongitudeCorrections = false;
    IndexedSeries dL, B, de, da, dl, db, dr;
};

struct FactorSet {
    std::vector<Factor> factors{One}; // slot 0: the factor 1

    int SlotOf(const Factor& f) {
        if (f.trig == Trig::One) return 0;
        for (size_t i = 1; i < factors.size(); ++i)
            if (factors[i].trig == f.trig && factors[i].multiple == f.multiple &&
                factors[i].angle == f.angle)
                return static_cast<int>(i);
        factors.push_back(f);
        if (factors.size() > PerturbationArguments::kMaxFactors)
            throw std::logic_error("perturbation tables: more distinct factors than slots");
        return static_cast<int>(factors.size() - 1);
    }
};

struct IndexedTables {
    FactorSet unreduced, reduced;
    std::array<IndexedPlanet, 4> planets; // Jupiter, Saturn, Uranus, Neptune
};

IndexedSeries IndexSeries(const Series& s, FactorSet& set) {
    IndexedSeries out;
    out.unit = s.unit;
    for (const Row& r : s.rows)
        out.rows.push_back({r.c0, r.c1, r.c2, set.SlotOf(r.first), set.SlotOf(r.second)});
    return out;
}

IndexedTables IndexAll() {
    IndexedTables t;
    const std::array<const PlanetTables*, 4> planets = {&kJupiter, &kSaturn, &kUranus, &kNeptune};
    for (size_t k = 0; k < planets.size(); ++k) {
        const PlanetTables& p = *planets[k];
        FactorSet& set = p.reduceMeanAngles ? t.reduced : t.unreduced;
        IndexedPlanet& out = t.planets[k];
        out.reduceMeanAngles = p.reduceMeanAngles;
        out.reduceLongitudeCorrections = p.reduceLongitudeCorrections;
        out.dL = IndexSeries(p.dL, set);
        out.B = IndexSeries(p.B, set);
        out.de = IndexSeries(p.de, set);
        out.da = IndexSeries(p.da, set);
        out.dl = IndexSeries(p.dl, set);
        out.db = IndexSeries(p.db, set);
        out.dr = IndexSeries(p.dr, set);
    }
    return t;
}

const IndexedTables& Tables() {
    static const IndexedTables tables = IndexAll();
    return tables;
}

double Sum(const IndexedSeries& s, const double* v, double nu) {
    double sum = 0;
    for (const IndexedRow& r : s.rows)
        sum += (r.c0 + r.c1 * nu + r.c2 * nu * nu) * v[r.first] * v[r.second];
    return sum * s.unit;
}

void FillFactors(const FactorSet& set, double T, bool reduced, double* values) {
    const Angles a = MeanAngles(T, reduced);
    for (size_t i = 0; i < set.factors.size(); ++i) values[i] = FactorValue(set.factors[i], a);
}

} // namespace
} // namespace perturbation

PerturbationArguments::PerturbationArguments(double T) : T_(T) {
    using namespace perturbation;
    const IndexedTables& t = Tables();
    FillFactors(t.unreduced, T, false, unreduced_.data());
    FillFactors(t.reduced, T, true, reduced_.data());
}

const double* PerturbationArguments::Factors(bool reducedAngles) const {
    return reducedAngles ? reduced_.data() : unreduced_.data();
}

PerturbationResult OuterPerturbations(int planet, const PerturbationArguments& args, double e0) {
    using namespace perturbation;
    PerturbationResult out;
    if (planet < 6 || planet > 9) return out;
    const IndexedPlanet& t = Tables().planets[planet - 6];
    const double* v = args.Factors(t.reduceMeanAngles);
    const double nu = args.T() / 5 + 0.1;
    out.dL = Sum(t.dL, v, nu);
    out.dM = out.dL - Sum(t.B, v, nu) / e0;
    out.de = Sum(t.de, v, nu);
    out.da = Sum(t.da, v, nu);
    out.dl = Sum(t.dl, v, nu);
    out.db = Sum(t.db, v, nu);
    out.dr = Sum(t.dr, v, nu);
    if (t.reduceLongitudeCorrections) {
        out.dL = NormalizeDegrees(out.dL);
        out.dM = NormalizeDegrees(out.dM);
    }
    return out;
}

PerturbationResult OuterPerturbations(int planet, double T, double e0) {
    if (planet < 6 || planet > 9) return {};
    return OuterPerturbations(planet, PerturbationArguments(T), e0);
}

} // namespace omvera
