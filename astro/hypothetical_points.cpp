#include "astro/hypothetical_points.h"

#include "astro/angles.h"

namespace omvera {

// The day does not enter: Proserpina stays put for a whole month.
double ProserpinaLongitude(double year, double month) {
    return ReduceTurnsDownFirst(170.7 + 0.5105 * (year - 1900) + 0.043 * month);
}

double SelenaLongitude(double year, double month, double day) {
    return ReduceTurnsDownFirst(134.7 + 51.429 * (year - 1900) + 4.286 * month + 0.141 * day);
}

double LilithLongitude(double year, double month, double day) {
    return ReduceTurnsDownFirst(150.94 + 40.69 * (year - 1900) + 3.39 * month + 0.1114 * day);
}

} // namespace omvera
