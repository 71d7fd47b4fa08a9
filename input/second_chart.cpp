#include "input/second_chart.h"

#include "base/numbers.h"
#include "astro/chart_moment.h"
#include "input/chart_form.h"

#include <cmath>
#include <cstdio>

namespace omvera {
namespace {

// The caption of a label the arrangement empties: one blank.
const std::string kBlankLabel = " ";

constexpr double kOneMillisecond = 1.0 / 86400000.0;

long long Trunc(double v) {
    return TruncateToInteger(v);
}

// The piece of s up to and including `sep` is taken off s; its leading number is returned.
double TakeValue(std::string& s, char sep) {
    size_t p = s.find(sep);
    std::string piece = p == std::string::npos ? s : s.substr(0, p);
    s.erase(0, p == std::string::npos ? s.size() : p + 1);
    return LeadingNumber(piece);
}

void WriteDate(ChartForm& f, const CalendarDate& c) {
    f.SpinEdit1.SetValue(Trunc(c.year));
    f.SpinEdit2.SetValue(Trunc(std::trunc(c.day)));
    f.SetMonthIndex(Trunc(c.month - 1));
}

} // namespace

void ArrangeSecondChartNormal(SecondChartForm& f) {
    f.ComboBox1Visible = true;
    f.Label3 = "Месяц";
    f.SpinEdit2Visible = f.SpinEdit3Visible = f.SpinEdit4Visible = true;
    f.Label4 = "День";
    f.Label5 = "Час";
    f.Label6 = "Время по Гринвичу ";
    f.Label6Top = 120;
    f.Label7 = "Минут";
    f.Button1Visible = f.Button2Visible = true;
    f.Button3Visible = false;
    f.Label10Visible = false;
    f.Button4Visible = false;
    f.ListBox1Visible = false;
}

void ArrangeSecondChartSolar(SecondChartForm& f) {
    f.Edit1 = "Соляр";
    f.ComboBox1Visible = false;
    f.Label3 = "Выбери год Соляра";
    f.SpinEdit2Visible = f.SpinEdit3Visible = f.SpinEdit4Visible = false;
    f.Label4 = kBlankLabel;
    f.Label5 = kBlankLabel;
    f.Label6 = "Широта и долгота Соляра ";
    f.Label6Top = 160;
    f.Label7 = kBlankLabel;
    f.Button1Visible = f.Button2Visible = false;
    f.Button3Visible = true;
    f.ListBox1Visible = false;
}

void ArrangeSecondChartLunar(SecondChartForm& f) {
    f.Edit1 = "Лунар";
    f.ComboBox1Visible = true;
    f.SpinEdit2Visible = f.SpinEdit3Visible = f.SpinEdit4Visible = false;
    f.Label4 = kBlankLabel;
    f.Label5 = kBlankLabel;
    f.Label6 = "Широта и долгота Лунара ";
    f.Label6Top = f.Label9Top - 20;
    f.Label7 = kBlankLabel;
    f.Button1Visible = f.Button2Visible = false;
    f.Button3Visible = false;
    f.Label10Visible = true;
    f.Button4Visible = true;
    f.ListBox1Visible = true;
}

double FormMoment(const ChartForm& f) {
    const double d =
        f.SpinEdit2.Value() + f.SpinEdit3.Value() / 24.0 + f.SpinEdit4.Value() / 1440.0;
    return JulianDay(d, f.Month(), f.SpinEdit1.Value());
}

void WriteDateToForm(ChartForm& f, double jd) {
    WriteDate(f, CalendarFromJulianDay(jd + kOneMillisecond));
}

void WriteMomentToForm(ChartForm& f, double jd) {
    const CalendarDate c = CalendarFromJulianDay(jd + kOneMillisecond);
    WriteDate(f, c);
    const double H = (c.day - std::trunc(c.day)) * 24;
    f.SpinEdit3.SetValue(Trunc(std::trunc(H)));
    f.SpinEdit4.SetValue(Trunc((H - std::trunc(H)) * 60));
}

void StepFormMoment(ChartForm& f, double days) {
    WriteMomentToForm(f, FormMoment(f) + days);
}

std::string LunarListLine(double jd) {
    const CalendarDate c = CalendarFromJulianDay(jd + kOneMillisecond);
    const double wholeDay = std::trunc(c.day);
    const double H = (c.day - wholeDay) * 24;
    const long long minute = std::llround((H - std::trunc(H)) * 60);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%3lld.%2lld.%4lld   %2lld:%2lld", Trunc(wholeDay),
                  Trunc(c.month), Trunc(c.year), Trunc(H), minute);
    return buf;
}

void LoadLunarListLine(const std::string& line, ChartForm& f) {
    std::string s = line;
    f.SpinEdit2.SetValue(Trunc(TakeValue(s, '.')));
    f.SetMonthIndex(Trunc(TakeValue(s, '.') - 1));
    // The year ends at the first blank after it; leading blanks are skipped.
    size_t b = s.find_first_not_of(' ');
    s.erase(0, b == std::string::npos ? s.size() : b);
    f.SpinEdit1.SetValue(Trunc(TakeValue(s, ' ')));
    f.SpinEdit3.SetValue(Trunc(TakeValue(s, ':')));
    f.SpinEdit4.SetValue(Trunc(LeadingNumber(s)));
}

} // namespace omvera
