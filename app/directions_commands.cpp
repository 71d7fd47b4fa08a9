#include "app/directions_commands.h"

#include "app/aspect_table.h"
#include "app/chart_commands.h"
#include "app/chart_drawing.h"
#include "app/chart_kind.h"
#include "app/chart_state.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "aspects/aspect_scan.h"
#include "astro/chart_moment.h"
#include "base/numbers.h"
#include "drawing/canvas.h"
#include "drawing/wheel.h"
#include "reports/directions_report.h"

#include <cmath>

namespace omvera {

void Dat2FormActivate(State& state, const LocalNow& now) {
    state.Dat2.DateEdit1 = FormatDirectionDate({now.Day, now.Month, now.Year});
}

Directions DirectToDialogDate(State& state, const BodyArray& radixBodies,
                              const CuspArray& radixCusps) {
    const CalendarDay target = ParseDirectionDate(state.Dat2.DateEdit1);
    const ChartForm& f = state.ID1;
    const CalendarDay birth{f.SpinEdit2.Value(), f.Month(), f.SpinEdit1.Value()};
    const Directions d = DirectChart(radixBodies, radixCusps, DirectionIncrement(target, birth));
    state.DirectionDate = {target.day, target.month, target.year};
    for (int n = 1; n <= 16; ++n) {
        state.DirectedPositions[n] = d.bodies[n];
        state.DirectionRadix[n] = d.radixBodies[n];
    }
    for (int q = 1; q <= 12; ++q) state.DirectedCusps[q] = d.cusps[q];
    state.DirectionComputed = true;
    return d;
}

namespace {

// Steps of "Расчет" for the chart kind "Дирекция": the radix wheel, the directions, their
// listing, the directed bodies and column.
void DrawDirectedChart(State& state, Canvas& image) {
    MainWindowModel& f = state.Form1;
    image.Rectangle(0, 0, image.Width(), image.Height());
    DrawWheel(state, image);
    ReadChartInput(state, 1);
    ComputeAllBodies(state);
    BodyArray radix{};
    for (int n = 1; n <= 16; ++n) radix[n] = state.BodyPositions[n];
    CuspArray cusps{};
    ComputeHouses(state, 1, CurrentHouseLetter(state), cusps);
    DrawChartHeader(state, image, ChartSlot::First);
    DrawHouses(state, image, ChartSlot::First);
    f.Image1Visible = true;
    f.Button4Visible = true;
    f.RichEdit1Visible = false;
    f.ScanVisible = false;
    f.Button5Visible = false;
    f.Button6Visible = false;

    const Directions d = DirectToDialogDate(state, radix, cusps);
    for (std::string& line : DirectionListing(d)) f.RichEdit1Lines.push_back(std::move(line));
    DrawChartHeader(state, image, ChartSlot::Directed, state.Dat2.DateEdit1);
    DrawPositionTable(state, image, TablePlace::DirectedBeside);
}

} // namespace

void Dat2Button1Click(State& state, ChartCanvases& canvases) {
    state.Views.Dat2Visible = false;
    Canvas& image = canvases.Image1;
    if (CurrentChartKind(state) == ChartKindId::Direction) DrawDirectedChart(state, image);

    const int r = static_cast<int>(std::trunc(image.Height() * 0.4L * 0.35L));
    AspectRows rows;
    ReadAspectTable(state, rows.count, rows.angles);
    PointIncluded included{};
    for (int p = 1; p <= 16; ++p) RefreshPoint(state, p, included);
    auto& lines = state.Form1.RichEdit1Lines;
    lines.push_back(" Расчет аспектов дирекционных к радикс");
    if (!state.DirectionComputed) return;

    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j) {
            const double directed = state.DirectedPositions[i], radix = state.DirectionRadix[j];
            const double m = (state.PointOrbs[i] + state.PointOrbs[j]) / 2;
            const double d = Separation(radix, directed);
            for (int k = 0; k < rows.count; ++k) {
                const double a = rows.angles[k];
                if (!(a - m < d && d < a + m && included[i] && included[j])) continue;
                lines.push_back(std::string(" Дирекц.  ") + BodyLabels[i] + " " +
                                FormatFixed(d, 4, 1) + " к " + BodyLabels[j]);
                DrawAspectLine(image, r, state.AspectColours[k], directed, radix);
            }
        }
}

void DirectionsReportOfState(State& state, ReportContext& ctx) {
    MainWindowModel& f = state.Form1;
    ReportInputs in = RadixInputs(state);
    f.RichEdit1Visible = true;
    f.Button5Visible = true;
    f.Button6Visible = true;
    f.Image1Visible = false;
    f.ScanVisible = false;
    f.Button4Visible = false;
    const Directions d = DirectToDialogDate(state, in.first.bodies, in.first.cusps);
    in.second.bodies = d.bodies;
    in.second.cusps = d.cusps;
    DirectionsReport(ctx, in,
                     {d.increment, state.Dat2.RadioButton1, state.Dat2.RadioButton2,
                      state.ID1.Edit1, state.Dat2.DateEdit1});
}

} // namespace omvera
