#pragma once
// "Помощь" and "Новолуния Полнолуния затмения": the local help pages shown in the system's
// web browser. The pages are found below ProgramFolder, like every other data file, so a
// save into another folder (which may change the working directory) does not lose them.
#include <functional>
#include <string>

namespace omvera {

struct State;

inline constexpr const char* kHelpPage = "\\Dann\\Help\\Help.htm";
inline constexpr const char* kLunationPage = "\\Dann\\Help\\luna.htm";

// Shows a local file in the desktop's browser; false when no browser could be started.
using PageOpener = std::function<bool(const std::string& path)>;

// ProgramFolder + page as a path of this platform.
std::string HelpPagePath(const State& state, const char* page);

// Opens the page through `open`. Throws Error naming the file when it is missing or when the
// browser cannot be started.
void OpenHelpPage(const State& state, const char* page, const PageOpener& open);

void N30Click(State& state, const PageOpener& open); // "Помощь"
void N42Click(State& state, const PageOpener& open); // "Новолуния Полнолуния затмения"

} // namespace omvera
