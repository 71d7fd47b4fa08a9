#pragma once
// ΔT = TT − UT in seconds, for turning the dynamical time of the lunation and eclipse
// formulas into Greenwich (universal) time. The chart engine itself never applies it.
namespace omvera {

// The polynomial expressions of Espenak and Meeus (Five Millennium Canon of Solar Eclipses,
// 2006) for 1600..2005, the observed yearly values for 2005..2025, a linear extrapolation
// for 2025..2100 and the long-term parabola outside 1600..2100. `year` is a decimal year
// (2000.5 is the middle of 2000). Within a second or two of the measured values up to 2025.
double DeltaTSeconds(double year);

} // namespace omvera
