#include "astro/lunations.h"

#include "astro/delta_t.h"
#include "astro/names.h"
#include "base/errors.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace omvera {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180;

double Sin(double deg) {
    return std::sin(deg * kRad);
}
double Cos(double deg) {
    return std::cos(deg * kRad);
}
double Turn(double deg) {
    deg = std::fmod(deg, 360.0);
    return deg < 0 ? deg + 360 : deg;
}

// One periodic term: coefficient × E^e × sin(m M + p M' + f F + o Ω).
struct Term {
    double coefficient;
    int e, m, p, f, o;
};

// Meeus, table of chapter 49: corrections to the mean new moon (first column) and full
// moon (second column), in days.
struct PhaseTerm {
    double newMoon, fullMoon;
    int e, m, p, f, o;
};
constexpr std::array<PhaseTerm, 25> kPhaseTerms = {{
    {-0.40720, -0.40614, 0, 0, 1, 0, 0},   {+0.17241, +0.17302, 1, 1, 0, 0, 0},
    {+0.01608, +0.01614, 0, 0, 2, 0, 0},   {+0.01039, +0.01043, 0, 0, 0, 2, 0},
    {+0.00739, +0.00734, 1, -1, 1, 0, 0},  {-0.00514, -0.00515, 1, 1, 1, 0, 0},
    {+0.00208, +0.00209, 2, 2, 0, 0, 0},   {-0.00111, -0.00111, 0, 0, 1, -2, 0},
    {-0.00057, -0.00057, 0, 0, 1, 2, 0},   {+0.00056, +0.00056, 1, 1, 2, 0, 0},
    {-0.00042, -0.00042, 0, 0, 3, 0, 0},   {+0.00042, +0.00042, 1, 1, 0, 2, 0},
    {+0.00038, +0.00038, 1, 1, 0, -2, 0},  {-0.00024, -0.00024, 1, -1, 2, 0, 0},
    {-0.00017, -0.00017, 0, 0, 0, 0, 1},   {-0.00007, -0.00007, 0, 2, 1, 0, 0},
    {+0.00004, +0.00004, 0, 0, 2, -2, 0},  {+0.00004, +0.00004, 0, 3, 0, 0, 0},
    {+0.00003, +0.00003, 0, 1, 1, -2, 0},  {+0.00003, +0.00003, 0, 0, 2, 2, 0},
    {-0.00003, -0.00003, 0, 1, 1, 2, 0},   {+0.00003, +0.00003, 0, -1, 1, 2, 0},
    {-0.00002, -0.00002, 0, -1, 1, -2, 0}, {-0.00002, -0.00002, 0, 1, 3, 0, 0},
    {+0.00002, +0.00002, 0, 0, 4, 0, 0},
}};

// Meeus chapter 49: the planetary arguments A1..A14 (a + b k + c T²) and their
// coefficients, in days, common to every phase.
struct PlanetaryTerm {
    double a, b, c, coefficient;
};
constexpr std::array<PlanetaryTerm, 14> kPlanetaryTerms = {{
    {299.77, 0.107408, -0.009173, 0.000325},
    {251.88, 0.016321, 0, 0.000165},
    {251.83, 26.651886, 0, 0.000164},
    {349.42, 36.412478, 0, 0.000126},
    {84.66, 18.206239, 0, 0.000110},
    {141.74, 53.303771, 0, 0.000062},
    {207.14, 2.453732, 0, 0.000060},
    {154.84, 7.306860, 0, 0.000056},
    {34.52, 27.261239, 0, 0.000047},
    {207.19, 0.121824, 0, 0.000042},
    {291.34, 1.844379, 0, 0.000040},
    {161.72, 24.198154, 0, 0.000037},
    {239.56, 25.513099, 0, 0.000035},
    {331.55, 3.592518, 0, 0.000023},
}};

// Meeus chapter 54: corrections to the mean syzygy giving greatest eclipse, in days; the
// argument of latitude here is F1 = F − 0.02665 sin Ω. The first two rows differ between
// solar and lunar eclipses (new moon, full moon).
constexpr std::array<PhaseTerm, 2> kEclipseFirstTerms = {{
    {-0.4075, -0.4065, 0, 0, 1, 0, 0},
    {+0.1721, +0.1727, 1, 1, 0, 0, 0},
}};
constexpr std::array<Term, 13> kEclipseTerms = {{
    {+0.0161, 0, 0, 2, 0, 0},
    {-0.0097, 0, 0, 0, 2, 0},
    {+0.0073, 1, -1, 1, 0, 0},
    {-0.0050, 1, 1, 1, 0, 0},
    {-0.0023, 0, 0, 1, -2, 0},
    {+0.0021, 1, 2, 0, 0, 0},
    {+0.0012, 0, 0, 1, 2, 0},
    {+0.0006, 1, 1, 2, 0, 0},
    {-0.0004, 0, 0, 3, 0, 0},
    {-0.0003, 1, 1, 0, 2, 0},
    {-0.0002, 1, 1, 0, -2, 0},
    {-0.0002, 1, -1, 2, 0, 0},
    {-0.0002, 0, 0, 0, 0, 1},
}};
// The sin A1 term of the same table.
constexpr double kEclipseA1 = 0.0003;

// The fundamental arguments of lunation k (degrees) and the eccentricity factor E.
struct Arguments {
    double T, E, M, Mp, F, Omega;
};

Arguments ArgumentsOf(double k) {
    const double T = k / 1236.85, T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    Arguments a{};
    a.T = T;
    a.E = 1 - 0.002516 * T - 0.0000074 * T2;
    a.M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
    a.Mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
    a.F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
    a.Omega = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;
    return a;
}

double MeanPhaseJde(double k, double T) {
    const double T2 = T * T;
    return 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T2 * T +
           0.00000000073 * T2 * T2;
}

double TermValue(double coefficient, int e, int m, int p, int f, int o, const Arguments& a,
                 double F) {
    return coefficient * std::pow(a.E, e) * Sin(m * a.M + p * a.Mp + f * F + o * a.Omega);
}

double PhaseJde(double k, MoonPhase phase) {
    const Arguments a = ArgumentsOf(k);
    double jde = MeanPhaseJde(k, a.T);
    for (const auto& t : kPhaseTerms)
        jde += TermValue(phase == MoonPhase::New ? t.newMoon : t.fullMoon, t.e, t.m, t.p, t.f, t.o,
                         a, a.F);
    for (const auto& t : kPlanetaryTerms)
        jde += t.coefficient * Sin(t.a + t.b * k + t.c * a.T * a.T);
    return jde;
}

// Meeus chapter 25 (lower accuracy, about 0.01°): the Sun's apparent longitude at a JDE.
double SunApparentLongitude(double jde) {
    const double T = (jde - 2451545.0) / 36525;
    const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
    const double M = 357.52911 + 35999.05029 * T - 0.0001537 * T * T;
    const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * Sin(M) +
                     (0.019993 - 0.000101 * T) * Sin(2 * M) + 0.000289 * Sin(3 * M);
    const double omega = 125.04 - 1934.136 * T;
    return Turn(L0 + C - 0.00569 - 0.00478 * Sin(omega));
}

// Decimal year of a Julian day, close enough for ΔT.
double DecimalYear(double jd) {
    return 2000 + (jd - 2451544.5) / 365.2425;
}

double UniversalTime(double jde) {
    return jde - DeltaTSeconds(DecimalYear(jde)) / 86400;
}

// Meeus chapter 54: whether the syzygy k eclipses, the instant of greatest eclipse, gamma,
// u (the radius of the umbral cone in the fundamental plane, in Earth radii) and the kind.
void FindEclipse(double k, Lunation& l) {
    const Arguments a = ArgumentsOf(k);
    // Far from a node the Moon passes clear of the Sun or the Earth's shadow.
    if (std::abs(Sin(a.F)) > 0.36) return;
    const bool solar = l.phase == MoonPhase::New;
    const double F1 = a.F - 0.02665 * Sin(a.Omega);
    double jde = MeanPhaseJde(k, a.T);
    for (const auto& t : kEclipseFirstTerms)
        jde += TermValue(solar ? t.newMoon : t.fullMoon, t.e, t.m, t.p, t.f, t.o, a, F1);
    for (const auto& t : kEclipseTerms)
        jde += TermValue(t.coefficient, t.e, t.m, t.p, t.f, t.o, a, F1);
    jde += kEclipseA1 *
           Sin(kPlanetaryTerms[0].a + kPlanetaryTerms[0].b * k + kPlanetaryTerms[0].c * a.T * a.T);

    const double E = a.E, M = a.M, Mp = a.Mp;
    const double P = 0.2070 * E * Sin(M) + 0.0024 * E * Sin(2 * M) - 0.0392 * Sin(Mp) +
                     0.0116 * Sin(2 * Mp) - 0.0073 * E * Sin(Mp + M) + 0.0067 * E * Sin(Mp - M) +
                     0.0118 * Sin(2 * F1);
    const double Q = 5.2207 - 0.0048 * E * Cos(M) + 0.0020 * E * Cos(2 * M) - 0.3299 * Cos(Mp) -
                     0.0060 * E * Cos(Mp + M) + 0.0041 * E * Cos(Mp - M);
    const double W = std::abs(Cos(F1));
    const double gamma = (P * Cos(F1) + Q * Sin(F1)) * (1 - 0.0048 * W);
    const double u = 0.0059 + 0.0046 * E * Cos(M) - 0.0182 * Cos(Mp) + 0.0004 * Cos(2 * Mp) -
                     0.0005 * Cos(M + Mp);
    const double g = std::abs(gamma);

    EclipseKind kind = EclipseKind::None;
    double magnitude = 0;
    if (solar) {
        if (g > 1.5433 + u) return;
        if (g < 0.9972) {
            // Central: the axis of the shadow cone meets the Earth.
            if (u < 0)
                kind = EclipseKind::SolarTotal;
            else if (u > 0.0047)
                kind = EclipseKind::SolarAnnular;
            else
                kind = u < 0.00464 * std::sqrt(1 - gamma * gamma) ? EclipseKind::SolarHybrid
                                                                  : EclipseKind::SolarAnnular;
        } else if (g < 0.9972 + std::abs(u)) {
            // Non-central: the axis misses the Earth, the edge of the umbra or antumbra
            // touches it near the poles.
            kind = u < 0 ? EclipseKind::SolarTotal : EclipseKind::SolarAnnular;
        } else {
            kind = EclipseKind::SolarPartial;
            magnitude = (1.5433 + u - g) / (0.5461 + 2 * u);
        }
    } else {
        const double penumbral = (1.5573 + u - g) / 0.5450;
        const double umbral = (1.0128 - u - g) / 0.5450;
        if (penumbral <= 0) return;
        if (umbral >= 1) {
            kind = EclipseKind::LunarTotal;
            magnitude = umbral;
        } else if (umbral > 0) {
            kind = EclipseKind::LunarPartial;
            magnitude = umbral;
        } else {
            kind = EclipseKind::LunarPenumbral;
            magnitude = penumbral;
        }
    }
    l.eclipse = kind;
    l.eclipseJdUT = UniversalTime(jde);
    l.gamma = gamma;
    l.magnitude = magnitude;
}

// Gregorian calendar date of a Julian day (Meeus chapter 7), day with its fraction.
void CalendarOf(double jd, int& year, int& month, double& day) {
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double A = z < 2299161 ? z : z + 1 + alpha - std::floor(alpha / 4);
    const double B = A + 1524;
    const double C = std::floor((B - 122.1) / 365.25);
    const double D = std::floor(365.25 * C);
    const double E = std::floor((B - D) / 30.6001);
    day = B - D - std::floor(30.6001 * E) + f;
    month = static_cast<int>(E < 14 ? E - 1 : E - 13);
    year = static_cast<int>(month > 2 ? C - 4716 : C - 4715);
}

} // namespace

Lunation LunationOf(double k) {
    Lunation l;
    l.phase = std::abs(k - std::floor(k)) < 0.25 ? MoonPhase::New : MoonPhase::Full;
    const double jde = PhaseJde(k, l.phase);
    l.jdUT = UniversalTime(jde);
    // At the phase the Moon's apparent longitude equals the Sun's (new) or is opposite it.
    const double sun = SunApparentLongitude(jde);
    l.moonLongitude = l.phase == MoonPhase::New ? sun : Turn(sun + 180);
    FindEclipse(k, l);
    return l;
}

std::vector<Lunation> Lunations(int fromYear, int toYear) {
    if (fromYear > toYear || fromYear < 1600 || toYear > 2100)
        throw Error("Таблица новолуний и полнолуний считается для годов от 1600 до 2100; задано " +
                    std::to_string(fromYear) + "–" + std::to_string(toYear));
    std::vector<Lunation> out;
    // Start a little before the first year and keep the phases whose UT date lies inside.
    double k = std::floor((fromYear - 2000) * 12.3685) - 2;
    for (;; k += 0.5) {
        Lunation l = LunationOf(k);
        const MinuteOfDay m = ToMinute(l.jdUT);
        if (m.year > toYear) break;
        if (m.year >= fromYear) out.push_back(l);
    }
    return out;
}

MinuteOfDay ToMinute(double jd) {
    // Round to the minute first, so 23:59:40 becomes 00:00 of the next day.
    const double rounded = std::floor(jd * 1440 + 0.5) / 1440;
    int year = 0, month = 0;
    double day = 0;
    CalendarOf(rounded + 1e-9, year, month, day);
    const int whole = static_cast<int>(std::floor(day));
    const int minutes = static_cast<int>(std::floor((day - whole) * 1440 + 1e-6));
    return {year, month, whole, minutes / 60, minutes % 60};
}

std::string FormatMinute(const MinuteOfDay& m) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour,
                  m.minute);
    return buf;
}

std::string FormatZodiac(double longitude) {
    // Rounded to the arc-minute; 29°59.7' of a sign becomes 0°00' of the next.
    int minutes = static_cast<int>(std::floor(Turn(longitude) * 60 + 0.5)) % (360 * 60);
    const int sign = minutes / (30 * 60) + 1;
    minutes %= 30 * 60;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d°%02d' ", minutes / 60, minutes % 60);
    return buf + std::string(SignNames[sign]);
}

const char* PhaseCaption(MoonPhase phase) {
    return phase == MoonPhase::New ? "Новолуние" : "Полнолуние";
}

const char* EclipseCaption(EclipseKind kind) {
    switch (kind) {
    case EclipseKind::SolarTotal:
        return "полное солнечное";
    case EclipseKind::SolarAnnular:
        return "кольцеобразное солнечное";
    case EclipseKind::SolarHybrid:
        return "гибридное солнечное";
    case EclipseKind::SolarPartial:
        return "частное солнечное";
    case EclipseKind::LunarTotal:
        return "полное лунное";
    case EclipseKind::LunarPartial:
        return "частное лунное";
    case EclipseKind::LunarPenumbral:
        return "полутеневое лунное";
    case EclipseKind::None:
        break;
    }
    return "";
}

const char* PhaseKey(MoonPhase phase) {
    return phase == MoonPhase::New ? "new" : "full";
}

const char* EclipseKey(EclipseKind kind) {
    switch (kind) {
    case EclipseKind::SolarTotal:
    case EclipseKind::LunarTotal:
        return "total";
    case EclipseKind::SolarAnnular:
        return "annular";
    case EclipseKind::SolarHybrid:
        return "hybrid";
    case EclipseKind::SolarPartial:
    case EclipseKind::LunarPartial:
        return "partial";
    case EclipseKind::LunarPenumbral:
        return "penumbral";
    case EclipseKind::None:
        break;
    }
    return "";
}

} // namespace omvera
