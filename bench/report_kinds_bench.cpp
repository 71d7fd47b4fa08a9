// "Интерпретация" for every kind of report over the shipped texts of the build's data folder,
// after the chart command and the forms a user fills for that kind (done once, outside the
// measurement): 15 January 1980 12:30, 56.01 N 92.45 E, the second chart 8 June 2026 10:00.
// The report recomputes its charts each time, so each iteration is the whole report.
#include "app/chart_commands.h"
#include "app/directions_commands.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "drawing/recording_canvas.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace omvera;

namespace {

struct Kind {
    const char* name;
    void (*prepare)(State& s, ChartCanvases& c);
};

void SecondChart(State& s) {
    s.ID2.SpinEdit1.SetValue(2026);
    s.ID2.SetMonthIndex(5);
    s.ID2.SpinEdit2.SetValue(8);
    s.ID2.SpinEdit3.SetValue(10);
    s.ID2.SpinEdit4.SetValue(0);
}

void WithSecond(State& s, ChartCanvases& c, void (*command)(State&, ChartCanvases&)) {
    command(s, c);
    SecondChart(s);
    SecondChartAddToChart(s, c);
}

const Kind kKinds[] = {
    {"natal", [](State& s, ChartCanvases& c) { N40Click(s, c); }},
    {"child", [](State& s, ChartCanvases& c) { N41Click(s, c); }},
    {"solar",
     [](State& s, ChartCanvases& c) {
         N22Click(s, c);
         s.ID2.SpinEdit1.SetValue(2026);
         SecondChartSolarReturn(s, c);
     }},
    {"lunar",
     [](State& s, ChartCanvases& c) {
         N23Click(s, c);
         s.ID2.SpinEdit1.SetValue(2026);
         s.ID2.SetMonthIndex(5);
         SecondChartLunarReturn(s, c);
         s.ID2.ListBox1Index = 0;
         SecondChartLunarListDblClick(s, c);
     }},
    {"transit", [](State& s, ChartCanvases& c) { WithSecond(s, c, N13Click); }},
    {"medical", [](State& s, ChartCanvases& c) { WithSecond(s, c, N14Click); }},
    {"partnership", [](State& s, ChartCanvases& c) { WithSecond(s, c, N39Click); }},
    {"erotic", [](State& s, ChartCanvases& c) { WithSecond(s, c, N38Click); }},
    {"karmic", [](State& s, ChartCanvases& c) { WithSecond(s, c, N37Click); }},
    {"waiting", [](State& s, ChartCanvases& c) { N36Click(s, c); }},
    {"directions",
     [](State& s, ChartCanvases& c) {
         N28Click(s, c);
         Dat2FormActivate(s, LocalNow{2026, 6, 8, 10, 0});
         s.Dat2.DateEdit1 = "08.06.2026";
         s.Dat2.RadioButton1 = true;
         s.Dat2.RadioButton2 = false;
         Dat2Button1Click(s, c);
     }},
};

void BM_Report(benchmark::State& st) {
    const Kind& kind = kKinds[st.range(0)];
    st.SetLabel(kind.name);
    if (!std::filesystem::exists(std::string(OMVERA_BUILD_DIR) + "/Dann/Radix/aspec.txt")) {
        st.SkipWithError("the build's data folder has no texts");
        return;
    }
    State s;
    s.ProgramFolder = OMVERA_BUILD_DIR;
    s.ID1.Edit1 = "Проба";
    s.ID1.SetMonthIndex(0);
    RecordingCanvas image1, prosm, aspq;
    ChartCanvases canvases{image1, prosm, aspq};
    // A kind whose texts the data folder does not hold is reported, not measured.
    try {
        kind.prepare(s, canvases);
        Button4Click(s, canvases);
    } catch (const Error& e) {
        st.SkipWithError(e.what());
        return;
    }
    std::size_t lines = 0;
    for (auto _ : st) {
        Button4Click(s, canvases);
        lines = s.Form1.RichEdit1Lines.size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_Report)->DenseRange(0, std::size(kKinds) - 1)->Unit(benchmark::kMillisecond);

} // namespace
