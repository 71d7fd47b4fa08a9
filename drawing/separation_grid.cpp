#include "drawing/separation_grid.h"

#include "aspects/points.h"
#include "base/numbers.h"
#include "drawing/canvas.h"
#include "drawing/drawing_state.h"

namespace omvera {

namespace {
int CellY(int row) {
    return 45 + 30 * (row - 1);
}
} // namespace

void DrawGridHeaders(const DrawingState& drawing, Canvas& canvas) {
    const int wf = canvas.Width(), hf = canvas.Height();
    for (int i = 1; i <= 16 && 10 + 35 * (i - 1) < wf; ++i)
        canvas.Draw(10 + 35 * i, 10, drawing.BodyGlyphs[i]);
    for (int i = 1; i <= 16 && 10 + 30 * (i - 1) < hf; ++i)
        canvas.Draw(10, 10 + 30 * i, drawing.BodyGlyphs[i]);
}

void DrawSeparationCells(Canvas& canvas, const std::array<double, 17>& L) {
    for (int i = 1; i <= 16; ++i)
        for (int j = i; j <= 16; ++j)
            canvas.TextOut(i == 1 ? 35 * j + 2 : 35 * j + 1, CellY(i),
                           FormatFixed(Separation(L[i], L[j]), 5, 1));
}

void DrawMutualCells(Canvas& canvas, const std::array<double, 21>& second,
                     const std::array<double, 21>& first) {
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j)
            canvas.TextOut(35 * j + 2, CellY(i),
                           FormatFixed(Separation(second[i], first[j]), 5, 1));
}

} // namespace omvera
