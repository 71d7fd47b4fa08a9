// Directions: the target date, the increment, the directed values, and "Расчет" of TDat2 as
// it lists, draws and checks aspects, on a fresh program state.
#include "app/chart_commands.h"
#include "app/directions_commands.h"
#include "app/state.h"
#include "astro/chart_moment.h"
#include "astro/directions.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "drawing/recording_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace omvera;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(DirectionDate, ReadsDaysOfTheCalendarWithFourDigitYears) {
    const CalendarDay d = ParseDirectionDate("05.03.2010");
    EXPECT_EQ(d.day, 5);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.year, 2010);
    EXPECT_EQ(ParseDirectionDate(" 1.2.1999 ").month, 2);
    EXPECT_EQ(ParseDirectionDate("29.02.2000").day, 29);
    EXPECT_EQ(FormatDirectionDate({5, 3, 2010}), "05.03.2010");
    for (const char* bad :
         {"", "  ", "дата", "29.02.2001", "29.02.1900", "31.04.2010", "0.1.2010", "1.13.2010",
          "1.1.10", "1.1.02010", "1..2010", "1.1.2010.", "+1.1.2010", "1.1.0000"})
        EXPECT_THROW(ParseDirectionDate(bad), Error) << bad;
    try {
        ParseDirectionDate("32.01.2002");
        FAIL();
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("«32.01.2002» — не дата"));
    }
}

TEST(DirectionIncrement, CalendarDaysOverJulianYears) {
    // The same day: nothing moves.
    EXPECT_EQ(DirectionIncrement({15, 5, 1980}, {15, 5, 1980}), 0.0);
    // One year of age is 365 or 366 calendar days, not a tropical year.
    EXPECT_NEAR(DirectionIncrement({1, 3, 1981}, {1, 3, 1980}), 365 / 365.25, 1e-12);
    EXPECT_NEAR(DirectionIncrement({1, 3, 1980}, {1, 3, 1979}), 366 / 365.25, 1e-12);
    EXPECT_EQ(FormatFixed(DirectionIncrement({1, 3, 1981}, {1, 3, 1980}), 6, 4), "0.9993");
    EXPECT_EQ(FormatFixed(DirectionIncrement({1, 3, 1980}, {1, 3, 1979}), 6, 4), "1.0021");
    // Backwards in time: a negative increment.
    EXPECT_NEAR(DirectionIncrement({15, 5, 1970}, {15, 5, 1980}), -3653 / 365.25, 1e-12);
}

TEST(DirectedLongitude, StaysInTheTurnBothWays) {
    EXPECT_EQ(DirectedLongitude(359.5, 30.25), 29.75);
    EXPECT_EQ(DirectedLongitude(350, 10), 360); // 360 itself is kept, as the wheel takes it
    EXPECT_EQ(DirectedLongitude(10, -20), 350);
    EXPECT_EQ(DirectedLongitude(10, -10), 0);
    EXPECT_EQ(DirectedLongitude(100, -740), 80);
    EXPECT_EQ(DirectedLongitude(100, 1000), 20);
    const Directions d = DirectChart({0, 359.5}, {0, 1, 2}, 30.25);
    EXPECT_EQ(d.bodies[1], 29.75);
    EXPECT_EQ(d.cusps[2], 32.25);
    EXPECT_EQ(d.radixBodies[1], 359.5);
}

TEST(DirectionListing, LinesInTheirWidths) {
    BodyArray b{};
    CuspArray c{};
    for (int n = 1; n <= 16; ++n) b[n] = 20.0 * n + 0.13;
    for (int q = 1; q <= 12; ++q) c[q] = 30.0 * q - 5;
    const auto lines = DirectionListing(DirectChart(b, c, 31.5));
    ASSERT_EQ(lines.size(), 4u + 16 + 3 + 12);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 5),
                ElementsAre("Приращение =    31.50", "   ", "        Радикс     Дирекция", "   ",
                            "Солн    20.13    51.63"));
    EXPECT_EQ(lines[4 + 15], "Лил    320.13   351.63");
    EXPECT_THAT(
        std::vector<std::string>(lines.begin() + 20, lines.begin() + 24),
        ElementsAre("  Дома ", "        Радикс     Дирекция", "   ", "Асц    25.00    56.50"));
    EXPECT_EQ(lines.back(), "XII   355.00    26.50");
}

namespace {

class DirectionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        s.ID1.Edit1 = "Анна";
        s.ID1.SetMonthIndex(4); // 15 May 1980, 12:30
        s.ChartKind = ChartKindId::Direction;
        s.Views.Dat2Visible = true;
    }
    std::vector<std::string> Lines() const { return s.Form1.RichEdit1Lines; }
    std::vector<std::string> AspectLines() const {
        std::vector<std::string> out;
        for (const auto& l : s.Form1.RichEdit1Lines)
            if (l.rfind(" Дирекц.  ", 0) == 0) out.push_back(l);
        return out;
    }

    State s;
    RecordingCanvas image{529, 345}, prosm{400, 480}, aspq{634, 543};
    ChartCanvases c{image, prosm, aspq};
};

} // namespace

TEST_F(DirectionsDialog, ActivationPutsTodayInTheDateField) {
    Dat2FormActivate(s, {2024, 7, 9, 13, 5});
    EXPECT_EQ(s.Dat2.DateEdit1, "09.07.2024");
}

TEST_F(DirectionsDialog, TheBirthDateGivesNoIncrementAndEveryBodyConjunctItself) {
    s.Dat2.DateEdit1 = "15.05.1980";
    s.PlanUst.CheckBox.fill(true);
    Dat2Button1Click(s, c);
    EXPECT_FALSE(s.Views.Dat2Visible);
    const auto lines = Lines();
    ASSERT_GE(lines.size(), 37u);
    EXPECT_EQ(lines[1], "Приращение =     0.00"); // after the view's first empty line
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(s.DirectedPositions[n], s.DirectionRadix[n]);
    EXPECT_THAT(s.DirectionDate, ElementsAre(15, 5, 1980));
    EXPECT_THAT(lines, Contains(" Расчет аспектов дирекционных к радикс"));
    for (int n = 1; n <= 16; ++n)
        EXPECT_THAT(AspectLines(), Contains(std::string(" Дирекц.  ") + BodyLabels[n] + "  0.0 к " +
                                            BodyLabels[n]));
    // The wheel, both headers and the directed column; the picture shown, the text hidden.
    const auto texts = image.Texts();
    EXPECT_THAT(texts, Contains("Анна"));
    EXPECT_THAT(texts, Contains("Дирекция на дату"));
    EXPECT_THAT(texts, Contains("15.05.1980"));
    EXPECT_THAT(texts, Not(Contains("r"))); // no directed body is marked retrograde
    EXPECT_TRUE(s.Form1.Image1Visible && s.Form1.Button4Visible);
    EXPECT_FALSE(s.Form1.RichEdit1Visible || s.Form1.ScanVisible || s.Form1.Button5Visible ||
                 s.Form1.Button6Visible);
}

TEST_F(DirectionsDialog, ALateBirthTimeLeavesTheIncrementAlone) {
    s.Dat2.DateEdit1 = "15.05.2010";
    Dat2Button1Click(s, c);
    const std::string early = Lines()[1];
    s.ID1.SpinEdit3.SetValue(23);
    s.ID1.SpinEdit4.SetValue(59);
    s.Form1.RichEdit1Lines = {""};
    Dat2Button1Click(s, c);
    EXPECT_EQ(Lines()[1], early);
    EXPECT_EQ(early, "Приращение =    30.00"); // 10957 days: 29.9986
}

TEST_F(DirectionsDialog, ABackwardsDateDirectsIntoTheTurn) {
    s.Dat2.DateEdit1 = "15.05.1900";
    Dat2Button1Click(s, c);
    EXPECT_EQ(Lines()[1], "Приращение =   -80.00"); // 29220 days back, 20 of them leap days
    for (int n = 1; n <= 16; ++n) {
        EXPECT_GE(s.DirectedPositions[n], 0);
        EXPECT_LE(s.DirectedPositions[n], 360);
        EXPECT_NEAR(std::fmod(s.DirectedPositions[n] - s.DirectionRadix[n] + 720, 360), 280, 1e-9);
    }
}

TEST_F(DirectionsDialog, ADateThatIsNoDateStopsAfterTheRadixWheel) {
    s.Dat2.DateEdit1 = "15.05.2010";
    Dat2Button1Click(s, c);
    const auto directed = s.DirectedPositions;
    const auto cusps = s.DirectedCusps;
    s.Form1.RichEdit1Lines = {""};
    image.ops.clear();
    s.Dat2.DateEdit1 = "31.02.2010";
    EXPECT_THROW(Dat2Button1Click(s, c), Error);
    EXPECT_THAT(Lines(), ElementsAre(""));
    EXPECT_EQ(s.DirectedPositions, directed);
    EXPECT_EQ(s.DirectedCusps, cusps);
    EXPECT_THAT(s.DirectionDate, ElementsAre(15, 5, 2010));
    EXPECT_THAT(image.Texts(), Contains("Анна"));
    EXPECT_THAT(image.Texts(), Not(Contains("Дирекция на дату")));
}

TEST_F(DirectionsDialog, AnotherChartKindListsTheLastComputationOrOnlyTheTitle) {
    s.ChartKind = ChartKindId::Radix;
    Dat2Button1Click(s, c);
    EXPECT_THAT(Lines(), ElementsAre("", " Расчет аспектов дирекционных к радикс"));
    EXPECT_TRUE(image.Only(CanvasOp::Line).empty());

    s.ChartKind = ChartKindId::Direction;
    s.Dat2.DateEdit1 = "15.05.1980";
    Dat2Button1Click(s, c);
    const auto first = AspectLines();
    ASSERT_FALSE(first.empty());
    s.ChartKind = ChartKindId::Solar;
    s.ID1.SpinEdit1.SetValue(1950); // a different radix on the form is not read
    s.Form1.RichEdit1Lines = {""};
    Dat2Button1Click(s, c);
    EXPECT_EQ(AspectLines(), first);
    EXPECT_EQ(Lines().size(), first.size() + 2);
}

TEST_F(DirectionsDialog, OverlappingRowsGiveALineAndALineOnTheWheelEach) {
    s.Dat2.DateEdit1 = "15.05.1980";
    s.AspUst.ListBox1 = {"0", "1"};
    s.PlanUst.CheckBox.fill(false);
    s.PlanUst.CheckBox[1] = true; // the Sun alone, orb 10: 0 and 1 both hold distance 0
    Dat2Button1Click(s, c);
    EXPECT_THAT(AspectLines(),
                ElementsAre(" Дирекц.  Солн   0.0 к Солн ", " Дирекц.  Солн   0.0 к Солн "));
    // Two aspect lines on the inner circle, in the colours of rows 1 and 2.
    const int r = static_cast<int>(345 * 0.4L * 0.35L);
    int lines = 0;
    std::vector<std::uint32_t> colours;
    for (const CanvasOp& op : image.Only(CanvasOp::Line)) {
        const int cx = 529 / 3, cy = 345 / 2;
        const double d1 = std::hypot(op.x1 - cx, op.y1 - cy),
                     d2 = std::hypot(op.x2 - cx, op.y2 - cy);
        if (std::abs(d1 - r) < 1.5 && std::abs(d2 - r) < 1.5 && op.x1 == op.x2 && op.y1 == op.y2)
            ++lines, colours.push_back(op.colour);
    }
    EXPECT_EQ(lines, 2);
    EXPECT_THAT(colours, ElementsAre(s.AspectColours[0], s.AspectColours[1]));
}

TEST_F(DirectionsDialog, TheStrictWindowAndTheSwitches) {
    // A year later (365 days) the Sun has moved 0.9993 degrees from its radix place: inside
    // 0 +- 10 with the Sun's orb 10, outside 0 +- 0.5 with an orb of 0.5. The bodies switched
    // off give no line whatever their distance.
    s.Dat2.DateEdit1 = "15.05.1981";
    s.PlanUst.CheckBox.fill(false);
    s.PlanUst.CheckBox[1] = true;
    Dat2Button1Click(s, c);
    EXPECT_THAT(AspectLines(), ElementsAre(" Дирекц.  Солн   1.0 к Солн "));
    s.PlanUst.Edit[1] = "0.5";
    s.Form1.RichEdit1Lines = {""};
    Dat2Button1Click(s, c);
    EXPECT_TRUE(AspectLines().empty());
}
