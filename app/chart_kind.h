#pragma once
// The chart kind of the program state (the kinds themselves are input/chart_kind.h).
#include "input/chart_kind.h"

namespace omvera {

struct State;

// The kind the last chart command set.
ChartKindId CurrentChartKind(const State& state);

} // namespace omvera
