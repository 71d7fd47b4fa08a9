// The shared angle helpers and the Kepler solution.
#include "astro/angles.h"
#include "astro/kepler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace omvera;

TEST(NormalizeDegrees, KeepsThreeSixtyAndReducesBothWays) {
    EXPECT_EQ(NormalizeDegrees(360), 360);
    EXPECT_EQ(NormalizeDegrees(0), 0);
    EXPECT_EQ(NormalizeDegrees(-360), 0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(725), 5);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(-10), 350);
    EXPECT_EQ(NormalizeDegrees(720), 360);
    // The Moon's order of reduction gives the same for 360 and its multiples.
    EXPECT_EQ(ReduceTurnsDownFirst(720), 360);
    EXPECT_DOUBLE_EQ(ReduceTurnsDownFirst(-370), 350);
}

TEST(NormalizeDegrees, WildValuesEndInRangeAndDoNotHang) {
    for (double x : {1e9, -1e9, 1e300, -1e300, 123456789.25}) {
        const double r = NormalizeDegrees(x);
        EXPECT_GE(r, 0) << x;
        EXPECT_LE(r, 360) << x;
    }
    EXPECT_TRUE(std::isnan(NormalizeDegrees(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(NormalizeDegrees(std::numeric_limits<double>::infinity())));
}

TEST(Atan2Positive, QuadrantsAndZeroDenominator) {
    EXPECT_NEAR(Atan2Positive(1, 1), 0.785398, 1e-5);
    EXPECT_NEAR(Atan2Positive(1, -1), 3 * 0.785398, 1e-5);
    EXPECT_NEAR(Atan2Positive(-1, -1), 5 * 0.785398, 1e-5);
    EXPECT_NEAR(Atan2Positive(-1, 1), 7 * 0.785398, 1e-5);
    // The truncated pi: a result on the negative x axis is 3.1415926, not the library's pi.
    EXPECT_DOUBLE_EQ(Atan2Positive(0, -1), 3.1415926);
    // x = 0 gives the quadrant angle instead of a division by zero.
    EXPECT_DOUBLE_EQ(Atan2Positive(2, 0), 1.5707963);
    EXPECT_DOUBLE_EQ(Atan2Positive(-2, 0), 3.1415926 + 1.5707963);
    EXPECT_EQ(Atan2Positive(0, 0), 0);
}

TEST(ArcSin, EndsOfTheRange) {
    EXPECT_DOUBLE_EQ(ArcSin(1), 1.5707963);
    EXPECT_DOUBLE_EQ(ArcSin(-1), -1.5707963);
    EXPECT_NEAR(ArcSin(0.5), 0.5235988, 1e-7);
    EXPECT_EQ(ArcCosDegrees(1), 0);
    EXPECT_DOUBLE_EQ(ArcCosDegrees(0), 90);
    EXPECT_DOUBLE_EQ(ArcCosDegrees(-1), 180);
}

TEST(Obliquity, AtNineteenHundredAndTwoThousand) {
    EXPECT_DOUBLE_EQ(Obliquity(0), 23.452294);
    EXPECT_NEAR(Obliquity(1), 23.439, 0.001);
}

TEST(SolveKepler, CircularOrbitGivesTheMeanAnomaly) {
    const double M = 123.4 / 57.29578;
    const KeplerSolution k = SolveKepler(M, 0);
    EXPECT_NEAR(k.v, 123.4, 1e-9);
    EXPECT_NEAR(k.E, 123.4, 1e-9);
}

TEST(SolveKepler, SatisfiesKeplersEquation) {
    for (double e : {0.0167, 0.2056, 0.38}) {
        for (double Mdeg : {1.0, 45.0, 179.0, 300.0}) {
            const double M = Mdeg / 57.29578;
            const HalfAnomaly h = KeplerHalfTrueAnomaly(M, e);
            EXPECT_NEAR(h.E - e * std::sin(h.E), M, 1e-6) << e << " " << Mdeg;
            // tan(v/2) = sqrt((1+e)/(1-e)) tan(E/2)
            EXPECT_NEAR(std::tan(h.h), std::sqrt((1 + e) / (1 - e)) * std::tan(h.E / 2), 1e-6);
        }
    }
}

TEST(SolveKepler, StopsAfterFiveHundredUpdates) {
    // e = 1 at M near 0 converges slowly; the bound still ends the loop with a finite value.
    const HalfAnomaly h = KeplerHalfTrueAnomaly(1e-3, 1.0);
    EXPECT_TRUE(std::isfinite(h.E));
    const HalfAnomaly nan = KeplerHalfTrueAnomaly(std::nan(""), 0.1);
    EXPECT_TRUE(std::isnan(nan.E));
}

namespace {

double LoopNormalize(double x) {
    while (x < 0) x += 360;
    while (x > 360) x -= 360;
    return x;
}

double LoopDownFirst(double x) {
    while (x > 360) x -= 360;
    while (x < 0) x += 360;
    return x;
}

} // namespace

TEST(NormalizeDegrees, SameBitsAsTheTurnByTurnLoops) {
    std::vector<double> values = {0.0,   -0.0,   360.0, -360.0,         720.0,   -720.0,
                                  1e-20, -1e-20, 359.9, 360.0000000001, -1e-300, 481267.8831 * 1.5};
    for (double edge : {360.0, 720.0, -360.0, 1080.0}) {
        values.push_back(std::nextafter(edge, 1e9));
        values.push_back(std::nextafter(edge, -1e9));
    }
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double unit = (seed >> 8) / double(1u << 24); // 0..1
        values.push_back((unit - 0.5) * 2e6);
        values.push_back((unit - 0.5) * 1440);
        values.push_back(360.0 * std::trunc((unit - 0.5) * 2000));
    }
    for (double x : values) {
        const double a = NormalizeDegrees(x), b = LoopNormalize(x);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << x;
        const double c = ReduceTurnsDownFirst(x), d = LoopDownFirst(x);
        EXPECT_EQ(std::memcmp(&c, &d, sizeof c), 0) << x;
    }
}
