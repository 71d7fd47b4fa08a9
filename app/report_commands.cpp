#include "app/report_commands.h"

#include "app/chart_kind.h"
#include "app/directions_commands.h"
#include "app/state.h"
#include "input/chart_form.h"
#include "input/settings_forms.h"
#include "reports/natal_report.h"

#include <algorithm>

namespace omvera {
namespace {

// The one place where a report's computation becomes visible in the state: the arrays hold
// the chart last computed, as the engine's entry points leave them.
void LeaveChartInState(State& state, const Chart& chart) {
    state.moment = chart.moment;
    FoldTimeIntoDay(state.moment);
    for (int n = 1; n <= 16; ++n) state.BodyPositions[n] = chart.bodies[n];
    if (!chart.housesDefined) {
        std::string message = UndefinedHouseSystemMessage(
            static_cast<char>(ChosenHouseSystem(state.Dom)), chart.moment.latitude);
        if (std::find(state.Warnings.begin(), state.Warnings.end(), message) ==
            state.Warnings.end())
            state.Warnings.push_back(std::move(message));
    }
}

} // namespace

ReportInputs RadixInputs(State& state) {
    ReportInputs in;
    in.first = ComputeChart(MomentOf(state.ID1), ChosenHouseSystem(state.Dom));
    in.orbs = state.PointOrbs;
    LeaveChartInState(state, in.first);
    return in;
}

void Button4Click(State& state, ChartCanvases&, std::vector<SearchRecord>* searches) {
    MainWindowModel& f = state.Form1;
    f.RichEdit1Lines.clear();
    f.Image1Visible = false;
    f.Button4Visible = false;
    f.Button5Visible = true;
    f.Button6Visible = true;
    f.RichEdit1Visible = true;
    LayoutMainWindow(f);

    AppendingLineSink sink(f.RichEdit1Lines);
    ReportContext ctx(state.ProgramFolder, sink, searches);
    switch (CurrentChartKind(state)) {
    case ChartKindId::Radix:
    case ChartKindId::RadixChild: {
        const bool child = CurrentChartKind(state) == ChartKindId::RadixChild;
        NatalReport(ctx, RadixInputs(state), child, state.ID1.Edit1);
        break;
    }
    case ChartKindId::Direction:
        DirectionsReportOfState(state, ctx);
        break;
    default:
        break; // no report of this kind
    }
}

} // namespace omvera
