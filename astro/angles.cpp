#include "astro/angles.h"

#include <cmath>

namespace omvera {
namespace {

// Beyond this magnitude the turn-by-turn loops would take long (and beyond about 1e17 never
// end, since subtracting 360 no longer changes the number).
constexpr double kLoopLimit = 1e7;

double BringNear(double x) {
    return std::fabs(x) > kLoopLimit ? std::fmod(x, 360.0) : x;
}

} // namespace

double SinDeg(double degrees) {
    return std::sin(degrees / kDegreesPerRadian);
}
double CosDeg(double degrees) {
    return std::cos(degrees / kDegreesPerRadian);
}

double NormalizeDegrees(double x) {
    x = BringNear(x);
    while (x < 0) x += 360;
    while (x > 360) x -= 360;
    return x;
}

double ReduceTurnsDownFirst(double x) {
    x = BringNear(x);
    while (x > 360) x -= 360;
    while (x < 0) x += 360;
    return x;
}

double SubtractTurns(double x) {
    x = BringNear(x);
    while (x > 360) x -= 360;
    return x;
}

double Atan2Positive(double y, double x) {
    double a;
    if (x == 0) {
        if (y > 0) return kHalfPi;
        if (y < 0) return kPi + kHalfPi;
        return 0;
    }
    a = std::atan(y / x);
    if (x < 0) a = (y >= 0) ? a + kPi : a - kPi;
    if (a < 0) a += kTwoPi;
    return a;
}

double ArcSin(double x) {
    if (x >= 1) return kHalfPi;
    if (x <= -1) return -kHalfPi;
    return std::atan(x / std::sqrt(1 - x * x));
}

double ArcCosDegrees(double x) {
    return (kHalfPi - ArcSin(x)) / kPi * 180;
}

double Obliquity(double T) {
    return 23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T;
}

} // namespace omvera
