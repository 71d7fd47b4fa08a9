// The whole adult natal report ("Интерпретация" after "Взрослый") over the shipped,
// enciphered text library of the build's data folder, and the chart value it starts from.
#include "app/report_commands.h"
#include "app/state.h"
#include "reports/natal_report.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace omvera;

namespace {

State NatalState() {
    State s;
    s.ProgramFolder = OMVERA_BUILD_DIR;
    s.ID1.Edit1 = "Проба";
    s.ChartKind = ChartKindId::Radix;
    // The orbs "Взрослый" leaves after reading the switched-on points.
    s.PointOrbs = {0, 10, 10, 6, 6, 5, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5};
    return s;
}

void BM_NatalReport(benchmark::State& st) {
    State s = NatalState();
    if (!std::filesystem::exists(std::string(OMVERA_BUILD_DIR) + "/Dann/Radix/aspec.txt")) {
        st.SkipWithError("the build's data folder has no natal texts");
        return;
    }
    std::size_t lines = 0;
    for (auto _ : st) {
        VectorLineSink sink;
        ReportContext ctx(s.ProgramFolder, sink);
        NatalReport(ctx, RadixInputs(s), false, s.ID1.Edit1);
        lines = sink.lines.size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_NatalReport)->Unit(benchmark::kMillisecond);

} // namespace
