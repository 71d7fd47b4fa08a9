// The engine's cost. items_per_second of BM_FullChart is charts per second: the form read
// into a moment, 16 bodies and the cusps in one house system through ComputeChart.
// BM_FullChartThroughState is the same chart through the procedural entry points (as the
// commands computed it body by body). Where Swiss Ephemeris is installed (libswe-dev) the same
// run times it for Sun..Pluto, the mean node and Placidus, with the Moshier formulas and with
// the data files of swe-basic-data, and prints how many times faster our full chart is.
#include "app/chart_state.h"
#include "app/state.h"
#include "astro/chart.h"
#include "input/chart_form.h"

#include <benchmark/benchmark.h>

#ifdef OMVERA_HAVE_SWISSEPH
#include <swephexp.h>
#endif

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

using namespace omvera;

namespace {

constexpr char kLetters[] = {'P', 'K', 'A', 'M', 'S', 'L'};

State ChartState() {
    State s;
    s.ID1.SetMonthIndex(0); // 15 January 1980 12:30, 56.01 N 92.45 E
    ReadChartInput(s, 1);
    return s;
}

void BM_FullChart(benchmark::State& st) {
    State s = ChartState();
    const char letter = kLetters[st.range(0)];
    st.SetLabel(std::string(1, letter));
    for (auto _ : st) {
        Chart chart = ComputeChart(MomentOf(s.ID1), static_cast<HouseSystem>(letter));
        benchmark::DoNotOptimize(chart);
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_FullChart)->DenseRange(0, 5);

void BM_FullChartThroughState(benchmark::State& st) {
    State s = ChartState();
    const char letter = kLetters[st.range(0)];
    st.SetLabel(std::string(1, letter));
    for (auto _ : st) {
        ReadChartInput(s, 1);
        for (int n = 1; n <= kBodyCount; ++n) ComputeBody(s, n);
        ComputeHouses(s, 1, letter, s.HouseCusps);
        benchmark::DoNotOptimize(s.BodyPositions);
        benchmark::DoNotOptimize(s.HouseCusps);
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_FullChartThroughState)->Arg(0);

void BM_Body(benchmark::State& st) {
    State s = ChartState();
    const int n = static_cast<int>(st.range(0));
    for (auto _ : st) {
        ComputeBody(s, n);
        benchmark::DoNotOptimize(s.BodyPositions);
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_Body)->DenseRange(1, 16);

#ifdef OMVERA_HAVE_SWISSEPH
constexpr const char* kSwissDataFolder = "/usr/share/libswe/ephe";

// The same chart as BM_FullChart: Sun..Pluto, the mean node and Placidus cusps.
void SwissChart(benchmark::State& st, int flag) {
    const double ut = swe_julday(1980, 1, 15, 12.5, SE_GREG_CAL);
    double xx[6], cusps[13], ascmc[10];
    char serr[AS_MAXCH];
    for (auto _ : st) {
        for (int p = SE_SUN; p <= SE_PLUTO; ++p) swe_calc_ut(ut, p, flag, xx, serr);
        swe_calc_ut(ut, SE_MEAN_NODE, flag, xx, serr);
        benchmark::DoNotOptimize(xx);
        swe_houses(ut, 56.01, 92.45, 'P', cusps, ascmc);
        benchmark::DoNotOptimize(cusps);
    }
    st.SetItemsProcessed(st.iterations());
}

void BM_SwissMoshier(benchmark::State& st) {
    swe_set_ephe_path(nullptr);
    SwissChart(st, SEFLG_MOSEPH);
}
BENCHMARK(BM_SwissMoshier);

void BM_SwissDataFiles(benchmark::State& st) {
    if (!std::filesystem::exists(std::string(kSwissDataFolder) + "/sepl_18.se1")) {
        st.SkipWithError("no Swiss Ephemeris data files (Debian: swe-basic-data)");
        return;
    }
    swe_set_ephe_path(const_cast<char*>(kSwissDataFolder));
    SwissChart(st, SEFLG_SWIEPH);
}
BENCHMARK(BM_SwissDataFiles);
#endif

// Keeps every benchmark's rate for the ratios printed after the run.
class RateReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const auto it = r.counters.find("items_per_second");
            if (it != r.counters.end() && !r.error_occurred) rates[r.benchmark_name()] = it->second;
        }
    }
    std::map<std::string, double> rates;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ours = reporter.rates.find("BM_FullChart/0");
    if (ours == reporter.rates.end()) return 0;
    std::printf("\nFull charts per second (16 bodies + Placidus): %.0f\n", ours->second);
    for (const char* other :
         {"BM_FullChartThroughState/0", "BM_SwissMoshier", "BM_SwissDataFiles"}) {
        const auto it = reporter.rates.find(other);
        if (it != reporter.rates.end())
            std::printf("  %.2f times %s (%.0f charts per second)\n", ours->second / it->second,
                        other, it->second);
    }
    return 0;
}
