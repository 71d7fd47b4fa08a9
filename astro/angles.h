#pragma once
// Angle helpers shared by the body positions, the perturbation series and the houses.
// Degrees and radians are converted with the program's own truncated constants, not with a
// library value of pi: the positions and cusps the program has always shown depend on them.

namespace omvera {

inline constexpr double kDegreesPerRadian = 57.29578;     // degrees <-> radians
inline constexpr double kTwoDegreesPerRadian = 114.59156; // twice that, for half angles
inline constexpr double kPi = 3.1415926;
inline constexpr double kTwoPi = 6.2831852;
inline constexpr double kHalfPi = 1.5707963;

// Sine and cosine of an angle in degrees.
double SinDeg(double degrees);
double CosDeg(double degrees);

// While x < 0 add 360, then while x > 360 subtract 360: the result lies in 0..360 and 360
// itself is kept. (Computed with an exact remainder, which gives the same bits as the loops
// and ends for any input.)
double NormalizeDegrees(double x);

// The reduction the Moon and the osculating bodies use: subtract 360 while above 360, then
// add 360 while below 0.
double ReduceTurnsDownFirst(double x);

// Subtract 360 while above 360 (no lower reduction).
double SubtractTurns(double x);

// The quadrant-correct arc tangent of y / x in radians, in 0..2pi. For x = 0 it returns
// pi/2 (y > 0), 3pi/2 (y < 0) or 0 (y = 0) instead of dividing by zero.
double Atan2Positive(double y, double x);

// arctan(x / sqrt(1 - x^2)) in radians; +-pi/2 for |x| >= 1 instead of a division by zero
// or the square root of a negative number.
double ArcSin(double x);

// (pi/2 - ArcSin(x)) / pi * 180, in degrees.
double ArcCosDegrees(double x);

// Obliquity of the ecliptic in degrees for T in Julian centuries since 1900.
double Obliquity(double T);

} // namespace omvera
