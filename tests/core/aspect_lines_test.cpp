// The aspect lines as the chart commands draw them: the points of the charts read from the
// forms, the lines on the inner circle, and the points left behind for the reports.
#include "app/aspect_lines.h"
#include "app/chart_drawing.h"
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/chart_moment.h"
#include "base/numbers.h"
#include "drawing/recording_canvas.h"
#include "drawing/separation_grid.h"
#include "drawing/wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace omvera;

namespace {

void EquinoxChart(ChartForm& f) {
    f.SetMonthIndex(2);
    f.SpinEdit2.SetValue(20);
    f.SpinEdit3.SetValue(0);
    f.SpinEdit4.SetValue(0);
}

// Bodies 1..16 and cusps 1 and 10 of a form in house system `letter`.
std::array<double, 19> PointsOf(const ChartForm& form, char letter) {
    State t;
    t.ID1 = form;
    ReadChartInput(t, 1);
    ComputeAllBodies(t);
    std::array<double, 19> p{};
    for (int i = 1; i <= 16; ++i) p[i] = t.BodyPositions[i];
    std::array<double, 13> cusps{};
    ComputeHouses(t, 1, letter, cusps);
    p[17] = cusps[1];
    p[18] = cusps[10];
    return p;
}

// Where a longitude meets the circle of radius r about the centre of a 529 x 345 picture.
wheel::Point OnCircle(double longitude, int r) {
    return wheel::PointAt(176, 172, (360 - longitude) / 57.29578L, r);
}

bool Joins(const CanvasOp& line, wheel::Point a, wheel::Point b) {
    return line.x1 == a.x && line.y1 == a.y && line.x2 == b.x && line.y2 == b.y;
}

} // namespace

TEST(ChartAspects, LinesOnTheInnerCircleInTheRowColours) {
    State s;
    EquinoxChart(s.ID1);
    s.PlanUst.CheckBox[13] = true; // both nodes
    RecordingCanvas image(529, 345);
    DrawChartAspects(s, image);
    const int ra = 48; // trunc(345 * 0.4 * 0.35)
    const auto lines = image.Only(CanvasOp::Line);
    ASSERT_FALSE(lines.empty());
    const std::uint32_t rowColours[] = {colours::Yellow, colours::Fuchsia, colours::Blue,
                                        colours::Red, colours::Navy};
    for (const auto& l : lines) {
        EXPECT_NEAR(std::hypot(l.x1 - 176, l.y1 - 172), ra, 1.5);
        EXPECT_NEAR(std::hypot(l.x2 - 176, l.y2 - 172), ra, 1.5);
        EXPECT_NE(std::find(std::begin(rowColours), std::end(rowColours), l.colour),
                  std::end(rowColours));
    }
    // The nodes are always opposite: a line of row "180" from node 13 to node 14.
    const auto p = PointsOf(s.ID1, 'P');
    const auto node = std::find_if(lines.begin(), lines.end(), [&](const CanvasOp& l) {
        return Joins(l, OnCircle(p[13], ra), OnCircle(p[14], ra));
    });
    ASSERT_NE(node, lines.end());
    EXPECT_EQ(node->colour, colours::Navy);
    // Ascendant and MC, both on with orb 5, are joined in the colour of row "90" exactly when
    // they lie within 85..95° of each other.
    double d = std::fabs(p[17] - p[18]);
    if (d > 180) d = 360 - d;
    const bool square = std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& l) {
        return Joins(l, OnCircle(p[17], ra), OnCircle(p[18], ra)) && l.colour == colours::Blue;
    });
    EXPECT_EQ(square, d > 85 && d < 95) << d;
}

TEST(MutualAspects, BothChartsPointsKeptAndIdenticalMomentsShowEachLineTwice) {
    State s;
    EquinoxChart(s.ID1);
    EquinoxChart(s.ID2);
    s.Dom.RadioButton = {false, false, false, false, true, false, false}; // Koch for both
    RecordingCanvas image(529, 345);
    DrawMutualAspects(s, image);
    const auto p = PointsOf(s.ID1, 'K');
    for (int i = 1; i <= 18; ++i) {
        EXPECT_DOUBLE_EQ(s.FirstPoints[i], p[i]) << i;
        EXPECT_DOUBLE_EQ(s.SecondPoints[i], p[i]) << i;
    }
    // Every switched-on point (Sun to Saturn, Ascendant, MC) is conjunct its counterpart: a
    // line of row "0" with both ends on one pixel. Every other line has its mirror image.
    const auto lines = image.Only(CanvasOp::Line);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 17, 18}) {
        const auto at = OnCircle(p[i], 48);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& l) {
            return Joins(l, at, at) && l.colour == colours::Yellow;
        })) << i;
    }
    for (const auto& l : lines) {
        const auto mirror = std::count_if(lines.begin(), lines.end(), [&](const CanvasOp& m) {
            return m.x1 == l.x2 && m.y1 == l.y2 && m.x2 == l.x1 && m.y2 == l.y1 &&
                   m.colour == l.colour;
        });
        EXPECT_GE(mirror, 1);
    }

    // The second chart's cusps are its own, in the same house system.
    s.ID2.SpinEdit3.SetValue(6);
    DrawMutualAspects(s, image);
    EXPECT_DOUBLE_EQ(s.SecondPoints[17], PointsOf(s.ID2, 'K')[17]);
    EXPECT_DOUBLE_EQ(s.FirstPoints[17], p[17]);
}

TEST(SeparationGrid, ChartsReadFromTheirForms) {
    State s;
    EquinoxChart(s.ID1);
    EquinoxChart(s.ID2);
    s.ID2.SpinEdit2.SetValue(21);
    const auto one = PointsOf(s.ID1, 'P'), two = PointsOf(s.ID2, 'P');
    auto separation = [](double a, double b) {
        double d = std::fabs(a - b);
        return FormatFixed(d > 180 ? 360 - d : d, 5, 1);
    };
    RecordingCanvas grid(634, 543);
    DrawSeparationGrid(s, grid, ChartSlot::Second);
    EXPECT_EQ(grid.Only(CanvasOp::Text)[1].text, separation(two[1], two[2]));
    grid.ops.clear();
    DrawMutualGrid(s, grid);
    const auto t = grid.Only(CanvasOp::Text);
    // Row 1 column 2: chart 2's Sun against chart 1's Moon; row 2 column 1 the other way.
    EXPECT_EQ(t[1].text, separation(two[1], one[2]));
    EXPECT_EQ(t[16].text, separation(two[2], one[1]));
    EXPECT_NE(t[1].text, t[16].text);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_DOUBLE_EQ(s.FirstPoints[i], one[i]) << i;
        EXPECT_DOUBLE_EQ(s.SecondPoints[i], two[i]) << i;
    }
}
