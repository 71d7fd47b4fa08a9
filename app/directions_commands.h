#pragma once
// The directions dialog TDat2 ("Дата2") and the directions report as the program runs them:
// the radix from TID1, the target date from the dialog's date field, the directed arrays
// and DirectionDate left in the state for the report and the calendars.
#include "astro/directions.h"
#include "input/chart_form.h"

namespace omvera {

struct ChartCanvases;
class ReportContext;
struct State;

// Activation of TDat2: today's date into the date field.
void Dat2FormActivate(State& state, const LocalNow& now);

// "Расчет": hides the dialog; when the chart kind is "Дирекция", draws the radix wheel,
// computes the directions to the dialog's date, lists radix and directed values in the text
// view and draws the directed bodies and their column; then, for every chart kind, lists the
// aspects of the directed bodies to the radix bodies (the last completed computation's
// values; only the title line before the first) and draws their lines. A date text that is
// not a date throws Error after the radix wheel: no line is added, the directed arrays keep
// their values.
void Dat2Button1Click(State& state, ChartCanvases& canvases);

// The directions of a radix to the dialog's date. Throws Error for a date text that is not a
// date, changing nothing; otherwise leaves DirectionDate, DirectedPositions, DirectedCusps
// and the radix of this computation in the state.
Directions DirectToDialogDate(State& state, const BodyArray& radixBodies,
                              const CuspArray& radixCusps);

// "Интерпретация" for the chart kind "Дирекция": the radix recomputed from TID1, the
// directions to the dialog's date, the report in the mode the dialog's radio buttons choose.
void DirectionsReportOfState(State& state, ReportContext& ctx);

} // namespace omvera
