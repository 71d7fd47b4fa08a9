#include "app/aspect_table.h"
#include "app/chart_drawing.h"
#include "app/chart_state.h"
#include "app/state.h"
#include "aspects/aspect_scan.h"
#include "aspects/points.h"
#include "base/errors.h"
#include "drawing/recording_canvas.h"
#include "drawing/separation_grid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

TEST(AspectTest, DesignCasesWithStrictWindow) {
    // Sun 10°, Moon 70°, orbs 10 and 10: 60 lies in 50..70.
    EXPECT_TRUE(InAspect(10, 70, 10, 10, true, true, 60));
    EXPECT_FALSE(InAspect(10, 70, 10, 10, true, true, 90));
    EXPECT_FALSE(InAspect(10, 70, 10, 10, true, false, 60));
    // Sun 355°, Mars 5°: separation 10 across 0°, not 350.
    EXPECT_FALSE(InAspect(355, 5, 10, 5, true, true, 0));
    EXPECT_FALSE(InAspect(355, 5, 15, 5, true, true, 0)); // orb 10: edge excluded
    EXPECT_TRUE(InAspect(355, 5, 20, 5, true, true, 0));
    // Mars and Jupiter, orb 4.
    EXPECT_FALSE(InAspect(0, 95.5, 5, 3, true, true, 90));
    EXPECT_FALSE(InAspect(0, 94, 5, 3, true, true, 90));
    EXPECT_TRUE(InAspect(0, 93.9, 5, 3, true, true, 90));
    EXPECT_FALSE(InAspect(0, 86, 5, 3, true, true, 90));
    // An angle beyond 180 + orb never matches; 180 catches oppositions.
    EXPECT_FALSE(InAspect(0, 180, 10, 10, true, true, 240));
    EXPECT_TRUE(InAspect(10, 190, 10, 10, true, true, 180));
    EXPECT_DOUBLE_EQ(Separation(359, 1), 2);
    EXPECT_DOUBLE_EQ(Separation(0, 180), 180);
}

TEST(PointSettings, RowsOfThePlanetsDialog) {
    EXPECT_EQ(PointSettingsRow(1), 1);
    EXPECT_EQ(PointSettingsRow(12), 12);
    EXPECT_EQ(PointSettingsRow(13), 13);
    EXPECT_EQ(PointSettingsRow(14), 13); // the nodes share one switch and one orb field
    EXPECT_EQ(PointSettingsRow(15), 14);
    EXPECT_EQ(PointSettingsRow(16), 15);
    EXPECT_EQ(PointSettingsRow(17), 16);
    EXPECT_EQ(PointSettingsRow(18), 17);
    EXPECT_EQ(PointSettingsRow(0), 0);
    EXPECT_EQ(PointSettingsRow(19), 0);
    PlanetSettingsForm f;
    EXPECT_TRUE(PointSwitchedOn(f, 18));
    EXPECT_FALSE(PointSwitchedOn(f, 14));
    f.CheckBox[13] = true;
    EXPECT_TRUE(PointSwitchedOn(f, 13));
    EXPECT_TRUE(PointSwitchedOn(f, 14));
    EXPECT_FALSE(PointSwitchedOn(f, 19));
}

TEST(AspectTable, StartRowsAndColours) {
    State s;
    int count = -1;
    std::array<double, kAspectCapacity> angles{};
    ReadAspectTable(s, count, angles);
    EXPECT_EQ(count, 5);
    EXPECT_THAT(std::vector<double>(angles.begin(), angles.begin() + 5),
                testing::ElementsAre(0, 60, 90, 120, 180));
    EXPECT_EQ(s.AspectColours[0], colours::Yellow);
    EXPECT_EQ(s.AspectColours[1], colours::Fuchsia);
    EXPECT_EQ(s.AspectColours[9], colours::Maroon);
    EXPECT_EQ(s.AspUst.ListBox1Index, 4); // the last row stays selected
}

TEST(AspectTable, RowThatIsNotANumberStopsTheScan) {
    State s;
    s.AspUst.ListBox1 = {"0", "6O", "90"};
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    try {
        ReadAspectTable(s, count, angles);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'6O' is not a valid floating point value");
    }
    EXPECT_EQ(s.AspUst.ListBox1Index, 1);
    EXPECT_EQ(s.AspectColours[0], colours::Yellow); // colours were read before the rows
}

TEST(AspectTable, DecimalSeparatorOfTheUser) {
    State s;
    s.AspUst.ListBox1 = {"22,5"};
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    EXPECT_THROW(ReadAspectTable(s, count, angles), Error);
    s.DecimalSeparator = ',';
    ReadAspectTable(s, count, angles);
    EXPECT_DOUBLE_EQ(angles[0], 22.5);
    s.AspUst.ListBox1 = {"22.5"};
    EXPECT_THROW(ReadAspectTable(s, count, angles), Error);
}

TEST(AspectTable, OnlyTenRowsTakePart) {
    State s;
    s.AspUst.ListBox1.clear();
    for (int i = 0; i < 12; ++i) s.AspUst.ListBox1.push_back(std::to_string(i * 15));
    s.AspUst.ListBox1[11] = "oops"; // beyond the tenth row: never read
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    ReadAspectTable(s, count, angles);
    EXPECT_EQ(count, 10);
    EXPECT_DOUBLE_EQ(angles[9], 135);
    EXPECT_EQ(s.AspUst.ListBox1Index, 9);

    s.AspUst.ListBox1.clear();
    ReadAspectTable(s, count, angles);
    EXPECT_EQ(count, 0);
}

TEST(AspectDialog, AddRefusesNonNumbersAndNotesTheEleventhRow) {
    State s;
    s.AspUst.Edit11 = "";
    EXPECT_EQ(AspUstButton1Click(s), "");
    EXPECT_EQ(s.AspUst.ListBox1.size(), 5u);
    s.AspUst.Edit11 = "полтора";
    EXPECT_THROW(AspUstButton1Click(s), Error);
    EXPECT_EQ(s.AspUst.ListBox1.size(), 5u);

    // A sixth row takes the colour of the sixth swatch.
    s.AspUst.Edit11 = "150";
    EXPECT_EQ(AspUstButton1Click(s), "");
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    ReadAspectTable(s, count, angles);
    EXPECT_EQ(count, 6);
    EXPECT_DOUBLE_EQ(angles[5], 150);
    EXPECT_EQ(s.AspectColours[5], colours::Aqua);

    for (int i = 0; i < 4; ++i) EXPECT_EQ(AspUstButton1Click(s), "");
    const std::string note = AspUstButton1Click(s); // the eleventh row
    EXPECT_THAT(note, testing::HasSubstr("десять"));
    EXPECT_EQ(s.AspUst.ListBox1.size(), 11u);
}

TEST(AspectDialog, DeleteMovesRowsOntoTheSwatchesAbove) {
    State s;
    AspUstButton2Click(s); // nothing selected: nothing deleted
    EXPECT_EQ(s.AspUst.ListBox1.size(), 5u);
    s.AspUst.ListBox1Index = 2; // "90"
    AspUstButton2Click(s);
    EXPECT_THAT(s.AspUst.ListBox1, testing::ElementsAre("0", "60", "120", "180"));
    EXPECT_EQ(s.AspUst.ListBox1Index, -1);
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    ReadAspectTable(s, count, angles);
    EXPECT_DOUBLE_EQ(angles[2], 120);
    EXPECT_EQ(s.AspectColours[2], colours::Blue);
    EXPECT_EQ(s.AspectColours[3], colours::Red);
    // Right after a scan the last row is selected, so "Удалить" removes it.
    AspUstButton2Click(s);
    EXPECT_THAT(s.AspUst.ListBox1, testing::ElementsAre("0", "60", "120"));
}

namespace {

struct Match {
    int row;
    double a, b;
    bool operator==(const Match&) const = default;
};

std::vector<Match> ChartMatches(const PointLongitudes& p, const PointIncluded& inc,
                                const std::array<double, 19>& orbs, const AspectRows& rows) {
    std::vector<Match> out;
    ScanChartAspects(p, inc, orbs, rows, [&](int k, double a, double b) {
        out.push_back({k, a, b});
    });
    return out;
}

// Points spread so far apart (multiples of 37°) that with orb 1 only chosen pairs match.
PointLongitudes Spread() {
    PointLongitudes p{};
    for (int i = 1; i <= 18; ++i) p[i] = std::fmod(i * 37.3 + 0.35 * i * i, 360);
    return p;
}

} // namespace

TEST(AspectScan, ChartPairsOnceAndNodesAlwaysOpposite) {
    PointLongitudes p = Spread();
    p[13] = 40;
    p[14] = 220;
    PointIncluded inc{};
    std::array<double, 19> orbs{};
    orbs.fill(0.01);
    orbs[13] = orbs[14] = 0.5;
    inc[13] = inc[14] = 1;
    AspectRows rows;
    rows.count = 5;
    rows.angles = {0, 60, 90, 120, 180};
    EXPECT_THAT(ChartMatches(p, inc, orbs, rows), testing::ElementsAre(Match{4, 40, 220}));
    // Overlapping rows both match the same pair, in row order.
    rows.count = 3;
    rows.angles = {180, 179.8, 240};
    EXPECT_THAT(ChartMatches(p, inc, orbs, rows),
                testing::ElementsAre(Match{0, 40, 220}, Match{1, 40, 220}));
    inc[14] = 0;
    EXPECT_TRUE(ChartMatches(p, inc, orbs, rows).empty());
}

TEST(AspectScan, MutualTestsAllOrderedPairsWithCounterparts) {
    PointLongitudes first = Spread(), second = Spread();
    PointIncluded inc{};
    inc[1] = inc[17] = 1;
    std::array<double, 19> orbs{};
    orbs[1] = 10;
    orbs[17] = 5;
    AspectRows rows;
    rows.count = 1;
    rows.angles = {0};
    std::vector<Match> out;
    ScanMutualAspects(first, second, inc, orbs, rows, [&](int k, double a, double b) {
        out.push_back({k, a, b});
    });
    // Identical charts: every included point is conjunct its own counterpart.
    EXPECT_THAT(
        out, testing::ElementsAre(Match{0, first[1], second[1]}, Match{0, first[17], second[17]}));
    // Chart 1's Sun to chart 2's Ascendant is not chart 1's Ascendant to chart 2's Sun.
    second[17] = first[1] + 3;
    out.clear();
    ScanMutualAspects(first, second, inc, orbs, rows, [&](int k, double a, double b) {
        out.push_back({k, a, b});
    });
    EXPECT_THAT(
        out, testing::ElementsAre(Match{0, first[1], second[1]}, Match{0, first[1], second[17]}));
}

TEST(SeparationGrid, CellsFormatsAndAsymmetry) {
    std::array<double, 17> L{};
    L[1] = 0.02;
    L[2] = 179.98; // 179.96 apart
    L[3] = 0.06;   // 0.04 from body 1
    RecordingCanvas c(634, 543);
    DrawSeparationCells(c, L);
    const auto t = c.Only(CanvasOp::Text);
    ASSERT_EQ(t.size(), 16u * 17 / 2);
    EXPECT_EQ(t[0].text, "  0.0"); // the diagonal
    EXPECT_EQ(t[0].x1, 35 * 1 + 2);
    EXPECT_EQ(t[0].y1, 45);
    EXPECT_EQ(t[1].text, "180.0");
    EXPECT_EQ(t[2].text, "  0.0");
    EXPECT_EQ(t[16].x1, 35 * 2 + 1); // row 2 starts at its diagonal, one pixel further left
    EXPECT_EQ(t[16].y1, 75);

    std::array<double, 21> first{}, second{};
    second[1] = 100;
    first[2] = 10;
    RecordingCanvas m(634, 543);
    DrawMutualCells(m, second, first);
    const auto u = m.Only(CanvasOp::Text);
    ASSERT_EQ(u.size(), 256u);
    EXPECT_EQ(u[1].text, " 90.0");  // row 1 (chart-2 body 1), column 2 (chart-1 body 2)
    EXPECT_EQ(u[16].text, "  0.0"); // row 2, column 1: both zero
    EXPECT_EQ(u[1].x1, 35 * 2 + 2);
    EXPECT_EQ(u[16].x1, 35 * 1 + 2);
}

TEST(SeparationGrid, HeadersStopAtTheWindowEdge) {
    State s;
    for (auto& b : s.Drawing.BodyGlyphs) b = MakeBitmap(3, 3, 0);
    RecordingCanvas c(634, 543);
    DrawGridHeaders(s, c);
    auto g = c.Only(CanvasOp::Glyph);
    ASSERT_EQ(g.size(), 32u);
    EXPECT_EQ(g[0].x1, 45);
    EXPECT_EQ(g[0].y1, 10);
    EXPECT_EQ(g[16].x1, 10);
    EXPECT_EQ(g[16].y1, 40);
    RecordingCanvas small(100, 60);
    DrawGridHeaders(s, small);
    g = small.Only(CanvasOp::Glyph);
    EXPECT_EQ(g.size(), 3u + 2u); // 10, 45, 80 < 100; 10, 40 < 60
}
