// The solar return report: its 364 days of progressed aspects alone, and the whole report as
// "Интерпретация" prints it (both charts, the progression, four searches over small texts).
#include "app/chart_commands.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "base/text_file.h"
#include "drawing/recording_canvas.h"
#include "app/return_search.h"
#include "reports/line_cipher.h"
#include "reports/return_report.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace omvera;

namespace {

void SetBirth(State& s) {
    s.ID1.SpinEdit1.SetValue(1975);
    s.ID1.SetMonthIndex(9);
    s.ID1.SpinEdit2.SetValue(10);
    s.ID1.SpinEdit3.SetValue(23);
    s.ID1.SpinEdit4.SetValue(59);
    s.ID2.SpinEdit1.SetValue(2020);
    SolarReturnSearch(s);
}

void BM_ProgressedAspectList(benchmark::State& st) {
    State s;
    SetBirth(s);
    const ReportInputs in = ReturnInputs(s, ReturnKind::Solar);
    std::size_t lines = 0;
    for (auto _ : st) {
        const auto out = ProgressedAspectList(in);
        lines = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    st.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ProgressedAspectList)->Unit(benchmark::kMillisecond);

void BM_SolarReport(benchmark::State& st) {
    const auto dir = std::filesystem::temp_directory_path() / "omvera_bench_solar";
    std::filesystem::create_directories(dir / "Dann" / "CO");
    // Each file holds a section for every house and body, so every search prints.
    std::string text = EncodeLine(Utf8ToCp1251OrThrow("вступление"), ReturnKey) + "\r\n";
    for (const char* h : {" I:", " II:", " III:", " IV:", " V:", " VI:", " VII:", " VIII:", " IX:",
                          " X:", " XI:", " XII:", " I ", " II ", " III ", " IV "})
        for (const char* body : {"СОЛНЦЕ", "ЛУНА", "Асц", " V ", " X "})
            text += EncodeLine(Utf8ToCp1251OrThrow(std::string("&") + body + h), ReturnKey) +
                    "\r\n" + EncodeLine(Utf8ToCp1251OrThrow("строка текста раздела"), ReturnKey) +
                    "\r\n";
    text += EncodeLine("&", ReturnKey) + "\r\n";
    for (const char* f : {"AscZnCo.txt", "DomDomCo.txt", "PLDomCO.txt", "PlanPlan.txt"})
        WriteFileAtomically((dir / "Dann" / "CO" / f).string(), text);

    State s;
    s.ProgramFolder = dir.string();
    SetBirth(s);
    s.ChartKind = ChartKindId::Solar;
    RecordingCanvas image{0, 0}, prosm{400, 480}, aspq{634, 543};
    ChartCanvases c{image, prosm, aspq};
    for (auto _ : st) {
        Button4Click(s, c);
        benchmark::DoNotOptimize(s.Form1.RichEdit1Lines.data());
    }
    st.counters["lines"] = static_cast<double>(s.Form1.RichEdit1Lines.size());
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SolarReport)->Unit(benchmark::kMillisecond);

} // namespace
