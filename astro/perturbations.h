#pragma once
// Corrections of the mean orbital elements of Jupiter, Saturn, Uranus and Neptune for the
// mutual attraction of the large planets, added before the Kepler solution.

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

// planet: 6 Jupiter, 7 Saturn, 8 Uranus, 9 Neptune (any other number gives zeros). T in Julian
// centuries since 1900; e0 the planet's unperturbed mean eccentricity.
PerturbationResult OuterPerturbations(int planet, double T, double e0);

} // namespace omvera
