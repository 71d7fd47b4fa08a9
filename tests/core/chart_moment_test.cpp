#include "app/chart_state.h"
#include "app/state.h"
#include "astro/chart.h"
#include "astro/chart_moment.h"
#include "app/chart_state.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

TEST(JulianDay, KnownDates) {
    EXPECT_DOUBLE_EQ(JulianDay(1, 1, 1980), 2444239.5);
    EXPECT_DOUBLE_EQ(JulianDay(1, 1, 1880), 2407715.5);
    EXPECT_DOUBLE_EQ(JulianDay(28, 2, 1900), 2415078.5);
    EXPECT_DOUBLE_EQ(JulianDay(1, 3, 1900), 2415079.5);
    EXPECT_DOUBLE_EQ(JulianDay(1, 1, 2000), 2451544.5);
    EXPECT_DOUBLE_EQ(JulianDay(31, 12, 2050), 2470171.5);
}

TEST(JulianDay, SeptemberUsesTheExactMultiple) {
    // 275 * 9 / 9 must give 275, not 274: 1 September and 31 August are one day apart.
    EXPECT_DOUBLE_EQ(JulianDay(1, 9, 1980) - JulianDay(31, 8, 1980), 1.0);
    EXPECT_DOUBLE_EQ(JulianDay(1, 9, 1980), 2444483.5);
}

TEST(JulianDay, MonthZeroKeepsTheFormula) {
    // p = 0 and r = 0 for month 0; 1900 month 0 still lies before March 1900.
    EXPECT_DOUBLE_EQ(JulianDay(15, 0, 1980), 367 * 1980.0 - 3465 + 15 + 1721013.5);
    EXPECT_DOUBLE_EQ(JulianDay(15, 0, 1900), 367 * 1900.0 - 3325 + 15 + 1721013.5 + 1);
}

TEST(JulianDay, CenturiesStartAt1899December31Noon) {
    EXPECT_DOUBLE_EQ(CenturiesSince1900(31.5, 12, 1899), 0.0);
    EXPECT_NEAR(CenturiesSince1900(1.5, 1, 2000), 1.0, 1e-4);
}

TEST(CalendarFromJulianDay, Examples) {
    auto c = CalendarFromJulianDay(2444239.5);
    EXPECT_EQ(c.year, 1980);
    EXPECT_EQ(c.month, 1);
    EXPECT_DOUBLE_EQ(c.day, 1.0);
    c = CalendarFromJulianDay(2444240.25);
    EXPECT_EQ(c.year, 1980);
    EXPECT_EQ(c.month, 1);
    EXPECT_DOUBLE_EQ(c.day, 1.75);
    c = CalendarFromJulianDay(JulianDay(28, 2, 1900));
    EXPECT_EQ(c.year, 1900);
    EXPECT_EQ(c.month, 2);
    EXPECT_DOUBLE_EQ(c.day, 28.0);
}

TEST(CalendarFromJulianDay, RoundTripEveryDay1880To2050) {
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double expected = JulianDay(1, 1, 1880);
    int failures = 0;
    for (int y = 1880; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            int days = monthDays[m - 1];
            if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) days = 29;
            for (int d = 1; d <= days; ++d) {
                const double jd = JulianDay(d, m, y);
                if (jd != expected) ++failures; // consecutive days, no gap and no repeat
                const auto c = CalendarFromJulianDay(jd + 0.25);
                if (c.year != y || c.month != m || c.day != d + 0.25) ++failures;
                expected = jd + 1;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(ChartMoment, FoldingTheTimeIntoTheDayIsIdempotent) {
    ChartMoment m;
    m.day = 15;
    m.hour = 12;
    m.minute = 30;
    FoldTimeIntoDay(m);
    EXPECT_NEAR(m.day, 15.520833333, 1e-9);
    const double once = m.day;
    FoldTimeIntoDay(m);
    EXPECT_DOUBLE_EQ(m.day, once);
}

// 23:60 on the last day of a year: every body of the chart command (each folding the state's
// moment again) is computed for the same moment, midnight, as the plain chart value.
TEST(ChartMoment, TwentyThreeSixtyFoldsOnceAndComputesEveryBodyAtMidnight) {
    ChartMoment m{2050, 12, 31, 23, 60, 51.3, 0.07};
    FoldTimeIntoDay(m);
    const double once = m.day;
    FoldTimeIntoDay(m);
    EXPECT_EQ(m.day, once);
    EXPECT_NEAR(JulianDay(m.day, m.month, m.year), JulianDay(1, 1, 2051), 1e-8);

    State s;
    s.moment = ChartMoment{2050, 12, 31, 23, 60, 51.3, 0.07};
    for (int n = 1; n <= kBodyCount; ++n) ComputeBody(s, n);
    const BodyArray plain = ComputeBodies(ChartMoment{2050, 12, 31, 23, 60, 51.3, 0.07});
    for (int n = 1; n <= kBodyCount; ++n) EXPECT_NEAR(s.BodyPositions[n], plain[n], 1e-5) << n;
}

TEST(ChartMoment, ReadChartInputByKind) {
    State s;
    s.ID1.SetMonthIndex(2);
    s.ID1.Edit2 = "-33.52";
    s.ID1.Edit3 = "abc";
    s.ID2.SpinEdit1.SetValue(2001);
    s.moment.day = 15.75;

    ReadChartInput(s, 1);
    EXPECT_EQ(s.moment.year, 1980);
    EXPECT_EQ(s.moment.month, 3);
    EXPECT_EQ(s.moment.day, 15); // the fraction left by an earlier computation is gone
    EXPECT_EQ(s.moment.hour, 12);
    EXPECT_EQ(s.moment.minute, 30);
    EXPECT_DOUBLE_EQ(s.moment.latitude, -33.52);
    EXPECT_DOUBLE_EQ(s.moment.longitude, 0.0);

    ReadChartInput(s, 4);
    EXPECT_EQ(s.moment.year, 2001);
    EXPECT_EQ(s.moment.month, 0); // no month chosen in TID2
    EXPECT_DOUBLE_EQ(s.moment.latitude, 56.01);

    s.moment.year = 1234;
    ReadChartInput(s, 5);
    EXPECT_EQ(s.moment.year, 1234);
}

TEST(ChartMoment, Labels) {
    // Every body label is exactly five characters (the columns rely on it).
    for (int i = 1; i <= 16; ++i) {
        int chars = 0;
        for (const char* p = BodyLabels[i]; *p; ++p) chars += (*p & 0xC0) != 0x80;
        EXPECT_EQ(chars, 5) << i;
    }
    EXPECT_STREQ(BodyLabels[11], "Хирон");
    EXPECT_STREQ(BodyLabels[17], "01");
    EXPECT_STREQ(HouseLabels[1], "Асц");
    EXPECT_STREQ(HouseLabels[10], "MC");
}
