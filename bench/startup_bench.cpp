// Start-up to the main window, offscreen: the program state, the twelve windows created in
// their order, the glyphs loaded from the build's data folder and the main window shown with
// its first events handled. The process's own start (loading the Qt libraries) comes on top.
// Built with the Qt views only; without them this program measures nothing.
#ifdef OMVERA_WITH_GUI
#include "app/ui/application.h"
#include "app/ui/main_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace omvera;

namespace {

void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "startup_bench";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends.
    new QApplication(argc, argv);
}

void BM_StartupToMainWindow(benchmark::State& st) {
    EnsureApplication();
    for (auto _ : st) {
        auto app = std::make_unique<Application>(OMVERA_BUILD_DIR);
        app->Form1->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(app->Form1->isVisible());
        st.PauseTiming();
        app.reset();
        QApplication::processEvents();
        st.ResumeTiming();
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
#endif
