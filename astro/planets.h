#pragma once
// Mercury to Neptune from their mean orbital elements (Jupiter to Neptune corrected by the
// perturbation series), turned geocentric through the Sun's position.

namespace omvera {

class PerturbationArguments;
struct SunPlace;

// Geocentric ecliptic longitude in degrees, 0..360, of body 3..9 at T (Julian centuries
// since 1900). Other body numbers give 0.
double PlanetLongitude(int body, double T);
// The same with the Sun's place and the perturbation arguments of that moment already
// computed (a chart computes them once for all its planets).
double PlanetLongitude(int body, const SunPlace& sun, const PerturbationArguments& args);

} // namespace omvera
