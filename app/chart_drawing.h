#pragma once
// The chart drawing operations as the chart commands call them: each reads its chart from
// the form, computes what it needs through the engine and draws with the steps of
// drawing/wheel.h and drawing/separation_grid.h, leaving the state's arrays as they were
// computed. `canvas` is the picture Image1, or the view window TProsm for the selectors that
// say so.
#include <string_view>

namespace omvera {

class Canvas;
struct State;

// The empty wheel (drawing/wheel.h) with its centre stored in state.Drawing.
void DrawWheel(State& state, Canvas& canvas);

// The glyph pictures from the data folder into state.Drawing; a message naming the files that
// could not be read goes to state.Warnings.
void LoadGlyphs(State& state);

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

// The separation grid's body glyphs (drawing/separation_grid.h).
void DrawGridHeaders(State& state, Canvas& canvas);
// Chart n (1: TID1, 2: TID2) computed and drawn as its separation grid.
void DrawSeparationGrid(State& state, Canvas& canvas, int n);
// Both charts computed into FirstPoints and SecondPoints and drawn as the mutual grid.
void DrawMutualGrid(State& state, Canvas& canvas);

} // namespace omvera
