#include "app/chart_drawing.h"

#include "app/chart_state.h"
#include "app/state.h"
#include "drawing/canvas.h"
#include "drawing/glyphs.h"
#include "drawing/separation_grid.h"
#include "drawing/wheel.h"

#include <cmath>

namespace omvera {

namespace {

BodyLongitudes CurrentPositions(const State& state) {
    BodyLongitudes L{};
    for (int i = 1; i <= 16; ++i) L[i] = state.BodyPositions[i];
    return L;
}

void CopyDirectedPositions(State& state) {
    for (int i = 1; i <= 16; ++i) state.BodyPositions[i] = state.DirectedPositions[i];
}

} // namespace

void DrawWheel(State& state, Canvas& canvas) {
    DrawWheel(state.Drawing, canvas);
}

void LoadGlyphs(State& state) {
    LoadGlyphs(state.ProgramFolder, state.Drawing, state.Warnings);
}

void DrawChartHeader(State& state, Canvas& canvas, ChartSlot chart,
                     std::string_view directionDate) {
    const int n = static_cast<int>(chart);
    if (n < 1 || n > 3) return;
    ComputeDailyMotion(state, n);
    DrawHeaderTexts(state.ID1, state.ID2, canvas, n, directionDate);
    DrawBodies(state, canvas, chart);
}

void DrawBodies(State& state, Canvas& canvas, ChartSlot chart) {
    const int n = static_cast<int>(chart);
    if (n < 1 || n > 3) return;
    ReadChartInput(state, n);
    if (n == 3)
        CopyDirectedPositions(state);
    else
        ComputeAllBodies(state);
    DrawBodiesAt(state.Drawing, state.PlanUst, canvas, n, CurrentPositions(state));
}

void DrawPositionTable(State& state, Canvas& canvas, TablePlace place) {
    const int n = static_cast<int>(place);
    if (n < 1 || n > 5) return;
    if (n != 5)
        ComputeDailyMotion(state, n);
    else
        for (int i = 1; i <= 16; ++i) state.DailyMotion[i] = 1.0;
    int x0 = static_cast<int>(std::trunc(canvas.Width() - 220.0));
    int y = 20;
    if (n == 1 || n == 2) DrawTitleLines(state.ID1, canvas);
    if (n == 3 || n == 4) x0 = 10, y = 10;
    if (n == 5) {
        CopyDirectedPositions(state);
    } else {
        ReadChartInput(state, n);
        ComputeAllBodies(state);
    }
    DrawPositionRows(state.Drawing, state.PlanUst, canvas, x0, y, CurrentPositions(state),
                     state.DailyMotion);
}

void DrawHouses(State& state, Canvas& canvas, ChartSlot chart) {
    const int n = static_cast<int>(chart);
    if (n != 1 && n != 2) return;
    ReadChartInput(state, n);
    std::array<double, 13> cusps{};
    ComputeHouses(state, n, CurrentHouseLetter(state), cusps);
    DrawHousesAt(state.Drawing, canvas, n, cusps);
}

void DrawHouseTable(State& state, Canvas& canvas, TablePlace place) {
    const int n = static_cast<int>(place);
    if (n < 1 || n > 4) return;
    const char letter = CurrentHouseLetter(state);
    std::array<double, 13> cusps{};
    ComputeHouses(state, n, letter, cusps);
    DrawHouseTableAt(canvas, n, letter, cusps);
}

void DrawGridHeaders(State& state, Canvas& canvas) {
    DrawGridHeaders(state.Drawing, canvas);
}

void DrawSeparationGrid(State& state, Canvas& canvas, ChartSlot chart) {
    const int n = static_cast<int>(chart);
    if (n != 1 && n != 2) return;
    ReadChartInput(state, n);
    ComputeAllBodies(state);
    DrawSeparationCells(canvas, state.BodyPositions);
}

void DrawMutualGrid(State& state, Canvas& canvas) {
    ReadChartInput(state, 1);
    ComputeAllBodies(state);
    for (int i = 1; i <= 16; ++i) state.FirstPoints[i] = state.BodyPositions[i];
    ReadChartInput(state, 2);
    ComputeAllBodies(state);
    for (int i = 1; i <= 16; ++i) state.SecondPoints[i] = state.BodyPositions[i];
    DrawMutualCells(canvas, state.SecondPoints, state.FirstPoints);
}

} // namespace omvera
