#pragma once
// One exception type for every failing operation of the program. The command boundary
// (a GUI event handler, a CLI command) catches it, shows its message and keeps whatever
// the command had already written or drawn.
#include <stdexcept>
#include <string>

namespace omvera {

class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace omvera
