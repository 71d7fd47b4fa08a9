#include "app/aspect_lines.h"

#include "app/aspect_table.h"
#include "app/chart_state.h"
#include "app/state.h"
#include "aspects/aspect_scan.h"
#include "drawing/canvas.h"
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
void ChartPoints(State& state, int kind, HouseSystem system, PointLongitudes& points) {
    const Chart chart = LoadChart(state, kind, system);
    for (int p = 1; p <= kPointCount; ++p) points[p] = chart.Point(p);
}

} // namespace

void DrawChartAspects(State& state, Canvas& canvas) {
    const ScanSetup s = PrepareScan(state, canvas);
    PointLongitudes points{};
    ChartPoints(state, 1, ChosenHouseSystem(state.Dom), points);
    ScanChartAspects(points, s.included, state.PointOrbs, s.rows, [&](int k, double a, double b) {
        DrawAspectLine(canvas, s.ra, state.AspectColours[k], a, b);
    });
}

void DrawMutualAspects(State& state, Canvas& canvas) {
    const ScanSetup s = PrepareScan(state, canvas);
    const HouseSystem system = ChosenHouseSystem(state.Dom);
    ChartPoints(state, 1, system, state.FirstPoints);
    ChartPoints(state, 2, system, state.SecondPoints);
    ScanMutualAspects(state.FirstPoints, state.SecondPoints, s.included, state.PointOrbs, s.rows,
                      [&](int k, double a, double b) {
                          DrawAspectLine(canvas, s.ra, state.AspectColours[k], a, b);
                      });
}

} // namespace omvera
