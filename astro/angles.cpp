#include "astro/angles.h"

#include <cmath>

namespace omvera {
namespace {

// The turn reductions are loops of "add 360 while below 0" and "subtract 360 while above
// 360". Every step of them but a final one that lands in 0..360 is exact in binary floating
// point (each partial result is a whole multiple of the operand's last-place unit), and the
// remainder is exact too, so remainder plus that one final step gives bit for bit what the
// loops give, in constant time and without running on for wild values.

// while x < 0: x += 360
double AddTurns(double x) {
    if (!(x < 0)) return x;
    // Within one turn below zero the remainder is x itself: one step, as the loop takes it.
    if (x > -360) return x + 360;
    const double r = std::fmod(x, 360.0); // in (-360, 0]
    return r < 0 ? r + 360 : r + 0.0;     // the loop ends on +0 for a whole number of turns
}

} // namespace

double SinDeg(double degrees) {
    return std::sin(degrees / kDegreesPerRadian);
}
double CosDeg(double degrees) {
    return std::cos(degrees / kDegreesPerRadian);
}

double NormalizeDegrees(double x) {
    return SubtractTurns(AddTurns(x));
}

double ReduceTurnsDownFirst(double x) {
    return AddTurns(SubtractTurns(x));
}

// while x > 360: x -= 360
double SubtractTurns(double x) {
    if (!(x > 360)) return x;
    // Up to two turns x - 360 is exact (the operands are within a factor of two), which is
    // the remainder, or 360 itself at 720: what the loop gives.
    if (x <= 720) return x - 360;
    const double r = std::fmod(x, 360.0); // in [0, 360)
    return r == 0 ? 360 : r;              // the loop stops at 360 itself
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
