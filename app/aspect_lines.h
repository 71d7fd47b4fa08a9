#pragma once
// The aspect lines in the chart wheel, all on the inner circle of radius trunc(H * 0.4 * 0.35)
// where the chart-1 body ticks end. A row that is not a number stops the scan with Error
// before any line is drawn.
namespace omvera {

class Canvas;
struct State;

// Lines among the 18 points of chart 1 (TID1) in the current house system.
void DrawChartAspects(State& state, Canvas& canvas);

// Lines between the points of chart 1 and chart 2; leaves both charts' 18 points in
// FirstPoints and SecondPoints.
void DrawMutualAspects(State& state, Canvas& canvas);

} // namespace omvera
