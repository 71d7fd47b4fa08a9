// The solar and lunar return reports: the progression list's motions, dates and bounds, the
// key rules of the four groups, the whole report through "Интерпретация" with the state it
// leaves, and the keys the coverage count expects.
#include "app/chart_commands.h"
#include "app/chart_state.h"
#include "app/report_commands.h"
#include "app/return_search.h"
#include "app/state.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "input/second_chart.h"
#include "reports/line_cipher.h"
#include "reports/return_report.h"
#include "tests/core/report_test_support.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

using namespace omvera;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using Keys = std::vector<SectionKey>;
using Lines = std::vector<std::string>;

namespace {

ChartMoment Moment(int d, int m, int y, int h, int mi) {
    ChartMoment moment;
    moment.day = d;
    moment.month = m;
    moment.year = y;
    moment.hour = h;
    moment.minute = mi;
    return moment;
}

// Return bodies at 40 + 1.5k and radix bodies at 100.25 + 2.5j: no radix body stands at an
// exact aspect to a return body (the values are exact binary fractions), except that radix
// Lilith is set 120 degrees from the return Moon.
struct StillCharts {
    BodyArray radix{}, atReturn{};
    StillCharts() {
        for (int k = 1; k <= 16; ++k) {
            atReturn[k] = 40 + 1.5 * k;
            radix[k] = 100.25 + 2.5 * k;
        }
        radix[16] = atReturn[2] + 120;
    }
};

Lines LinesWith(const Lines& lines, const std::string& part) {
    Lines out;
    for (const auto& l : lines)
        if (l.find(part) != std::string::npos) out.push_back(l);
    return out;
}

CuspArray EqualCusps(double start) {
    CuspArray c{};
    for (int h = 1; h <= 12; ++h) c[h] = std::fmod(start + 30 * (h - 1), 360.0);
    return c;
}

void SetForm(ChartForm& f, int d, int m, int y, int h, int mi, const char* lat = "56.01",
             const char* lon = "92.45") {
    f.SpinEdit1.SetValue(y);
    f.SetMonthIndex(m - 1);
    f.SpinEdit2.SetValue(d);
    f.SpinEdit3.SetValue(h);
    f.SpinEdit4.SetValue(mi);
    f.Edit2 = lat;
    f.Edit3 = lon;
}

} // namespace

TEST(ReturnProgression, DailyMotionWrapsAcrossZeroBothWays) {
    BodyArray at{}, next{};
    at[1] = 359.5, next[1] = 0.5;     // forward across 0: +1 degree
    at[2] = 100, next[2] = 113.25;    // the Moon, no wrap
    at[13] = 0.02, next[13] = 359.97; // the node going back across 0: -0.05 degrees
    at[5] = 10, next[5] = 9.75;       // a retrograde planet away from 0
    const BodyArray step = ProgressionSteps(at, next);
    EXPECT_NEAR(step[1], 1.0 / 365, 1e-12);
    EXPECT_NEAR(step[2], 13.25 / 365, 1e-12);
    EXPECT_NEAR(step[13], -0.05 / 365, 1e-12);
    EXPECT_NEAR(step[5], -0.25 / 365, 1e-12);
    EXPECT_EQ(step[7], 0);
}

TEST(ReturnProgression, StationaryBodiesGiveLinesOnlyAtExactAngles) {
    const StillCharts c;
    const ChartMoment m = Moment(20, 3, 2001, 12, 0);
    const Lines lines = ProgressionLines(c.radix, c.atReturn, c.atReturn, m);
    // Every day: the Moon's exact trine to radix Lilith, then bodies 1..11 on their own return
    // places (bodies 12..16 are never taken against the return chart).
    ASSERT_EQ(lines.size(), 364u * 12);
    EXPECT_EQ(lines[0], "23.3.2001    Прогрессивн. Луна 120  к радиксной Лилит");
    EXPECT_EQ(lines[1], "23.3.2001    Прогрессивн. Солнце 0  к Солярной Солнце");
    EXPECT_EQ(lines[11], "23.3.2001    Прогрессивн. Хирон 0  к Солярной Хирон");
    EXPECT_EQ(lines[12], "24.3.2001    Прогрессивн. Луна 120  к радиксной Лилит");
    EXPECT_EQ(lines.back(), "21.3.2002    Прогрессивн. Хирон 0  к Солярной Хирон");
    EXPECT_THAT(LinesWith(lines, "Солярной Прозерпина"), IsEmpty());
    EXPECT_THAT(LinesWith(lines, "Прогрессивн. Лилит"), IsEmpty());
}

TEST(ReturnProgression, DatesRunThreeTo366DaysAfterWhileTheFactorRunsTwoTo365) {
    StillCharts c;
    BodyArray next = c.atReturn;
    next[1] = c.atReturn[1] + 3.65; // a step of 0.01 degrees
    const double step = ProgressionSteps(c.atReturn, next)[1];
    // Radix Sun a quarter step past the factor 2 position: factors 2 and 3 come within a step.
    c.radix[1] = c.atReturn[1] + 2.25 * step;
    // A return at midnight: the dates must not fall a day early by rounding.
    const ChartMoment m = Moment(30, 12, 2001, 0, 0);
    Lines lines = LinesWith(ProgressionLines(c.radix, c.atReturn, next, m), "Солнце 0  к рад");
    EXPECT_THAT(lines, ElementsAre("2.1.2002    Прогрессивн. Солнце 0  к радиксной Солнце",
                                   "3.1.2002    Прогрессивн. Солнце 0  к радиксной Солнце"));
    // At the far end, factor 365 carries the date 366 days after the return.
    c.radix[1] = c.atReturn[1] + 365.25 * step;
    lines = LinesWith(ProgressionLines(c.radix, c.atReturn, next, m), "Солнце 0  к рад");
    EXPECT_THAT(lines, ElementsAre("31.12.2002    Прогрессивн. Солнце 0  к радиксной Солнце"));
}

TEST(ReturnProgression, BoundsOfTheStepAreIncluded) {
    StillCharts c;
    BodyArray next = c.atReturn;
    // A step of exactly 1/64 degree (365/64 is exact in binary, and so is the quotient).
    next[1] = c.atReturn[1] + 5.703125;
    // Radix Sun 90 degrees from the factor 9 position: factor 9 (exact) and factors 8 and 10
    // (on the bounds) give the square, dated 9, 10 and 11 days after the return.
    c.radix[1] = c.atReturn[1] + 9 / 64.0 + 90;
    const Lines lines =
        LinesWith(ProgressionLines(c.radix, c.atReturn, next, Moment(1, 1, 2001, 6, 0)),
                  "Солнце 90  к радиксной Солнце");
    EXPECT_THAT(lines, ElementsAre(StartsWith("10.1.2001 "), StartsWith("11.1.2001 "),
                                   StartsWith("12.1.2001 ")));
}

TEST(ReturnProgression, NodeCrossingZeroBackwardsDoesNotRaceRoundTheZodiac) {
    // The day in 2006 on which the mean node moves back across 0 degrees.
    ChartMoment m;
    double jd = JulianDay(1, 3, 2006) + 0.5;
    BodyArray at{}, next{};
    bool found = false;
    for (int day = 0; day < 400 && !found; ++day, jd += 1) {
        const CalendarDate cd = CalendarFromJulianDay(jd + 1e-8);
        m = Moment(static_cast<int>(cd.day), static_cast<int>(cd.month), static_cast<int>(cd.year),
                   12, 0);
        at = ComputeBodies(m);
        next = ComputeBodies(DayAfterReturn(m));
        found = next[13] > at[13] + 300;
    }
    ASSERT_TRUE(found) << "no node crossing in 2006";
    const BodyArray step = ProgressionSteps(at, next);
    EXPECT_LT(step[13], 0);
    EXPECT_LT(std::fabs(step[13]) * 365, 0.1);
    // With the node's true motion it meets each radix point at most a couple of times a year;
    // racing round it would meet every point in every aspect.
    BodyArray radix{};
    for (int k = 1; k <= 16; ++k) radix[k] = 7.3 * k;
    const Lines nodeLines = LinesWith(ProgressionLines(radix, at, next, m), "Прогрессивн. ВУз ");
    EXPECT_LT(nodeLines.size(), 20u);
}

TEST(ReturnHouses, ReturnCuspsInRadixHousesWithTheLowerBoundExclusive) {
    const CuspArray radix = EqualCusps(10);
    EXPECT_EQ(RadixHouseOfReturnCusp(25, radix), 1);
    EXPECT_EQ(RadixHouseOfReturnCusp(39.999, radix), 1);
    EXPECT_EQ(RadixHouseOfReturnCusp(5, radix), 12);
    EXPECT_EQ(RadixHouseOfReturnCusp(355, radix), 12);
    // A return cusp exactly on a radix cusp: the house that begins there.
    EXPECT_EQ(RadixHouseOfReturnCusp(40, radix), 2);
    EXPECT_EQ(RadixHouseOfReturnCusp(10, radix), 1);
    EXPECT_EQ(RadixHouseOfReturnCusp(340, radix), 12);
    // House 12 across 0 degrees with cusp 1 at 0.
    EXPECT_EQ(RadixHouseOfReturnCusp(0, EqualCusps(0)), 1);
    EXPECT_EQ(RadixHouseOfReturnCusp(359.5, EqualCusps(0)), 12);

    ReportInputs in;
    in.first.cusps = EqualCusps(10);
    in.second.cusps = EqualCusps(55); // cusp m lies in radix house m + 1
    in.second.cusps[4] = 130;         // exactly on radix cusp 5
    const Keys keys = ReturnHousesInRadixKeys(in);
    ASSERT_EQ(keys.size(), 12u);
    EXPECT_EQ(keys[0], (SectionKey{"Асц", " II:"}));
    EXPECT_EQ(keys[3], (SectionKey{" IV ", " V:"}));
    EXPECT_EQ(keys[8], (SectionKey{" IX ", " X:"}));
    EXPECT_EQ(keys[11], (SectionKey{" XII ", " I:"}));
}

TEST(ReturnHouses, PlanetsInReturnHousesWithTheLowerBoundIncluded) {
    ReportInputs in;
    in.second.cusps = EqualCusps(100);
    for (int b = 1; b <= 16; ++b) in.second.bodies[b] = 101;
    in.second.bodies[1] = 190;   // exactly on cusp 4
    in.second.bodies[13] = 99.9; // just before cusp 1: house 12
    in.second.bodies[14] = 279.9;
    const Keys keys = ReturnPlanetsInHousesKeys(in);
    ASSERT_EQ(keys.size(), 16u);
    EXPECT_EQ(keys[0], (SectionKey{"СОЛНЦЕ", " IV "}));
    EXPECT_EQ(keys[1], (SectionKey{"ЛУНА", " I "}));
    EXPECT_EQ(keys[12], (SectionKey{"ВУз", " XII "}));
    EXPECT_EQ(keys[13], (SectionKey{"Кету", " VI "}));
    EXPECT_EQ(keys[15], (SectionKey{"Лилит", " I "}));
    // The Ascendant's sign.
    EXPECT_EQ(ReturnAscSignKeys(in), (Keys{{"Асц", "Раке"}}));
}

TEST(ReturnHouses, PointsInNoHouseGetNoKey) {
    // Cusps that place nothing anywhere: an empty house key would match every header.
    ReportInputs in;
    in.first.cusps = EqualCusps(0);
    in.second.cusps.fill(std::nan(""));
    for (int b = 1; b <= 16; ++b) in.second.bodies[b] = 10 * b;
    EXPECT_THAT(ReturnPlanetsInHousesKeys(in), IsEmpty());
    EXPECT_THAT(ReturnHousesInRadixKeys(in), IsEmpty());
}

TEST(PlanetReturns, PairsCloserThanSixDegreesEveryOneKept) {
    ReportInputs in;
    for (int b = 1; b <= 10; ++b) {
        in.first.bodies[b] = 30 * b;
        in.second.bodies[b] = 30 * b + 15;
    }
    in.second.bodies[1] = 35.999; // radix Sun at 30: within 6
    in.second.bodies[2] = 66;     // radix Moon at 60: exactly 6, no key
    in.first.bodies[10] = 358;    // radix Pluto; return Mars across 0 degrees
    in.second.bodies[5] = 2;
    EXPECT_EQ(PlanetReturnKeys(in), (Keys{{"Солнца ", "Солнца:"}, {"Марса ", "Плутона:"}}));
    // Everything on one place: all hundred pairs, radix body outermost.
    for (int b = 1; b <= 10; ++b) in.first.bodies[b] = in.second.bodies[b] = 200;
    const Keys all = PlanetReturnKeys(in);
    ASSERT_EQ(all.size(), 100u);
    EXPECT_EQ(all[1], (SectionKey{"Луны ", "Солнца:"}));
    EXPECT_EQ(all[99], (SectionKey{"Плутона ", "Плутона:"}));
}

TEST(PlanetReturns, TheSunOfASolarReturnAlwaysComesBackOnItself) {
    const int births[][5] = {{21, 3, 1980, 0, 0},
                             {15, 6, 1980, 23, 30},
                             {29, 2, 1984, 22, 50},
                             {10, 10, 1975, 23, 59},
                             {24, 12, 1940, 23, 10}};
    for (const auto& b : births) {
        for (int year : {1990, 2013, 2049}) {
            State s;
            SetForm(s.ID1, b[0], b[1], b[2], b[3], b[4]);
            s.ID2.SpinEdit1.SetValue(year);
            SolarReturnSearch(s);
            const ReportInputs in = ReturnInputs(s, ReturnKind::Solar);
            EXPECT_THAT(PlanetReturnKeys(in), Contains(SectionKey{"Солнца ", "Солнца:"}))
                << b[0] << "." << b[1] << "." << b[2] << " in " << year;
        }
    }
}

namespace {

// A program folder with the return texts enciphered as the program ships them: one section
// per key the test expects, and one that must never print.
class ReturnReportRun : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* f :
             {"CO/AscZnCo.txt", "LO/AscZnLo.txt", "CO/DomDomCo.txt", "LO/DomDomLo.txt",
              "CO/PLDomCO.txt", "LO/PLDomLo.txt", "CO/PlanPlan.txt", "LO/PlanPlanLo.txt"})
            Write(f, {"вступление", "&Солнца Солнца: возвращение", "текст солнца", "&Никогда",
                      "не печатается", "&"});
        s_.ProgramFolder = dir_.string();
        SetForm(s_.ID1, 21, 3, 1980, 0, 0);
        s_.ID1.Edit1 = "Иван";
    }
    void Write(std::string name, const Lines& lines) {
        std::replace(name.begin(), name.end(), '/', '\\');
        omvera_test::WriteProgramText(dir_, "\\Dann\\" + name, lines);
    }

    State s_;
    RecordingCanvas image_{0, 0}, prosm_{400, 480}, aspq_{634, 543};
    ChartCanvases c_{image_, prosm_, aspq_};
    omvera_test::TestFolder folder_{"omvera-returns"};
    std::filesystem::path dir_ = folder_.path();
};

} // namespace

TEST_F(ReturnReportRun, SolarPrintsHeadingProgressionAndGroupsAndLeavesTheReturnDate) {
    N22Click(s_, c_);
    s_.ID2.SpinEdit1.SetValue(2001);
    SecondChartSolarReturn(s_, c_);
    const ChartForm before = s_.ID2;
    std::vector<SearchRecord> searches;
    Button4Click(s_, c_, &searches);
    const Lines& v = s_.Form1.RichEdit1Lines;
    ASSERT_GE(v.size(), 4u);
    EXPECT_EQ(v[0], "Описание карты Солнечного возвращения  Иван");
    EXPECT_EQ(v[1], "На  2001 год");
    const auto asc = std::find(v.begin(), v.end(), "Положение Асц в знаках зодиака");
    ASSERT_NE(asc, v.end());
    EXPECT_GT(asc - 2 - (v.begin() + 2), 0) << "no progression line";
    // The progression lines stand between the heading and the first group's titles.
    for (auto it = v.begin() + 2; it != asc - 2; ++it)
        EXPECT_THAT(*it, HasSubstr("    Прогрессивн. "));
    EXPECT_THAT(v, Contains("Положение Домов СО в домах радикса"));
    EXPECT_THAT(v, Contains("Положение Планет Соляра в домах"));
    EXPECT_THAT(v, Contains(" Солнца Солнца: возвращение"));
    EXPECT_THAT(v, ::testing::Not(Contains("не печатается")));
    ASSERT_EQ(searches.size(), 4u);
    EXPECT_EQ(searches[0].file, "\\Dann\\CO\\AscZnCo.txt");
    EXPECT_EQ(searches[3].file, "\\Dann\\CO\\PlanPlan.txt");
    // The form shows the return date again; the state holds the return chart.
    EXPECT_EQ(s_.ID2.SpinEdit1.Value(), before.SpinEdit1.Value());
    EXPECT_EQ(s_.ID2.ComboBox1, before.ComboBox1);
    EXPECT_EQ(s_.ID2.SpinEdit2.Value(), before.SpinEdit2.Value());
    EXPECT_EQ(s_.ID2.SpinEdit3.Value(), before.SpinEdit3.Value());
    EXPECT_DOUBLE_EQ(s_.moment.day,
                     before.SpinEdit2.Value() +
                         (before.SpinEdit3.Value() + before.SpinEdit4.Value() / 60.0) / 24);
    EXPECT_DOUBLE_EQ(s_.BodyPositions[1], ComputeBodies(MomentOf(s_.ID2))[1]);
}

TEST_F(ReturnReportRun, FormKeepsTheReturnDateAtMidnightAndAtTheEndOfTheRange) {
    s_.ChartKind = ChartKindId::Solar;
    const int dates[][5] = {
        {31, 12, 2001, 0, 0}, {28, 2, 2004, 0, 0}, {31, 12, 2050, 23, 50}, {1, 1, 1880, 0, 0}};
    for (const auto& d : dates) {
        SetForm(s_.ID2, d[0], d[1], d[2], d[3], d[4]);
        Button4Click(s_, c_);
        EXPECT_EQ(s_.ID2.SpinEdit2.Value(), d[0]);
        EXPECT_EQ(s_.ID2.Month(), d[1]);
        EXPECT_EQ(s_.ID2.SpinEdit1.Value(), d[2]);
        EXPECT_EQ(s_.ID2.SpinEdit3.Value(), d[3]);
        EXPECT_EQ(s_.ID2.SpinEdit4.Value(), d[4]);
    }
}

TEST_F(ReturnReportRun, LunarHasNoProgressionAndStartsWithTheAscendant) {
    N23Click(s_, c_);
    s_.ID2.SpinEdit1.SetValue(2005);
    s_.ID2.SetMonthIndex(2);
    SecondChartLunarReturn(s_, c_);
    ASSERT_EQ(s_.ID2.ListBox1.size(), 3u);
    s_.ID2.ListBox1Index = 1;
    SecondChartLunarListDblClick(s_, c_);
    std::vector<SearchRecord> searches;
    Button4Click(s_, c_, &searches);
    const Lines& v = s_.Form1.RichEdit1Lines;
    ASSERT_GE(v.size(), 6u);
    EXPECT_EQ(v[0], "Лунар  Иван");
    EXPECT_EQ(v[1], "На  " + std::to_string(s_.ID2.SpinEdit2.Value()) + " " +
                        kMonthNames[s_.ID2.ComboBox1] + " " +
                        std::to_string(s_.ID2.SpinEdit1.Value()));
    EXPECT_THAT(Lines(v.begin() + 2, v.begin() + 6),
                ElementsAre("  ", "  ", "Положение Асц в знаках зодиака", "  "));
    EXPECT_THAT(LinesWith(v, "Прогрессивн."), IsEmpty());
    EXPECT_THAT(v, Contains("Положение Домов Лунара в домах радикса"));
    EXPECT_THAT(v, Contains("Положение Планет Лунара в домах"));
    ASSERT_EQ(searches.size(), 4u);
    EXPECT_EQ(searches[1].file, "\\Dann\\LO\\DomDomLo.txt");
    // The Moon of the lunar return is back on the radix Moon.
    EXPECT_THAT(searches[3].keys, Contains(SectionKey{"Луны ", "Луны:"}));
}

TEST_F(ReturnReportRun, MissingFileStopsTheReportAfterWhatWasPrinted) {
    std::filesystem::remove(dir_ / "Dann" / "CO" / "PLDomCO.txt");
    s_.ChartKind = ChartKindId::Solar;
    SetForm(s_.ID2, 20, 3, 2001, 6, 30);
    EXPECT_THROW(Button4Click(s_, c_), Error);
    EXPECT_THAT(s_.Form1.RichEdit1Lines, Contains("Положение Планет Соляра в домах"));
    EXPECT_THAT(s_.Form1.RichEdit1Lines, Contains("Положение Домов СО в домах радикса"));
}

TEST(ReturnCoverage, EveryKeyOfRealChartsIsAmongThePossibleOnes) {
    const std::vector<FileKeys> possible = PossibleReturnKeys();
    ASSERT_EQ(possible.size(), 8u);
    const std::size_t counts[] = {12, 144, 192, 100};
    for (std::size_t f = 0; f < 8; ++f) EXPECT_EQ(possible[f].keys.size(), counts[f % 4]);
    EXPECT_STREQ(possible[0].file, "\\Dann\\CO\\AscZnCo.txt");
    EXPECT_STREQ(possible[7].file, "\\Dann\\LO\\PlanPlanLo.txt");

    std::mt19937 rng(17);
    std::uniform_int_distribution<int> year(1900, 2040), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59);
    for (int n = 0; n < 60; ++n) {
        ReportInputs in;
        in.first = ComputeChart(Moment(day(rng), month(rng), year(rng), hour(rng), minute(rng)),
                                HouseSystem::Placidus);
        in.second = ComputeChart(Moment(day(rng), month(rng), year(rng), hour(rng), minute(rng)),
                                 HouseSystem::Koch);
        const Keys built[] = {ReturnAscSignKeys(in), ReturnHousesInRadixKeys(in),
                              ReturnPlanetsInHousesKeys(in), PlanetReturnKeys(in)};
        for (int g = 0; g < 4; ++g)
            for (const SectionKey& k : built[g])
                EXPECT_THAT(possible[g].keys, Contains(k)) << possible[g].file;
    }
}
