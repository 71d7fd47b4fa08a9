#include "app/chart_commands.h"
#include "app/state.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace omvera;

namespace {

struct Canvases {
    RecordingCanvas image{0, 0}, prosm{400, 480}, aspq{634, 543};
    ChartCanvases all{image, prosm, aspq};
};

int Count(const std::vector<std::string>& texts, const std::string& t) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), t));
}

} // namespace

TEST(ScanCommand, TransitSkipsChartTwoHousesOtherKindsDrawThem) {
    for (ChartKindId kind : {ChartKindId::Transit, ChartKindId::TransitMedical,
                             ChartKindId::SynastryKarma, ChartKindId::Erotic}) {
        State s;
        Canvases c;
        s.ChartKind = kind;
        s.ID2.Edit1 = "Партнер";
        s.ID2.Visible = true;
        Button3Click(s, c.all);
        const auto texts = c.image.Texts();
        // The title is written whatever the kind; chart 2's house column only when it is
        // not the classical transit (chart 1's houses have no column in a scan).
        EXPECT_EQ(Count(texts, "Транзит"), 1) << ChartKindText(kind);
        EXPECT_EQ(Count(texts, " Плацидуса"), kind == ChartKindId::Transit ? 0 : 1) << ChartKindText(kind);
        EXPECT_FALSE(s.ID2.Visible);
        EXPECT_TRUE(s.Form1.Image1Visible);
        EXPECT_TRUE(s.Form1.Button4Visible);
    }
}

TEST(ScanCommand, BackStepHidesTheTextAndUsesTheChosenStep) {
    State s;
    Canvases c;
    s.ChartKind = ChartKindId::Transit;
    s.Form1.RichEdit1Visible = true;
    s.Hsk.RadioButton = {false, true, false, false, false}; // "7 суток"
    s.ID2.SetMonthIndex(0);
    s.ID2.SpinEdit2.SetValue(3);
    Button2Click(s, c.all);
    EXPECT_FALSE(s.Form1.RichEdit1Visible);
    EXPECT_DOUBLE_EQ(s.ScanStep, 7);
    EXPECT_EQ(s.ID2.SpinEdit2.Value(), 27);
    EXPECT_EQ(s.ID2.Month(), 12);
    EXPECT_EQ(s.ID2.SpinEdit1.Value(), 1979);
}

TEST(SecondChartButtons, AddToChartByKind) {
    State s;
    Canvases c;
    s.ChartKind = ChartKindId::Transit;
    N13Click(s, c.all);
    SecondChartAddToChart(s, c.all);
    auto texts = c.image.Texts();
    EXPECT_EQ(Count(texts, "Транзит"), 2); // TID2's name in the header and the title
    EXPECT_EQ(Count(texts, " Плацидуса"), 0);

    Canvases d;
    N39Click(s, d.all);
    s.ID2.Edit1 = "Мария";
    SecondChartAddToChart(s, d.all);
    texts = d.image.Texts();
    EXPECT_EQ(Count(texts, "Транзит"), 0);
    EXPECT_EQ(Count(texts, " Плацидуса"), 1);
}

TEST(SecondChartButtons, SolarAndLunarReturnsDrawTheirTitles) {
    State s;
    Canvases c;
    N22Click(s, c.all);
    EXPECT_TRUE(s.ID2.Button3Visible);
    s.ID2.SpinEdit1.SetValue(1990);
    SecondChartSolarReturn(s, c.all);
    EXPECT_EQ(Count(c.image.Texts(), "Соляр"), 2);
    EXPECT_TRUE(s.ID2.Button1Visible);
    EXPECT_FALSE(s.ID2.Button3Visible);

    Canvases d;
    N23Click(s, d.all);
    s.ID2.SetMonthIndex(3);
    SecondChartLunarReturn(s, d.all);
    ASSERT_EQ(s.ID2.ListBox1.size(), 3u);
    SecondChartLunarListDblClick(s, d.all); // nothing selected: nothing drawn
    EXPECT_TRUE(d.image.Texts().empty());
    s.ID2.ListBox1Index = 2;
    SecondChartLunarListDblClick(s, d.all);
    EXPECT_EQ(Count(d.image.Texts(), "Лунар"), 2);
    EXPECT_EQ(s.ID2.Label6Top, s.ID2.Label9Top - 20);
}
