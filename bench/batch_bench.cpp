// omvera-cli batch end to end: records read (JSON Lines or CSV), charts computed, aspects
// found and JSON lines written, on one and on two threads. items_per_second is charts per
// second (goal: 50,000 without reports). BM_ComputeChartOnly is the engine's share alone.
#include "astro/chart.h"
#include "cli/batch_charts.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>

using namespace omvera;
using namespace omvera::cli;

namespace {

constexpr int kCharts = 20000;

// Moments spread over 1880..2050 and places over the inhabited latitudes.
struct Sample {
    int day, month, year, hour, minute;
    double lat, lon;
};

Sample SampleAt(int i) {
    std::uint32_t x = 2463534242u + 7919u * static_cast<std::uint32_t>(i);
    auto next = [&x](int n) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return static_cast<int>(x % static_cast<std::uint32_t>(n));
    };
    return {1 + next(28),
            1 + next(12),
            1880 + next(171),
            next(24),
            next(60),
            (next(12000) - 6000) / 100.0,
            (next(36000) - 18000) / 100.0};
}

const std::string& Input(BatchFormat format) {
    static const std::string jsonl = [] {
        std::string s;
        char buf[160];
        for (int i = 0; i < kCharts; ++i) {
            const Sample c = SampleAt(i);
            std::snprintf(buf, sizeof buf,
                          "{\"date\": \"%d.%d.%d\", \"time\": \"%d:%02d\", \"lat\": \"%.2f\", "
                          "\"lon\": \"%.2f\", \"name\": \"Проба %d\"}\n",
                          c.day, c.month, c.year, c.hour, c.minute, c.lat, c.lon, i);
            s += buf;
        }
        return s;
    }();
    static const std::string csv = [] {
        std::string s = "date,time,lat,lon,name\n";
        char buf[160];
        for (int i = 0; i < kCharts; ++i) {
            const Sample c = SampleAt(i);
            std::snprintf(buf, sizeof buf, "%d.%d.%d,%d:%02d,%.2f,%.2f,\"Проба, %d\"\n", c.day,
                          c.month, c.year, c.hour, c.minute, c.lat, c.lon, i);
            s += buf;
        }
        return s;
    }();
    return format == BatchFormat::Csv ? csv : jsonl;
}

// Counts what is written and keeps nothing, as a pipe to another program would.
class CountingBuffer : public std::streambuf {
  public:
    std::size_t bytes = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return c;
    }
};

void RunBatchBench(benchmark::State& st, BatchFormat format) {
    BatchOptions options;
    options.format = format;
    options.threads = static_cast<int>(st.range(0));
    const std::string& text = Input(format);
    long failed = 0;
    std::size_t bytes = 0;
    for (auto _ : st) {
        std::istringstream in(text);
        CountingBuffer sink;
        std::ostream out(&sink);
        const BatchTotals totals = RunBatch(in, out, options);
        failed = totals.failed;
        bytes = sink.bytes;
    }
    if (failed) st.SkipWithError("some records failed");
    st.SetItemsProcessed(st.iterations() * kCharts);
    st.counters["bytes_per_chart"] = static_cast<double>(bytes) / kCharts;
}

void BM_BatchJsonLines(benchmark::State& st) {
    RunBatchBench(st, BatchFormat::JsonLines);
}
// One thread: charts per second of CPU time. Two threads: of wall-clock time (the CPU time
// of the calling thread alone says nothing then).
BENCHMARK(BM_BatchJsonLines)->Arg(1)->ArgName("threads")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchJsonLines)
    ->Arg(2)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_BatchCsv(benchmark::State& st) {
    RunBatchBench(st, BatchFormat::Csv);
}
BENCHMARK(BM_BatchCsv)->Arg(1)->ArgName("threads")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchCsv)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ComputeChartOnly(benchmark::State& st) {
    int i = 0;
    for (auto _ : st) {
        const Sample c = SampleAt(i++ % kCharts);
        const ChartMoment m{static_cast<double>(c.year),
                            static_cast<double>(c.month),
                            static_cast<double>(c.day),
                            static_cast<double>(c.hour),
                            static_cast<double>(c.minute),
                            c.lat,
                            c.lon};
        benchmark::DoNotOptimize(ComputeChart(m, HouseSystem::Placidus));
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_ComputeChartOnly);

} // namespace
