#include "astro/planets.h"

#include "astro/angles.h"
#include "astro/kepler.h"
#include "astro/perturbations.h"
#include "astro/sun.h"

#include <array>
#include <cmath>

namespace omvera {
namespace {

// c0 + c1 T + c2 T^2 + c3 T^3.
struct Polynomial {
    double c0, c1, c2, c3;
    double At(double T) const { return c0 + c1 * T + c2 * T * T + c3 * T * T * T; }
};

// Mean elements: angles in degrees, a in AU.
struct MeanElements {
    Polynomial L, N, M, i, e;
    double a;
};

// Bodies 3..9 (Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune).
constexpr std::array<MeanElements, 7> kMeanElements = {{
    {{178.179078, 149474.07078, +0.0003011, 0},
     {47.145944, 1.1852083, +0.0001739, 0},
     {102.27938, 149472.51529, +0.000007, 0},
     {7.002881, 0.0018608, -0.0000183, 0},
     {0.20561421, 0.00002046, -0.00000003, 0},
     0.3870986},
    {{342.767053, 58519.21191, +0.0003097, 0},
     {75.779647, 0.89985, +0.00041, 0},
     {212.60322, 58517.80387, +0.001286, 0},
     {3.393631, 0.0010058, -0.000001, 0},
     {0.00682069, -0.00004774, +0.000000091, 0},
     0.7233316},
    {{293.737334, 19141.69551, +0.0003107, 0},
     {48.786442, 0.7709917, -0.0000014, -0.00000533},
     {319.51913, 19139.85475, +0.000181, 0},
     {1.850333, -0.000675, +0.0000126, 0},
     {0.0933129, 0.000092064, -0.000000077, 0},
     1.5236883},
    {{238.049257, 3036.301986, +0.0003347, -0.00000165},
     {99.443414, 1.01053, +0.00035222, -0.00000851},
     {225.32833, 3034.69202, -0.000722, 0},
     {1.308736, -0.0056961, +0.0000039, 0},
     {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
     5.202561},
    {{266.564377, 1223.509884, +0.0003245, -0.0000058},
     {112.790414, 0.8731951, -0.00015218, -0.00000531},
     {175.46622, 1221.55147, -0.000502, 0},
     {2.492519, -0.0039189, -0.00001549, +0.00000004},
     {0.05589232, -0.0003455, -0.000000728, +0.00000000074},
     9.554747},
    {{244.19747, 429.863546, +0.000316, -0.0000006},
     {73.477111, 0.4986678, +0.0013117, 0},
     {72.64878, 428.37911, +0.000079, 0},
     {0.772464, 0.0006253, +0.0000395, 0},
     {0.0463444, -0.00002658, +0.000000077, 0},
     19.21814},
    {{84.457994, 219.885914, +0.0003205, -0.0000006},
     {130.681389, 1.098935, +0.00024987, -0.000004718},
     {37.73063, 218.46134, -0.00007, 0},
     {1.779242, -0.0095436, -0.0000091, 0},
     {0.00899704, 0.00000633, -0.000000002, 0},
     30.10957},
}};

// The elements of one moment, with the corrections already added to L, M, e and a.
struct OrbitInput {
    double L, N, M, i, e, a;
    double dl, db, dr;
};

double PlanetFromElements(const OrbitInput& o, const SunPlace& sun) {
    const KeplerSolution k = SolveKepler(o.M / kDegreesPerRadian, o.e);
    const double u = NormalizeDegrees(o.L + k.v - o.M - o.N);
    const double l = NormalizeDegrees(
        o.N + Atan2Positive(CosDeg(o.i) * SinDeg(u), CosDeg(u)) * kDegreesPerRadian + o.dl);
    const double b = ArcSin(SinDeg(u) * SinDeg(o.i)) * kDegreesPerRadian + o.db;
    const double r = o.a * (1 - o.e * o.e) / (1 + o.e * CosDeg(k.v)) + o.dr;
    const double rc = r * CosDeg(b);
    const double y = rc * SinDeg(l - sun.trueLongitude);
    const double x = rc * CosDeg(l - sun.trueLongitude) + sun.distance;
    return NormalizeDegrees(sun.trueLongitude + Atan2Positive(y, x) * kDegreesPerRadian);
}

} // namespace

double PlanetLongitude(int body, double T) {
    if (body < 3 || body > 9) return 0;
    if (body < 6) return PlanetLongitude(body, SunPosition(T), PerturbationArguments::None(T));
    return PlanetLongitude(body, SunPosition(T), PerturbationArguments(T));
}

double PlanetLongitude(int body, const SunPlace& sun, const PerturbationArguments& args) {
    if (body < 3 || body > 9) return 0;
    const double T = args.T();
    const MeanElements& m = kMeanElements[body - 3];
    OrbitInput o{};
    o.L = NormalizeDegrees(m.L.At(T));
    o.N = NormalizeDegrees(m.N.At(T));
    o.M = NormalizeDegrees(m.M.At(T));
    o.i = m.i.At(T);
    o.e = m.e.At(T);
    o.a = m.a;
    if (body >= 6) {
        const PerturbationResult p = OuterPerturbations(body, args, o.e);
        o.L += p.dL;
        o.M += p.dM;
        o.e += p.de;
        o.a += p.da;
        o.dl = p.dl;
        o.db = p.db;
        o.dr = p.dr;
    }
    return PlanetFromElements(o, sun);
}

} // namespace omvera
