// The plain chart value against the procedural entry points, and the name tables' rules that
// the reports key their sections by.
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/chart.h"
#include "astro/names.h"
#include "input/chart_form.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace omvera;

TEST(ComputeChart, AgreesBitForBitWithComputeBodyAndComputeHouses) {
    struct Case {
        int year, month, day, hour, minute;
        const char *lat, *lon;
    };
    const Case cases[] = {{1980, 3, 5, 9, 5, "56.01", "92.45"},
                          {1899, 2, 27, 23, 59, "-33.55", "-70.40"},
                          {2049, 12, 31, 0, 0, "69.20", "18.57"},
                          {1945, 7, 16, 11, 29, "0.00", "179.59"}};
    for (const Case& c : cases) {
        for (char letter : {'P', 'K', 'A', 'M', 'S', 'L'}) {
            State s;
            s.ID1.SpinEdit1.SetValue(c.year);
            s.ID1.SetMonthIndex(c.month - 1);
            s.ID1.SpinEdit2.SetValue(c.day);
            s.ID1.SpinEdit3.SetValue(c.hour);
            s.ID1.SpinEdit4.SetValue(c.minute);
            s.ID1.Edit2 = c.lat;
            s.ID1.Edit3 = c.lon;
            ReadChartInput(s, 1);
            for (int n = 1; n <= 16; ++n) ComputeBody(s, n);
            std::array<double, 13> cusps{};
            ComputeHouses(s, 1, letter, cusps);

            const Chart chart = ComputeChart(MomentOf(s.ID1), static_cast<HouseSystem>(letter));
            for (int n = 1; n <= 16; ++n) EXPECT_EQ(chart.bodies[n], s.BodyPositions[n]) << n;
            for (int h = 1; h <= 12; ++h) EXPECT_EQ(chart.cusps[h], cusps[h]) << letter << h;
            EXPECT_EQ(chart.Point(17), cusps[1]);
            EXPECT_EQ(chart.Point(18), cusps[10]);
            EXPECT_EQ(chart.housesDefined, s.Warnings.empty()) << c.lat << " " << letter;
        }
    }
}

TEST(Names, SignOfKeepsTheLowerBoundAndFoldsTheTurn) {
    EXPECT_EQ(SignOf(0), 1);
    EXPECT_EQ(SignOf(29.999999), 1);
    EXPECT_EQ(SignOf(30), 2);
    EXPECT_EQ(SignOf(359.9999), 12);
    EXPECT_EQ(SignOf(360), 1); // the engine can deliver exactly 360
    EXPECT_EQ(SignOf(-0.5), 12);
    EXPECT_EQ(SignOf(725), 1);
}

TEST(Names, HouseOfWrapsThroughAriesAndLetsALaterHouseWin) {
    // Cusp 12 at 350 and cusp 1 at 20: 355 and 5 are both in house 12.
    std::array<double, 13> c{0, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320, 350};
    EXPECT_EQ(HouseOf(20, c), 1);
    EXPECT_EQ(HouseOf(19.99, c), 12);
    EXPECT_EQ(HouseOf(355, c), 12);
    EXPECT_EQ(HouseOf(5, c), 12);
    EXPECT_EQ(HouseOf(349.99, c), 11);
    // The exclusive lower bound of the return report: a point on a cusp is in no house.
    EXPECT_EQ(HouseOf(50, c, false), 0);
    EXPECT_EQ(HouseOf(50.01, c, false), 2);
    // Degenerate cusps (all equal) put nothing anywhere but the wrap of house 12.
    std::array<double, 13> same{};
    same.fill(100);
    EXPECT_EQ(HouseOf(100, same), 12);
}

TEST(Names, KeyStringsAreExactlyAsTheTextFilesCarryThem) {
    EXPECT_EQ(HouseNumberKey(1), " 1 ");
    EXPECT_EQ(HouseHeaderKey(10), "&10 ");
    EXPECT_EQ(HouseColonKey(12), " 12: ");
    EXPECT_STREQ(AspectPointName(13), "ВУЗ");
    EXPECT_STREQ(PointNames[13], "ВУз");
    EXPECT_EQ(std::strlen(SignRulerNames[1]), std::strlen("Марс") + 4);
    for (int sign = 2; sign <= 12; ++sign) {
        // Ten characters: count the code points, the names are Cyrillic.
        int chars = 0;
        for (const char* p = SignRulerNames[sign]; *p; ++p) chars += (*p & 0xC0) != 0x80;
        EXPECT_EQ(chars, 10) << sign;
    }
    const int rulers[13] = {0, 5, 4, 3, 2, 1, 3, 4, 10, 6, 7, 8, 9};
    for (int sign = 1; sign <= 12; ++sign) EXPECT_EQ(SignRuler(sign), rulers[sign]) << sign;
    EXPECT_EQ(BodyCode(7), "07");
    EXPECT_EQ(BodyCode(16), "16");
    EXPECT_EQ(HouseCode(3), "h03");
}

// The minute field reaches 60, so 23:60 folds into the next whole day. Folding a moment
// that is already folded must leave it there: every body of a chart, the Moon's nodes and
// the daily motions all belong to that one day (the bodies used to drift a day per body).
TEST(ComputeChart, TwentyThreeSixtyComputesEveryBodyOnTheNextDay) {
    State s;
    s.ID1.SetMonthIndex(4);
    s.ID1.SpinEdit2.SetValue(10);
    s.ID1.SpinEdit3.SetValue(23);
    s.ID1.SpinEdit4.SetValue(60);
    ReadChartInput(s, 1);
    ComputeAllBodies(s);
    // 23:60 is taken as the last instant of the day (0.1 ms before midnight), so folding the
    // time into the day again never moves the chart on by another day.
    EXPECT_NEAR(s.moment.day, 11, 1e-8);
    ComputeBody(s, 2);
    EXPECT_NEAR(s.moment.day, 11, 1e-8);
    State next;
    next.ID1.SetMonthIndex(4);
    next.ID1.SpinEdit2.SetValue(11);
    next.ID1.SpinEdit3.SetValue(0);
    next.ID1.SpinEdit4.SetValue(0);
    const Chart chart = ComputeChart(MomentOf(next.ID1), HouseSystem::Placidus);
    for (int n = 1; n <= 16; ++n)
        EXPECT_NEAR(s.BodyPositions[n], chart.bodies[n], 1e-7) << n; // the Moon: 1.4e-8
}
