#pragma once
// "Интерпретация": the report driver. It clears the text view, shows it with the buttons
// "Карта" and "Текст", and prints the report of the chart kind the last chart command set.
#include "reports/report.h"
#include "reports/return_report.h"

#include <vector>

namespace omvera {

struct ChartCanvases;
struct State;

// Kinds whose reports are not built yet leave the view with the driver's own work only. A
// failing search throws Error naming its file; every line added before stays in the view.
// When `searches` is given, every section search is recorded there in the order run.
void Button4Click(State& state, ChartCanvases& canvases,
                  std::vector<SearchRecord>* searches = nullptr);

// The radix as every report reads it from TID1, TDOM and the orbs; leaves the state's chart
// arrays holding it (the chart moment with the clock time folded into the day, the bodies),
// as the report's own computations do, and adds the house-system warning when there is one.
ReportInputs RadixInputs(State& state);

// The radix and the return chart of TID2, as the return reports read them. For the solar
// return TID2's date is moved one day on for the progression and back; the form ends up
// showing the return date it showed before. Leaves the state's arrays holding the return.
ReportInputs ReturnInputs(State& state, ReturnKind kind);
// The two charts of the synastry reports: RefreshPoint 1..16 (the switches and orbs of the
// planets dialog), chart 1 from TID1 and chart 2 from TID2 in TDOM's house system; leaves the
// state's chart arrays holding chart 2, as the reports' last reading does.
ReportInputs PartnerInputs(State& state);

// The radix of the partner-waiting report with RefreshPoint 1..16 done; leaves the chart
// moment at 31 December 2000 at the natal clock time and body slot 1 holding that day's Sun,
// where the report's date scans end.
ReportInputs WaitingInputs(State& state);

} // namespace omvera
