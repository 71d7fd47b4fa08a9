#pragma once
// The chart drawing operations as the chart commands call them: each reads its chart from
// the form, computes what it needs through the engine and draws with the steps of wheel.h.
// `canvas` is the picture Image1, or the view window TProsm for the selectors that say so.
#include <string_view>

namespace omvera {

class Canvas;
struct State;

// Daily motions of chart n: bodies into FirstPoints, the same a day later into SecondPoints,
// their difference (wrapped across 0°) into DailyMotion; the chart moment is read again
// afterwards. n = 3 uses chart 1's form, n = 4 chart 2's.
void ComputeDailyMotion(State& state, int n);

// The house-system letter chosen on TDOM (Placidus when none is chosen).
char CurrentHouseLetter(const State& state);

// Bodies 1..16 of the current chart moment into BodyPositions.
void ComputeAllBodies(State& state);

// n = 1 chart 1, 2 chart 2, 3 directions (with the directions date text): daily motions,
// the header texts and the bodies on the wheel.
void DrawChartHeader(State& state, Canvas& canvas, int n, std::string_view directionDate = {});

// Ticks and glyphs of chart n (1, 2; 3: the directed positions).
void DrawBodies(State& state, Canvas& canvas, int n);

// The position column: 1, 2 chart 1, chart 2 beside the wheel; 3, 4 chart 1, chart 2 in
// TProsm; 5 the directed positions beside the wheel (no body marked retrograde).
void DrawPositionTable(State& state, Canvas& canvas, int n);

// House cusps of chart n (1, 2) on the wheel.
void DrawHouses(State& state, Canvas& canvas, int n);

// House-system name and cusps: 1, 2 beside the wheel; 3, 4 (chart 1, chart 2) in TProsm.
void DrawHouseTable(State& state, Canvas& canvas, int n);

} // namespace omvera
