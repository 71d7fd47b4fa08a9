// The transit report: the aspect list with its marks, the house lines, the fixed-aspect keys
// and their tags against a section file, the weekday names, the driver's transit heading and
// the state the report leaves.
#include "app/chart_commands.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "app/transit_commands.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "reports/line_cipher.h"
#include "reports/transit_report.h"
#include "tests/core/report_test_support.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using namespace omvera;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;
using Keys = std::vector<SectionKey>;

namespace {

// Radix cusps every 30 degrees from 20 (Asc 20, MC 290), radix bodies at 47 but the Moon at
// 10, transit bodies at 157 but the Sun at `sun`; orbs 0 but the Sun's 6 and the Moon's 2.
// With the Sun at 100 the only aspect of the whole grid is the transit Sun square the radix
// Moon (separation 90, mean orb 4).
ReportInputs Grid(double sun = 100) {
    ReportInputs in;
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = 30 * (h - 1) + 20;
    for (int b = 1; b <= 16; ++b) {
        in.first.bodies[b] = 47;
        in.second.bodies[b] = 157;
    }
    in.first.bodies[Moon] = 10;
    in.second.bodies[Sun] = sun;
    in.orbs[Sun] = 6;
    in.orbs[Moon] = 2;
    in.included.fill(1);
    FixAngleOrbs(in);
    return in;
}

const std::vector<double> kUsual = {0, 60, 90, 120, 180};

} // namespace

TEST(TransitAspectList, LineFormatHouseAndMark) {
    TransitHouseMarks marks{};
    marks[5] = 9; // a mark of an earlier list is cleared
    EXPECT_THAT(TransitAspectLines(Grid(), kUsual, marks),
                ElementsAre("   Солнце(100.0) III  90.0  Луна (10.0)  "));
    TransitHouseMarks expected{};
    expected[Sun] = 3;
    EXPECT_EQ(marks, expected);
    EXPECT_THAT(TransitHouseLines(marks),
                ElementsAre("Транзитная планета  Солнце  включает  3 дом"));
    EXPECT_THAT(TransitReportKeys(Grid()), ElementsAre(SectionKey{"[+SOL]", "90", "[SEL]"}));
}

TEST(TransitAspectList, SeparationZeroIsTheConjunctionKeyedWithBracketZero) {
    TransitHouseMarks marks{};
    // 10 lies in house 12 (cusp 12 at 350 to cusp 1 at 20, across 0 degrees).
    EXPECT_THAT(TransitAspectLines(Grid(10), kUsual, marks),
                ElementsAre("   Солнце(10.0) XII   0.0  Луна (10.0)  "));
    EXPECT_EQ(marks[Sun], 12);
    EXPECT_THAT(TransitReportKeys(Grid(10)), ElementsAre(SectionKey{"[+SOL]", "[0", "[SEL]"}));
}

TEST(TransitAspectList, UserRowsListedButKeysUseTheFiveFixedAspects) {
    const std::vector<double> withSemiSquare = {0, 60, 90, 120, 180, 45};
    TransitHouseMarks marks{};
    EXPECT_THAT(TransitAspectLines(Grid(55), withSemiSquare, marks),
                ElementsAre("   Солнце(55.0) II  45.0  Луна (10.0)  "));
    EXPECT_THAT(TransitReportKeys(Grid(55)), IsEmpty());
    // Without the row the list is empty too, and no body is marked.
    EXPECT_THAT(TransitAspectLines(Grid(55), kUsual, marks), IsEmpty());
    EXPECT_EQ(marks, TransitHouseMarks{});
    EXPECT_THAT(TransitHouseLines(marks), IsEmpty());
}

TEST(TransitAspectList, ExcludedBodyMakesNoLineNoMarkNoKey) {
    ReportInputs in = Grid();
    in.included[Sun] = 0;
    TransitHouseMarks marks{};
    EXPECT_THAT(TransitAspectLines(in, kUsual, marks), IsEmpty());
    EXPECT_EQ(marks[Sun], 0);
    EXPECT_THAT(TransitReportKeys(in), IsEmpty());
}

TEST(TransitAspectList, AnglesAlwaysTakePartWithOrbOne) {
    ReportInputs in = Grid(157);
    in.orbs[kAscendantPoint] = 30;
    in.included[kAscendantPoint] = in.included[kMcPoint] = 0;
    FixAngleOrbs(in);
    EXPECT_EQ(in.orbs[kAscendantPoint], 1.0);
    EXPECT_EQ(in.orbs[kMcPoint], 1.0);
    // The transit Mars (orb 0) 0.3 short of the trine of the MC: within the mean orb 0.5.
    in.second.bodies[Mars] = 170.3;
    TransitHouseMarks marks{};
    EXPECT_THAT(TransitAspectLines(in, kUsual, marks),
                ElementsAre("   Марс(170.3) VI  119.7  MC (290.0)  "));
    EXPECT_THAT(TransitReportKeys(in), ElementsAre(SectionKey{"[+MARS]", "120", "[H10]"}));
    // 0.6 short of it is outside.
    in.second.bodies[Mars] = 170.6;
    EXPECT_THAT(TransitReportKeys(in), IsEmpty());
}

TEST(TransitAspectList, BodyInNoHouseShowsAnEmptyLabel) {
    ReportInputs in = Grid();
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = std::nan("");
    TransitHouseMarks marks{};
    EXPECT_THAT(TransitAspectLines(in, kUsual, marks),
                ElementsAre("   Солнце(100.0)   90.0  Луна (10.0)  "));
    EXPECT_EQ(marks[Sun], 0);
    EXPECT_THAT(TransitHouseLines(marks), IsEmpty());
}

TEST(TransitReportKeys, OrderIsBodyThenPoint) {
    ReportInputs in = Grid();
    in.orbs.fill(2);
    FixAngleOrbs(in);
    in.second.bodies[Sun] = 10;      // on the radix Moon
    in.second.bodies[Moon] = 107;    // sextile the radix bodies at 47
    in.second.bodies[Mercury] = 200; // opposite the Asc (20), square the MC (290)
    const Keys keys = TransitReportKeys(in);
    ASSERT_EQ(keys.size(), 1u + 15u + 2u);
    EXPECT_EQ(keys[0], (SectionKey{"[+SOL]", "[0", "[SEL]"}));
    EXPECT_EQ(keys[1], (SectionKey{"[+SEL]", "60", "[SOL]"}));
    EXPECT_EQ(keys[2], (SectionKey{"[+SEL]", "60", "[MER]"}));
    EXPECT_EQ(keys[15], (SectionKey{"[+SEL]", "60", "[LILIT]"}));
    EXPECT_EQ(keys[16], (SectionKey{"[+MER]", "180", "[H1]"}));
    EXPECT_EQ(keys[17], (SectionKey{"[+MER]", "90", "[H10]"}));
}

TEST(PossibleTransitKeys, EveryPairInEveryAspectButDistantProserpinas) {
    const std::vector<FileKeys> files = PossibleTransitKeys();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_STREQ(files[0].file, "\\Dann\\Tranzit\\tranzit.txt");
    EXPECT_STREQ(files[1].file, "\\Dann\\Tranzit\\tranzmed.txt");
    for (const FileKeys& f : files) {
        EXPECT_EQ(f.keys.size(), 16u * 18u * 5u - 2u);
        auto has = [&](const SectionKey& k) {
            return std::find(f.keys.begin(), f.keys.end(), k) != f.keys.end();
        };
        EXPECT_TRUE(has({"[+SOL]", "[0", "[SOL]"}));
        EXPECT_TRUE(has({"[+LILIT]", "180", "[H10]"}));
        EXPECT_TRUE(has({"[+PROZ]", "90", "[PROZ]"}));
        EXPECT_FALSE(has({"[+PROZ]", "120", "[PROZ]"}));
        EXPECT_FALSE(has({"[+PROZ]", "180", "[PROZ]"}));
        EXPECT_TRUE(has({"[+PROZ]", "180", "[PLUT]"}));
    }
}

TEST(WeekdayName, KnownDaysAndEveryDayAgainstTheCalendar) {
    EXPECT_STREQ(WeekdayName(1, 1, 2000), "суббота");
    EXPECT_STREQ(WeekdayName(29, 2, 2000), "вторник");
    EXPECT_STREQ(WeekdayName(1, 3, 1900), "четверг");
    EXPECT_STREQ(WeekdayName(28, 2, 1900), "среда");
    using namespace std::chrono;
    int wrong = 0;
    for (sys_days d = year{1880} / January / 1; d <= sys_days{year{2050} / December / 31};
         d += days{1}) {
        const year_month_day ymd{d};
        // Index 0 is Saturday; the calendar counts from Sunday.
        const unsigned index = (weekday{d}.c_encoding() + 1) % 7;
        const char* name =
            WeekdayName(static_cast<unsigned>(ymd.day()), static_cast<unsigned>(ymd.month()),
                        static_cast<int>(ymd.year()));
        if (std::string(name) != WeekdayNames[index] && ++wrong < 5)
            ADD_FAILURE() << static_cast<int>(ymd.year()) << "-"
                          << static_cast<unsigned>(ymd.month()) << "-"
                          << static_cast<unsigned>(ymd.day()) << ": " << name;
    }
    EXPECT_EQ(wrong, 0);
}

// --- The report on the program state -------------------------------------------------------

namespace {

class TransitReportState : public ::testing::Test {
  protected:
    void SetUp() override {
        s.ProgramFolder = dir_.string();
        s.ID1.Edit1 = "Анна";
        s.ID1.SetMonthIndex(4);
        s.ID2.SpinEdit1.SetValue(2000);
        s.ID2.SetMonthIndex(0);
        s.ID2.SpinEdit2.SetValue(1);
        s.ChartKind = ChartKindId::Transit;
    }
    void WriteTransitFile(const char* name, const Lines& lines) {
        omvera_test::WriteProgramText(dir_, std::string("\\Dann\\Tranzit\\") + name, lines);
    }

    void Report(std::vector<SearchRecord>* searches = nullptr) {
        RecordingCanvas a, b, c;
        ChartCanvases canvases{a, b, c};
        Button4Click(s, canvases, searches);
    }

    // Every body switched off: no transit aspect at all.
    void SwitchAllOff() {
        for (int row = 1; row <= 17; ++row) s.PlanUst.CheckBox[row] = false;
    }

    State s;
    omvera_test::TestFolder folder_{"omvera-transit"};
    std::filesystem::path dir_ = folder_.path();
};

const Lines kHeading = {"Транзит  Анна", "На  1 Январь 2000 суббота", "  ", "  ", "  "};

} // namespace

TEST_F(TransitReportState, NoAspectGivesHeadingAndTwoBlankLines) {
    WriteTransitFile("tranzit.txt", {"[+SOL] [0 [SOL]", "текст"});
    SwitchAllOff();
    std::vector<SearchRecord> searches;
    Report(&searches);
    Lines expected = kHeading;
    expected.push_back(" ");
    expected.push_back(" ");
    EXPECT_EQ(s.Form1.RichEdit1Lines, expected);
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(searches[0].file, "\\Dann\\Tranzit\\tranzit.txt");
    EXPECT_EQ(searches[0].marker, '[');
    EXPECT_EQ(searches[0].title, SectionTitle::BlankTitle);
    EXPECT_THAT(searches[0].keys, IsEmpty());
}

TEST_F(TransitReportState, MedicalReadsItsOwnFileAndAMissingFileKeepsTheLists) {
    s.ChartKind = ChartKindId::TransitMedical;
    try {
        Report();
        FAIL() << "a missing tranzmed.txt must stop the report";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("tranzmed.txt"));
    }
    // The heading, the aspect list of the design chart and the two blank lines stay.
    const Lines& lines = s.Form1.RichEdit1Lines;
    ASSERT_GT(lines.size(), kHeading.size() + 2);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5), kHeading);
    EXPECT_EQ(lines[5].substr(0, 3), "   ");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " "), 2);
}

TEST_F(TransitReportState, BadAspectRowStopsBeforeTheList) {
    s.AspUst.ListBox1 = {"0", "шестьдесят", "90"};
    try {
        Report();
        FAIL() << "a row that is not a number must stop the report";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("шестьдесят"));
        EXPECT_THAT(e.what(), ::testing::HasSubstr("Установка Аспектов"));
    }
    EXPECT_EQ(s.Form1.RichEdit1Lines, kHeading);
    EXPECT_EQ(s.AspUst.ListBox1Index, 1); // the bad row stays selected
}

TEST_F(TransitReportState, LeavesTransitChartInStateAndAngleOrbsAtOne) {
    WriteTransitFile("tranzit.txt", {"x"});
    s.PlanUst.CheckBox[16] = false; // Asc switched off: it takes part all the same
    s.PlanUst.Edit[17] = "7";
    Report();
    EXPECT_EQ(s.PointOrbs[kAscendantPoint], 1.0);
    EXPECT_EQ(s.PointOrbs[kMcPoint], 1.0);
    const Chart radix = ComputeChart(MomentOf(s.ID1), HouseSystem::Placidus);
    const Chart transit = ComputeChart(MomentOf(s.ID2), HouseSystem::Placidus);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(s.FirstPoints[n], radix.bodies[n]) << n;
        EXPECT_EQ(s.SecondPoints[n], transit.bodies[n]) << n;
        EXPECT_EQ(s.BodyPositions[n], transit.bodies[n]) << n;
    }
    EXPECT_EQ(s.moment.year, 2000);
    EXPECT_EQ(s.moment.month, 1);
    EXPECT_EQ(s.HouseCusps, radix.cusps);
}

TEST_F(TransitReportState, SectionsFoundByExactTags) {
    WriteTransitFile("tranzit.txt", {"вступление", "[+SOL] 60 [SEL]", "шестьдесят",
                                     "[+SOL] [0 [SEL]", "соединение с Луной", "[SOL] [0 [SEL]",
                                     "радикс, не транзит", "[+SOL] [0 [SELENA]", "Селена",
                                     "[+MER] [0 [H10]", "MC", "[+MER] [0 [H1]", "Асцендент", "["});
    // The transit Sun on the radix Moon, the transit Mercury on the Ascendant (and so square
    // the MC, 270 degrees on).
    ReportInputs in = Grid(10);
    in.second.bodies[Mercury] = 20;
    VectorLineSink sink;
    std::vector<SearchRecord> searches;
    ReportContext ctx(s.ProgramFolder, sink, &searches);
    TransitHouseMarks marks{};
    TransitReport(ctx, in, kUsual, false, marks);
    EXPECT_EQ(sink.lines, (Lines{"   Солнце(10.0) XII   0.0  Луна (10.0)  ",
                                 "   Меркурий(20.0) Асц   0.0  Asc (20.0)  ",
                                 "   Меркурий(20.0) Асц  90.0  MC (290.0)  ", " ",
                                 "Транзитная планета  Солнце  включает  12 дом",
                                 "Транзитная планета  Меркурий  включает  1 дом", " ", " ",
                                 "соединение с Луной", " ", "Асцендент"}));
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(
        searches[0].keys,
        (Keys{{"[+SOL]", "[0", "[SEL]"}, {"[+MER]", "[0", "[H1]"}, {"[+MER]", "90", "[H10]"}}));
}
