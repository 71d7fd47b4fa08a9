// The synastry reports ("Партнерство", "Эротическая", "Кармическая") and the partner-waiting
// report: their key builders on charts placed by hand, and what "Интерпретация" prints after
// the chart commands from a data folder of small made-up bracket files.
#include "app/chart_commands.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "aspects/points.h"
#include "astro/chart_moment.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "reports/coverage.h"
#include "reports/partner_waiting_report.h"
#include "reports/synastry_report.h"
#include "tests/core/report_test_support.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

using namespace omvera;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Strings(const std::vector<SectionKey>& keys) {
    std::vector<std::string> s;
    for (const auto& k : keys) s.push_back(k.at(0));
    return s;
}

// Chart 1's bodies bunched at 1.6 .. 6.3 degrees, the design orbs and switches 1..7.
ReportInputs Bunched() {
    ReportInputs in;
    for (int n = 1; n <= 16; ++n) in.first.bodies[n] = 1.3 + 0.31 * n;
    in.second = in.first;
    in.orbs = {0, 10, 10, 6, 6, 5, 3, 3, 2, 2, 1, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 5, 5};
    for (int n = 1; n <= 7; ++n) in.included[n] = 1;
    return in;
}

// Orbs of 1 and no contact at all: chart 2's bodies 37 degrees after chart 1's (32..42
// apart), both charts' cusps at 20 + 30 k, at least 0.7 degrees outside every window.
ReportInputs Apart() {
    ReportInputs in = Bunched();
    for (int n = 1; n <= 16; ++n) in.second.bodies[n] = in.first.bodies[n] + 37;
    in.orbs.fill(1);
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = in.second.cusps[h] = 30 * (h - 1) + 20;
    return in;
}

} // namespace

// --- The pair test and the keys of the compatibility report ------------------------------

TEST(SynastryKeys, EveryAspectIsTriedWith150LastAndMatchesCountSeparately) {
    ReportInputs in = Apart();
    in.included.fill(1);
    // 149 degrees with both orbs 3: inside 150's window only.
    in.orbs[1] = in.orbs[2] = 3;
    in.first.bodies[1] = 10;
    in.second.bodies[2] = 159;
    // 177 degrees with orbs 10 and 6 (mean 8): 180 only.
    in.orbs[3] = 10;
    in.orbs[4] = 6;
    in.first.bodies[3] = 100;
    in.second.bodies[4] = 277;
    auto keys = Strings(PartnerAspectKeys(in));
    EXPECT_THAT(keys, Contains("[01.150.02]"));
    EXPECT_THAT(keys, Not(Contains("[01.180.02]")));
    EXPECT_THAT(keys, Contains("[03.180.04]"));
    EXPECT_THAT(keys, Not(Contains("[03.150.04]")));
    // With orbs above 15 the windows of 150 and 180 overlap: 165 degrees gives both keys, 180
    // first in table order.
    in.orbs[1] = in.orbs[2] = 32;
    in.second.bodies[2] = 175;
    keys = Strings(PartnerAspectKeys(in));
    const auto at180 = std::find(keys.begin(), keys.end(), "[01.180.02]");
    const auto at150 = std::find(keys.begin(), keys.end(), "[01.150.02]");
    ASSERT_NE(at180, keys.end());
    ASSERT_NE(at150, keys.end());
    EXPECT_LT(at180, at150);
}

TEST(SynastryKeys, ListLineShowsBothLongitudesAndTheSeparation) {
    BodyArray a{}, b{};
    a[1] = 123.4;
    b[5] = 183.6;
    EXPECT_EQ(SynastryListLine({1, 5, 1, 60.2}, a, b), "   Солнце  (123.4) 60.2  Марс (183.6)");
    a[13] = 5;
    b[16] = 5;
    EXPECT_EQ(SynastryListLine({13, 16, 0, 0}, a, b), "   ВУз  ( 5.0)  0.0  Лилит ( 5.0)");
}

TEST(SynastryKeys, IdenticalPartnersUnderDefaultSwitchesAreConjunctBodyByBody) {
    const ReportInputs in = Bunched();
    const auto keys = Strings(PartnerAspectKeys(in));
    for (int n = 1; n <= 7; ++n)
        EXPECT_THAT(keys, Contains("[" + BodyCode(n) + ".000." + BodyCode(n) + "]"));
    for (const auto& k : keys) {
        EXPECT_LE(std::stoi(k.substr(1, 2)), 7) << k;
        EXPECT_LE(std::stoi(k.substr(8, 2)), 7) << k;
    }
    const auto matches = SynastryBodyAspects(in.first.bodies, in.second.bodies, in);
    ASSERT_EQ(matches.size(), keys.size());
    EXPECT_EQ(matches[0].separation, 0);
}

TEST(SynastryKeys, CuspContactsNeedOnlyThePartnerBodysSwitch) {
    ReportInputs in = Apart();
    // The partner's Sun (switched on) on my cusp 10, the partner's Uranus (off) on cusp 9:
    // cusp 10 counts although body 10 is off; Uranus does not.
    in.second.bodies[1] = in.first.cusps[10] + 2;
    in.second.bodies[8] = in.first.cusps[9];
    const auto toMine = Strings(PartnerToMyCuspKeys(in));
    EXPECT_THAT(toMine, Contains("[h10.000.01]"));
    EXPECT_THAT(toMine, Contains("[h04.180.01]"));
    EXPECT_THAT(toMine, Contains("[h07.090.01]"));
    for (const auto& k : toMine) EXPECT_THAT(k, Not(HasSubstr(".08]"))) << k;
    // The orb is 6 whatever the dialog says; the bounds are strict.
    in.second.bodies[1] = in.first.cusps[10] + 6;
    EXPECT_THAT(Strings(PartnerToMyCuspKeys(in)), Not(Contains("[h10.000.01]")));
}

TEST(SynastryKeys, MyBodiesTouchThePartnersCuspsWhateverTheSwitches) {
    ReportInputs in = Apart();
    in.first.bodies[8] = in.second.cusps[7] - 5.9; // Uranus, switched off
    const auto keys = Strings(MyBodiesToPartnerCuspKeys(in));
    EXPECT_THAT(keys, Contains("[08.000.h07]"));
    EXPECT_THAT(keys, Contains("[08.180.h01]"));
}

TEST(SynastryKeys, HouseKeysCarryTheDirectionInTheirOrder) {
    ReportInputs in = Apart();
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = 30 * (h - 1);
    in.second.bodies[5] = 185;  // house 7
    in.second.bodies[16] = 360; // exactly 360: house 1, as 0 degrees
    const auto compat = Strings(PartnerInMyHousesKeys(in));
    const auto karmic = Strings(PartnerBodyInMyHouseKeys(in));
    ASSERT_EQ(compat.size(), 16u);
    ASSERT_EQ(karmic.size(), 16u);
    EXPECT_EQ(compat[4], "[h07.05]");
    EXPECT_EQ(karmic[4], "[05.h07]");
    EXPECT_EQ(compat[15], "[h01.16]");
    EXPECT_EQ(karmic[15], "[16.h01]");
}

TEST(SynastryKeys, WomansVenusTrineMansMarsIsKeyedMansBodyFirstInBothRoles) {
    ReportInputs in = Apart();
    in.included = {};
    in.included[4] = in.included[5] = 1;
    in.orbs[4] = in.orbs[5] = 6;
    in.first.bodies[4] = 10;   // chart 1 Venus
    in.second.bodies[5] = 130; // chart 2 Mars
    in.first.bodies[5] = 300;
    in.second.bodies[4] = 301;
    PartnerSexes womanFirst{false, true, true, false};
    EXPECT_THAT(Strings(WomanToManKeys(in, womanFirst)), ElementsAre("[05.120.04]", "[04.000.05]"));
    const auto m = WomanToManAspects(in, womanFirst);
    EXPECT_EQ(SynastryListLine(m[0], in.first.bodies, in.second.bodies),
              "   Венера  (10.0) 120.0  Марс (130.0)");
    // The man is chart 1: the woman's bodies are now those of chart 2.
    PartnerSexes manFirst{true, false, false, true};
    EXPECT_THAT(Strings(WomanToManKeys(in, manFirst)), ElementsAre("[05.000.04]", "[04.120.05]"));
    // Neither switch set on chart 1: the woman is chart 1.
    PartnerSexes neither{false, false, true, false};
    EXPECT_FALSE(neither.Same());
    EXPECT_TRUE(neither.WomanIsFirst());
}

// --- The partner-waiting keys and date lists ----------------------------------------------

namespace {

ReportInputs Natal(double hour = 12, double minute = 30) {
    ReportInputs in = Bunched();
    in.first.moment = {1980, 3, 15, hour, minute, 56.01, 92.45};
    // Every body and cusp far from where the tests put the points they look at.
    for (int n = 1; n <= 16; ++n) in.first.bodies[n] = 0.4 + 0.01 * n;
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = 30 * (h - 1) + 0.3;
    return in;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool AnyLine(const std::vector<std::string>& lines, const std::string& start,
             const std::string& end) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.rfind(start, 0) == 0 && l.size() >= end.size() &&
               l.compare(l.size() - end.size(), end.size(), end) == 0;
    });
}

} // namespace

TEST(WaitingDates, EarlyJanuarySaturnListsLateDecemberAndFromTheThirdButNeverTheFirstTwoDays) {
    ReportInputs in = Natal();
    in.first.bodies[7] = ReferenceYearSun(1, 2, 12, 30); // the Sun of 2 January
    const auto lines = UnfavourableDates(in);
    EXPECT_FALSE(AnyLine(lines, "1.1   ", ""));
    EXPECT_FALSE(AnyLine(lines, "2.1   ", ""));
    EXPECT_TRUE(AnyLine(lines, "3.1    Транзитное  Солнце     1.", "Сатурн\t  "));
    EXPECT_TRUE(AnyLine(lines, "4.1   ", "Сатурн\t  "));
    EXPECT_TRUE(AnyLine(lines, "31.12   ", "Сатурн\t  "));
    EXPECT_TRUE(AnyLine(lines, "30.12   ", "Сатурн\t  "));
    EXPECT_FALSE(AnyLine(lines, "25.12   ", "Сатурн\t  "));
    // Dates in order, the day of 31 December last.
    EXPECT_EQ(lines.back().substr(0, 6), "31.12 ");
}

TEST(WaitingDates, VenusAt100ListsEveryDayInItsWindowsBoundsIncluded) {
    ReportInputs in = Natal();
    in.first.bodies[4] = 100;
    const auto lines = FavourableDates(in);
    // Every scanned day whose Sun is within the windows, and only those.
    std::set<std::string> want;
    const double jd0 = JulianDay(1, 1, 2000);
    for (int offset = 2; offset <= 365; ++offset) {
        const CalendarDate d = CalendarFromJulianDay(jd0 + offset);
        const double sun = ReferenceYearSun(int(d.month), int(d.day), 12, 30);
        const double sep = Separation(100, sun);
        if (sep <= 3 || (sep >= 57 && sep <= 63) || (sep >= 117 && sep <= 123))
            want.insert(std::to_string(int(d.day)) + "." + std::to_string(int(d.month)));
    }
    std::set<std::string> got;
    for (const auto& l : lines)
        if (EndsWith(l, "Венера    ")) got.insert(l.substr(0, l.find(' ')));
    EXPECT_EQ(got, want);
    EXPECT_GT(want.size(), 25u);
}

TEST(WaitingDates, WindowBoundsAreInclusive) {
    // Venus exactly 3, 57 and 123 degrees from a day's Sun (sums within one binade, so the
    // separation is exact), and a hair beyond.
    const double sunAug = ReferenceYearSun(8, 2, 12, 30);
    ASSERT_GE(sunAug, 128);
    ASSERT_LT(sunAug + 123, 256);
    for (double angle : {57.0, 123.0}) {
        ReportInputs in = Natal();
        in.first.bodies[4] = sunAug + angle;
        ASSERT_EQ(in.first.bodies[4] - sunAug, angle);
        EXPECT_TRUE(AnyLine(FavourableDates(in),
                            "2.8    Транзитное  Солнце " + FormatFixed(angle, 6, 2), "Венера    "))
            << angle;
        in.first.bodies[4] = std::nextafter(sunAug + angle, 1000.0);
        if (angle == 123.0) {
            EXPECT_FALSE(AnyLine(FavourableDates(in), "2.8 ", "Венера    "));
        }
    }
    const double sunMay = ReferenceYearSun(5, 10, 12, 30);
    ASSERT_GE(sunMay, 32);
    ASSERT_LT(sunMay + 3, 64);
    ReportInputs in = Natal();
    in.first.bodies[5] = sunMay + 3; // Mars, unfavourable
    EXPECT_TRUE(AnyLine(UnfavourableDates(in), "10.5    Транзитное  Солнце     3.00 ", "Марс    "));
}

TEST(WaitingDates, AscAndMcOnlyInTheFavourableListAndNodesNamedAsCompared) {
    ReportInputs in = Natal(6, 0);
    const double sun = ReferenceYearSun(6, 20, 6, 0);
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = std::fmod(sun + 30 * (h - 1), 360.0);
    in.first.cusps[10] = sun;
    in.first.bodies[12] = in.first.bodies[13] = in.first.bodies[14] = sun;
    const auto good = FavourableDates(in);
    const auto bad = UnfavourableDates(in);
    EXPECT_TRUE(AnyLine(good, "20.6   ", "Asc      "));
    EXPECT_TRUE(AnyLine(good, "20.6   ", "MC        "));
    EXPECT_TRUE(AnyLine(good, "20.6   ", "Раху      "));
    EXPECT_TRUE(AnyLine(bad, "20.6   ", "Прозерпина"));
    EXPECT_TRUE(AnyLine(bad, "20.6   ", "Кету      "));
    for (const auto& l : bad) {
        EXPECT_THAT(l, Not(HasSubstr("Asc"))) << l;
        EXPECT_THAT(l, Not(HasSubstr("MC"))) << l;
        EXPECT_THAT(l, Not(HasSubstr("Раху"))) << l;
    }
    for (const auto& l : good) EXPECT_THAT(l, Not(HasSubstr("Кету"))) << l;
    // Within one date the points come in ascending order: node, Asc, MC.
    std::vector<std::string> day;
    for (const auto& l : good)
        if (l.rfind("20.6 ", 0) == 0)
            for (const char* label : {"Раху      ", " Asc      ", "MC        "})
                if (EndsWith(l, label)) day.push_back(label);
    EXPECT_THAT(day, ElementsAre("Раху      ", " Asc      ", "MC        "));
}

TEST(WaitingKeys, UnaspectedBodiesAndTheSexLetter) {
    ReportInputs in = Natal();
    for (int n = 1; n <= 10; ++n) in.first.bodies[n] = 0;
    in.first.bodies[3] = 25;  // Mercury 25 from all: unaspected
    in.first.bodies[10] = 66; // Pluto exactly 66 from the rest: the bound counts
    EXPECT_THAT(Strings(UnaspectedKeys(in)),
                ElementsAre("[Аспектирован]", "[Аспектирован]", "[not.03]", "[Аспектирован]",
                            "[Аспектирован]", "[Аспектирован]", "[Аспектирован]", "[Аспектирован]",
                            "[Аспектирован]", "[Аспектирован]"));
    in.first.bodies[10] = 66.01;
    EXPECT_EQ(Strings(UnaspectedKeys(in))[9], "[not.10]");

    in.first.bodies[1] = 135; // Leo
    const auto man = Strings(WaitingBodiesInSignsKeys(in, true));
    const auto woman = Strings(WaitingBodiesInSignsKeys(in, false));
    EXPECT_EQ(man[0], "[01М.z05]");
    EXPECT_EQ(woman[0], "[01Ж.z05]");
    EXPECT_EQ(man.size(), 16u);
}

TEST(WaitingKeys, HousesSignsAndRulers) {
    ReportInputs in = Natal();
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = std::fmod(125 + 30 * (h - 1), 360.0);
    const auto houses = Strings(WaitingHousesInSignsKeys(in));
    EXPECT_EQ(houses[0], "[h01.z05]"); // Ascendant in Leo
    EXPECT_EQ(houses[6], "[h07.z11]");
    // Cusp 7 at 305 (Aquarius): its ruler Uranus at 0.48 stands in house 8 (335 .. 5).
    const auto rulers = Strings(WaitingRulersInHousesKeys(in));
    EXPECT_EQ(rulers[6], "[u07.h08]");
    // Cusp 1 in Leo: the Sun at 0.41 in house 8 as well.
    EXPECT_EQ(rulers[0], "[u01.h08]");
    in.first.bodies[5] = 180; // Mars in house 2 (155..185)
    EXPECT_EQ(Strings(WaitingBodiesInHousesKeys(in))[4], "[h02.05]");
}

// --- Coverage -------------------------------------------------------------------------------

TEST(SynastryCoverage, EveryFileHasItsPossibleKeys) {
    const auto compat = PossibleCompatibilityKeys(false);
    ASSERT_EQ(compat.size(), 1u);
    EXPECT_STREQ(compat[0].file, "\\Dann\\Sins\\SinAsp.txt");
    // 16 x 16 bodies x 6 aspects, 12 cusps x 16 bodies x 6 aspects both ways, 12 x 16 houses.
    EXPECT_EQ(compat[0].keys.size(), 1536u + 1152u + 1152u + 192u);
    EXPECT_STREQ(PossibleCompatibilityKeys(true)[0].file, "\\Dann\\Sins\\Erot2.txt");
    const auto karmic = PossibleSynastryAnalysisKeys();
    ASSERT_EQ(karmic.size(), 2u);
    EXPECT_EQ(karmic[0].keys.size(), 1536u);
    EXPECT_EQ(karmic[1].keys.size(), 192u);
    const auto waiting = PossiblePartnerWaitingKeys();
    ASSERT_EQ(waiting.size(), 1u);
    // 10 unaspected and "[Аспектирован]", 144 houses in signs, 16 x 2 x 12 bodies in signs,
    // 192 bodies in houses, 144 rulers in houses.
    EXPECT_EQ(waiting[0].keys.size(), 11u + 144u + 384u + 192u + 144u);
    std::set<std::string> families;
    for (const TextFamily& f : TextFamilies()) families.insert(f.name);
    for (const char* name : {"partnership", "erotic", "karmic", "waiting"})
        EXPECT_TRUE(families.count(name)) << name;
}

// --- The reports as "Интерпретация" prints them ----------------------------------------------

namespace {

class SynastryReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<FileKeys> all = PossibleCompatibilityKeys(false);
        for (auto more : {PossibleCompatibilityKeys(true), PossibleSynastryAnalysisKeys(),
                          PossiblePartnerWaitingKeys()})
            all.insert(all.end(), more.begin(), more.end());
        for (const FileKeys& fk : all) {
            std::vector<std::string> lines;
            for (const SectionKey& k : fk.keys) {
                lines.push_back(k[0] + " раздел " + k[0].substr(1, k[0].size() - 2));
                lines.push_back("текст");
            }
            lines.push_back("[конец]");
            omvera_test::WriteProgramText(dir_, fk.file, lines);
        }
        state_.ProgramFolder = dir_.string();
        state_.ID1.Edit1 = "Анна";
        state_.ID1.SetMan(false);
    }
    // A synastry chart command, the partner's chart and "Добавить в карту", "Интерпретация".
    const std::vector<std::string>& Run(void (*command)(State&, ChartCanvases&)) {
        command(state_, canvases_);
        state_.ID2.Edit1 = "Борис";
        SecondChartAddToChart(state_, canvases_);
        Button4Click(state_, canvases_, &searches_);
        return state_.Form1.RichEdit1Lines;
    }

    std::vector<std::string> Files() const {
        std::vector<std::string> f;
        for (const auto& s : searches_) f.push_back(s.file);
        return f;
    }

    omvera_test::TestFolder folder_{"omvera-synastry"};
    fs::path dir_ = folder_.path();
    State state_;
    RecordingCanvas image_{529, 345}, prosm_{400, 480}, aspq_{634, 543};
    ChartCanvases canvases_{image_, prosm_, aspq_};
    std::vector<SearchRecord> searches_;
};

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) - lines.begin();
}

} // namespace

TEST_F(SynastryReportTest, PartnershipPrintsTitleListFourSectionsAndLeavesChartTwo) {
    // The same birth data for both: every included body conjunct its counterpart.
    static_cast<ChartForm&>(state_.ID2) = state_.ID1;
    const auto& lines = Run(N39Click);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 4),
                ElementsAre(" ", " ", "Описание  гороскопа совместимости Анна c Борис", " "));
    EXPECT_THAT(Files(), ElementsAre("\\Dann\\Sins\\SinAsp.txt", "\\Dann\\Sins\\SinAsp.txt",
                                     "\\Dann\\Sins\\SinAsp.txt", "\\Dann\\Sins\\SinAsp.txt"));
    ASSERT_EQ(searches_.size(), 4u);
    EXPECT_THAT(Strings(searches_[0].keys), Contains("[01.000.01]"));
    EXPECT_THAT(Strings(searches_[0].keys), Contains("[07.000.07]"));
    for (const auto& k : Strings(searches_[0].keys)) EXPECT_LE(std::stoi(k.substr(8, 2)), 7) << k;
    EXPECT_EQ(searches_[3].keys.size(), 16u);
    // One list line per key, starting right after the title block.
    for (std::size_t i = 0; i < searches_[0].keys.size(); ++i)
        EXPECT_EQ(lines[4 + i].substr(0, 3), "   ");
    EXPECT_THAT(lines,
                Contains("   Солнце  (" + FormatFixed(state_.BodyPositions[1], 4, 1) +
                         ")  0.0  Солнце (" + FormatFixed(state_.BodyPositions[1], 4, 1) + ")"));
    // The found sections are titled by the text behind the key's bracket.
    EXPECT_THAT(lines, Contains(" раздел 01.000.01"));
    const char* titles[] = {
        "Аспекты между планетами партнеров", "Аспекты  планет партнера к моим домам радикса ",
        "Аспекты  планет  радикса к домам партнера ", "Положение планет партнера в моих домах"};
    std::size_t last = 0;
    for (const char* t : titles) {
        const std::size_t at = IndexOf(lines, t);
        ASSERT_LT(at, lines.size()) << t;
        EXPECT_GT(at, last) << t;
        last = at;
    }
    // The chart moment is left holding chart 2.
    EXPECT_EQ(state_.moment.year, state_.ID2.SpinEdit1.Value());
}

TEST_F(SynastryReportTest, EroticReadsErot2) {
    Run(N38Click);
    EXPECT_THAT(Files(), Contains("\\Dann\\Sins\\Erot2.txt"));
    EXPECT_THAT(Files(), Not(Contains("\\Dann\\Sins\\SinAsp.txt")));
}

TEST_F(SynastryReportTest, KarmaOfTwoMenPrintsTheMessageAndStillTheHouses) {
    state_.ID1.SetMan(true);
    state_.ID2.SetMan(true);
    const auto& lines = Run(N37Click);
    EXPECT_EQ(lines[4], "Для анализа синастрии должны быть женщина и мужчина");
    EXPECT_THAT(lines, Not(Contains("Анализ синастрии ")));
    EXPECT_THAT(Files(), ElementsAre("\\Dann\\Sins\\SinDom01.txt"));
    ASSERT_EQ(searches_.size(), 1u);
    EXPECT_EQ(searches_[0].keys.size(), 16u);
    EXPECT_EQ(searches_[0].keys[0][0].substr(0, 5), "[01.h");
}

TEST_F(SynastryReportTest, KarmaOfAWomanAndAManListsHerBodiesFirst) {
    state_.ID2.SetMan(true);
    const auto& lines = Run(N37Click);
    EXPECT_EQ(lines[4], "Анализ синастрии ");
    EXPECT_EQ(lines[5], "Женские планеты  аспект        Мужские");
    EXPECT_THAT(Files(), ElementsAre("\\Dann\\Sins\\SinAsp01.txt", "\\Dann\\Sins\\SinDom01.txt"));
}

TEST_F(SynastryReportTest, KarmaWithoutCuspContactsOmitsTheHeadingButPrintsTheHouses) {
    state_.ID2.SetMan(true);
    // Every switch off: no body aspects, no partner body touches a cusp.
    state_.PlanUst.CheckBox.fill(false);
    const auto& lines = Run(N37Click);
    EXPECT_THAT(lines, Not(Contains("Положение планет партнера в моих домах")));
    EXPECT_THAT(lines, Not(Contains("Аспекты между планетами партнеров")));
    EXPECT_THAT(lines, Contains("Женские планеты  аспект        Мужские"));
    ASSERT_EQ(searches_.size(), 2u);
    EXPECT_THAT(searches_[0].keys, IsEmpty());
    EXPECT_EQ(searches_[1].file, "\\Dann\\Sins\\SinDom01.txt");
    EXPECT_THAT(lines, Contains(HasSubstr(" раздел 01.h")));
    // The same charts with the switches on make cusp contacts and the heading.
    state_.PlanUst.CheckBox.fill(true);
    searches_.clear();
    EXPECT_THAT(Run(N37Click), Contains("Положение планет партнера в моих домах"));
}

TEST_F(SynastryReportTest, PartnershipWithEverySwitchOffKeepsOnlyTheCuspsOfSectionThree) {
    state_.PlanUst.CheckBox.fill(false);
    const auto& lines = Run(N39Click);
    ASSERT_EQ(searches_.size(), 4u);
    EXPECT_THAT(searches_[0].keys, IsEmpty());
    EXPECT_THAT(searches_[1].keys, IsEmpty());
    EXPECT_THAT(searches_[2].keys, Not(IsEmpty()));
    EXPECT_THAT(lines, Not(Contains("Аспекты между планетами партнеров")));
    EXPECT_THAT(lines, Not(Contains("Аспекты  планет партнера к моим домам радикса ")));
    EXPECT_THAT(lines, Contains("Аспекты  планет  радикса к домам партнера "));
    // The title block is followed directly by the blank lines of sections 1 and 2.
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 4, lines.begin() + 9),
                ElementsAre(" ", " ", " ", " ", " "));
}

TEST_F(SynastryReportTest, WaitingPrintsBothListsFiveSearchesAndLeavesTheLastDay) {
    const auto& lines = [&]() -> const std::vector<std::string>& {
        N36Click(state_, canvases_);
        Button4Click(state_, canvases_, &searches_);
        return state_.Form1.RichEdit1Lines;
    }();
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 6),
                ElementsAre(" ", " ", "Ожидание партнера для Анна", " ",
                            "Не рекомендуется иметь близких отношений  Анна",
                            " c родившимися в нижеприведенные даты "));
    EXPECT_THAT(lines, Contains("Лучше всего для гармоничных близких отношений  Анна"));
    ASSERT_EQ(searches_.size(), 5u);
    EXPECT_EQ(searches_[0].keys.size(), 10u);
    EXPECT_EQ(searches_[1].keys.size(), 12u);
    EXPECT_EQ(searches_[2].keys.size(), 16u);
    EXPECT_THAT(searches_[2].keys[0][0], HasSubstr("Ж.z"));
    EXPECT_EQ(searches_[3].keys.size(), 16u);
    EXPECT_EQ(searches_[4].keys.size(), 12u);
    for (const char* t : {"Положение домов в знаках", "Планеты в знаках", "Планеты  в домах",
                          "Управители домов  в домах "})
        EXPECT_THAT(lines, Contains(t));
    EXPECT_EQ(state_.moment.year, 2000);
    EXPECT_EQ(state_.moment.month, 12);
    EXPECT_EQ(std::trunc(state_.moment.day), 31);
    EXPECT_EQ(state_.BodyPositions[1],
              ReferenceYearSun(12, 31, state_.ID1.SpinEdit3.Value(), state_.ID1.SpinEdit4.Value()));
}

TEST_F(SynastryReportTest, AMissingFileStopsTheReportKeepingTheLinesBefore) {
    fs::remove(dir_ / "Dann" / "Sins" / "Wzaimn.txt");
    N36Click(state_, canvases_);
    EXPECT_THROW(Button4Click(state_, canvases_, &searches_), Error);
    EXPECT_THAT(state_.Form1.RichEdit1Lines,
                Contains("Лучше всего для гармоничных близких отношений  Анна"));
}
