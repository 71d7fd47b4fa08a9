#pragma once
// Proserpina, Selena and Lilith: linear formulas in the calendar date.

namespace omvera {

// year, month number and day (with its fraction) as the chart moment holds them; results
// in 0..360.
double ProserpinaLongitude(double year, double month);
double SelenaLongitude(double year, double month, double day);
double LilithLongitude(double year, double month, double day);

} // namespace omvera
