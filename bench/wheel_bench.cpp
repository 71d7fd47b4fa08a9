// A whole natal drawing ("Взрослый": chart computed, wheel, header, positions, houses, house
// column and aspect lines) on the Qt canvas at 1920 × 1080. items_per_second is drawings per
// second. Built with the Qt views only; without them this program measures nothing.
#ifdef OMVERA_WITH_GUI
#include "app/chart_commands.h"
#include "app/chart_drawing.h"
#include "app/state.h"
#include "drawing/glyphs.h"
#include "drawing/ui/painter_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace omvera;

namespace {

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "wheel_bench";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends.
    new QGuiApplication(argc, argv);
}

void BM_NatalDrawing(benchmark::State& st) {
    EnsureGuiApplication();
    State s;
    s.ProgramFolder = OMVERA_BUILD_DIR;
    s.ID1.SetMonthIndex(0); // 15 January 1980 12:30, 56.01 N 92.45 E
    // The main window's size whose layout gives a 1920 × 1080 picture.
    s.Form1.Width = 1920 + 100;
    s.Form1.Height = 1080 + 130;
    LoadGlyphs(s);
    QImage picture, prosm, aspq;
    PainterCanvas image1(picture), prosmCanvas(prosm), aspqCanvas(aspq);
    ChartCanvases canvases{image1, prosmCanvas, aspqCanvas};
    for (auto _ : st) {
        N40Click(s, canvases);
        benchmark::DoNotOptimize(picture.constBits());
    }
    if (picture.width() != 1920 || picture.height() != 1080) st.SkipWithError("wrong size");
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_NatalDrawing)->Unit(benchmark::kMillisecond);

} // namespace
#endif
