// Body positions: the time folding, the node slots, the hypothetical points, Pluto's epoch
// and the dispatch of ComputeBody.
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/hypothetical_points.h"
#include "astro/osculating.h"
#include "astro/perturbations.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

namespace {

void SetMoment(State& s, double y, double mo, double d, double h, double mi) {
    s.moment = ChartMoment{y, mo, d, h, mi, 56.01, 92.45};
}

} // namespace

TEST(ComputeBody, FoldsTheClockTimeIntoTheDayOnce) {
    State s;
    SetMoment(s, 1980, 1, 15, 12, 30);
    ComputeBody(s, 1);
    EXPECT_DOUBLE_EQ(s.moment.day, 15 + 12.5 / 24);
    const double sun = s.BodyPositions[1];
    ComputeBody(s, 1);
    EXPECT_DOUBLE_EQ(s.moment.day, 15 + 12.5 / 24);
    EXPECT_EQ(s.BodyPositions[1], sun);
    // 15 January 1980 12:30 UT: the Sun in 24 Capricorn.
    EXPECT_NEAR(sun, 294.5, 0.1);
}

TEST(ComputeBody, EveryBodyLandsInRange) {
    State s;
    for (int year : {1880, 1900, 1950, 1980, 2000, 2050}) {
        for (int month : {1, 6, 12}) {
            SetMoment(s, year, month, 28, 23, 59);
            for (int n = 1; n <= 16; ++n) {
                ComputeBody(s, n);
                EXPECT_GE(s.BodyPositions[n], 0) << n << " " << year;
                EXPECT_LE(s.BodyPositions[n], 360) << n << " " << year;
            }
        }
    }
}

TEST(ComputeBody, NodesAreWrittenByTheMoonOnly) {
    State s;
    SetMoment(s, 1995, 3, 10, 0, 0);
    s.BodyPositions[13] = -1;
    s.BodyPositions[14] = -2;
    ComputeBody(s, 13);
    ComputeBody(s, 14);
    EXPECT_EQ(s.BodyPositions[13], -1);
    EXPECT_EQ(s.BodyPositions[14], -2);
    for (int year = 1880; year <= 2050; year += 7) {
        SetMoment(s, year, 5, 1, 6, 0);
        ComputeBody(s, 2);
        const double rahu = s.BodyPositions[13], ketu = s.BodyPositions[14];
        const double expected = rahu + 180 > 360 ? rahu + 180 - 360 : rahu + 180;
        EXPECT_DOUBLE_EQ(ketu, expected) << year;
        EXPECT_NEAR(std::fabs(std::remainder(ketu - rahu, 360)), 180, 1e-9);
    }
}

TEST(HypotheticalPoints, LinearInTheDate) {
    // Selena for day 1.5 of January 1880 comes out negative and gains three turns.
    EXPECT_NEAR(SelenaLongitude(1880, 1, 1.5), 190.6175, 1e-9);
    EXPECT_NEAR(LilithLongitude(1880, 1, 1.5), 150.94 - 813.8 + 3.39 + 0.1671 + 2 * 360, 1e-9);
    // Proserpina ignores the day and the time.
    State s;
    SetMoment(s, 2001, 7, 1, 0, 0);
    ComputeBody(s, 12);
    const double first = s.BodyPositions[12];
    SetMoment(s, 2001, 7, 31, 23, 59);
    ComputeBody(s, 12);
    EXPECT_EQ(s.BodyPositions[12], first);
    EXPECT_NEAR(first, 170.7 + 0.5105 * 101 + 0.043 * 7, 1e-9);
}

TEST(HypotheticalPoints, SelenaAndLilithUseTheFoldedDay) {
    State s;
    SetMoment(s, 1990, 4, 10, 18, 0);
    ComputeBody(s, 15);
    EXPECT_NEAR(s.BodyPositions[15], SelenaLongitude(1990, 4, 10.75), 1e-9);
    ComputeBody(s, 16);
    EXPECT_NEAR(s.BodyPositions[16], LilithLongitude(1990, 4, 10.75), 1e-9);
}

TEST(Osculating, PlutoAtItsEpoch) {
    EXPECT_NEAR(OsculatingMeanAnomaly(kPlutoElements, 0), 346.467, 1e-9);
    EXPECT_NEAR(OsculatingMeanAnomaly(kChironElements, 0), 73.072644 - 187.808256 + 360, 1e-9);
    // Pluto on 2 January 1980 stood in 21 Libra.
    const double pluto = OsculatingLongitude(kPlutoElements, JulianDay(2, 1, 1980));
    EXPECT_NEAR(pluto, 201.5, 0.5);
}

TEST(OuterPerturbations, OnlyTheOuterPlanetsHaveThem) {
    const PerturbationResult none = OuterPerturbations(5, 0.8, 0.09);
    EXPECT_EQ(none.dL, 0);
    EXPECT_EQ(none.dr, 0);
    // Jupiter has no heliocentric corrections; Saturn has dl only.
    const PerturbationResult j = OuterPerturbations(6, 0.8, 0.048);
    EXPECT_EQ(j.dl, 0);
    EXPECT_EQ(j.db, 0);
    EXPECT_EQ(j.dr, 0);
    EXPECT_NE(j.dL, 0);
    const PerturbationResult sat = OuterPerturbations(7, 0.8, 0.055);
    EXPECT_NE(sat.dl, 0);
    EXPECT_EQ(sat.db, 0);
    EXPECT_EQ(sat.dr, 0);
    // The constant radius terms of Uranus (-25948e-6 AU) and Neptune (-40596e-6 AU)
    // dominate their radius corrections.
    const PerturbationResult u = OuterPerturbations(8, 0.8, 0.046);
    EXPECT_NEAR(u.dr, -0.025948, 0.016);
    const PerturbationResult n = OuterPerturbations(9, 0.8, 0.009);
    EXPECT_NEAR(n.dr, -0.040596, 0.011);
    // Neptune returns dL and dM reduced into 0..360.
    EXPECT_GE(n.dL, 0);
    EXPECT_GE(n.dM, 0);
    EXPECT_LE(n.dM, 360);
}

TEST(OuterPerturbations, PerihelionSeriesEntersThroughTheEccentricity) {
    // dM = dL - B / e0: doubling e0 halves the B part.
    const PerturbationResult a = OuterPerturbations(7, 0.3, 0.05);
    const PerturbationResult b = OuterPerturbations(7, 0.3, 0.10);
    EXPECT_DOUBLE_EQ(a.dL, b.dL);
    EXPECT_NEAR(a.dL - a.dM, 2 * (b.dL - b.dM), 1e-12);
}
