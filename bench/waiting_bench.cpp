// The partner-waiting report's two date scans over the reference year (363 days each, the
// Sun of every day against the natal points), and the whole report with its five searches
// when the build's data folder holds Wzaimn.txt.
#include "app/report_commands.h"
#include "app/state.h"
#include "reports/partner_waiting_report.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace omvera;

namespace {

void BM_WaitingDateScans(benchmark::State& st) {
    State s;
    const ReportInputs in = WaitingInputs(s);
    std::size_t lines = 0;
    for (auto _ : st) {
        lines = UnfavourableDates(in).size() + FavourableDates(in).size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_WaitingDateScans)->Unit(benchmark::kMicrosecond);

void BM_WaitingReport(benchmark::State& st) {
    State s;
    s.ProgramFolder = OMVERA_BUILD_DIR;
    if (!std::filesystem::exists(std::string(OMVERA_BUILD_DIR) + "/Dann/Sins/Wzaimn.txt")) {
        st.SkipWithError("the build's data folder has no Wzaimn.txt");
        return;
    }
    for (auto _ : st) {
        VectorLineSink sink;
        ReportContext ctx(s.ProgramFolder, sink);
        PartnerWaitingReport(ctx, WaitingInputs(s), true, "Проба");
        benchmark::DoNotOptimize(sink.lines.size());
    }
}
BENCHMARK(BM_WaitingReport)->Unit(benchmark::kMillisecond);

} // namespace
