// The calendar dialog: the fatigue search with its rules and bound, the fatigue lines, the
// date fields, and the transit table's days on the program state.
#include "app/calendar_commands.h"
#include "app/chart_commands.h"
#include "app/state.h"
#include "app/transit_commands.h"
#include "base/errors.h"
#include "calendars/calendar.h"
#include "calendars/fatigue.h"
#include "drawing/recording_canvas.h"
#include "input/chart_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace omvera;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Lines = std::vector<std::string>;

namespace {

using Flags = std::array<int, 5>;

// Born 1 January 2000 at midnight: t counts whole days from then.
const double kBirth = JulianDay(1, 1, 2000);

} // namespace

// The half-periods of cycles 1..3 are 5, 6 and 7 times 1.18442186 days, cycle 4 is four
// times cycle 2: the turns below are multiples worked out from the table.
TEST(FatigueFlags, TurnsWithinTheDay) {
    EXPECT_EQ(FatigueFlags(0), (Flags{0, 1, 1, 1, 1}));   // sin 0 = 0 is no change of sign
    EXPECT_EQ(FatigueFlags(5), (Flags{0, 0, 1, 1, 1}));   // 5.92 (cycle 1)
    EXPECT_EQ(FatigueFlags(28), (Flags{0, 1, 0, 1, 0}));  // 28.43 (cycles 2 and "T2")
    EXPECT_EQ(FatigueFlags(248), (Flags{0, 0, 0, 0, 1})); // 248.73 = 42, 35, 30 half-periods
}

TEST(FatigueDays, RecordsTheRulesInOrderOverTheRange) {
    FatigueRecords records;
    // t = 0..59: "T2" turns on 28 and 56; two of cycles 1..3 on 35 (1, 2), 41 (1, 3) and
    // 49 (2, 3); cycle 1 alone on 5, 11, 17, 23, 29, 47, 53, 59 and so on is not recorded.
    const int count = FatigueDays(records, kBirth + 60, kBirth, kBirth);
    ASSERT_EQ(count, 5);
    const std::vector<std::pair<int, Flags>> expected = {{28, {0, 1, 0, 1, 0}},
                                                         {35, {0, 0, 0, 1, 1}},
                                                         {41, {0, 0, 1, 0, 1}},
                                                         {49, {0, 1, 0, 0, 1}},
                                                         {56, {0, 1, 0, 1, 0}}};
    for (int k = 1; k <= count; ++k) {
        EXPECT_EQ(records[k].t, expected[k - 1].first) << k;
        EXPECT_EQ(records[k].f, expected[k - 1].second) << k;
    }
    // The slots after the last record hold the initial values.
    EXPECT_EQ(records[6].t, 5.0L);
    EXPECT_EQ(records[6].f, (Flags{0, 1, 1, 1, 1}));
    // The end day itself is not searched: ending on day 56 leaves its turn out.
    EXPECT_EQ(FatigueDays(records, kBirth + 56, kBirth, kBirth), 4);
}

TEST(FatigueDays, EndNotAfterStartStopsAtTwoHundredRecords) {
    FatigueRecords records;
    EXPECT_EQ(FatigueDays(records, kBirth - 10, kBirth, kBirth), kFatigueCapacity);
    EXPECT_EQ(FatigueDays(records, kBirth, kBirth, kBirth), kFatigueCapacity);
    EXPECT_EQ(records[1].t, 28);
    EXPECT_GT(records[kFatigueCapacity].t, records[kFatigueCapacity - 1].t);
}

TEST(FatigueLines, PaddedDatesFlagsAndTheCycleMarker) {
    FatigueRecords records;
    const int count = FatigueDays(records, kBirth + 250, kBirth + 240, kBirth);
    ASSERT_EQ(count, 1); // day 248 only
    EXPECT_THAT(FatigueLines(records, count, kBirth, "Анна"),
                ElementsAre("Дни усталости организма Анна",
                            "  Дата            Ф1       Ф2      Ф3      T2",
                            "   5. 9.2000       0       0       0       1  конец/начало Биологич. "
                            "Цикла Организма"));
    FatigueDays(records, kBirth + 30, kBirth, kBirth);
    EXPECT_EQ(FatigueLines(records, 1, kBirth, "")[2],
              "  29. 1.2000       1       0       1       0");
    // A birth time shifts the cycles, not the listed calendar days.
    const double birthAt18h = kBirth + 0.75;
    const int n = FatigueDays(records, kBirth + 60, kBirth + 1, birthAt18h);
    const Lines lines = FatigueLines(records, n, birthAt18h, "");
    for (size_t k = 2; k < lines.size(); ++k) EXPECT_THAT(lines[k], HasSubstr(".2000 "));
    EXPECT_EQ(records[1].t, 28.25L);
}

TEST(ShortDate, ParsesCalendarDatesOnly) {
    const auto d = ParseShortDate("05.03.2024");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->day, 5);
    EXPECT_EQ(d->month, 3);
    EXPECT_EQ(d->year, 2024);
    EXPECT_TRUE(ParseShortDate(" 5.3.2024 "));
    EXPECT_TRUE(ParseShortDate("29.02.2000"));
    EXPECT_FALSE(ParseShortDate("29.02.1900"));
    EXPECT_FALSE(ParseShortDate("31.04.2024"));
    EXPECT_FALSE(ParseShortDate("00.01.2024"));
    EXPECT_FALSE(ParseShortDate("1.13.2024"));
    EXPECT_FALSE(ParseShortDate("1.1.24"));
    EXPECT_FALSE(ParseShortDate("1.1.1879"));
    EXPECT_FALSE(ParseShortDate("1.1.2051"));
    EXPECT_FALSE(ParseShortDate("1/1/2000"));
    EXPECT_FALSE(ParseShortDate("1.1.2000x"));
    EXPECT_FALSE(ParseShortDate(""));
    EXPECT_EQ(FormatShortDate({5, 3, 2024}), "05.03.2024");
    EXPECT_EQ(TwoDigitMonth(3), "03");
    EXPECT_EQ(TwoDigitMonth(12), "12");
    EXPECT_EQ(TwoDigitMonth(0), "00");
}

TEST(KalendarFormActivate, TodayAndAWeekLaterAcrossTheYearEnd) {
    KalendarForm f;
    FormActivate(f, LocalNow{2023, 12, 28, 10, 0});
    EXPECT_EQ(f.DateEdit1, "28.12.2023");
    EXPECT_EQ(f.DateEdit2, "04.01.2024");
    FormActivate(f, LocalNow{2024, 2, 25, 0, 0});
    EXPECT_EQ(f.DateEdit2, "03.03.2024");
}

// --- On the program state ---------------------------------------------------------------

namespace {

class Kalendar : public ::testing::Test {
  protected:
    void SetUp() override {
        s.ID1.Edit1 = "Анна";
        s.ID1.SetMonthIndex(4);
        s.ID1.SpinEdit2.SetValue(7);
        s.ID2.SpinEdit3.SetValue(6);
        s.ID2.SpinEdit4.SetValue(15);
    }
    void Menu(void (*command)(State&, ChartCanvases&)) {
        RecordingCanvas a, b, c;
        ChartCanvases canvases{a, b, c};
        command(s, canvases);
    }
    void Calculate(const char* d1, const char* d2) {
        s.Kalendar.DateEdit1 = d1;
        s.Kalendar.DateEdit2 = d2;
        KalendarButton3Click(s);
    }
    // The lines of the text view that name a day of the table.
    Lines Days() const {
        Lines days;
        for (const auto& l : s.Form1.RichEdit1Lines)
            if (!l.empty() && l[0] != ' ' && l.find(".20") != std::string::npos &&
                l.find("Транзиты") == std::string::npos)
                days.push_back(l);
        return days;
    }
    State s;
};

} // namespace

TEST_F(Kalendar, TransitTableListsTheDaysAfterEachDate) {
    Menu(N12Click);
    ASSERT_TRUE(s.Views.KalendarVisible);
    Calculate("04.03.2024", "06.03.2024");
    EXPECT_FALSE(s.Views.KalendarVisible);
    EXPECT_FALSE(s.Kalendar.Label5Visible);
    EXPECT_TRUE(s.Form1.RichEdit1Visible);
    const Lines& lines = s.Form1.RichEdit1Lines;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Транзиты на Радикс 7.05.1980");
    EXPECT_EQ(lines[1], "  ");
    EXPECT_THAT(Days(),
                ElementsAre("5.03.2024  вторник", "6.03.2024  среда", "7.03.2024  четверг"));
    // TID2 is left on the last listed day, its time untouched.
    EXPECT_EQ(s.ID2.SpinEdit2.Value(), 7);
    EXPECT_EQ(s.ID2.Month(), 3);
    EXPECT_EQ(s.ID2.SpinEdit1.Value(), 2024);
    EXPECT_EQ(s.ID2.SpinEdit3.Value(), 6);
    EXPECT_EQ(s.ID2.SpinEdit4.Value(), 15);
    EXPECT_EQ(s.CalendarDates.Day1, 4);
    EXPECT_EQ(s.CalendarDates.Day2, 6);
    EXPECT_EQ(s.PointOrbs[kMcPoint], 1.0);
}

TEST_F(Kalendar, EachDayIsFollowedByItsOwnAspectList) {
    Menu(N12Click);
    Calculate("31.12.2023", "31.12.2023"); // equal dates: the one day after Date 1
    const Lines table = s.Form1.RichEdit1Lines;
    EXPECT_THAT(Days(), ElementsAre("1.01.2024  понедельник"));
    // The same day's list as the transit aspect list gives for TID2 on that day.
    State other = s;
    other.Form1.RichEdit1Lines.clear();
    TransitAspectList(other);
    const Lines expected(table.begin() + 3, table.end());
    EXPECT_EQ(other.Form1.RichEdit1Lines, expected);
    EXPECT_FALSE(expected.empty());
}

TEST_F(Kalendar, Date2BeforeDate1ListsOneDayAndShowsTheWarning) {
    Menu(N12Click);
    Calculate("10.01.2024", "01.01.2024");
    EXPECT_TRUE(s.Kalendar.Label5Visible);
    EXPECT_FALSE(s.Views.KalendarVisible);
    EXPECT_THAT(Days(), ElementsAre("11.01.2024  четверг"));
}

TEST_F(Kalendar, DateThatIsNotADateNamesItsFieldAndComputesNothing) {
    Menu(N12Click);
    s.Form1.RichEdit1Lines = {"прежний текст"};
    for (const auto& [d1, d2, field] : {std::tuple{"32.01.2024", "01.02.2024", "Дата 1"},
                                        std::tuple{"01.01.2024", "завтра", "Дата2"}}) {
        try {
            Calculate(d1, d2);
            FAIL() << d1 << " " << d2;
        } catch (const Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(std::string("«") + field + "»"));
        }
    }
    EXPECT_EQ(s.Form1.RichEdit1Lines, Lines{"прежний текст"});
    EXPECT_TRUE(s.Views.KalendarVisible);
    EXPECT_EQ(s.CalendarDates.Year1, 0);
}

TEST_F(Kalendar, FatigueCalendarFromTheBirthForm) {
    s.ID1.SpinEdit1.SetValue(2000);
    s.ID1.SetMonthIndex(0);
    s.ID1.SpinEdit2.SetValue(1);
    s.ID1.SpinEdit3.SetValue(0);
    s.ID1.SpinEdit4.SetValue(0);
    s.Form1.RichEdit1Lines = {"старое"};
    Menu(N25Click);
    EXPECT_STREQ(ChartKindText(s.ChartKind), "Усталость");
    EXPECT_TRUE(s.Form1.RichEdit1Lines.empty());
    Calculate("01.01.2000", "01.03.2000");
    EXPECT_THAT(s.Form1.RichEdit1Lines,
                ElementsAre("Дни усталости организма Анна",
                            "  Дата            Ф1       Ф2      Ф3      T2",
                            "  29. 1.2000       1       0       1       0",
                            "   5. 2.2000       0       0       1       1",
                            "  11. 2.2000       0       1       0       1",
                            "  19. 2.2000       1       0       0       1",
                            "  26. 2.2000       1       0       1       0"));
    // The fatigue calendar does nothing for another chart kind.
    s.ChartKind = ChartKindId::Transit;
    s.Form1.RichEdit1Lines.clear();
    FatigueCalendar(s);
    EXPECT_TRUE(s.Form1.RichEdit1Lines.empty());
}
