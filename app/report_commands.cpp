#include "app/report_commands.h"

#include "app/chart_kind.h"
#include "app/chart_state.h"
#include "app/directions_commands.h"
#include "app/state.h"
#include "app/transit_commands.h"
#include "aspects/points.h"
#include "astro/chart_moment.h"
#include "astro/names.h"
#include "input/chart_form.h"
#include "input/form_warnings.h"
#include "input/second_chart.h"
#include "input/settings_forms.h"
#include "reports/natal_report.h"
#include "reports/partner_waiting_report.h"
#include "reports/synastry_report.h"

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
        AddWarningOnce(state.Warnings, std::move(message));
    }
}

// The solar progression's move of TID2's date one day on and back (hour and minute stay).
// Where the move cannot come back to the same date (the year field clamps 2051 to 2050, a
// typed 31 February comes back as 3 March), the form keeps the date it showed.
void MoveReturnDateOnAndBack(ChartForm& form) {
    const ChartForm before = form;
    WriteDateToForm(form, FormMoment(form) + 1);
    WriteDateToForm(form, FormMoment(form) - 1);
    form.SpinEdit1 = before.SpinEdit1;
    form.ComboBox1 = before.ComboBox1;
    form.SpinEdit2 = before.SpinEdit2;
}

std::string SelectedMonthName(const ChartForm& form) {
    const int m = form.ComboBox1;
    return m >= 0 && m < static_cast<int>(kMonthNames.size()) ? kMonthNames[m] : "";
}

void ReturnHeading(State& state, ReportContext& ctx, ReturnKind kind) {
    const ChartForm& f = state.ID2;
    const std::string year = std::to_string(f.SpinEdit1.Value());
    if (kind == ReturnKind::Solar) {
        ctx.Add("Описание карты Солнечного возвращения  " + state.ID1.Edit1);
        ctx.Add("На  " + year + " год");
    } else {
        ctx.Add("Лунар  " + state.ID1.Edit1);
        ctx.Add("На  " + std::to_string(f.SpinEdit2.Value()) + " " + SelectedMonthName(f) + " " +
                year);
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

ReportInputs ReturnInputs(State& state, ReturnKind kind) {
    ReportInputs in = RadixInputs(state);
    in.second = ComputeChart(MomentOf(state.ID2), ChosenHouseSystem(state.Dom));
    if (kind == ReturnKind::Solar) MoveReturnDateOnAndBack(state.ID2);
    LeaveChartInState(state, in.second);
    return in;
}

namespace {

PointIncluded RefreshBodies(State& state) {
    PointIncluded included{};
    for (int n = 1; n <= 16; ++n) RefreshPoint(state, n, included);
    return included;
}

} // namespace

ReportInputs PartnerInputs(State& state) {
    ReportInputs in;
    in.included = RefreshBodies(state);
    in.orbs = state.PointOrbs;
    const HouseSystem system = ChosenHouseSystem(state.Dom);
    in.first = ComputeChart(MomentOf(state.ID1), system);
    in.second = ComputeChart(MomentOf(state.ID2), system);
    LeaveChartInState(state, in.first);
    LeaveChartInState(state, in.second);
    return in;
}

ReportInputs WaitingInputs(State& state) {
    const PointIncluded included = RefreshBodies(state);
    ReportInputs in = RadixInputs(state);
    in.included = included;
    in.orbs = state.PointOrbs;
    const ChartMoment natal = in.first.moment;
    state.moment = natal;
    state.moment.year = 2000;
    state.moment.month = 12;
    state.moment.day = 31;
    FoldTimeIntoDay(state.moment);
    state.BodyPositions[1] = ReferenceYearSun(12, 31, natal.hour, natal.minute);
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
    case ChartKindId::Solar:
    case ChartKindId::Lunar: {
        const ReturnKind kind =
            CurrentChartKind(state) == ChartKindId::Solar ? ReturnKind::Solar : ReturnKind::Lunar;
        ReturnHeading(state, ctx, kind);
        ReturnReport(ctx, ReturnInputs(state, kind), kind);
        break;
    }
    case ChartKindId::Transit:
    case ChartKindId::TransitMedical: {
        const SecondChartForm& f = state.ID2;
        const int day = f.SpinEdit2.Value(), month = f.Month(), year = f.SpinEdit1.Value();
        const std::string monthName = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "";
        ctx.Add("Транзит  " + state.ID1.Edit1);
        ctx.Add("На  " + std::to_string(day) + " " + monthName + " " + std::to_string(year) + " " +
                WeekdayName(day, month, year));
        ctx.Add({"  ", "  ", "  "});
        RunTransitReport(state, ctx, CurrentChartKind(state) == ChartKindId::TransitMedical);
        break;
    }
    case ChartKindId::SynastryPartnership:
    case ChartKindId::Erotic: {
        const bool erotic = CurrentChartKind(state) == ChartKindId::Erotic;
        CompatibilityReport(ctx, PartnerInputs(state), erotic ? kEroticFile : kPartnershipFile,
                            state.ID1.Edit1, state.ID2.Edit1);
        break;
    }
    case ChartKindId::SynastryKarma: {
        const PartnerSexes sexes{state.ID1.RadioButton1, state.ID1.RadioButton2,
                                 state.ID2.RadioButton1, state.ID2.RadioButton2};
        SynastryAnalysisReport(ctx, PartnerInputs(state), sexes, state.ID1.Edit1, state.ID2.Edit1);
        break;
    }
    case ChartKindId::SynastryWaiting:
        PartnerWaitingReport(ctx, WaitingInputs(state), state.ID1.RadioButton1, state.ID1.Edit1);
        break;
    case ChartKindId::Direction:
        DirectionsReportOfState(state, ctx);
        break;
    default:
        break; // no report of this kind
    }
}

} // namespace omvera
