#pragma once
// Mercury to Neptune from their mean orbital elements (Jupiter to Neptune corrected by the
// perturbation series), turned geocentric through the Sun's position.

namespace omvera {

// Geocentric ecliptic longitude in degrees, 0..360, of body 3..9 at T (Julian centuries
// since 1900). Other body numbers give 0.
double PlanetLongitude(int body, double T);

} // namespace omvera
