#include "app/chart_state.h"

#include "app/state.h"
#include "aspects/points.h"
#include "base/numbers.h"
#include "input/form_warnings.h"

#include <algorithm>

namespace omvera {

namespace {

// A command that computes the same chart several times tells the user once.
void WarnOnce(State& state, std::string message) {
    AddWarningOnce(state.Warnings, std::move(message));
}

const ChartForm* FormOfKind(const State& state, int kind) {
    if (kind == 1 || kind == 3) return &state.ID1;
    if (kind == 2 || kind == 4) return &state.ID2;
    return nullptr;
}

} // namespace

void ReadChartInput(State& state, int kind) {
    // The overloads of MomentOf name the window whose fields are not read as typed.
    if (kind == 1 || kind == 3)
        state.moment = MomentOf(state.ID1, state.Warnings);
    else if (kind == 2 || kind == 4)
        state.moment = MomentOf(state.ID2, state.Warnings);
}

void ComputeBody(State& state, int n) {
    FoldTimeIntoDay(state.moment);
    ComputeBodyInto(state.moment, n, state.BodyPositions);
}

void ComputeAllBodies(State& state) {
    FoldTimeIntoDay(state.moment);
    state.BodyPositions = ComputeFoldedBodies(state.moment);
}

void ComputeHouses(State& state, int kind, char letter, std::array<double, 13>& cusps) {
    const ChartForm* form = FormOfKind(state, kind);
    if (!form) return;
    // The form's fields as they stand: the day as a whole number, the clock time separately.
    const ChartMoment m = MomentOf(*form);
    // The equal systems from the Sun or the Moon take the body of the chart moment the caller
    // loaded (the same chart, read with ReadChartInput first).
    double sunOrMoon = 0;
    if (letter == 'S' || letter == 'L') {
        const int body = letter == 'S' ? Sun : Moon;
        ComputeBody(state, body);
        sunOrMoon = state.BodyPositions[body];
    }
    if (!ComputeCusps(m, letter, sunOrMoon, cusps))
        WarnOnce(state, UndefinedHouseSystemMessage(letter, m.latitude));
}

Chart LoadChart(State& state, int kind, HouseSystem system) {
    ReadChartInput(state, kind);
    Chart chart = ComputeChart(state.moment, system);
    FoldTimeIntoDay(state.moment);
    state.BodyPositions = chart.bodies;
    if (!chart.housesDefined)
        WarnOnce(state,
                 UndefinedHouseSystemMessage(static_cast<char>(system), chart.moment.latitude));
    return chart;
}

char CurrentHouseLetter(const State& state) {
    return static_cast<char>(ChosenHouseSystem(state.Dom));
}

void ComputeDailyMotion(State& state, int n) {
    ReadChartInput(state, n);
    ComputeAllBodies(state);
    for (int i = 1; i <= 16; ++i) state.FirstPoints[i] = state.BodyPositions[i];
    state.moment.day += 1;
    ComputeAllBodies(state);
    for (int i = 1; i <= 16; ++i) {
        state.SecondPoints[i] = state.BodyPositions[i];
        double d = state.SecondPoints[i] - state.FirstPoints[i];
        if (d < -300) d += 360;
        if (d > 300) d -= 360;
        state.DailyMotion[i] = d;
    }
    ReadChartInput(state, n);
}

void RefreshPoint(State& state, int point, PointIncluded& included) {
    if (point < 0 || point > kPointCount) return;
    included[point] = 0;
    if (!PointSwitchedOn(state.PlanUst, point)) return;
    if (point <= 16) ComputeBody(state, point);
    state.PointOrbs[point] = LeadingNumber(state.PlanUst.Edit[PointSettingsRow(point)]);
    included[point] = 1;
}

void ReadScanStep(State& state) {
    for (size_t i = 1; i < kScanSteps.size(); ++i)
        if (state.Hsk.RadioButton[i]) state.ScanStep = kScanSteps[i];
}

} // namespace omvera
