#pragma once
// The transit computations as the commands run them on the program state: the charts read
// from TID1 and TID2, the planets dialog's switches and orbs, the aspect table, and the
// arrays the computation leaves behind.
#include "reports/transit_report.h"

namespace omvera {

struct State;

// Radix (TID1, with its cusps) and transit chart (TID2) with the planets dialog's switches
// and orbs (RefreshPoint 1..16), points 17 and 18 included with orb 1.0. Leaves the state as
// the transit computations do: PointOrbs 17 and 18 = 1.0, FirstPoints and SecondPoints 1..16
// the radix and transit longitudes, HouseCusps the radix cusps, ChartMoment and
// BodyPositions the transit chart.
ReportInputs TransitInputs(State& state);

// Appends the transit aspect list for the user's aspect table to the text view and keeps its
// marks in state.TransitHouseMarks. A row of the aspect table that is not a number throws
// Error before anything is added.
void TransitAspectList(State& state);

// The transit report after the driver's heading ("Транзит" classical, "Транзит медицинский"
// medical). The aspect table is read first: a bad row stops the report before its first line.
void RunTransitReport(State& state, ReportContext& ctx, bool medical);

} // namespace omvera
