#pragma once
// JSON output of the command-line companion: strings are UTF-8 with the characters JSON
// requires escaped.
#include <string>

namespace omvera::cli {

std::string JsonString(const std::string& s);

} // namespace omvera::cli
