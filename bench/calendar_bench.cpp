// The transit report's own work (charts, aspect list and keys), the transit table over one
// year of days (goal: under 50 ms) and the fatigue calendar over 200 records.
#include "app/calendar_commands.h"
#include "app/chart_commands.h"
#include "app/state.h"
#include "app/transit_commands.h"
#include "calendars/calendar.h"
#include "calendars/fatigue.h"
#include "drawing/recording_canvas.h"
#include "reports/transit_report.h"

#include <benchmark/benchmark.h>

using namespace omvera;

namespace {

State Prepared() {
    State s;
    s.ID1.SetMonthIndex(4);
    s.ID2.SpinEdit1.SetValue(2024);
    s.ID2.SetMonthIndex(2);
    return s;
}

void BM_TransitReportWork(benchmark::State& st) {
    State s = Prepared();
    for (auto _ : st) {
        s.Form1.RichEdit1Lines.clear();
        TransitAspectList(s);
        const ReportInputs in = TransitInputs(s);
        benchmark::DoNotOptimize(TransitReportKeys(in));
        benchmark::DoNotOptimize(TransitHouseLines(s.TransitHouseMarks));
    }
}
BENCHMARK(BM_TransitReportWork)->Unit(benchmark::kMicrosecond);

void BM_TransitTableOneYear(benchmark::State& st) {
    State s = Prepared();
    s.ChartKind = ChartKindId::Transit;
    for (auto _ : st) {
        s.Form1.RichEdit1Lines.clear();
        s.Kalendar.DateEdit1 = "31.12.2023";
        s.Kalendar.DateEdit2 = "30.12.2024";
        KalendarButton3Click(s);
        benchmark::DoNotOptimize(s.Form1.RichEdit1Lines.size());
    }
    st.counters["lines"] = static_cast<double>(s.Form1.RichEdit1Lines.size());
}
BENCHMARK(BM_TransitTableOneYear)->Unit(benchmark::kMillisecond);

void BM_FatigueTwoHundredRecords(benchmark::State& st) {
    FatigueRecords records;
    const double birth = JulianDay(15.5, 5, 1980);
    const double start = JulianDay(1, 1, 2024);
    for (auto _ : st) {
        const int n = FatigueDays(records, start, start, birth);
        benchmark::DoNotOptimize(FatigueLines(records, n, birth, "Анна"));
    }
}
BENCHMARK(BM_FatigueTwoHundredRecords)->Unit(benchmark::kMicrosecond);

} // namespace
