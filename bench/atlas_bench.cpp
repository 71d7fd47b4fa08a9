// The atlas and the local-time conversion: loading the towns (the command line does it on
// every run, the dialog once), one search as the user types, one conversion.
#include "input/atlas.h"
#include "input/local_time.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string kAliases = std::string(OMVERA_BUILD_DIR) + "/Dann/Atlas.TXT";

void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(omvera::Atlas::LoadSystem(kAliases).Size());
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

void BM_AtlasFind(benchmark::State& state) {
    const omvera::Atlas atlas = omvera::Atlas::LoadSystem(kAliases);
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Find("Ленинград").size());
}
BENCHMARK(BM_AtlasFind)->Unit(benchmark::kMillisecond);

void BM_ZoneLoadAndConvert(benchmark::State& state) {
    for (auto _ : state) {
        const omvera::TimeZoneHistory zone = omvera::TimeZoneHistory::Load("Europe/Moscow");
        benchmark::DoNotOptimize(
            omvera::ToUniversal({&zone, 37.6, "RU"}, {1985, 7, 1, 12, 0}).readings.size());
    }
}
BENCHMARK(BM_ZoneLoadAndConvert)->Unit(benchmark::kMicrosecond);

} // namespace
