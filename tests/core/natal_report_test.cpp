// The report driver and the natal report: what "Интерпретация" prints after "Взрослый" and
// "Детский" from a data folder of small made-up text files, and the natal key builders on
// charts built by hand.
#include "app/chart_commands.h"
#include "app/chart_state.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "reports/coverage.h"
#include "reports/line_cipher.h"
#include "reports/natal_report.h"
#include "tests/core/report_test_support.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace omvera;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;

namespace {

// A header for a key: the marker and every string of the key, so exactly this key (and any
// key made of its parts) matches it.
std::string HeaderOf(const SectionKey& key) {
    std::string h = "&";
    for (const auto& part : key) h += "|" + part;
    return h + "|";
}

class NatalReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile("\\Dann\\Radix\\Begin.TXT", {"Введение", "вторая строка"});
        // Every file holds a section for every key its group can build.
        for (bool child : {false, true})
            for (const FileKeys& fk : PossibleNatalKeys(child)) {
                std::vector<std::string> lines;
                for (const SectionKey& k : fk.keys) {
                    lines.push_back(HeaderOf(k));
                    lines.push_back("текст " + HeaderOf(k).substr(1));
                }
                lines.push_back("&конец");
                WriteFile(fk.file, lines);
            }
        state_.ProgramFolder = dir_.string();
        state_.ID1.Edit1 = "Анна";
    }
    void WriteFile(const std::string& backslashPath, const std::vector<std::string>& lines) {
        omvera_test::WriteProgramText(dir_, backslashPath, lines);
    }

    std::vector<std::string> Run(void (*command)(State&, ChartCanvases&)) {
        command(state_, canvases_);
        Button4Click(state_, canvases_, &searches_);
        return state_.Form1.RichEdit1Lines;
    }

    omvera_test::TestFolder folder_{"omvera-natal"};
    fs::path dir_ = folder_.path();
    State state_;
    RecordingCanvas image_{529, 345}, prosm_{400, 480}, aspq_{634, 543};
    ChartCanvases canvases_{image_, prosm_, aspq_};
    std::vector<SearchRecord> searches_;
};

std::vector<std::string> Files(const std::vector<SearchRecord>& searches) {
    std::vector<std::string> files;
    for (const auto& s : searches) files.push_back(s.file);
    return files;
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) - lines.begin();
}

} // namespace

TEST_F(NatalReportTest, AdultReportPrintsHeadingIntroductionAndSixGroupsInOrder) {
    const auto lines = Run(N40Click);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 4),
                ElementsAre("Описание карты гороскопа   Анна", "  ", "Введение", "вторая строка"));
    EXPECT_THAT(Files(searches_),
                ElementsAre("\\Dann\\Radix\\PLZODIAC.txt", "\\Dann\\Radix\\PLDoma.txt",
                            "\\Dann\\Radix\\DomZod.txt", "\\Dann\\Radix\\Hozzod.txt",
                            "\\Dann\\Radix\\HozDom.txt", "\\Dann\\Radix\\aspec.txt"));
    const char* titles[] = {
        "Положение Планет в знаках зодиака", "Положение Планет в домах",
        "Положение Домов в знаках зодиака",  "Положение Хозяев Домов в знаках зодиака",
        "Хозяева домов гороскопа в домах",   "Положение Хозяев домов в домах",
        "Аспекты планет показывают"};
    std::size_t last = 0;
    for (const char* t : titles) {
        const std::size_t at = IndexOf(lines, t);
        ASSERT_LT(at, lines.size()) << t;
        EXPECT_GT(at, last) << t;
        last = at;
    }
    // Each key of the first group printed its section, titled by the header with its first
    // character blanked.
    for (const SectionKey& k : searches_[0].keys)
        EXPECT_THAT(lines, Contains(" " + HeaderOf(k).substr(1)));
    // The picture gave way to the text and the two switch buttons.
    EXPECT_TRUE(state_.Form1.RichEdit1Visible);
    EXPECT_FALSE(state_.Form1.Image1Visible);
    EXPECT_FALSE(state_.Form1.Button4Visible);
    EXPECT_TRUE(state_.Form1.Button5Visible && state_.Form1.Button6Visible);
}

TEST_F(NatalReportTest, ChildReportHasGroupsOneThreeAndSixAndBlankLinesForTwo) {
    const auto lines = Run(N41Click);
    EXPECT_THAT(Files(searches_), ElementsAre("\\Dann\\Radix\\Kinder\\KinderPlZn.txt",
                                              "\\Dann\\Radix\\Kinder\\KinderAsc.txt",
                                              "\\Dann\\Radix\\Kinder\\KinderAspect.txt"));
    EXPECT_THAT(lines, Not(Contains("Положение Планет в домах")));
    EXPECT_THAT(lines, Not(Contains("Хозяева домов гороскопа в домах")));
    // Group 2 is three blank lines between the last section of group 1 and group 3's title.
    const std::size_t houses = IndexOf(lines, "Положение Домов в знаках зодиака");
    ASSERT_LT(houses, lines.size());
    EXPECT_THAT(std::vector<std::string>(lines.begin() + houses - 5, lines.begin() + houses),
                ElementsAre("  ", "  ", "  ", "  ", "  "));
}

TEST_F(NatalReportTest, AMissingFileStopsTheReportThereKeepingEverythingBefore) {
    fs::remove(dir_ / "Dann" / "Radix" / "Hozzod.txt");
    N40Click(state_, canvases_);
    try {
        Button4Click(state_, canvases_, &searches_);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("Hozzod.txt"));
    }
    const auto& lines = state_.Form1.RichEdit1Lines;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "Положение Хозяев Домов в знаках зодиака");
    EXPECT_THAT(lines, Contains("Положение Домов в знаках зодиака"));
    EXPECT_THAT(lines, Not(Contains("Аспекты планет показывают")));
}

TEST_F(NatalReportTest, AnEmptyIntroductionAddsOneEmptyLine) {
    WriteFile("\\Dann\\Radix\\Begin.TXT", {});
    const auto lines = Run(N40Click);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 4),
                ElementsAre("Описание карты гороскопа   Анна", "  ", "", "  "));
}

TEST_F(NatalReportTest, OtherKindsLeaveOnlyTheDriversOwnWork) {
    state_.ChartKind = ChartKindId::Fatigue;
    Button4Click(state_, canvases_, &searches_);
    EXPECT_TRUE(state_.Form1.RichEdit1Lines.empty());
    EXPECT_TRUE(searches_.empty());
    EXPECT_TRUE(state_.Form1.RichEdit1Visible);
}

TEST_F(NatalReportTest, TheStateIsLeftHoldingTheRadix) {
    Run(N40Click);
    State fresh;
    fresh.ID1 = state_.ID1;
    ReadChartInput(fresh, 1);
    for (int n = 1; n <= 16; ++n) ComputeBody(fresh, n);
    EXPECT_EQ(state_.moment.day, fresh.moment.day);
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(state_.BodyPositions[n], fresh.BodyPositions[n]);
}

namespace {

// A chart with equal 30-degree houses from `asc` and the bodies where the test puts them.
ReportInputs EqualHouses(double asc) {
    ReportInputs in;
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = std::fmod(asc + 30 * (h - 1), 360.0);
    for (int n = 1; n <= 16; ++n) in.first.bodies[n] = std::fmod(asc + 200 + 7 * n, 360.0);
    in.orbs = {0, 10, 10, 6, 6, 5, 3, 3, 2, 2, 1, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 5, 5};
    return in;
}

bool HasKey(const std::vector<SectionKey>& keys, const SectionKey& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

TEST(NatalKeys, TheAnglesAlwaysFallInTheirOwnHouses) {
    for (double asc : {0.0, 17.5, 359.9, 181.0}) {
        const auto keys = PlanetsInHousesKeys(EqualHouses(asc));
        EXPECT_EQ(keys[16], (SectionKey{"Asc", " 1 "}));
        EXPECT_EQ(keys[17], (SectionKey{"MC", " 10 "}));
    }
}

TEST(NatalKeys, InterceptedSignsGiveNeighbouringHousesTheSameSign) {
    ReportInputs in = EqualHouses(0);
    in.first.cusps[1] = 2;
    in.first.cusps[2] = 25; // both in Aries; Taurus lies inside house 2
    const auto keys = HousesInSignsKeys(in);
    EXPECT_EQ(keys[0], (SectionKey{"&1 ", "Овне"}));
    EXPECT_EQ(keys[1], (SectionKey{"&2 ", "Овне"}));
    EXPECT_EQ(keys[9], (SectionKey{"&10 ", "Козероге"}));
}

TEST(NatalKeys, AspectsAreStrictInsideTheMeanOrbAndNameTheNodeInCapitals) {
    ReportInputs in = EqualHouses(0);
    for (int n = 1; n <= 16; ++n) in.first.bodies[n] = 5 + 11.3 * n; // nothing in aspect
    in.first.cusps[1] = 301.7;
    in.first.cusps[10] = 211.9;
    in.first.bodies[1] = 10;       // Sun, orb 10
    in.first.bodies[2] = 190;      // Moon, orb 10: an exact opposition
    in.first.bodies[5] = 70 + 7.5; // Mars (orb 5) from the Sun: mean orb 7.5, on the edge
    in.first.bodies[13] = 130;     // ascending node
    in.first.bodies[14] = 310;
    const auto keys = NatalAspectKeys(in);
    EXPECT_TRUE(HasKey(keys, {"Солнце", "180", "Луна"}));
    EXPECT_FALSE(HasKey(keys, {"Солнце", "60", "Марс"}));
    in.first.bodies[5] = 70 + 7.49;
    EXPECT_TRUE(HasKey(NatalAspectKeys(in), {"Солнце", "60", "Марс"}));
    EXPECT_TRUE(HasKey(keys, {"Солнце", "120", "ВУЗ"}));
    EXPECT_TRUE(HasKey(keys, {"ВУЗ", "180", "Кету"}));
    // The inclusion switches play no part: two points with zero orbs never meet, whatever.
    EXPECT_EQ(PlanetsInSignsKeys(in)[12], (SectionKey{"ВУз", "Льве"}));
}

TEST(NatalKeys, RulersFollowTheSignOnTheCuspAndPrintTheirTable) {
    ReportInputs in = EqualHouses(0); // cusp h in sign h
    in.first.bodies[5] = 95;          // Mars, ruler of Aries on cusp 1, in Cancer, house 4
    in.first.bodies[8] = 359.0;       // Uranus, ruler of Aquarius on cusp 11, in Pisces
    const auto signs = RulersInSignsKeys(in);
    EXPECT_EQ(signs[0], (SectionKey{" 1 ", "Раке"}));
    EXPECT_EQ(signs[10], (SectionKey{" 11 ", "Рыбах"}));
    const auto houses = RulersInHousesKeys(in);
    EXPECT_EQ(houses[0], (SectionKey{"&", " 1 ", " 4: "}));
    EXPECT_EQ(houses[10], (SectionKey{"&", " 11 ", " 12: "}));
    const auto table = RulersInHousesTable(in);
    ASSERT_EQ(table.size(), 14u);
    EXPECT_EQ(table[0], " ");
    EXPECT_EQ(table[1], "Хозяева домов гороскопа в домах");
    EXPECT_EQ(table[2], " Хозяин  1 дома  Марс     в  Раке и в доме №  4 ");
    EXPECT_EQ(table[12], " Хозяин 11 дома  Уран       в  Рыбах и в доме №  12 ");
}

TEST(NatalKeys, ThePossibleKeysLeaveOutWhatTheSkyNeverShows) {
    const auto files = PossibleNatalKeys(false);
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(files[0].keys.size(), 18u * 12);
    EXPECT_EQ(files[1].keys.size(), 16u * 12 + 2); // Asc only in 1, MC only in 10
    const auto& aspects = files[5].keys;
    EXPECT_TRUE(HasKey(aspects, {"Солнце", " 0", "Меркурий"}));
    EXPECT_FALSE(HasKey(aspects, {"Солнце", "60", "Меркурий"}));
    EXPECT_FALSE(HasKey(aspects, {"Солнце", "60", "Венера"}));
    EXPECT_TRUE(HasKey(aspects, {"Меркурий", "60", "Венера"}));
    EXPECT_FALSE(HasKey(aspects, {"Меркурий", "90", "Венера"}));
    EXPECT_FALSE(HasKey(aspects, {"ВУЗ", " 0", "Кету"}));
    EXPECT_TRUE(HasKey(aspects, {"ВУЗ", "180", "Кету"}));
    EXPECT_EQ(aspects.size(), 152u + 150 + 149 + 149 + 150);
}

TEST(NatalKeys, HouseKeysNeverMatchTheirLongerNeighbours) {
    EXPECT_FALSE(HeaderMatches("&Марс в 11 доме", {"Марс", HouseNumberKey(1)}, '&'));
    EXPECT_TRUE(HeaderMatches("&Марс в 1 доме", {"Марс", HouseNumberKey(1)}, '&'));
    EXPECT_FALSE(HeaderMatches("&10 дом в Овне", {HouseHeaderKey(1), "Овне"}, '&'));
    EXPECT_FALSE(HeaderMatches("&Хозяин 1 дома в 11: доме", {"&", " 1 ", HouseColonKey(1)}, '&'));
    EXPECT_FALSE(HeaderMatches("&Солнце 60 120 Луна", {"Солнце", " 0", "Луна"}, '&'));
    EXPECT_FALSE(HeaderMatches("&ВУз в Овне", {"ВУЗ", "Овне"}, '&'));
}
