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

// Which chart a drawing step draws: the chart of TID1, of TID2, or the directed positions.
enum class ChartSlot { First = 1, Second = 2, Directed = 3 };
// Where a position column or a house table goes: beside the wheel on Image1 (chart 1,
// chart 2, the directed positions) or in the view window TProsm (chart 1, chart 2).
enum class TablePlace {
    FirstBeside = 1,
    SecondBeside = 2,
    FirstInView = 3,
    SecondInView = 4,
    DirectedBeside = 5
};

// The empty wheel (drawing/wheel.h) with its centre stored in state.Drawing.
void DrawWheel(State& state, Canvas& canvas);

// The glyph pictures from the data folder into state.Drawing; a message naming the files that
// could not be read goes to state.Warnings.
void LoadGlyphs(State& state);

// Daily motions, the header texts and the bodies on the wheel; the directed chart's header
// carries the directions date text.
void DrawChartHeader(State& state, Canvas& canvas, ChartSlot chart,
                     std::string_view directionDate = {});

// Ticks and glyphs of a chart's bodies.
void DrawBodies(State& state, Canvas& canvas, ChartSlot chart);

// The position column (the directed positions with no body marked retrograde).
void DrawPositionTable(State& state, Canvas& canvas, TablePlace place);

// House cusps of chart 1 or 2 on the wheel (nothing for the directed positions).
void DrawHouses(State& state, Canvas& canvas, ChartSlot chart);

// House-system name and cusps of chart 1 or 2 (nothing for the directed positions).
void DrawHouseTable(State& state, Canvas& canvas, TablePlace place);

// The separation grid's body glyphs (drawing/separation_grid.h).
void DrawGridHeaders(State& state, Canvas& canvas);
// Chart 1 or 2 computed and drawn as its separation grid.
void DrawSeparationGrid(State& state, Canvas& canvas, ChartSlot chart);
// Both charts computed into FirstPoints and SecondPoints and drawn as the mutual grid.
void DrawMutualGrid(State& state, Canvas& canvas);

} // namespace omvera
