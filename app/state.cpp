#include "app/state.h"

#include "app/data_path.h"

namespace omvera {

std::string DataFile(const State& state, const char* backslashPath) {
    return DataPath(state.ProgramFolder, backslashPath);
}

} // namespace omvera
