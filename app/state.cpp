#include "app/state.h"

#include "app/chart_kind.h"

namespace omvera {

void SetDataLocation(State& state, const DataLocation& location) {
    state.ProgramFolder = location.programFolder;
    state.UserFolder = location.userFolder;
}

std::string PersonDatabaseFile(const State& state) {
    return PersonDatabaseFile(DataLocation{state.ProgramFolder, state.UserFolder});
}

ChartKindId CurrentChartKind(const State& state) {
    return state.ChartKind;
}

} // namespace omvera
