#pragma once
#include <string>
#include <string_view>

namespace omvera {

// Data files are addressed as ProgramFolder + "\Dann\...", with backslashes, everywhere in
// the program. This is the one place where such a path becomes a path of this platform.
std::string DataPath(const std::string& programFolder, std::string_view backslashPath);

// The process's current working directory (ProgramFolder is set from it at start-up).
std::string CurrentFolder();

} // namespace omvera
