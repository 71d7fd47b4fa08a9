#include "app/chart_state.h"
#include "app/return_search.h"
#include "app/state.h"
#include "base/errors.h"
#include "input/second_chart.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

namespace {

void SetBirth(ChartForm& f, int d, int m, int y, int h, int mi, const char* lat = "56.01",
              const char* lon = "92.45") {
    f.SpinEdit2.SetValue(d);
    f.SetMonthIndex(m - 1);
    f.SpinEdit1.SetValue(y);
    f.SpinEdit3.SetValue(h);
    f.SpinEdit4.SetValue(mi);
    f.Edit2 = lat;
    f.Edit3 = lon;
}

double Longitude(State& s, int kind, int body) {
    ReadChartInput(s, kind);
    ComputeBody(s, body);
    return s.BodyPositions[body];
}

double Separation(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

} // namespace

TEST(SameTurn, BringsAnglesWithinHalfATurn) {
    EXPECT_DOUBLE_EQ(SameTurn(0.5, 359.5), 360.5);
    EXPECT_DOUBLE_EQ(SameTurn(359.5, 0.5), -0.5);
    EXPECT_DOUBLE_EQ(SameTurn(10, 20), 10);
    EXPECT_DOUBLE_EQ(SameTurn(720.25, 0), 0.25);
}

TEST(SolarReturn, SunBackOnItsNatalLongitudeInTheAskedYear) {
    struct Case {
        int d, m, y, h, mi, year;
    };
    // Births around the spring equinox (the Sun near 0°), returns late in the day, a leap
    // day, the ends of the range.
    const Case cases[] = {
        {21, 3, 1980, 0, 0, 2001},  {20, 3, 1995, 23, 40, 2010},  {19, 3, 1961, 12, 0, 1999},
        {22, 3, 2003, 5, 15, 2004}, {15, 6, 1980, 23, 30, 1981},  {29, 2, 1984, 22, 50, 1990},
        {5, 9, 1890, 14, 5, 1895},  {31, 12, 2049, 12, 0, 2050},  {10, 10, 1975, 23, 59, 2020},
        {1, 7, 1955, 2, 30, 1880},  {24, 12, 1940, 23, 10, 1941},
    };
    double worst = 0;
    for (const Case& c : cases) {
        State s;
        SetBirth(s.ID1, c.d, c.m, c.y, c.h, c.mi);
        s.ID2.SpinEdit1.SetValue(c.year);
        ArrangeSecondChartSolar(s.ID2);
        SolarReturnSearch(s);
        const double natal = Longitude(s, 1, 1);
        const double found = Longitude(s, 2, 1);
        worst = std::max(worst, Separation(natal, found));
        EXPECT_LT(Separation(natal, found), 0.001) << c.d << "." << c.m << "." << c.y;
        EXPECT_EQ(s.ID2.SpinEdit1.Value(), c.year) << c.d << "." << c.m << "." << c.y;
        EXPECT_EQ(s.ID2.Edit1, "Соляр");
        EXPECT_EQ(s.ID2.Edit2, "56.01"); // the return place stays
    }
    std::printf("worst solar return error: %.6f deg\n", worst);
}

TEST(SolarReturn, ManyNatalMoments) {
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
    };
    int failures = 0;
    double worst = 0;
    for (int i = 0; i < 400; ++i) {
        State s;
        // Days 2..28 keep the return away from the ends of the calendar year.
        SetBirth(s.ID1, 2 + next(27), 1 + next(12), 1880 + next(171), next(24), next(60));
        const int year = 1881 + next(169);
        s.ID2.SpinEdit1.SetValue(year);
        SolarReturnSearch(s);
        const double err = Separation(Longitude(s, 1, 1), Longitude(s, 2, 1));
        worst = std::max(worst, err);
        if (err >= 0.001 || s.ID2.SpinEdit1.Value() != year) ++failures;
    }
    EXPECT_EQ(failures, 0);
    std::printf("worst of 400 solar returns: %.6f deg\n", worst);
}

TEST(SolarReturn, UnchosenMonthAndShortMonthDoNotBreakIt) {
    State s;
    s.ID1.SetMonthIndex(-1); // month 0
    s.ID1.SpinEdit2.SetValue(31);
    s.ID2.SpinEdit1.SetValue(2050);
    SolarReturnSearch(s);
    const double natal = Longitude(s, 1, 1);
    EXPECT_LT(Separation(natal, Longitude(s, 2, 1)), 0.001);
}

TEST(LunarReturn, ThreeSuccessiveReturnsOnTheNatalLongitude) {
    struct Case {
        int d, m, y, h, mi, year, month;
    };
    const Case cases[] = {
        {15, 6, 1980, 12, 30, 2000, 5},
        {12, 8, 1987, 9, 15, 2005, 3}, // natal Moon just after 0°
        {1, 1, 1950, 0, 0, 1950, 1},
        {20, 2, 1999, 18, 45, 2026, 12},
    };
    for (const Case& c : cases) {
        State s;
        SetBirth(s.ID1, c.d, c.m, c.y, c.h, c.mi);
        s.ID2.SpinEdit1.SetValue(c.year);
        s.ID2.SetMonthIndex(c.month - 1);
        ArrangeSecondChartLunar(s.ID2);
        const double start = FormMoment(s.ID2);
        LunarReturnSearch(s);
        ASSERT_EQ(s.ID2.ListBox1.size(), 3u);
        const double natal = Longitude(s, 1, 2);
        double previous = 0;
        for (int i = 0; i < 3; ++i) {
            ChartForm probe = s.ID2;
            LoadLunarListLine(s.ID2.ListBox1[i], probe);
            State t = s;
            t.ID2 = s.ID2;
            static_cast<ChartForm&>(t.ID2) = probe;
            const double moon = Longitude(t, 2, 2);
            // A minute of time is about 0.01° of the Moon; the listed minute is rounded.
            EXPECT_LT(Separation(natal, moon), 0.02) << s.ID2.ListBox1[i];
            const double jd = FormMoment(probe);
            if (i == 0) {
                EXPECT_GT(jd, start - 31);
                EXPECT_LT(jd, start - 30 + 28);
            } else {
                EXPECT_NEAR(jd - previous, 27.32, 0.3) << s.ID2.ListBox1[i];
            }
            previous = jd;
        }
    }
}

TEST(LunarReturn, StopsAtTheEndOfTheDateRangeKeepingWhatItFound) {
    State s;
    SetBirth(s.ID1, 15, 6, 1980, 12, 30);
    s.ID2.SpinEdit1.SetValue(2050);
    s.ID2.SetMonthIndex(11);
    s.ID2.SpinEdit2.SetValue(31);
    ArrangeSecondChartLunar(s.ID2);
    try {
        LunarReturnSearch(s);
        FAIL() << "the search cannot find three returns after December 2050";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Лунар"), std::string::npos);
    }
    EXPECT_LE(s.ID2.ListBox1.size(), 2u);
    // The form is still a valid moment of the range.
    EXPECT_EQ(s.ID2.SpinEdit1.Value(), 2050);
    EXPECT_GE(s.ID2.SpinEdit3.Value(), 0);
    EXPECT_LE(s.ID2.SpinEdit3.Value(), 23);

    // Before the start of the range likewise.
    State early;
    early.ID2.SpinEdit1.SetValue(1880);
    early.ID2.SetMonthIndex(0);
    EXPECT_THROW(LunarReturnSearch(early), Error);
}
