// The grid operations that compute their charts (the drawing itself is separation_grid.cpp).
#include "app/state.h"
#include "aspects/separation_grid.h"
#include "astro/chart_moment.h"
#include "drawing/chart_drawing.h"

namespace omvera {

void DrawSeparationGrid(State& state, Canvas& canvas, int n) {
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
