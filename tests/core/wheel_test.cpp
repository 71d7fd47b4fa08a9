#include "app/state.h"
#include "drawing/recording_canvas.h"
#include "drawing/wheel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace omvera;

namespace {

// Distinct 1-pixel glyphs, so a recorded copy tells which glyph it was.
void GiveGlyphs(State& s) {
    for (int i = 1; i <= 12; ++i) s.Drawing.SignGlyphs[i] = MakeBitmap(1, 1, 0x100 + i);
    for (int i = 1; i <= 16; ++i) s.Drawing.BodyGlyphs[i] = MakeBitmap(1, 1, 0x200 + i);
}

int SignOf(const State& s, const CanvasOp& op) {
    for (int i = 1; i <= 12; ++i)
        if (op.bitmap == &s.Drawing.SignGlyphs[i]) return i;
    return 0;
}
int BodyOf(const State& s, const CanvasOp& op) {
    for (int i = 1; i <= 16; ++i)
        if (op.bitmap == &s.Drawing.BodyGlyphs[i]) return i;
    return 0;
}

// Every body far from the others (more than 10° apart), none switched-off ones nearby.
BodyLongitudes Apart() {
    BodyLongitudes L{};
    for (int i = 1; i <= 16; ++i) L[i] = 11.0 + 22 * (i - 1);
    return L;
}

} // namespace

TEST(Wheel, RingsSpokesAndSignGlyphs) {
    State s;
    GiveGlyphs(s);
    RecordingCanvas c(529, 345);
    DrawWheel(s.Drawing, c);
    EXPECT_EQ(s.Drawing.WheelCentreX, 176);
    EXPECT_EQ(s.Drawing.WheelCentreY, 172);
    // R = 138: rings 138, 121, 69, 55, in that order, black.
    const auto rings = c.Only(CanvasOp::Ellipse);
    ASSERT_EQ(rings.size(), 4u);
    EXPECT_EQ(rings[0].x1, 176 - 138);
    EXPECT_EQ(rings[0].y2, 172 + 138);
    EXPECT_EQ(rings[1].x1, 176 - 121);
    EXPECT_EQ(rings[2].x1, 176 - 69);
    EXPECT_EQ(rings[3].x1, 176 - 55);
    EXPECT_EQ(rings[3].colour, colours::Black);

    std::vector<CanvasOp> red, green, black;
    for (const auto& op : c.Only(CanvasOp::Line))
        (op.colour == colours::Red     ? red
         : op.colour == colours::Green ? green
                                       : black)
            .push_back(op);
    ASSERT_GE(red.size(), 12u);
    ASSERT_LE(red.size(), 13u); // the sum of twelve 30° steps may fall a hair short of 2π
    ASSERT_GE(green.size(), 36u);
    ASSERT_GE(black.size(), 72u);
    // 0° Aries spoke at 9 o'clock across the whole band, 90° at the bottom.
    EXPECT_EQ(red[0].x1, 176 - 138);
    EXPECT_EQ(red[0].y1, 172);
    EXPECT_EQ(red[0].x2, 176 - 55);
    EXPECT_EQ(red[3].x1, 176 - static_cast<int>(std::trunc(138 * std::cos(1.5707963))));
    EXPECT_EQ(red[3].y1, 172 - 137); // trunc(138 * sin(89.99999°))
    EXPECT_EQ(green[1].x1, 176 - static_cast<int>(std::trunc(69 * std::cos(0.17453292222222222))));
    EXPECT_EQ(black[1].x1, 176 - static_cast<int>(std::trunc(62 * std::cos(0.08726646111111111))));

    const auto glyphs = c.Only(CanvasOp::Glyph);
    ASSERT_EQ(glyphs.size(), 12u);
    EXPECT_EQ(SignOf(s, glyphs[6]), 7);
    // Sign 7 at 163°, radius trunc(0.9 * 138) = 124.
    const double t7 = 163 / 180.0 * 3.1415926;
    EXPECT_EQ(glyphs[6].x1, 176 - static_cast<int>(std::trunc(124 * std::cos(t7))));
    EXPECT_EQ(glyphs[6].y1, 172 - static_cast<int>(std::trunc(124 * std::sin(t7))));
    // Sign 10 at 78°, radius trunc(0.999 * 138) = 137.
    const double t10 = 78 / 180.0 * 3.1415926;
    EXPECT_EQ(glyphs[9].y1, 172 - static_cast<int>(std::trunc(137 * std::sin(t10))));
}

TEST(Wheel, StackLevelsCountLaterBodiesWithinTenDegrees) {
    BodyLongitudes L = Apart();
    L[3] = 100; // Mercury
    L[5] = 104; // Mars
    L[6] = 109; // Jupiter
    L[4] = 200;
    L[7] = 250;
    const auto level = StackLevels(L);
    EXPECT_EQ(level[3], 3);
    EXPECT_EQ(level[5], 2);
    EXPECT_EQ(level[6], 1);
    // No wrap at 0°.
    L[1] = 359;
    L[16] = 2;
    EXPECT_EQ(StackLevels(L)[1], 1);
}

TEST(Wheel, BodyTicksAndGlyphRadii) {
    State s;
    GiveGlyphs(s);
    RecordingCanvas c(529, 345);
    DrawWheel(s.Drawing, c);
    c.ops.clear();
    BodyLongitudes L = Apart();
    L[1] = 0;   // Sun at exactly 0°: screen angle 360°, band 0.2
    L[3] = 100; // Mercury, Mars and Jupiter stacked
    L[5] = 104;
    L[6] = 109;
    L[4] = 200;
    L[7] = 250;
    DrawBodiesAt(s.Drawing, s.PlanUst, c, 1, L);
    const auto ticks = c.Only(CanvasOp::Line);
    const auto glyphs = c.Only(CanvasOp::Glyph);
    // Bodies 1..7, Asc and MC are on at start; Uranus .. Lilith are off.
    ASSERT_EQ(ticks.size(), 7u);
    ASSERT_EQ(glyphs.size(), 7u);
    // The Sun's tick at the left, from trunc(345*0.16) = 55 to trunc(345*0.14) = 48; the cosine
    // of 6.2831852 lies a hair below 1, so truncation takes one pixel off each radius.
    EXPECT_EQ(ticks[0].x1, 176 - 54);
    EXPECT_EQ(ticks[0].y1, 172);
    EXPECT_EQ(ticks[0].x2, 176 - 47);
    EXPECT_EQ(ticks[0].colour, colours::Black);
    // Level 1, band 0.2: radius trunc(345 * 0.2 * 1.25) = 86.
    EXPECT_EQ(glyphs[0].x1, 176 - 85);
    EXPECT_EQ(glyphs[0].y1, 172);
    // Mercury (level 3) farthest out: at 100° the screen angle is 260°, band 0.16.
    const long double th = 6.2831852L - 100 / 180.0L * 3.1415926L;
    const int rMercury = static_cast<int>(345 * 0.16L * (1 + 0.25L * 3));
    EXPECT_EQ(BodyOf(s, glyphs[2]), 3);
    EXPECT_EQ(glyphs[2].x1, 176 - static_cast<int>(std::trunc(rMercury * std::cos(th))));
    EXPECT_EQ(glyphs[2].y1, 172 - static_cast<int>(std::trunc(rMercury * std::sin(th))));
    EXPECT_EQ(BodyOf(s, glyphs[4]), 5);
    const int rMars = static_cast<int>(345 * 0.16L * (1 + 0.25L * 2));
    const long double tm = 6.2831852L - 104 / 180.0L * 3.1415926L;
    EXPECT_EQ(glyphs[4].y1, 172 - static_cast<int>(std::trunc(rMars * std::sin(tm))));

    // Chart 2: green ticks across the outer ring, glyphs from 0.45 H outwards.
    c.ops.clear();
    DrawBodiesAt(s.Drawing, s.PlanUst, c, 2, L);
    const auto t2 = c.Only(CanvasOp::Line);
    EXPECT_EQ(t2[0].colour, colours::Green);
    EXPECT_EQ(t2[0].x1, 176 - 130);                      // trunc(345 * 0.38) less the hair
    EXPECT_EQ(t2[0].x2, 176 - 143);                      // trunc(345 * 0.42)
    EXPECT_EQ(c.Only(CanvasOp::Glyph)[0].x1, 176 - 154); // trunc(345 * 0.2 * 2.25)

    // Switching a body off removes its tick and glyph.
    s.PlanUst.CheckBox[2] = false;
    c.ops.clear();
    DrawBodiesAt(s.Drawing, s.PlanUst, c, 1, L);
    EXPECT_EQ(c.Only(CanvasOp::Line).size(), 6u);
}

TEST(Wheel, PositionRows) {
    State s;
    GiveGlyphs(s);
    RecordingCanvas c(529, 345);
    BodyLongitudes L = Apart();
    L[1] = 59.99;
    L[2] = 60;
    L[3] = 0;
    L[4] = 360;
    std::array<double, 21> motion{};
    motion.fill(1.0);
    motion[2] = -0.2;
    s.PlanUst.CheckBox[5] = false; // Mars: no row, the rows below move up
    DrawPositionRows(s.Drawing, s.PlanUst, c, 309, 20, L, motion);
    const auto& ops = c.ops;
    ASSERT_EQ(ops.size(), 6u * 5);
    auto row = [&](int r) {
        return std::vector<CanvasOp>(ops.begin() + 5 * r, ops.begin() + 5 * r + 5);
    };
    auto sun = row(0);
    EXPECT_EQ(BodyOf(s, sun[0]), 1);
    EXPECT_EQ(sun[0].x1, 309);
    EXPECT_EQ(sun[0].y1, 45);
    EXPECT_EQ(sun[1].text, " ");
    EXPECT_EQ(sun[1].x1, 326);
    EXPECT_EQ(sun[2].text, "29");
    EXPECT_EQ(sun[2].x1, 329);
    EXPECT_EQ(SignOf(s, sun[3]), 2);
    EXPECT_EQ(sun[3].x1, 359);
    EXPECT_EQ(sun[4].text, "59");
    EXPECT_EQ(sun[4].x1, 379);
    auto moon = row(1);
    EXPECT_EQ(moon[1].text, "r");
    EXPECT_EQ(moon[2].text, "30"); // exactly 60° stays 30° of sign 2
    EXPECT_EQ(SignOf(s, moon[3]), 2);
    EXPECT_EQ(moon[4].text, " 0");
    EXPECT_EQ(moon[0].y1, 70);
    auto mercury = row(2);
    EXPECT_EQ(mercury[2].text, " 0");
    EXPECT_EQ(SignOf(s, mercury[3]), 1);
    auto venus = row(3);
    EXPECT_EQ(venus[2].text, "30");
    EXPECT_EQ(SignOf(s, venus[3]), 12);
    auto jupiter = row(4);
    EXPECT_EQ(BodyOf(s, jupiter[0]), 6);
    EXPECT_EQ(jupiter[0].y1, 20 + 25 * 5);
}

TEST(Wheel, HouseCuspColoursAndLabels) {
    State s;
    RecordingCanvas c(529, 345);
    DrawWheel(s.Drawing, c);
    c.ops.clear();
    CuspLongitudes cusps{};
    for (int k = 1; k <= 12; ++k) cusps[k] = 30.0 * (k - 1);
    DrawHousesAt(s.Drawing, c, 1, cusps);
    const auto lines = c.Only(CanvasOp::Line);
    const auto texts = c.Only(CanvasOp::Text);
    ASSERT_EQ(lines.size(), 15u);
    ASSERT_EQ(texts.size(), 15u);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(lines[k].colour, colours::Purple) << k;
    EXPECT_EQ(lines[12].colour, colours::Blue);
    EXPECT_EQ(lines[13].colour, colours::Blue);
    EXPECT_EQ(lines[14].colour, colours::Green);
    EXPECT_EQ(texts[12].text, "Asc ");
    EXPECT_EQ(texts[13].text, "VII ");
    EXPECT_EQ(texts[14].text, "MC  ");
    EXPECT_EQ(texts[7].text, "VIII ");
    // Cusp 1 at 0°: spoke from trunc(0.45 H) = 155 to trunc(0.16 H) = 55, label at 158 (each a
    // pixel less: cos 6.2831852 < 1).
    EXPECT_EQ(lines[0].x1, 176 - 154);
    EXPECT_EQ(lines[0].x2, 176 - 54);
    EXPECT_EQ(texts[0].x1, 176 - 157);
    EXPECT_EQ(texts[0].y1, 172);
    c.ops.clear();
    DrawHousesAt(s.Drawing, c, 2, cusps);
    EXPECT_EQ(c.Only(CanvasOp::Line)[0].x2, 176 - 119); // trunc(0.35 H)
}

TEST(Wheel, HouseTable) {
    RecordingCanvas c(529, 345);
    CuspLongitudes cusps{};
    cusps[1] = 123.4;
    cusps[10] = 359.96;
    DrawHouseTableAt(c, 1, 'P', cusps);
    auto t = c.Only(CanvasOp::Text);
    ASSERT_EQ(t.size(), 13u);
    EXPECT_EQ(t[0].text, " Плацидуса");
    EXPECT_EQ(t[0].x1, 409);
    EXPECT_EQ(t[0].y1, 25);
    EXPECT_EQ(t[1].text, "Asc    123.4");
    EXPECT_EQ(t[1].y1, 45);
    EXPECT_EQ(t[10].text, "MC     360.0");
    EXPECT_EQ(t[12].y1, 45 + 25 * 11);
    c.ops.clear();
    DrawHouseTableAt(c, 1, 'A', cusps);
    EXPECT_EQ(c.ops[0].x1, 389);
    c.ops.clear();
    DrawHouseTableAt(c, 3, 'S', cusps);
    EXPECT_EQ(c.ops[0].text, " Равнодомная от Солнца");
    EXPECT_EQ(c.ops[0].x1, 130);
    EXPECT_EQ(c.ops[0].y1, 10);
    EXPECT_EQ(c.ops[1].y1, 35);
}

TEST(Wheel, AspectLineOnTheInnerCircle) {
    RecordingCanvas c(529, 345);
    DrawAspectLine(c, 48, colours::Fuchsia, 0, 180);
    ASSERT_EQ(c.ops.size(), 1u);
    EXPECT_EQ(c.ops[0].colour, colours::Fuchsia);
    // 360 / 57.29578 lies a hair beyond 2π and 180 / 57.29578 beyond π: both ends truncate
    // to 47 pixels from the centre.
    EXPECT_EQ(c.ops[0].x1, 176 - 47);
    EXPECT_EQ(c.ops[0].y1, 172);
    EXPECT_EQ(c.ops[0].x2, 176 + 47);
    EXPECT_EQ(c.ops[0].y2, 172);
}

TEST(Wheel, HeaderTexts) {
    State s;
    s.ID1.Edit1 = "Иван";
    s.ID1.SetMonthIndex(2);
    s.ID1.SpinEdit2.SetValue(5);
    s.ID1.SpinEdit3.SetValue(9);
    s.ID1.SpinEdit4.SetValue(7);
    RecordingCanvas c(529, 345);
    DrawHeaderTexts(s.ID1, s.ID2, c, 1);
    EXPECT_THAT(c.Texts(), testing::ElementsAre("Иван", " 5 Март 1980", "GMT 9: 7", "Широта 56.01",
                                                "Долгота 92.45"));
    EXPECT_EQ(c.ops[3].y1, 345 - 50);
    c.ops.clear();
    DrawHeaderTexts(s.ID1, s.ID2, c, 2);
    EXPECT_EQ(c.ops[0].x1, 264);
    EXPECT_EQ(c.ops[1].text, "15 Выбери месяц 1980");
}

TEST(Wheel, LongitudesOutsideOneTurnFindTheirSignAndBand) {
    // A directed position for a date before the birth can fall below 0°: it is shown in its
    // place within the turn, never as negative degrees of Aries nor beyond the twelfth sign.
    State s;
    GiveGlyphs(s);
    RecordingCanvas c(529, 345);
    BodyLongitudes L = Apart();
    L[1] = -5.5;  // 354.5: 24° 30' of Pisces
    L[2] = 400.5; // 40.5: 10° 30' of Taurus
    std::array<double, 21> motion{};
    motion.fill(1.0);
    DrawPositionRows(s.Drawing, s.PlanUst, c, 309, 20, L, motion);
    const auto& ops = c.ops;
    ASSERT_GE(ops.size(), 10u);
    EXPECT_EQ(ops[2].text, "24");
    EXPECT_EQ(SignOf(s, ops[3]), 12);
    EXPECT_EQ(ops[4].text, "30");
    EXPECT_EQ(ops[7].text, "10");
    EXPECT_EQ(SignOf(s, ops[8]), 2);
    EXPECT_EQ(ops[9].text, "30");

    // On the wheel the glyph takes the band of its place: 100° is at screen angle 260°
    // (band 0.16) also when written as 460° or -260°.
    DrawWheel(s.Drawing, c);
    BodyLongitudes in = Apart(), out = Apart();
    in[1] = 100;
    out[1] = 460;
    in[2] = 100.5;
    out[2] = -259.5;
    c.ops.clear();
    DrawBodiesAt(s.Drawing, s.PlanUst, c, 1, in);
    const auto expected = c.Only(CanvasOp::Glyph);
    c.ops.clear();
    DrawBodiesAt(s.Drawing, s.PlanUst, c, 1, out);
    const auto got = c.Only(CanvasOp::Glyph);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t k = 0; k < got.size(); ++k) {
        EXPECT_EQ(got[k].x1, expected[k].x1) << k;
        EXPECT_EQ(got[k].y1, expected[k].y1) << k;
    }
}
