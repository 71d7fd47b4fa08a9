// House cusps: the letters' rules, latitude 0, the polar latitudes and their warning.
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/angles.h"
#include "astro/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace omvera;

namespace {

void SetChart(ChartForm& f, int year, int month, int day, int hour, int minute,
              const std::string& lat, const std::string& lon = "92.45") {
    f.SpinEdit1.SetValue(year);
    f.SetMonthIndex(month - 1);
    f.SpinEdit2.SetValue(day);
    f.SpinEdit3.SetValue(hour);
    f.SpinEdit4.SetValue(minute);
    f.Edit2 = lat;
    f.Edit3 = lon;
}

CuspGeometry GeometryOf(const ChartForm& f) {
    ChartMoment m;
    ReadChartForm(f, m);
    const double T = CenturiesSince1900(m.day, m.month, m.year);
    return {Ramc(T, m.hour, m.minute, m.longitude), Obliquity(T), m.latitude};
}

double RaToLongitude(double ra, double eps) {
    return Atan2Positive(SinDeg(ra), CosDeg(ra) * CosDeg(eps)) * kDegreesPerRadian;
}

void ExpectFiniteInRange(const std::array<double, 13>& c, const std::string& what) {
    for (int q = 1; q <= 12; ++q) {
        EXPECT_TRUE(std::isfinite(c[q])) << what << " cusp " << q;
        EXPECT_GE(c[q], 0) << what << " cusp " << q;
        EXPECT_LE(c[q], 360) << what << " cusp " << q;
    }
}

} // namespace

TEST(SiderealTime, NegativeBefore1900) {
    EXPECT_NEAR(SiderealTime0h(0), 0.276919398 * 24, 1e-12);
    EXPECT_LT(SiderealTime0h(CenturiesSince1900(1, 1, 1880)), 0);
    // 1 January 2000, 0h: 6h 39m 52s mean sidereal time at Greenwich.
    EXPECT_NEAR(SiderealTime0h(CenturiesSince1900(1, 1, 2000)), 6.6645, 0.001);
}

TEST(Houses, ReadTheFormWithTheWholeDay) {
    State s;
    SetChart(s.ID1, 1980, 1, 15, 12, 30, "56.01");
    // A moment already folded by a body computation does not matter: the form is read.
    s.moment.day = 3.7;
    std::array<double, 13> a{}, b{};
    ComputeHouses(s, 1, 'P', a);
    ComputeHouses(s, 3, 'P', b);
    EXPECT_EQ(a, b);
    SetChart(s.ID2, 1980, 1, 15, 12, 30, "56.01");
    ComputeHouses(s, 2, 'P', b);
    EXPECT_EQ(a, b);
    ComputeHouses(s, 4, 'P', b);
    EXPECT_EQ(a, b);
    const CuspGeometry g = GeometryOf(s.ID1);
    EXPECT_DOUBLE_EQ(a[10], MidheavenLongitude(g.ramc, g.eps));
    EXPECT_TRUE(s.Warnings.empty());
    // Any other kind writes nothing.
    std::array<double, 13> untouched{};
    untouched.fill(-5);
    ComputeHouses(s, 0, 'P', untouched);
    EXPECT_EQ(untouched[10], -5);
}

TEST(Houses, PlacidusAtTheEquatorTakesRightAscensionSteps) {
    State s;
    SetChart(s.ID1, 2000, 3, 20, 6, 0, "0");
    std::array<double, 13> c{};
    ComputeHouses(s, 1, 'P', c);
    const CuspGeometry g = GeometryOf(s.ID1);
    EXPECT_NEAR(c[11], RaToLongitude(NormalizeDegrees(g.ramc + 30), g.eps), 1e-9);
    EXPECT_NEAR(c[12], RaToLongitude(NormalizeDegrees(g.ramc + 60), g.eps), 1e-9);
    EXPECT_NEAR(c[1], RaToLongitude(NormalizeDegrees(g.ramc + 90), g.eps), 1e-9);
    EXPECT_NEAR(c[2], RaToLongitude(NormalizeDegrees(g.ramc + 120), g.eps), 1e-9);
    EXPECT_NEAR(c[3], RaToLongitude(NormalizeDegrees(g.ramc + 150), g.eps), 1e-9);
    for (int q = 1; q <= 6; ++q)
        EXPECT_NEAR(std::fabs(std::remainder(c[q + 6] - c[q], 360)), 180, 1e-9);
    EXPECT_LE(IterateCusp(CuspSide::Lower, g.ramc + 120, 1.5, g).rounds, 2);
}

TEST(Houses, EqualFromTheMc) {
    State s;
    std::array<double, 13> c{};
    // Find a time whose MC lies just below 360, so the sums wrap.
    for (int hour = 0; hour < 24; ++hour) {
        SetChart(s.ID1, 1980, 1, 15, hour, 0, "56.01");
        ComputeHouses(s, 1, 'M', c);
        if (c[10] > 330) break;
    }
    ASSERT_GT(c[10], 330);
    EXPECT_DOUBLE_EQ(c[11], NormalizeDegrees(c[10] + 30));
    EXPECT_DOUBLE_EQ(c[12], NormalizeDegrees(c[11] + 30));
    EXPECT_NEAR(c[1], c[10] + 90 - 360, 1e-9);
    for (int q = 1; q <= 9; ++q) EXPECT_DOUBLE_EQ(c[q], NormalizeDegrees(c[q + 1] - 30));
}

TEST(Houses, EqualSystemsReplaceTheMc) {
    State s;
    SetChart(s.ID1, 1975, 8, 3, 9, 15, "48.5", "2.3");
    ReadChartInput(s, 1);
    std::array<double, 13> c{};
    for (char letter : {'A', 'S', 'L'}) {
        ComputeHouses(s, 1, letter, c);
        for (int q = 1; q <= 11; ++q) EXPECT_DOUBLE_EQ(c[q + 1], NormalizeDegrees(c[q] + 30));
        EXPECT_NEAR(std::remainder(c[10] - c[1] - 270, 360), 0, 1e-9) << letter;
    }
    ComputeHouses(s, 1, 'S', c);
    EXPECT_EQ(c[1], s.BodyPositions[1]);
    ComputeHouses(s, 1, 'L', c);
    EXPECT_EQ(c[1], s.BodyPositions[2]);

    // S reads the Sun of whatever chart the moment holds.
    s.moment.year = 1999;
    std::array<double, 13> other{};
    ComputeHouses(s, 1, 'S', other);
    EXPECT_NE(other[1], c[1]);
}

TEST(Houses, UnknownLetterWritesOnlyTheMc) {
    State s;
    std::array<double, 13> c{};
    c.fill(7);
    ComputeHouses(s, 1, 'X', c);
    for (int q = 1; q <= 12; ++q)
        if (q != 10) {
            EXPECT_EQ(c[q], 7);
        }
    EXPECT_NE(c[10], 7);
    EXPECT_TRUE(s.Warnings.empty());
}

TEST(Houses, NearThePolarCircleTheIterationStillSettles) {
    // At 66 and 66.5 degrees the cusp iteration converges slowly but everywhere; the
    // bound must not cut it short and no warning may appear.
    for (const char* lat : {"66", "66.5"}) {
        for (int hour = 0; hour < 24; hour += 1) {
            for (char letter : {'P', 'K', 'A'}) {
                State s;
                SetChart(s.ID1, 1980, 6, 15, hour, 20, lat, "0");
                std::array<double, 13> c{};
                ComputeHouses(s, 1, letter, c);
                ExpectFiniteInRange(c, lat);
                EXPECT_TRUE(s.Warnings.empty()) << lat << " " << hour << " " << letter;
            }
            State s;
            SetChart(s.ID1, 1980, 6, 15, hour, 20, lat, "0");
            const CuspGeometry g = GeometryOf(s.ID1);
            const CuspValue v = IterateCusp(CuspSide::Lower, g.ramc + 120, 1.5, g);
            EXPECT_TRUE(v.defined);
            EXPECT_LT(v.rounds, 100000);
        }
    }
}

TEST(Houses, BeyondThePolarCircleTheUserIsWarned) {
    for (const char* lat : {"70", "89.99", "90", "-90"}) {
        for (char letter : {'P', 'K', 'A'}) {
            int warned = 0;
            for (int hour = 0; hour < 24; hour += 3) {
                State s;
                SetChart(s.ID1, 1980, 6, 15, hour, 0, lat);
                std::array<double, 13> c{};
                ComputeHouses(s, 1, letter, c);
                ExpectFiniteInRange(c, std::string(lat) + letter);
                if (!s.Warnings.empty()) {
                    ++warned;
                    ASSERT_EQ(s.Warnings.size(), 1u);
                    EXPECT_NE(s.Warnings[0].find("не определена"), std::string::npos);
                    EXPECT_NE(s.Warnings[0].find(letter == 'K'   ? "Кох"
                                                 : letter == 'P' ? "Плацидус"
                                                                 : "Равнодомные от АСЦ"),
                              std::string::npos);
                }
            }
            EXPECT_GT(warned, 0) << lat << " " << letter;
        }
        // The systems that need no iteration are defined everywhere.
        for (char letter : {'M', 'S', 'L'}) {
            State s;
            SetChart(s.ID1, 1980, 6, 15, 5, 0, lat);
            ReadChartInput(s, 1);
            std::array<double, 13> c{};
            ComputeHouses(s, 1, letter, c);
            ExpectFiniteInRange(c, std::string(lat) + letter);
            EXPECT_TRUE(s.Warnings.empty()) << lat << " " << letter;
        }
    }
}

TEST(Houses, WildFormTextsStayFinite) {
    for (const char* lat : {"1e300", "-1e300", "abc", "180", "-400"}) {
        State s;
        SetChart(s.ID1, 1980, 6, 15, 5, 0, lat, "1e300");
        std::array<double, 13> c{};
        ComputeHouses(s, 1, 'P', c);
        ExpectFiniteInRange(c, lat);
        ComputeHouses(s, 1, 'K', c);
        ExpectFiniteInRange(c, lat);
    }
}

TEST(Houses, OneWarningPerMessage) {
    State s;
    SetChart(s.ID1, 1980, 6, 15, 3, 0, "75");
    std::array<double, 13> c{};
    ComputeHouses(s, 1, 'P', c);
    ComputeHouses(s, 1, 'P', c);
    EXPECT_EQ(s.Warnings.size(), 1u);
    ComputeHouses(s, 1, 'K', c);
    EXPECT_EQ(s.Warnings.size(), 2u);
}
