// Input the forms cannot read as typed: the chart is computed as the conversion rules say,
// and the user is told once what was read instead. Also the database line that used to
// overflow the stack and the limits of the form's text fields.
#include "app/chart_state.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "input/chart_form.h"
#include "input/form_warnings.h"
#include "input/person_database.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace omvera;
using ::testing::HasSubstr;

namespace {

// A form with every field read as typed.
ChartForm GoodForm() {
    ChartForm f;
    f.SetMonthIndex(2);
    return f;
}

struct BadInput {
    const char* what;
    void (*spoil)(ChartForm&);
    std::vector<const char*> inMessage; // pieces the one message must hold
};

const BadInput kBadInputs[] = {
    {"no month", [](ChartForm& f) { f.SetMonthIndex(-1); }, {"месяц не выбран", "месяца 0"}},
    {"latitude letters", [](ChartForm& f) { f.Edit2 = "abc"; }, {"в широте «abc»", "нет числа"}},
    {"latitude empty", [](ChartForm& f) { f.Edit2 = ""; }, {"в широте «»", "нет числа"}},
    {"latitude nan", [](ChartForm& f) { f.Edit2 = "nan"; }, {"«nan»", "нет числа"}},
    {"longitude inf", [](ChartForm& f) { f.Edit3 = "-inf"; }, {"в долготе «-inf»", "нет числа"}},
    {"latitude > 90", [](ChartForm& f) { f.Edit2 = "95.30"; }, {"широта «95.30»", "от -90 до 90"}},
    {"latitude < -90", [](ChartForm& f) { f.Edit2 = "-90.01"; }, {"«-90.01»", "как есть"}},
    {"longitude > 180", [](ChartForm& f) { f.Edit3 = "181"; }, {"долгота «181»", "от -180 до 180"}},
    {"longitude huge",
     [](ChartForm& f) { f.Edit3 = std::string(400, '9'); },
     {"слишком большое число", "…»"}},
    {"longitude too small", [](ChartForm& f) { f.Edit3 = "1e-400"; }, {"слишком малое число"}},
    {"latitude huge exponent", [](ChartForm& f) { f.Edit2 = "0.001e400"; }, {"слишком большое"}},
    {"latitude tiny decimals",
     [](ChartForm& f) { f.Edit2 = "0." + std::string(400, '0') + "1"; },
     {"слишком малое число"}},
    {"latitude comma",
     [](ChartForm& f) { f.Edit2 = "56,01"; },
     {"в широте «56,01» запятая", "до нее: 56."}},
    {"longitude comma", [](ChartForm& f) { f.Edit3 = "92,45"; }, {"до нее: 92.", "точка"}},
    {"latitude trailing text",
     [](ChartForm& f) { f.Edit2 = "56.01 с.ш."; },
     {"после числа стоит «с.ш.»", "взято число 56.01"}},
    {"year letters",
     [](ChartForm& f) { f.SpinEdit1.Type("abcd"); },
     {"«Год» «abcd»", "взято 1880"}},
    {"year below range",
     [](ChartForm& f) { f.SpinEdit1.Type("999"); },
     {"«Год» число 999", "от 1880 до 2050"}},
    {"day 45", [](ChartForm& f) { f.SpinEdit2.Type("45"); }, {"«День» число 45", "как есть"}},
    {"day empty", [](ChartForm& f) { f.SpinEdit2.Type(""); }, {"«День» «»", "взято 1"}},
    {"hour letters", [](ChartForm& f) { f.SpinEdit3.Type("x"); }, {"«Час» «x»", "взято 0"}},
    {"minute beyond int",
     [](ChartForm& f) { f.SpinEdit4.Type("99999999999"); },
     {"«Минуты»", "взято 0"}},
};

} // namespace

TEST(UnreadableInput, GoodFormsRaiseNothing) {
    EXPECT_TRUE(UnreadableFormInput(GoodForm(), kFirstChartFormName).empty());
    for (const char* lat : {"56.01", "-5.30", "+7.05", " 90", "-90", "0", "1e1", "56.01  "}) {
        ChartForm f = GoodForm();
        f.Edit2 = lat;
        f.Edit3 = "-180.00";
        EXPECT_TRUE(UnreadableFormInput(f, kFirstChartFormName).empty()) << lat;
    }
    ChartForm ends = GoodForm();
    ends.SpinEdit1.SetValue(2050);
    ends.SpinEdit2.SetValue(31);
    ends.SpinEdit3.SetValue(23);
    ends.SpinEdit4.SetValue(60);
    EXPECT_TRUE(UnreadableFormInput(ends, kFirstChartFormName).empty());
}

TEST(UnreadableInput, EachBadFieldIsNamedOnceAndTheChartStaysAsDesigned) {
    for (const BadInput& c : kBadInputs) {
        State s;
        s.ID1 = GoodForm();
        c.spoil(s.ID1);
        const ChartMoment expected = MomentOf(s.ID1);
        // A command reads the form many times; the user is told once.
        ReadChartInput(s, 1);
        ReadChartInput(s, 3);
        ReadChartInput(s, 1);
        ASSERT_EQ(s.Warnings.size(), 1u) << c.what;
        const std::string& m = s.Warnings[0];
        EXPECT_THAT(m, HasSubstr("«Исходные-Данные»")) << c.what;
        for (const char* piece : c.inMessage) EXPECT_THAT(m, HasSubstr(piece)) << c.what;
        // The computed moment is exactly the one the conversion rules give.
        EXPECT_EQ(s.moment.year, expected.year) << c.what;
        EXPECT_EQ(s.moment.month, expected.month) << c.what;
        EXPECT_EQ(s.moment.day, expected.day) << c.what;
        EXPECT_EQ(s.moment.hour, expected.hour) << c.what;
        EXPECT_EQ(s.moment.minute, expected.minute) << c.what;
        EXPECT_EQ(s.moment.latitude, expected.latitude) << c.what;
        EXPECT_EQ(s.moment.longitude, expected.longitude) << c.what;
    }
}

TEST(UnreadableInput, SecondFormIsNamedAndMomentOfReportsThroughItsList) {
    State s;
    s.ID2.Edit2 = "56,01"; // and no month chosen, as at start
    ReadChartInput(s, 2);
    ReadChartInput(s, 4);
    ASSERT_EQ(s.Warnings.size(), 2u);
    for (const auto& m : s.Warnings) EXPECT_THAT(m, HasSubstr("«2 -я Карта»"));
    EXPECT_EQ(s.moment.latitude, 56);
    EXPECT_EQ(s.moment.month, 0);

    std::vector<std::string> w;
    const ChartMoment m = MomentOf(s.ID2, w);
    EXPECT_EQ(w, s.Warnings);
    EXPECT_EQ(m.latitude, 56);
    const ChartForm& asFirst = s.ID2;
    std::vector<std::string> w1;
    MomentOf(asFirst, w1);
    EXPECT_THAT(w1.at(0), HasSubstr("«Исходные-Данные»"));
    // Kinds that read no form add nothing.
    State t;
    ReadChartInput(t, 5);
    EXPECT_TRUE(t.Warnings.empty());
}

TEST(UnreadableInput, LeadingNumberEndAgreesWithLeadingNumber) {
    for (const char* text : {"56.01", "  -5.30x", "+.5", "1e5e", "1e+", "12,5", ".", "-", "", "abc",
                             "\t7.", "3.e2", "1E-2 ", "00012"}) {
        const std::string t = text;
        const size_t end = LeadingNumberEnd(t);
        EXPECT_EQ(LeadingNumber(t), LeadingNumber(t.substr(0, end))) << text;
        if (end < t.size()) {
            EXPECT_EQ(LeadingNumberEnd(t.substr(0, end)), end) << text;
        }
    }
    EXPECT_EQ(LeadingNumberEnd("nan"), 0u);
    EXPECT_EQ(LeadingNumberEnd("56,01"), 2u);
}

TEST(PersonRecordLimits, HugeCoordinateLineLoadsWithoutCrashing) {
    // This line overflowed the stack of the coordinate check when double-clicked.
    for (const std::string& coordinate : {std::string(40000, '9') + ".12", std::string(40000, '9'),
                                          "-" + std::string(40000, '5'), std::string(40000, '.')}) {
        ChartForm f;
        LoadPersonRecord("М ; 5. 3.1980 9:5 " + coordinate + " 92.45 Long", f);
        EXPECT_LE(f.Edit2.size(), kCoordinateMaxLength);
        EXPECT_EQ(f.Edit3, "92.45");
        EXPECT_EQ(f.Edit1, "Long");
        EXPECT_EQ(f.SpinEdit2.Value(), 5);
    }
    ChartForm f;
    LoadPersonRecord("Ж ; 1. 1.1990 0:0 56.01 92.45 " + std::string(300, 'x') + "Я", f);
    EXPECT_EQ(f.Edit1, std::string(kNameMaxLength, 'x'));
    // The cut counts characters and never splits a letter.
    LoadPersonRecord("Ж ; 1. 1.1990 0:0 56.01 92.45 " + std::string(kNameMaxLength - 1, 'x') + "ЯЯ",
                     f);
    EXPECT_EQ(f.Edit1, std::string(kNameMaxLength - 1, 'x') + "Я");
}

TEST(PersonRecordLimits, TooLongRecordsAreRefused) {
    ChartForm f = GoodForm();
    f.Edit1 = std::string(kNameMaxLength, 'N');
    f.Edit2 = std::string(kCoordinateMaxLength, '5');
    f.Edit3 = std::string(kCoordinateMaxLength, '9');
    f.SpinEdit2.Type("-2147483648");
    f.SpinEdit3.Type("-2147483648");
    f.SpinEdit4.Type("-2147483648");
    // Every field at its longest still fits one line.
    EXPECT_NO_THROW(CheckPersonRecordStorable(BuildPersonRecord(f)));
    EXPECT_LE(BuildPersonRecord(f).size(), kPersonRecordMaxLength);
    try {
        CheckPersonRecordStorable("М ; " + std::string(kPersonRecordMaxLength, 'x'));
        ADD_FAILURE() << "a line longer than the file's line format was accepted";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("длиннее 255 знаков"));
    }
    // Cyrillic letters count once each, not by their bytes.
    std::string cyrillic;
    for (int i = 0; i < 200; ++i) cyrillic += "Я";
    EXPECT_NO_THROW(CheckPersonRecordStorable(cyrillic));
}
