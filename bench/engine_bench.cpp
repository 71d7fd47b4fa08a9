// The engine's cost: one full chart (16 bodies and the cusps) per house system, and each
// body alone. items_per_second of BM_FullChart is charts per second.
#include "app/chart_state.h"
#include "app/state.h"

#include <benchmark/benchmark.h>

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
        ReadChartInput(s, 1);
        for (int n = 1; n <= kBodyCount; ++n) ComputeBody(s, n);
        ComputeHouses(s, 1, letter, s.HouseCusps);
        benchmark::DoNotOptimize(s.BodyPositions);
        benchmark::DoNotOptimize(s.HouseCusps);
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_FullChart)->DenseRange(0, 5);

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

} // namespace
