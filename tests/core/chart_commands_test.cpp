#include "app/chart_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "drawing/recording_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace omvera;

namespace {

struct Canvases {
    RecordingCanvas image{0, 0}, prosm{400, 480}, aspq{634, 543};
    ChartCanvases all{image, prosm, aspq};
};

void GiveGlyphs(State& s) {
    for (int i = 1; i <= 12; ++i) s.Drawing.SignGlyphs[i] = MakeBitmap(1, 1, 0);
    for (int i = 1; i <= 16; ++i) s.Drawing.BodyGlyphs[i] = MakeBitmap(1, 1, 0);
}

} // namespace

TEST(NatalCommands, KindVisibilityAndDrawingOrder) {
    State s;
    GiveGlyphs(s);
    Canvases c;
    s.Form1.RichEdit1Visible = true;
    s.Form1.ScanVisible = true;
    N40Click(s, c.all);
    EXPECT_STREQ(ChartKindText(s.ChartKind), "Радикс");
    EXPECT_TRUE(s.Form1.Image1Visible);
    EXPECT_FALSE(s.Form1.RichEdit1Visible);
    EXPECT_FALSE(s.Form1.GroupBox1Visible);
    EXPECT_FALSE(s.Form1.ScanVisible);
    EXPECT_TRUE(s.Form1.Button4Visible);
    EXPECT_FALSE(s.ID2.Visible);
    // The picture takes the size of Image1 after the layout: 571 - 100 by 466 - 130.
    EXPECT_EQ(c.image.Width(), 471);
    EXPECT_EQ(c.image.Height(), 336);
    // Blank first, then the rings of the wheel.
    ASSERT_GE(c.image.ops.size(), 5u);
    EXPECT_EQ(c.image.ops[0].kind, CanvasOp::Rectangle);
    EXPECT_EQ(c.image.ops[0].x2, 471);
    EXPECT_EQ(c.image.ops[1].kind, CanvasOp::Ellipse);
    // Header, then the title lines again above the position column, the house column last
    // among the texts.
    const auto texts = c.image.Texts();
    EXPECT_EQ(texts[5], texts[0]);
    EXPECT_EQ(texts[texts.size() - 13], " Плацидуса");
    EXPECT_TRUE(c.prosm.ops.empty());

    N41Click(s, c.all);
    EXPECT_STREQ(ChartKindText(s.ChartKind), "Радикс детский");
}

TEST(NatalCommands, BadAspectRowStopsAfterTheHouses) {
    State s;
    Canvases c;
    s.AspUst.ListBox1.push_back("x");
    EXPECT_THROW(N40Click(s, c.all), Error);
    EXPECT_STREQ(ChartKindText(s.ChartKind), "Радикс");
    EXPECT_THAT(c.image.Texts(), testing::Contains(" Плацидуса"));
}

TEST(ViewCommands, ProsmAndAspqCaptionsAndContents) {
    State s;
    GiveGlyphs(s);
    Canvases c;
    N26Click(s, c.all);
    EXPECT_EQ(s.Views.ProsmCaption, "Радикс");
    EXPECT_TRUE(s.Views.ProsmVisible);
    EXPECT_EQ(c.prosm.ops[0].kind, CanvasOp::Clear);
    // Seven switched-on bodies, then the system name and twelve cusps.
    EXPECT_EQ(c.prosm.Only(CanvasOp::Text).size(), 7u * 3 + 13);
    EXPECT_TRUE(c.image.ops.empty());
    N27Click(s, c.all);
    EXPECT_EQ(s.Views.ProsmCaption, "Транзит");

    // The forms hold no month yet: each form is named once however often it is read.
    ASSERT_EQ(s.Warnings.size(), 2u);
    EXPECT_THAT(s.Warnings[0], testing::HasSubstr("месяц не выбран"));
    s.Warnings.clear();
    s.ID1.SetMonthIndex(0);
    s.ID2.SetMonthIndex(0);
    s.ProgramFolder = "/nonexistent";
    N31Click(s, c.all); // reloads the glyphs: all missing, reported once
    EXPECT_EQ(s.Warnings.size(), 1u);
    EXPECT_EQ(s.Views.AspqCaption, "Аспекты радикса");
    EXPECT_TRUE(s.Views.AspqVisible);
    EXPECT_EQ(c.aspq.Only(CanvasOp::Text).size(), 136u);
    c.aspq.ops.clear();
    N32Click(s, c.all);
    EXPECT_EQ(s.Views.AspqCaption, "Аспекты Транзита");
    c.aspq.ops.clear();
    N33Click(s, c.all);
    EXPECT_EQ(s.Views.AspqCaption, "Аспекты взаимные");
    EXPECT_EQ(c.aspq.Only(CanvasOp::Text).size(), 256u);
}

TEST(PictureTextSwitch, Buttons5And6) {
    State s;
    Canvases c;
    s.Form1.RichEdit1Visible = true;
    Button5Click(s, c.all);
    EXPECT_TRUE(s.Form1.Image1Visible);
    EXPECT_FALSE(s.Form1.RichEdit1Visible);
    EXPECT_EQ(c.image.Height(), 336);
    Button6Click(s, c.all);
    EXPECT_FALSE(s.Form1.Image1Visible);
    EXPECT_TRUE(s.Form1.RichEdit1Visible);
}
