#include "cli/chart_options.h"

#include "app/state.h"
#include "base/numbers.h"
#include "input/settings_forms.h"

#include <algorithm>
#include <optional>
#include <regex>

namespace omvera::cli {
namespace {

int InRange(const std::string& digits, int lo, int hi, const std::string& what,
            const std::string& arg) {
    const auto v = ParseInteger(digits);
    if (!v || *v < lo || *v > hi)
        throw UsageError(what + " out of range " + std::to_string(lo) + ".." + std::to_string(hi) +
                         " in '" + arg + "'");
    return static_cast<int>(*v);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

void ParseDateOption(const std::string& text, const std::string& command, int& day, int& month,
                     int& year) {
    const std::string p = command + ": ";
    static const std::regex kDate(R"((\d{1,2})\.(\d{1,2})\.(\d{4}))");
    std::smatch m;
    if (!std::regex_match(text, m, kDate))
        throw UsageError(p + "the date '" + text + "' is not D.M.YYYY");
    day = InRange(m[1], 1, 31, p + "day", text);
    month = InRange(m[2], 1, 12, p + "month", text);
    year = InRange(m[3], 1880, 2050, p + "year", text);
}

void ParseTimeOption(const std::string& text, const std::string& command, int& hour, int& minute) {
    const std::string p = command + ": ";
    static const std::regex kTime(R"((\d{1,2}):(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, kTime))
        throw UsageError(p + "the time '" + text + "' is not H:M");
    hour = InRange(m[1], 0, 23, p + "hour", text);
    minute = InRange(m[2], 0, 60, p + "minute", text);
}

int ParseNumberOption(const std::string& text, int lo, int hi, const std::string& command,
                      const std::string& what) {
    return InRange(text, lo, hi, command + ": " + what, text);
}

const char* const kChartOptionsHelp =
    "  --date D.M.YYYY  day 1..31, month 1..12, year 1880..2050\n"
    "  --time H:M       Greenwich time: hour 0..23, minute 0..60\n"
    "  --lat TEXT       latitude, degrees north positive, as typed into the form (\"56.01\");\n"
    "                   the leading number is taken, the digits after the point are decimals\n"
    "  --lon TEXT       longitude, degrees east positive, as typed into the form (\"92.45\")\n"
    "  --houses LETTER  house system: P Placidus (default), K Koch, A equal from the\n"
    "                   Ascendant, M equal from the MC, S equal from the Sun, L equal from\n"
    "                   the Moon\n";

ChartOptions ParseChartOptions(const Args& args, const std::string& command,
                               const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& flagOptions,
                               const std::vector<std::string>& repeatableOptions) {
    const std::string p = command + ": ";
    ChartOptions out;
    std::optional<std::string> date, time, lat, lon, houses;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        if (Contains(flagOptions, a)) {
            out.flags.insert(a);
            continue;
        }
        if (Contains(repeatableOptions, a)) {
            if (i + 1 >= args.size()) throw UsageError(p + a + " needs a value");
            out.repeated.emplace_back(a, args[++i]);
            continue;
        }
        std::optional<std::string>* target = nullptr;
        std::optional<std::string> own;
        const bool isOwn = Contains(valueOptions, a);
        if (a == "--date")
            target = &date;
        else if (a == "--time")
            target = &time;
        else if (a == "--lat")
            target = &lat;
        else if (a == "--lon")
            target = &lon;
        else if (a == "--houses")
            target = &houses;
        else if (isOwn)
            target = &own;
        else
            throw UsageError(p + "unknown option '" + a + "' (see omvera-cli " + command +
                             " --help)");
        if (i + 1 >= args.size()) throw UsageError(p + a + " needs a value");
        if (target->has_value() || (isOwn && out.values.count(a)))
            throw UsageError(p + a + " given twice");
        *target = args[++i];
        if (isOwn) out.values[a] = *own;
    }
    if (!date) throw UsageError(p + "--date D.M.YYYY is required");
    if (!time) throw UsageError(p + "--time H:M is required");
    if (!lat) throw UsageError(p + "--lat is required");
    if (!lon) throw UsageError(p + "--lon is required");

    ParseDateOption(*date, command, out.day, out.month, out.year);
    ParseTimeOption(*time, command, out.hour, out.minute);
    out.lat = *lat;
    out.lon = *lon;
    if (houses) {
        if (houses->size() != 1 || HouseSystemCaption((*houses)[0])[0] == '\0')
            throw UsageError(p + "unknown house system '" + *houses +
                             "' (one of P, K, A, M, S, L)");
        out.houses = (*houses)[0];
    }
    return out;
}

void FillFirstChartForm(State& s, const ChartOptions& o) {
    s.ID1.SpinEdit1.SetValue(o.year);
    s.ID1.SetMonthIndex(o.month - 1);
    s.ID1.SpinEdit2.SetValue(o.day);
    s.ID1.SpinEdit3.SetValue(o.hour);
    s.ID1.SpinEdit4.SetValue(o.minute);
    s.ID1.Edit2 = o.lat;
    s.ID1.Edit3 = o.lon;
    ChooseHouseSystem(s.Dom, o.houses);
}

} // namespace omvera::cli
