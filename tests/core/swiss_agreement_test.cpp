// Agreement with Swiss Ephemeris (Moshier's analytical ephemeris, so no data files are
// needed): the engine's longitudes over 1880..2050 and the Koch and Placidus cusps for the
// same RAMC and obliquity. The tolerances are the worst differences measured, with a small
// margin: they show the formulas' own accuracy, and a mistyped table row shows up as a jump
// far beyond them. Pluto drifts away from its 1980 osculating elements by about 2 degrees at
// the ends of the range. Built only where libswe is installed; skipped otherwise.
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/angles.h"
#include "astro/houses.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>

#ifdef OMVERA_HAVE_SWISSEPH
#include <swephexp.h>
#endif

using namespace omvera;

#ifdef OMVERA_HAVE_SWISSEPH
namespace {

double Difference(double a, double b) {
    return std::remainder(a - b, 360.0);
}

struct Compared {
    const char* name;
    int body;     // our body number
    int planet;   // Swiss Ephemeris body
    double limit; // degrees
};

// Geocentric apparent longitudes, the clock time taken as UT.
constexpr std::array<Compared, 11> kCompared = {{
    {"Sun", 1, SE_SUN, 0.021},
    {"Moon", 2, SE_MOON, 0.024},
    {"Mercury", 3, SE_MERCURY, 0.030},
    {"Venus", 4, SE_VENUS, 0.035},
    {"Mars", 5, SE_MARS, 0.13},
    {"Jupiter", 6, SE_JUPITER, 0.15},
    {"Saturn", 7, SE_SATURN, 0.06},
    {"Uranus", 8, SE_URANUS, 0.025},
    {"Neptune", 9, SE_NEPTUNE, 0.022},
    {"Pluto", 10, SE_PLUTO, 2.1},
    {"mean node", 13, SE_MEAN_NODE, 0.009},
}};

} // namespace
#endif

TEST(SwissEphemeris, LongitudesOver1880To2050) {
#ifndef OMVERA_HAVE_SWISSEPH
    GTEST_SKIP() << "Swiss Ephemeris (libswe-dev) was not found when the tests were built";
#else
    std::array<double, kCompared.size()> worst{}, worstJd{};
    State s;
    const double first = JulianDay(1, 1, 1880), last = JulianDay(31, 12, 2050);
    int samples = 0;
    // A step of 5.37 days walks through every time of day and every lunar phase.
    for (double jd = first; jd <= last; jd += 5.37) {
        const CalendarDate c = CalendarFromJulianDay(jd);
        const double dayFraction = c.day - std::trunc(c.day);
        const double minutes = std::trunc(dayFraction * 1440);
        s.moment = ChartMoment{
            c.year, c.month, std::trunc(c.day), std::trunc(minutes / 60), std::fmod(minutes, 60),
            0,      0};
        for (int n = 1; n <= 16; ++n) ComputeBody(s, n);
        const double when = JulianDay(s.moment.day, s.moment.month, s.moment.year);
        ++samples;
        for (size_t k = 0; k < kCompared.size(); ++k) {
            double xx[6];
            char serr[AS_MAXCH];
            ASSERT_GE(swe_calc_ut(when, kCompared[k].planet, SEFLG_MOSEPH, xx, serr), 0) << serr;
            const double d = std::fabs(Difference(s.BodyPositions[kCompared[k].body], xx[0]));
            if (d > worst[k]) {
                worst[k] = d;
                worstJd[k] = when;
            }
        }
    }
    std::printf("Agreement with Swiss Ephemeris over %d moments, 1880..2050:\n", samples);
    for (size_t k = 0; k < kCompared.size(); ++k) {
        const CalendarDate c = CalendarFromJulianDay(worstJd[k]);
        std::printf("  %-9s worst %8.4f deg (%6.2f') on %02d.%02d.%04d, limit %.3f\n",
                    kCompared[k].name, worst[k], worst[k] * 60, static_cast<int>(c.day),
                    static_cast<int>(c.month), static_cast<int>(c.year), kCompared[k].limit);
        EXPECT_LT(worst[k], kCompared[k].limit) << kCompared[k].name;
    }
#endif
}

TEST(SwissEphemeris, KochAndPlacidusCuspsForTheSameRamc) {
#ifndef OMVERA_HAVE_SWISSEPH
    GTEST_SKIP() << "Swiss Ephemeris (libswe-dev) was not found when the tests were built";
#else
    for (char letter : {'K', 'P'}) {
        double worst = 0;
        for (int lat = -60; lat <= 60; lat += 5) {
            for (int month = 1; month <= 12; ++month) {
                for (int hour = 0; hour < 24; hour += 1) {
                    State s;
                    s.ID1.SpinEdit1.SetValue(1880 + month * 13);
                    s.ID1.SetMonthIndex(month - 1);
                    s.ID1.SpinEdit2.SetValue(3 + month);
                    s.ID1.SpinEdit3.SetValue(hour);
                    s.ID1.SpinEdit4.SetValue((hour * 7) % 60);
                    s.ID1.Edit2 = std::to_string(lat);
                    s.ID1.Edit3 = "37.62";
                    std::array<double, 13> ours{};
                    ComputeHouses(s, 1, letter, ours);
                    EXPECT_TRUE(s.Warnings.empty());

                    ChartMoment m;
                    ReadChartForm(s.ID1, m);
                    const double T = CenturiesSince1900(m.day, m.month, m.year);
                    const double ramc = NormalizeDegrees(Ramc(T, m.hour, m.minute, m.longitude));
                    double theirs[13], ascmc[10];
                    swe_houses_armc(ramc, lat, Obliquity(T), letter, theirs, ascmc);
                    for (int q = 1; q <= 12; ++q) {
                        const double d = std::fabs(Difference(ours[q], theirs[q]));
                        worst = std::max(worst, d);
                        ASSERT_LT(d, 0.001)
                            << letter << " cusp " << q << " lat " << lat << " ramc " << ramc;
                    }
                }
            }
        }
        std::printf("%c cusps: worst difference %.6f deg at latitudes -60..60\n", letter, worst);
    }
#endif
}
