#pragma once
// omvera-cli itself is built without Qt, so the commands that only compute (chart, report,
// coverage, the text tools) start fast and load no toolkit. The commands that need Qt's font
// rasteriser or PDF writer (wheel, report --out FILE.pdf) are run by the drawing companion
// omvera-cli-qt, the same commands built with Qt: omvera-cli hands such a command line over
// to it, replacing its own process, so output, errors and exit status are the companion's.
#include "cli/commands.h"

#include <string>

namespace omvera::cli {

inline constexpr const char* kDrawingHelperName = "omvera-cli-qt";

// The drawing companion of the executable `executable`: beside it (the build folder) or in
// the installed private folder <bin>/../libexec/omvera; empty when there is none.
std::string FindDrawingHelper(const std::string& executable);

// Runs `command args...` in the drawing companion; returns only by throwing UsageError with
// `unavailable` when there is no companion (or it was already handed this command line).
[[noreturn]] void HandOverToDrawingHelper(const std::string& command, const Args& args,
                                          const std::string& unavailable);

} // namespace omvera::cli
