// The directions report ("Интерпретация" after "Дирекции" and "Расчет") in the sixteen-aspect
// mode, over a Direkc.TXT holding a section for every key the report can build: the whole
// enciphered file is read and deciphered once per run.
#include "app/directions_commands.h"
#include "app/state.h"
#include "base/text_file.h"
#include "reports/directions_report.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

// A data folder whose Direkc.TXT answers every possible key with a three-line section.
fs::path FullDirectionTexts() {
    const fs::path dir =
        fs::temp_directory_path() / ("omvera_directions_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir / "Dann" / "Direc");
    std::string bytes;
    auto add = [&](const std::string& line) {
        bytes += EncodeLine(Utf8ToCp1251OrThrow(line), DirectionKey) + "\r\n";
    };
    const std::vector<FileKeys> possible = PossibleDirectionKeys();
    for (const SectionKey& k : possible[0].keys) {
        add(k[0] + k[1] + k[2]);
        add("Дирекционный аспект: первая строка толкования, довольно длинная, как в настоящих "
            "текстах.");
        add("");
        add("Вторая строка толкования того же аспекта.");
    }
    add("[конец");
    WriteFileAtomically((dir / "Dann" / "Direc" / "Direkc.TXT").string(), bytes);
    return dir;
}

void BM_DirectionsReportSixteen(benchmark::State& st) {
    const fs::path dir = FullDirectionTexts();
    State s;
    s.ProgramFolder = dir.string();
    s.ID1.Edit1 = "Проба";
    s.ID1.SetMonthIndex(2);
    s.ChartKind = ChartKindId::Direction;
    s.Dat2.DateEdit1 = "05.03.2020";
    s.Dat2.RadioButton1 = false;
    s.Dat2.RadioButton2 = true;
    std::size_t lines = 0, keys = 0;
    for (auto _ : st) {
        VectorLineSink sink;
        std::vector<SearchRecord> searches;
        ReportContext ctx(s.ProgramFolder, sink, &searches);
        DirectionsReportOfState(s, ctx);
        lines = sink.lines.size();
        keys = searches.at(0).keys.size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
    st.counters["keys"] = static_cast<double>(keys);
    fs::remove_all(dir);
}
BENCHMARK(BM_DirectionsReportSixteen)->Unit(benchmark::kMillisecond);

// The aspect lists alone: 16 x 16 and 12 x 16 pairs against the sixteen angles.
void BM_DirectionAspectKeysSixteen(benchmark::State& st) {
    ReportInputs in;
    for (int n = 1; n <= 16; ++n)
        in.first.bodies[n] = 21.7 * n, in.second.bodies[n] = 21.7 * n + 37;
    for (int q = 1; q <= 12; ++q) in.first.cusps[q] = 30 * q - 4, in.second.cusps[q] = 30 * q + 33;
    for (auto _ : st) benchmark::DoNotOptimize(DirectionAspectKeys(in, true));
}
BENCHMARK(BM_DirectionAspectKeysSixteen);

} // namespace
