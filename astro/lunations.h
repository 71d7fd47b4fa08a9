#pragma once
// New and full moons and the eclipses that fall on them, by the published algorithms of
// J. Meeus, Astronomical Algorithms (2nd ed., 1998): chapter 49 for the instants of the
// phases (mean phase plus periodic and planetary terms, a few seconds from the true
// instants), chapter 54 for the eclipses (the Moon's argument of latitude decides whether a
// syzygy eclipses; gamma and u give the kind), chapter 25 for the Sun's apparent longitude.
// The instants are computed in dynamical time and given in universal (Greenwich) time
// through DeltaTSeconds.
#include <string>
#include <vector>

namespace omvera {

enum class MoonPhase { New, Full };

enum class EclipseKind {
    None,
    SolarTotal,
    SolarAnnular,
    SolarHybrid, // annular-total
    SolarPartial,
    LunarTotal,
    LunarPartial,
    LunarPenumbral,
};

struct Lunation {
    MoonPhase phase = MoonPhase::New;
    double jdUT = 0;          // instant of the phase, Julian day (UT)
    double moonLongitude = 0; // the Moon's apparent ecliptic longitude then, degrees 0..360
    EclipseKind eclipse = EclipseKind::None;
    double eclipseJdUT = 0; // greatest eclipse (UT); 0 without an eclipse
    double gamma = 0;       // least distance of the shadow axis from the Earth's centre, in
                            // Earth radii (positive north)
    double magnitude = 0;   // solar partial: the fraction of the Sun's diameter covered;
                            // lunar: the umbral magnitude, or the penumbral one for a
                            // penumbral eclipse; 0 for a central solar eclipse
};

// The phase with lunation number k (k whole for a new moon, k + 0.5 for a full moon; k = 0
// is the new moon of 2000 January 6), with its eclipse if it has one.
Lunation LunationOf(double k);

// Every new and full moon whose UT date falls in the years fromYear..toYear, in time order.
// Throws Error for a range outside 1600..2100 (where the ΔT expressions hold) or reversed.
std::vector<Lunation> Lunations(int fromYear, int toYear);

// A Julian day (UT) rounded to the nearest minute, as a Gregorian date and time.
struct MinuteOfDay {
    int year, month, day, hour, minute;
};
MinuteOfDay ToMinute(double jd);

// "2000-01-06 18:14".
std::string FormatMinute(const MinuteOfDay& m);
// The position within its sign, whole degrees and minutes, and the sign's nominative name:
// "15°52' Козерог".
std::string FormatZodiac(double longitude);

// Captions: "Новолуние"/"Полнолуние"; "полное солнечное", "кольцеобразное солнечное",
// "гибридное солнечное", "частное солнечное", "полное лунное", "частное лунное",
// "полутеневое лунное"; empty for EclipseKind::None.
const char* PhaseCaption(MoonPhase phase);
const char* EclipseCaption(EclipseKind kind);
// Stable English names for the JSON output: "new", "full"; "total", "annular", "hybrid",
// "partial", "penumbral" (the body of the eclipse follows from the phase).
const char* PhaseKey(MoonPhase phase);
const char* EclipseKey(EclipseKind kind);

} // namespace omvera
