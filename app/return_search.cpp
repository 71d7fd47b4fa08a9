#include "app/return_search.h"

#include "app/chart_state.h"
#include "app/state.h"
#include "base/errors.h"
#include "input/second_chart.h"

#include <algorithm>
#include <cmath>

namespace omvera {
namespace {

// Bracketing steps one pass of the lunar search may take before it gives up; a pass needs
// a few dozen, so this only stops a search whose form cannot move on (the year field is at
// its upper bound).
constexpr int kLunarStepBound = 20000;

double NatalLongitude(State& s, int body) {
    ReadChartInput(s, 1);
    ComputeBody(s, body);
    return s.BodyPositions[body];
}

// The longitude of the body for the moment the second chart form holds.
double AtForm(State& s, int body) {
    ReadChartInput(s, 2);
    ComputeBody(s, body);
    return s.BodyPositions[body];
}

// Writes a lunar search sample into the form. A moment the form cannot hold (its year
// field stops at 1880 and 2050 while day and month go on) would send the search back by a
// year, so the search ends there instead of listing returns of another year.
void WriteSample(State& s, double jd) {
    WriteMomentToForm(s.ID2, jd);
    if (std::fabs(FormMoment(s.ID2) - jd) > 2.0 / 1440)
        throw Error("Лунар не найден: поиск от выбранного месяца вышел за пределы диапазона "
                    "дат формы (1880–2050); найденные возвращения Луны остаются в списке.");
}

double AtMoment(State& s, int body, double jd) {
    WriteSample(s, jd);
    return AtForm(s, body);
}

// Where the line through (x1, y1) and (x2, y2) reaches y0. The crossing-of-zero form is
// kept; the direct form stands in where it would divide by zero.
double Interpolate(double x1, double y1, double x2, double y2, double y0) {
    if (y2 == y1) return x1;
    if (y2 == 0) return x1 + (y0 - y1) * (x2 - x1) / (y2 - y1);
    const double z = (x1 * y2 - x2 * y1) / (y2 - y1);
    return z + y0 * (x2 - z) / y2;
}

} // namespace

double SameTurn(double a, double reference) {
    if (!std::isfinite(a) || !std::isfinite(reference)) return a;
    while (a - reference > 180) a -= 360;
    while (a - reference < -180) a += 360;
    return a;
}

void SolarReturnSearch(State& s) {
    SecondChartForm& f = s.ID2;
    const double natal = NatalLongitude(s, 1);
    f.Edit1 = "Соляр";
    f.SetMonthIndex(s.ID1.ComboBox1);
    f.SpinEdit2.SetValue(s.ID1.SpinEdit2.Value());
    f.SpinEdit3.SetValue(s.ID1.SpinEdit3.Value());
    f.SpinEdit4.SetValue(s.ID1.SpinEdit4.Value());

    const double j1 = FormMoment(f);
    const double l1 = AtForm(s, 1);
    WriteDateToForm(f, j1 + 1);
    // At the end of the range the next day cannot be written (the year field stops at 2050):
    // the second sample is then taken a day earlier.
    if (std::fabs(FormMoment(f) - (j1 + 1)) > 0.5) WriteDateToForm(f, j1 - 1);
    const double j2 = FormMoment(f);
    // Samples and the natal longitude are compared in one turn of the circle, whichever
    // side of 0° each lies on.
    const double l2 = SameTurn(AtForm(s, 1), l1);
    WriteMomentToForm(f, Interpolate(j1, l1, j2, l2, SameTurn(natal, l1)));

    for (int round = 0; round < 5; ++round) {
        const double target = NatalLongitude(s, 1);
        const double h1 = f.SpinEdit3.Value() + f.SpinEdit4.Value() / 60.0;
        const double s1 = AtForm(s, 1);
        // The second sample an hour later, or an hour earlier late in the day.
        const int hour = f.SpinEdit3.Value();
        f.SpinEdit3.SetValue(hour >= 23 ? hour - 1 : hour + 1);
        const double h2 = f.SpinEdit3.Value() + f.SpinEdit4.Value() / 60.0;
        const double s2 = SameTurn(AtForm(s, 1), s1);
        if (h2 == h1 || s2 == s1) break; // nothing to interpolate: keep the last moment
        // One millisecond guards the truncation against rounding just below a minute.
        const double h = Interpolate(h1, s1, h2, s2, SameTurn(target, s1)) + 1.0 / 3600000.0;
        if (!std::isfinite(h)) break;
        if (h < 0) f.SpinEdit2.SetValue(f.SpinEdit2.Value() - 1);
        if (h > 24) f.SpinEdit2.SetValue(f.SpinEdit2.Value() + 1);
        const double wholeHours = std::trunc(h);
        f.SpinEdit3.SetValue(static_cast<long long>(std::clamp(wholeHours, -1.0, 25.0)));
        f.SpinEdit4.SetValue(static_cast<long long>(std::trunc((h - wholeHours) * 60)));
    }
}

void LunarReturnSearch(State& s) {
    SecondChartForm& f = s.ID2;
    const double natal = NatalLongitude(s, 2);
    f.Edit1 = "Лунар";
    WriteSample(s, FormMoment(f) - 50);

    for (int pass = 0; pass < 3; ++pass) {
        double step = 1;
        WriteSample(s, FormMoment(f) + 20);
        int steps = 0;
        for (;;) {
            // Bracket: two samples a step apart with the natal longitude between them.
            const double t = FormMoment(f);
            const double la = AtMoment(s, 2, t);
            const double lb = SameTurn(AtMoment(s, 2, FormMoment(f) + step), la);
            const double target = SameTurn(natal, la);
            if (++steps > kLunarStepBound)
                throw Error("Лунар не найден: от выбранного месяца возвращение Луны на её "
                            "натальную долготу найти не удалось (поиск дошёл до предела "
                            "диапазона дат).");
            if ((target - la) * (target - lb) >= 0) continue;
            // Back to the bracket's start with a third of the step, until that start lies
            // within a degree of the natal longitude.
            const double t3 = FormMoment(f) - step;
            step /= 3;
            const double lc = AtMoment(s, 2, t3);
            if (std::fabs(lc - SameTurn(natal, lc)) >= 1) continue;
            break;
        }
        const double t = FormMoment(f);
        const double t2 = t + step;
        const double la = AtMoment(s, 2, t);
        const double lb = SameTurn(AtMoment(s, 2, t2), la);
        const double fSlope = (lb - la) / (t2 - t);
        const double target = SameTurn(natal, la);
        const double j = fSlope != 0 ? (target - (la - fSlope * t)) / fSlope : t;
        AtMoment(s, 2, j);
        f.ListBox1.push_back(LunarListLine(j));
    }
}

} // namespace omvera
