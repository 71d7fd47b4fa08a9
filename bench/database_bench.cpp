// Person database: building, parsing and reading records.
#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/text_file.h"
#include "input/person_database.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace omvera;

static void BM_ParsePersonRecord(benchmark::State& st) {
    ChartForm form;
    const std::string line = "Ж ;  5. 3.1980 9:5 56.01 92.45 Иван Иванович Петров";
    for (auto _ : st) {
        LoadPersonRecord(line, form);
        benchmark::DoNotOptimize(form);
    }
}
BENCHMARK(BM_ParsePersonRecord);

static void BM_OpenDatabase10000Lines(benchmark::State& st) {
    const auto dir = std::filesystem::temp_directory_path() / "omvera-bench-db";
    std::filesystem::create_directories(dir / "Dann");
    State s;
    s.ProgramFolder = dir.string();
    s.ID1.Edit1 = "Пример записи";
    std::vector<std::string> lines(10000, BuildPersonRecord(s.ID1));
    WriteTextLines(DataFile(s, "\\Dann\\Basa.TXT"), lines);
    for (auto _ : st) {
        OpenPersonDatabase(s);
        benchmark::DoNotOptimize(s.Base.ListBox1.data());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_OpenDatabase10000Lines);
