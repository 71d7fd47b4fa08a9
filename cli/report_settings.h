#pragma once
// The report's person and settings options (--name, --sex, --orbs, --orb, --include,
// --aspects, --folder), shared by the commands that compute what a report computes.
#include "cli/chart_options.h"

namespace omvera::cli {

// Writes the options into the first chart form's name and sex, the planets dialog and the
// aspect table, and sets the program folder (the current folder without --folder).
void ApplyReportSettings(State& state, const ChartOptions& options);

} // namespace omvera::cli
