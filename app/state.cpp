#include "app/state.h"

#include "base/data_path.h"

namespace omvera {

std::string DataFile(const State& state, const char* backslashPath) {
    return DataPath(state.ProgramFolder, backslashPath);
}

} // namespace omvera
