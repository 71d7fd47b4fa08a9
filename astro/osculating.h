#pragma once
// Pluto and Chiron from fixed osculating elements and their epochs, with the Earth from a
// simple Kepler orbit.

namespace omvera {

struct OsculatingElements {
    double N, i, a, e, P, L0; // node, inclination, perihelion, mean longitude: degrees; a: AU
    double periodYears;
    double epochDay, epochMonth, epochYear; // at 0h
};

extern const OsculatingElements kPlutoElements;
extern const OsculatingElements kChironElements;

// The body's mean anomaly in degrees (0..360) dt days after its epoch.
double OsculatingMeanAnomaly(const OsculatingElements& el, double dt);

// Geocentric longitude in degrees for the Julian day jd (0..360).
double OsculatingLongitude(const OsculatingElements& el, double jd);

} // namespace omvera
