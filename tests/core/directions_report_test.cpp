// The directions report: the orb rule and the aspect lists on charts built by hand, the
// whole report through "Интерпретация" over a small enciphered Direkc.TXT of its own, and
// the keys the coverage count expects.
#include "app/chart_commands.h"
#include "app/directions_commands.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "reports/directions_report.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"
#include "tests/core/report_test_support.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace omvera;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
namespace fs = std::filesystem;

namespace {

// Every radix point at 0 and every directed point at 25, which is no aspect of either mode;
// a test places the points it looks at.
ReportInputs Apart() {
    ReportInputs in;
    in.second.bodies.fill(25);
    in.second.cusps.fill(25);
    return in;
}

// The keys of one directed tag and one radix tag.
std::vector<std::string> AspectsOf(const std::vector<SectionKey>& keys, const char* directed,
                                   const char* radix) {
    std::vector<std::string> out;
    for (const SectionKey& k : keys)
        if (k[0] == directed && k[2] == radix) out.push_back(k[1]);
    return out;
}

} // namespace

TEST(DirectionOrb, TwoForTheFirstIndexOneAndAHalfForTheSecond) {
    EXPECT_EQ(DirectionOrb(1, 7), 2);
    EXPECT_EQ(DirectionOrb(7, 1), 2);
    EXPECT_EQ(DirectionOrb(1, 2), 2);
    EXPECT_EQ(DirectionOrb(2, 9), 1.5);
    EXPECT_EQ(DirectionOrb(12, 2), 1.5);
    EXPECT_EQ(DirectionOrb(3, 12), 1);
}

TEST(DirectionAspects, InclusiveBoundsWithTheOrbOfTheIndexes) {
    ReportInputs in = Apart();
    in.first.bodies[6] = 100, in.second.bodies[5] = 161;   // Mars to Jupiter: orb 1, exactly 61
    in.first.bodies[7] = 50, in.second.bodies[1] = 142;    // Sun to Saturn: orb 2, exactly 92
    in.first.bodies[8] = 70, in.second.bodies[2] = 191.75; // Moon to Uranus: orb 1.5, 121.75
    const auto keys = DirectionAspectKeys(in, false);
    EXPECT_THAT(AspectsOf(keys, "[+MARS]", "[JUP]"), ElementsAre("60"));
    EXPECT_THAT(AspectsOf(keys, "[+SOL]", "[SAT]"), ElementsAre("90"));
    EXPECT_THAT(AspectsOf(keys, "[+SEL]", "[URAN]"), IsEmpty());
    in.second.bodies[5] = 161.01;
    EXPECT_THAT(AspectsOf(DirectionAspectKeys(in, false), "[+MARS]", "[JUP]"), IsEmpty());
}

TEST(DirectionAspects, MinorAnglesOfTheSixteenAlwaysTakeOrbOne) {
    // 37 degrees is a decile (36) within orb 1; 38 is neither 36 nor 40, even for the Sun,
    // whose orb 2 holds only for the six major angles.
    ReportInputs in = Apart();
    in.first.bodies[10] = 100, in.second.bodies[9] = 137;
    in.first.bodies[11] = 150, in.second.bodies[1] = 188;
    in.first.bodies[4] = 40, in.second.bodies[3] = 114;    // 74: quintile 72 needs orb 2
    in.first.bodies[12] = 300, in.second.bodies[2] = 13.5; // 73.5: the Moon's 1.5 reaches it
    const auto keys = DirectionAspectKeys(in, true);
    EXPECT_THAT(AspectsOf(keys, "[+NEP]", "[PLUT]"), ElementsAre("36"));
    EXPECT_THAT(AspectsOf(keys, "[+SOL]", "[HIR]"), IsEmpty());
    EXPECT_THAT(AspectsOf(keys, "[+MER]", "[VEN]"), IsEmpty());
    EXPECT_THAT(AspectsOf(keys, "[+SEL]", "[PROZ]"), ElementsAre("72"));
    in.second.bodies[1] = 231; // 81: ",80", never "180"
    EXPECT_THAT(AspectsOf(DirectionAspectKeys(in, true), "[+SOL]", "[HIR]"), ElementsAre(",80"));
}

TEST(DirectionAspects, ListsTheirLinesInLoopOrder) {
    ReportInputs in = Apart();
    in.first.bodies[5] = 100, in.second.bodies[6] = 160.04; // Jupiter to radix Mars
    in.first.cusps[10] = 210, in.second.bodies[3] = 30;     // Mercury to the MC
    in.first.bodies[2] = 260, in.second.cusps[7] = 259.4;   // house VII to the Moon
    auto lines = DirectionAspectLines(in, false);
    EXPECT_THAT(lines, ElementsAre(" ", "Аспекты дирекционных планет к радиксным планетам",
                                   " Дирекцион. Юпитер  60.0  к радиксн. Марс", " ",
                                   "Аспекты дирекционных планет к радиксным домам",
                                   " Дирекцион. Меркурий 180.0  к радиксному MC дому", " ",
                                   "Аспекты дирекционных домов к радиксным планетам",
                                   " Дирекцион. VII   0.6  к радиксной Луна"));
    EXPECT_THAT(DirectionAspectKeys(in, false), ElementsAre(ElementsAre("[+JUP]", "60", "[MARS]"),
                                                            ElementsAre("[+MER]", "180", "[H10]"),
                                                            ElementsAre("[+H7]", "[0", "[SEL]")));
    // The sixteen: two lists, the houses as "к радиксн. MC", no directed houses.
    lines = DirectionAspectLines(in, true);
    EXPECT_THAT(lines, Contains(" Дирекцион. Меркурий 180.0  к радиксн. MC"));
    EXPECT_THAT(lines, Not(Contains("Аспекты дирекционных домов к радиксным планетам")));
}

namespace {

class DirectionsReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s.ProgramFolder = dir_.string();
        s.ID1.Edit1 = "Анна";
        s.ID1.SetMonthIndex(4);
        s.ChartKind = ChartKindId::Direction;
        s.Dat2.DateEdit1 = "15.05.1980";
    }
    void WriteTexts(const std::vector<std::string>& lines) {
        omvera_test::WriteProgramText(dir_, "\\Dann\\Direc\\Direkc.TXT", lines);
    }
    std::vector<std::string> Report() {
        Button4Click(s, c, &searches);
        return s.Form1.RichEdit1Lines;
    }

    omvera_test::TestFolder folder_{"omvera-directions"};
    fs::path dir_ = folder_.path();
    State s;
    RecordingCanvas image{529, 345}, prosm{400, 480}, aspq{634, 543};
    ChartCanvases c{image, prosm, aspq};
    std::vector<SearchRecord> searches;
};

} // namespace

TEST_F(DirectionsReportTest, HeaderListingListsAndTheSectionsOfTheFoundAspects) {
    // At the birth date every directed body is conjunct its radix self; a header carrying
    // two of those triples prints once, the empty line of a section stays.
    WriteTexts({"вступление", "[+SOL][0[SOL] [+SEL][0[SEL]", "Солнце и Луна", "", "вторая строка",
                "[+MARS]180[MARS]", "не найдено", "[+JUP][0[JUP]", "Юпитер", "[конец"});
    const auto lines = Report();
    ASSERT_GE(lines.size(), 40u);
    EXPECT_EQ(lines[0], "   Дирекция Анна  на  15.05.1980");
    EXPECT_EQ(lines[1], "Приращение =     0.00");
    EXPECT_EQ(lines[3], "        Радикс     Дирекция");
    EXPECT_EQ(lines[4 + 17], "  Дома ");
    EXPECT_EQ(lines[1 + 4 + 16 + 3 + 12 + 1], "Аспекты дирекционных планет к радиксным планетам");
    EXPECT_THAT(lines, Contains(" Дирекцион. Солнце   0.0  к радиксн. Солнце"));
    EXPECT_THAT(lines, Contains("Аспекты дирекционных домов к радиксным планетам"));
    const auto closing =
        std::find(lines.begin(), lines.end(), "Описание Дирекций гороскопа   Анна");
    ASSERT_NE(closing, lines.end());
    EXPECT_THAT(std::vector<std::string>(closing - 3, lines.end()),
                ElementsAre(" ", " ", " ", "Описание Дирекций гороскопа   Анна", " ", " ",
                            "Солнце и Луна", "", "вторая строка", " ", "Юпитер"));
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(searches[0].file, "\\Dann\\Direc\\Direkc.TXT");
    EXPECT_EQ(searches[0].marker, '[');
    EXPECT_THAT(searches[0].keys, Contains(ElementsAre("[+SOL]", "[0", "[SOL]")));
    // The directed arrays, the date and the areas of the main window.
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(s.DirectedPositions[n], s.BodyPositions[n]);
    EXPECT_THAT(s.DirectionDate, ElementsAre(15, 5, 1980));
    EXPECT_TRUE(s.Form1.RichEdit1Visible && s.Form1.Button5Visible && s.Form1.Button6Visible);
    EXPECT_FALSE(s.Form1.Image1Visible || s.Form1.Button4Visible || s.Form1.ScanVisible);
}

TEST_F(DirectionsReportTest, TheSixteenModeListsTwoListsOfItsKeys) {
    WriteTexts({"[конец", "[конец"});
    s.Dat2.RadioButton1 = false;
    s.Dat2.RadioButton2 = true;
    s.Dat2.DateEdit1 = "15.05.2017"; // 37 years: 13514 days, 36.999...
    const auto lines = Report();
    EXPECT_THAT(lines, Not(Contains("Аспекты дирекционных домов к радиксным планетам")));
    EXPECT_THAT(lines, Contains(" Дирекцион. Солнце  37.0  к радиксн. Солнце"));
    EXPECT_THAT(searches.at(0).keys, Contains(ElementsAre("[+SOL]", "36", "[SOL]")));
    // Every key is of the sixteen, and no house is directed.
    std::set<std::string> aspectKeys;
    for (const AspectKey& a : DirectionAspects) aspectKeys.insert(a.key);
    for (const SectionKey& k : searches[0].keys) {
        EXPECT_TRUE(aspectKeys.count(k[1])) << k[1];
        EXPECT_EQ(std::count(DirectedHouseTags.begin(), DirectedHouseTags.end(), k[0]), 0);
    }
}

TEST_F(DirectionsReportTest, ABadDateAddsNoLineAndAMissingFileFailsAfterTheLists) {
    s.Dat2.DateEdit1 = "15.5.80";
    EXPECT_THROW(Report(), Error);
    EXPECT_THAT(s.Form1.RichEdit1Lines, IsEmpty());
    EXPECT_THAT(searches, IsEmpty());

    s.Dat2.DateEdit1 = "15.05.1990";
    try {
        Report();
        FAIL();
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("Direkc.TXT"));
    }
    EXPECT_EQ(s.Form1.RichEdit1Lines.back(), " ");
    EXPECT_THAT(s.Form1.RichEdit1Lines, Contains("Описание Дирекций гороскопа   Анна"));
}

TEST_F(DirectionsReportTest, EveryKeyOfARealLifeIsAPossibleKey) {
    const auto possible = PossibleDirectionKeys();
    ASSERT_EQ(possible.size(), 1u);
    EXPECT_STREQ(possible[0].file, "\\Dann\\Direc\\Direkc.TXT");
    const std::set<SectionKey> all(possible[0].keys.begin(), possible[0].keys.end());
    EXPECT_EQ(all.size(), possible[0].keys.size());
    // Not at any age: a body opposite its own radix place, the directed Sun opposite the
    // radix Mercury, the nodes conjunct each other; but the directed MC of the sixteen.
    EXPECT_FALSE(all.count({"[+SAT]", "180", "[SAT]"}));
    EXPECT_FALSE(all.count({"[+SOL]", "180", "[MER]"}));
    EXPECT_FALSE(all.count({"[+RAHU]", "[0", "[KETU]"}));
    EXPECT_TRUE(all.count({"[+SAT]", "120", "[SAT]"}));
    EXPECT_TRUE(all.count({"[+RAHU]", "60", "[KETU]"}));
    EXPECT_TRUE(all.count({"[+MER]", "150", "[H10]"}));
    EXPECT_TRUE(all.count({"[+H4]", "72", "[LILIT]"}));
    EXPECT_FALSE(all.count({"[+H4]", "36", "[LILIT]"}));

    // Real people directed to ages 0..100 and back: every key they build is possible.
    WriteTexts({"[конец", "[конец"});
    for (const int birth : {1900, 1937, 1961, 1994})
        for (const int age : {-40, 5, 33, 71, 100})
            for (const bool sixteen : {false, true}) {
                s.ID1.SpinEdit1.SetValue(birth);
                s.ID1.SetMonthIndex(birth % 12);
                const std::string date = "28.02." + std::to_string(birth + age);
                s.Dat2.DateEdit1 = date;
                s.Dat2.RadioButton1 = !sixteen;
                s.Dat2.RadioButton2 = sixteen;
                searches.clear();
                Report();
                for (const SectionKey& k : searches.at(0).keys)
                    EXPECT_TRUE(all.count(k)) << k[0] << k[1] << k[2] << " " << date;
            }
}
