#include "aspects/aspect_lines.h"

#include "app/state.h"
#include "aspects/aspect_scan.h"
#include "astro/chart_moment.h"
#include "astro/engine.h"
#include "drawing/canvas.h"
#include "drawing/chart_drawing.h"
#include "drawing/wheel.h"

#include <cmath>

namespace omvera {

namespace {

// Radius, rows, colours and switches of a scan.
struct ScanSetup {
    int ra = 0;
    AspectRows rows;
    PointIncluded included{};
};

ScanSetup PrepareScan(State& state, const Canvas& canvas) {
    ScanSetup s;
    s.ra = static_cast<int>(std::trunc(canvas.Height() * 0.4L * 0.35L));
    ReadAspectTable(state, s.rows.count, s.rows.angles);
    for (int p = 1; p <= kPointCount; ++p) RefreshPoint(state, p, s.included);
    return s;
}

// Bodies of chart `kind` into points 1..16 and its Ascendant and MC into 17 and 18.
void ChartPoints(State& state, int kind, char letter, PointLongitudes& points) {
    ReadChartInput(state, kind);
    ComputeAllBodies(state);
    for (int i = 1; i <= 16; ++i) points[i] = state.BodyPositions[i];
    std::array<double, 13> cusps{};
    ComputeHouses(state, kind, letter, cusps);
    points[kAscendantPoint] = cusps[1];
    points[kMcPoint] = cusps[10];
}

} // namespace

void DrawChartAspects(State& state, Canvas& canvas) {
    const ScanSetup s = PrepareScan(state, canvas);
    PointLongitudes points{};
    ChartPoints(state, 1, CurrentHouseLetter(state), points);
    ScanChartAspects(points, s.included, state.PointOrbs, s.rows, [&](int k, double a, double b) {
        DrawAspectLine(canvas, s.ra, state.AspectColours[k], a, b);
    });
}

void DrawMutualAspects(State& state, Canvas& canvas) {
    const ScanSetup s = PrepareScan(state, canvas);
    const char letter = CurrentHouseLetter(state);
    ChartPoints(state, 1, letter, state.FirstPoints);
    ChartPoints(state, 2, letter, state.SecondPoints);
    ScanMutualAspects(state.FirstPoints, state.SecondPoints, s.included, state.PointOrbs, s.rows,
                      [&](int k, double a, double b) {
                          DrawAspectLine(canvas, s.ra, state.AspectColours[k], a, b);
                      });
}

} // namespace omvera
