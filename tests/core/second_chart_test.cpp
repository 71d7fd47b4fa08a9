#include "app/state.h"
#include "input/second_chart.h"

#include <gtest/gtest.h>

#include <string>

using namespace omvera;

namespace {
std::string Clock(const ChartForm& f) {
    return std::to_string(f.SpinEdit3.Value()) + ":" + std::to_string(f.SpinEdit4.Value());
}
std::string Date(const ChartForm& f) {
    return std::to_string(f.SpinEdit2.Value()) + "." + std::to_string(f.Month()) + "." +
           std::to_string(f.SpinEdit1.Value());
}
} // namespace

TEST(SecondChartArrangements, SetExactlyTheirProperties) {
    SecondChartForm f;
    f.Edit1 = "Партнер";
    ArrangeSecondChartSolar(f);
    EXPECT_EQ(f.Edit1, "Соляр");
    EXPECT_FALSE(f.ComboBox1Visible);
    EXPECT_EQ(f.Label3, "Выбери год Соляра");
    EXPECT_EQ(f.Label6, "Широта и долгота Соляра ");
    EXPECT_EQ(f.Label6Top, 160);
    EXPECT_TRUE(f.Button3Visible);
    EXPECT_FALSE(f.Button1Visible);
    EXPECT_FALSE(f.Label10Visible); // unchanged from the design state

    ArrangeSecondChartLunar(f);
    EXPECT_EQ(f.Edit1, "Лунар");
    EXPECT_EQ(f.Label3, "Выбери год Соляра"); // the lunar arrangement leaves it
    EXPECT_EQ(f.Label6Top, f.Label9Top - 20);
    EXPECT_TRUE(f.ListBox1Visible);
    EXPECT_TRUE(f.Button4Visible);
    EXPECT_FALSE(f.Button3Visible);

    f.Edit1 = "Имя";
    ArrangeSecondChartNormal(f);
    EXPECT_EQ(f.Edit1, "Имя");
    EXPECT_EQ(f.Label3, "Месяц");
    EXPECT_EQ(f.Label4, "День");
    EXPECT_EQ(f.Label6, "Время по Гринвичу ");
    EXPECT_EQ(f.Label6Top, 120);
    EXPECT_EQ(f.Label7, "Минут");
    EXPECT_TRUE(f.SpinEdit4Visible && f.Button1Visible && f.Button2Visible);
    EXPECT_FALSE(f.Button4Visible || f.ListBox1Visible || f.Label10Visible || f.Button3Visible);
}

TEST(ScanSteps, TenMinuteStepsLandOnWholeMinutes) {
    ChartForm f;
    f.SetMonthIndex(5);
    std::string seen;
    for (int i = 0; i < 6; ++i) {
        StepFormMoment(f, 1.0 / 144);
        seen += Clock(f) + " ";
    }
    EXPECT_EQ(seen, "12:40 12:50 13:0 13:10 13:20 13:30 ");
    for (int i = 0; i < 30; ++i) StepFormMoment(f, 1.0 / 24);
    EXPECT_EQ(Clock(f), "19:30");
    EXPECT_EQ(Date(f), "16.6.1980");
    for (int i = 0; i < 36; ++i) StepFormMoment(f, -1.0 / 144);
    EXPECT_EQ(Clock(f), "13:30");
    EXPECT_EQ(Date(f), "16.6.1980");
}

TEST(ScanSteps, DailyStepsKeepTheClockTimeForEveryStartMinute) {
    int moved = 0;
    for (int minute = 0; minute < 1440; ++minute) {
        ChartForm f;
        f.SetMonthIndex(2);
        f.SpinEdit3.SetValue(minute / 60);
        f.SpinEdit4.SetValue(minute % 60);
        StepFormMoment(f, 1);
        StepFormMoment(f, -7);
        if (f.SpinEdit3.Value() * 60 + f.SpinEdit4.Value() != minute) ++moved;
    }
    EXPECT_EQ(moved, 0);
}

TEST(ScanSteps, CrossingMonthAndYearEnds) {
    ChartForm f;
    f.SpinEdit1.SetValue(1999);
    f.SetMonthIndex(11);
    f.SpinEdit2.SetValue(31);
    f.SpinEdit3.SetValue(23);
    f.SpinEdit4.SetValue(55);
    StepFormMoment(f, 1.0 / 144);
    EXPECT_EQ(Date(f), "1.1.2000");
    EXPECT_EQ(Clock(f), "0:5");
    StepFormMoment(f, -1.0 / 24);
    EXPECT_EQ(Date(f), "31.12.1999");
    // 28 February 1900 and 1 March 1900 are one day apart.
    f.SpinEdit1.SetValue(1900);
    f.SetMonthIndex(1);
    f.SpinEdit2.SetValue(28);
    StepFormMoment(f, 1);
    EXPECT_EQ(Date(f), "1.3.1900");
    // At the end of the range the year stays at its bound.
    f.SpinEdit1.SetValue(2050);
    f.SetMonthIndex(11);
    f.SpinEdit2.SetValue(31);
    StepFormMoment(f, 7);
    EXPECT_EQ(f.SpinEdit1.Value(), 2050);
    // No month chosen: month 0 is taken as given and the result is a real date.
    f.SetMonthIndex(-1);
    f.SpinEdit1.SetValue(1980);
    f.SpinEdit2.SetValue(15);
    StepFormMoment(f, 1);
    EXPECT_EQ(Date(f), "17.12.1979"); // month 0 of 1980, day 15, is 16 December 1979
}

TEST(LunarList, LineFormatAndParsing) {
    const double jd = FormMoment([] {
        ChartForm f;
        f.SetMonthIndex(2);
        f.SpinEdit2.SetValue(5);
        f.SpinEdit3.SetValue(9);
        f.SpinEdit4.SetValue(7);
        return f;
    }());
    EXPECT_EQ(LunarListLine(jd), "  5. 3.1980    9: 7");
    // The minute is rounded, so a moment in the last half minute of an hour reads 60.
    EXPECT_EQ(LunarListLine(jd + 52.8 / 1440), "  5. 3.1980    9:60");
    SecondChartForm f;
    LoadLunarListLine(" 28.11.2003   23:60", f);
    EXPECT_EQ(Date(f), "28.11.2003");
    EXPECT_EQ(Clock(f), "23:60");
    LoadLunarListLine("  5. 3.1980    9: 7", f);
    EXPECT_EQ(Date(f), "5.3.1980");
    EXPECT_EQ(Clock(f), "9:7");
}
