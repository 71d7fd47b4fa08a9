// The chart drawing operations that read the forms and compute: daily motions, the position
// column in its five places, the directions header and the house column of either chart.
#include "app/chart_drawing.h"
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/chart_moment.h"
#include "base/numbers.h"
#include "drawing/recording_canvas.h"
#include "drawing/wheel.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

namespace {

void GiveGlyphs(State& s) {
    for (int i = 1; i <= 12; ++i) s.Drawing.SignGlyphs[i] = MakeBitmap(1, 1, 0x100 + i);
    for (int i = 1; i <= 16; ++i) s.Drawing.BodyGlyphs[i] = MakeBitmap(1, 1, 0x200 + i);
}

int BodyOf(const State& s, const CanvasOp& op) {
    for (int i = 1; i <= 16; ++i)
        if (op.bitmap == &s.Drawing.BodyGlyphs[i]) return i;
    return 0;
}

// 20 March 1980 0:00 GMT: the Sun crosses 0° Aries within the day; Mars, Jupiter and
// Saturn are retrograde.
void EquinoxChart(ChartForm& f) {
    f.SetMonthIndex(2);
    f.SpinEdit2.SetValue(20);
    f.SpinEdit3.SetValue(0);
    f.SpinEdit4.SetValue(0);
}

BodyLongitudes BodiesOf(const ChartForm& form) {
    State t;
    t.ID1 = form;
    ReadChartInput(t, 1);
    ComputeAllBodies(t);
    BodyLongitudes L{};
    for (int i = 1; i <= 16; ++i) L[i] = t.BodyPositions[i];
    return L;
}

// The rows of a position column: five operations per switched-on body after `skip` others.
struct Row {
    int body, x, y;
    std::string marker, degrees;
};
std::vector<Row> Rows(const State& s, const RecordingCanvas& c, size_t skip) {
    std::vector<Row> rows;
    for (size_t k = skip; k + 4 < c.ops.size(); k += 5)
        rows.push_back(
            {BodyOf(s, c.ops[k]), c.ops[k].x1, c.ops[k].y1, c.ops[k + 1].text, c.ops[k + 2].text});
    return rows;
}

} // namespace

TEST(DailyMotion, OneDayLaterWrappedAcrossZeroAndTheMomentRestored) {
    State s;
    EquinoxChart(s.ID1);
    ComputeDailyMotion(s, 1);
    ChartForm later = s.ID1;
    later.SpinEdit2.SetValue(21);
    const auto now = BodiesOf(s.ID1), next = BodiesOf(later);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_DOUBLE_EQ(s.FirstPoints[i], now[i]) << i;
        EXPECT_DOUBLE_EQ(s.SecondPoints[i], next[i]) << i;
    }
    // The Sun goes from 359.5° to 0.5°: a forward motion of about a degree, not -359°.
    ASSERT_GT(s.FirstPoints[1], 359);
    ASSERT_LT(s.SecondPoints[1], 1);
    EXPECT_NEAR(s.DailyMotion[1], 0.99, 0.01);
    EXPECT_NEAR(s.DailyMotion[2], s.SecondPoints[2] - s.FirstPoints[2], 1e-12);
    EXPECT_LT(s.DailyMotion[5], 0);
    // The moment is the form's again, the day without its fraction.
    EXPECT_EQ(s.moment.day, 20);
    EXPECT_EQ(s.moment.month, 3);
    EXPECT_EQ(s.moment.hour, 0);
}

TEST(PositionTable, PlacesAndRetrogradeMarkers) {
    State s;
    GiveGlyphs(s);
    s.ID1.Edit1 = "Анна";
    EquinoxChart(s.ID1);
    RecordingCanvas image(529, 345);

    // Beside the wheel: chart 1's three title lines, then a row per switched-on body from
    // y = 45 at x = W - 220; retrograde Mars, Jupiter and Saturn marked, the Sun (crossing
    // 0°) not.
    DrawPositionTable(s, image, TablePlace::FirstBeside);
    ASSERT_EQ(image.ops.size(), 3u + 7 * 5);
    EXPECT_EQ(image.ops[0].text, "Анна");
    EXPECT_EQ(image.ops[0].x1, 10);
    auto rows = Rows(s, image, 3);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].body, 1);
    EXPECT_EQ(rows[0].x, 309);
    EXPECT_EQ(rows[0].y, 45);
    EXPECT_EQ(rows[0].degrees, "29");
    const char* markers[] = {" ", " ", " ", " ", "r", "r", "r"};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(rows[k].marker, markers[k]) << k;

    // Chart 2 beside the wheel: still chart 1's title lines, chart 2's positions (the Sun a
    // day after the crossing).
    EquinoxChart(s.ID2);
    s.ID2.SpinEdit2.SetValue(21);
    s.ID2.Edit1 = "Транзит";
    image.ops.clear();
    DrawPositionTable(s, image, TablePlace::SecondBeside);
    EXPECT_EQ(image.ops[0].text, "Анна");
    rows = Rows(s, image, 3);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].degrees, " 0");
    EXPECT_EQ(rows[0].marker, " ");

    // The view window: no title lines, x0 = 10, the first row at 35; 3 reads chart 1,
    // 4 chart 2.
    RecordingCanvas prosm(400, 480);
    DrawPositionTable(s, prosm, TablePlace::FirstInView);
    rows = Rows(s, prosm, 0);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].x, 10);
    EXPECT_EQ(rows[0].y, 35);
    EXPECT_EQ(rows[0].degrees, "29");
    prosm.ops.clear();
    DrawPositionTable(s, prosm, TablePlace::SecondInView);
    EXPECT_EQ(Rows(s, prosm, 0)[0].degrees, " 0");

    // Directed positions: no title lines, nobody marked, every daily motion 1.
    for (int i = 1; i <= 16; ++i) s.DirectedPositions[i] = 200.0 + i;
    image.ops.clear();
    DrawPositionTable(s, image, TablePlace::DirectedBeside);
    rows = Rows(s, image, 0);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].x, 309);
    EXPECT_EQ(rows[0].y, 45);
    EXPECT_EQ(rows[0].degrees, "21"); // 201° = 21° of Libra
    for (const auto& r : rows) EXPECT_EQ(r.marker, " ");
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(s.DailyMotion[i], 1.0);
}

TEST(ChartHeader, DirectionsHeadingAndDirectedBodiesOnTheOuterRing) {
    State s;
    GiveGlyphs(s);
    EquinoxChart(s.ID1);
    for (int i = 1; i <= 16; ++i) s.DirectedPositions[i] = 0;
    s.DirectedPositions[1] = 180; // the directed Sun at the right
    RecordingCanvas image(529, 345);
    DrawWheel(s, image);
    image.ops.clear();
    DrawChartHeader(s, image, ChartSlot::Directed, "01.01.2000");
    const auto texts = image.Only(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Дирекция на дату");
    EXPECT_EQ(texts[0].x1, 264);
    EXPECT_EQ(texts[0].y1, 10);
    EXPECT_EQ(texts[1].text, "01.01.2000");
    EXPECT_EQ(texts[1].y1, 25);
    const auto ticks = image.Only(CanvasOp::Line);
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[0].colour, colours::Green);
    // From trunc(345 * 0.38) = 131 to trunc(345 * 0.42) = 144, each a pixel less: the cosine
    // of 3.1415926 lies a hair above -1.
    EXPECT_EQ(ticks[0].x1, 176 + 130);
    EXPECT_EQ(ticks[0].x2, 176 + 143);
    EXPECT_EQ(ticks[0].y1, 172);
    // The daily motions are chart 1's.
    EXPECT_DOUBLE_EQ(s.FirstPoints[1], BodiesOf(s.ID1)[1]);
}

TEST(HouseTable, EachChartItsOwnCusps) {
    State s;
    EquinoxChart(s.ID1);
    s.ID2.SpinEdit3.SetValue(6); // six hours later: other cusps
    std::array<double, 13> one{}, two{};
    ComputeHouses(s, 1, 'P', one);
    ComputeHouses(s, 2, 'P', two);
    ASSERT_GT(std::abs(one[1] - two[1]), 1);
    RecordingCanvas image(529, 345), prosm(400, 480);
    DrawHouseTable(s, image, TablePlace::SecondBeside);
    DrawHouseTable(s, prosm, TablePlace::FirstInView);
    const auto a = image.Only(CanvasOp::Text), b = prosm.Only(CanvasOp::Text);
    ASSERT_EQ(a.size(), 13u);
    ASSERT_EQ(b.size(), 13u);
    EXPECT_EQ(a[1].text, std::string("Asc   ") + FormatFixed(two[1], 6, 1));
    EXPECT_EQ(a[1].x1, 409);
    EXPECT_EQ(b[1].text, std::string("Asc   ") + FormatFixed(one[1], 6, 1));
    EXPECT_EQ(b[1].x1, 130);
    EXPECT_EQ(b[1].y1, 35);
}
