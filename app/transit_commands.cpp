#include "app/transit_commands.h"

#include "app/aspect_table.h"
#include "app/chart_state.h"
#include "app/state.h"
#include "base/errors.h"
#include "input/chart_form.h"
#include "input/form_warnings.h"
#include "input/settings_forms.h"

#include <algorithm>

namespace omvera {
namespace {

// The user's aspect angles in their order (the first ten rows).
std::vector<double> UserAspectAngles(State& state) {
    int count = 0;
    std::array<double, kAspectCapacity> angles{};
    try {
        ReadAspectTable(state, count, angles);
    } catch (const Error&) {
        // The row that failed stays selected in the dialog.
        const auto& rows = state.AspUst.ListBox1;
        const int k = state.AspUst.ListBox1Index;
        const std::string text = k >= 0 && k < static_cast<int>(rows.size()) ? rows[k] : "";
        throw Error("Угол аспекта \"" + text +
                    "\" в таблице аспектов не является числом. Исправьте или удалите эту строку "
                    "в окне «Установка Аспектов».");
    }
    return {angles.begin(), angles.begin() + std::clamp(count, 0, kAspectCapacity)};
}

} // namespace

ReportInputs TransitInputs(State& state) {
    ReportInputs in;
    for (int n = 1; n <= 16; ++n) RefreshPoint(state, n, in.included);
    const HouseSystem system = ChosenHouseSystem(state.Dom);
    in.first = ComputeChart(MomentOf(state.ID1), system);
    in.second = ComputeChart(MomentOf(state.ID2), system);
    in.orbs = state.PointOrbs;
    FixAngleOrbs(in);
    state.PointOrbs[kAscendantPoint] = state.PointOrbs[kMcPoint] = 1.0;

    for (int n = 1; n <= 16; ++n) {
        state.FirstPoints[n] = in.first.bodies[n];
        state.SecondPoints[n] = in.second.bodies[n];
        state.BodyPositions[n] = in.second.bodies[n];
    }
    state.HouseCusps = in.first.cusps;
    state.moment = in.second.moment;
    FoldTimeIntoDay(state.moment);
    if (!in.first.housesDefined) {
        std::string message =
            UndefinedHouseSystemMessage(static_cast<char>(system), in.first.moment.latitude);
        AddWarningOnce(state.Warnings, std::move(message));
    }
    return in;
}

void TransitAspectList(State& state) {
    const std::vector<double> angles = UserAspectAngles(state);
    const ReportInputs in = TransitInputs(state);
    for (std::string& line : TransitAspectLines(in, angles, state.TransitHouseMarks))
        state.Form1.RichEdit1Lines.push_back(std::move(line));
}

void RunTransitReport(State& state, ReportContext& ctx, bool medical) {
    const std::vector<double> angles = UserAspectAngles(state);
    const ReportInputs in = TransitInputs(state);
    TransitReport(ctx, in, angles, medical, state.TransitHouseMarks);
}

} // namespace omvera
