#pragma once
// JSON texts and the warnings of a command, shared by the commands of the command line.
#include <iosfwd>
#include <string>
#include <vector>

namespace omvera::cli {

// The text as a JSON string (quotes, backslashes and control characters escaped).
std::string JsonString(const std::string& s);
// The texts as a JSON array of strings.
std::string JsonStringArray(const std::vector<std::string>& items);

// Each warning of the state as one "Предупреждение: ..." line on stderr.
void PrintWarnings(const std::vector<std::string>& warnings, std::ostream& err);

} // namespace omvera::cli
