#include "app/state.h"

#include "app/chart_kind.h"

namespace omvera {

ChartKindId CurrentChartKind(const State& state) {
    return state.ChartKind;
}

} // namespace omvera
