#include "app/state.h"

#include "app/chart_kind.h"

#include "base/data_path.h"

namespace omvera {

std::string DataFile(const State& state, const char* backslashPath) {
    return DataPath(state.ProgramFolder, backslashPath);
}

void SetDataLocation(State& state, const DataLocation& location) {
    state.ProgramFolder = location.programFolder;
    state.UserFolder = location.userFolder;
}

std::string PersonDatabaseFile(const State& state) {
    return PersonDatabaseFile(DataLocation{state.ProgramFolder, state.UserFolder});
}

ChartKindId CurrentChartKind(const State& state) {
    return ChartKindFromText(state.ChartKind);
}

} // namespace omvera
