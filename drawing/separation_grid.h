#pragma once
// The separation grid of the window TAspq: body glyphs as row and column headers and in each
// cell the separation of two bodies in degrees (0..180, one decimal). The grid applies no
// aspect test, no orbs and no switches.
#include <array>

namespace omvera {

class Canvas;
struct DrawingState;

// Column glyphs at (10 + 35 i, 10) and row glyphs at (10, 10 + 30 i), i = 1..16, as far as
// the window reaches (the canvas size is the window's outer size).
void DrawGridHeaders(const DrawingState& drawing, Canvas& canvas);

// The upper triangle with the diagonal for one chart's bodies 1..16.
void DrawSeparationCells(Canvas& canvas, const std::array<double, 17>& bodies);
// Row i: body i of chart 2, column j: body j of chart 1 (not symmetric).
void DrawMutualCells(Canvas& canvas, const std::array<double, 21>& second,
                     const std::array<double, 21>& first);

} // namespace omvera
