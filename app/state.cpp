#include "app/state.h"

#include "app/chart_kind.h"

#include "base/data_path.h"

namespace omvera {

std::string DataFile(const State& state, const char* backslashPath) {
    return DataPath(state.ProgramFolder, backslashPath);
}

ChartKindId CurrentChartKind(const State& state) {
    return ChartKindFromText(state.ChartKind);
}

} // namespace omvera
