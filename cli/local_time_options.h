#pragma once
// The local-time options of the chart commands: the local date and clock time of the place
// (named in the atlas, or given as a time zone and coordinates) become the Greenwich date
// and time and the coordinates the first chart form holds.
#include "cli/chart_options.h"

#include <optional>
#include <string>

namespace omvera::cli {

struct LocalTimeOptions {
    std::optional<std::string> date, time, place, zone, reading, offset;
    bool oldStyle = false;
    bool Local() const { return date || time; }
    bool Any() const { return Local() || place || zone || reading || offset || oldStyle; }
};

// The option names, for ParseChartOptions.
bool IsLocalTimeValueOption(const std::string& name);
inline constexpr const char* kOldStyleOption = "--old-style";

// Fills `out`'s Greenwich date and time (when the local date and time are given) and the
// coordinates `lat`/`lon` (from the place, unless given). `folder` holds Dann/Atlas.TXT.
// Throws UsageError for a missing or contradictory option, an unknown place, or a local
// time that clock changes make ambiguous or impossible without --reading; Error for a
// time-zone file that cannot be read.
void ApplyLocalTimeOptions(const LocalTimeOptions& local, const std::string& command,
                           const std::string& folder, std::optional<std::string>& lat,
                           std::optional<std::string>& lon, ChartOptions& out);

extern const char* const kLocalTimeOptionsHelp;

} // namespace omvera::cli
