#pragma once
// Corrections of the mean orbital elements of Jupiter, Saturn, Uranus and Neptune for the
// mutual attraction of the large planets, added before the Kepler solution.
#include <array>

namespace omvera {

struct PerturbationResult {
    double dL = 0; // mean longitude, degrees
    double dM = 0; // mean anomaly, degrees: dL - B / e0
    double de = 0; // eccentricity
    double da = 0; // semi-major axis, AU
    double dl = 0; // heliocentric longitude, degrees
    double db = 0; // heliocentric latitude, degrees
    double dr = 0; // radius, AU
};

// The arguments of the four planets' series for one moment: every sine and cosine the rows
// take, each computed once (Jupiter's series take them of the unreduced mean angles, the
// others' of the reduced ones, so there are two sets). A chart computes them once for all
// four planets.
class PerturbationArguments {
  public:
    // T in Julian centuries since 1900.
    explicit PerturbationArguments(double T);
    // Only T, for Mercury to Mars, which take no corrections.
    static PerturbationArguments None(double T) { return PerturbationArguments(T, Empty{}); }
    double T() const { return T_; }
    // The values of the factors of one set, in the order perturbations.cpp numbers them
    // (slot 0 is the factor 1).
    const double* Factors(bool reducedAngles) const;

    static constexpr int kMaxFactors = 64;

  private:
    struct Empty {};
    PerturbationArguments(double T, Empty) : T_(T) {}
    double T_;
    std::array<double, kMaxFactors> unreduced_{};
    std::array<double, kMaxFactors> reduced_{};
};

// planet: 6 Jupiter, 7 Saturn, 8 Uranus, 9 Neptune (any other number gives zeros). T in Julian
// centuries since 1900; e0 the planet's unperturbed mean eccentricity.
PerturbationResult OuterPerturbations(int planet, double T, double e0);
PerturbationResult OuterPerturbations(int planet, const PerturbationArguments& args, double e0);

} // namespace omvera
