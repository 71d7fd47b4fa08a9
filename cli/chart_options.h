#pragma once
// The chart options shared by the commands that compute one chart (chart, wheel): the
// moment and place as the first chart form holds them, and the house system.
#include "cli/commands.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace omvera {
struct ChartForm;
struct State;
} // namespace omvera

namespace omvera::cli {

struct ChartOptions {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    std::string lat, lon;
    char houses = 'P';
    bool help = false;
    std::map<std::string, std::string> values; // the command's own options with a value
    std::set<std::string> flags;               // the command's own options without one
    std::vector<std::pair<std::string, std::string>> repeated; // repeatable options, in order
};

// Parses --date D.M.YYYY, --time H:M, --lat TEXT, --lon TEXT, [--houses LETTER] and the
// command's own options (`valueOptions` take a value, `flagOptions` do not,
// `repeatableOptions` take a value and may be given several times). Every message
// starts with "<command>: ". Throws UsageError for an unknown, repeated or missing option,
// a missing value, or a value out of range; "--help" or "-h" anywhere stops parsing with
// help set.
ChartOptions ParseChartOptions(const Args& args, const std::string& command,
                               const std::vector<std::string>& valueOptions = {},
                               const std::vector<std::string>& flagOptions = {},
                               const std::vector<std::string>& repeatableOptions = {});

// One date (D.M.YYYY, year 1880..2050), time (H:M, minute up to 60) or whole number in a
// range; a bad text throws UsageError starting with "<command>: ".
void ParseDateOption(const std::string& text, const std::string& command, int& day, int& month,
                     int& year);
void ParseTimeOption(const std::string& text, const std::string& command, int& hour, int& minute);
int ParseNumberOption(const std::string& text, int lo, int hi, const std::string& command,
                      const std::string& what);

// The help lines of the shared options.
extern const char* const kChartOptionsHelp;

// Fills the first chart form's fields exactly as the input window would hold them and
// chooses the house system on TDOM.
void FillFirstChartForm(State& state, const ChartOptions& options);
// The date, time and place fields of a chart form, as FillFirstChartForm writes them.
void FillChartFields(ChartForm& form, int day, int month, int year, int hour, int minute,
                     const std::string& lat, const std::string& lon);

} // namespace omvera::cli
