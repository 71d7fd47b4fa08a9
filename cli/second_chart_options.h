#pragma once
// The second chart's options of the commands that need one (solar, lunar, wheel --kind):
// the year, month and place of a return, or the moment and place of a transit or partner.
#include "cli/chart_options.h"

#include <string>
#include <vector>

namespace omvera::cli {

// Names of the options below, for ParseChartOptions.
extern const std::vector<std::string> kReturnOptions;  // --year --month --place-lat --place-lon
extern const std::vector<std::string> kPartnerOptions; // --date2 --time2 --lat2 --lon2 --name2
extern const char* const kReturnOptionsHelp;
extern const char* const kPartnerOptionsHelp;

// Writes the return's year (required), month (required when `needMonth`) and place (both
// optional, TID2's design place otherwise) into TID2.
void FillReturnOptions(State& state, const ChartOptions& options, const std::string& command,
                       bool needMonth);
// Writes the second moment and place into TID2; --date2 and --time2 are required, the place
// and name keep TID2's design values when absent.
void FillPartnerOptions(State& state, const ChartOptions& options, const std::string& command);

} // namespace omvera::cli
