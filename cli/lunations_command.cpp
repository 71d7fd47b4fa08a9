// omvera-cli lunations: the table of new moons, full moons and eclipses of the help page
// "Новолуния Полнолуния затмения", as text or JSON.
#include "app/lunation_pages.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/text_options.h"

#include <cstdio>
#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Usage: omvera-cli lunations --from YYYY --to YYYY [--json]\n"
    "\n"
    "Prints every new moon, full moon and solar and lunar eclipse of the years YYYY..YYYY\n"
    "(1600..2100): the Greenwich date and time to the minute, the Moon's position in its sign,\n"
    "and for an eclipse its kind and the time of greatest eclipse. The help page luna.htm\n"
    "shows the same table for 1880..2050.\n";

int ParseYear(const std::string& option, const std::string& value) {
    size_t used = 0;
    int year = 0;
    try {
        year = std::stoi(value, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != value.size())
        throw UsageError(option + " needs a year, got '" + value + "'");
    return year;
}

std::string JsonNumber(double v, const char* format) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

void PrintJson(const std::vector<Lunation>& table, std::ostream& out) {
    out << "[";
    for (size_t i = 0; i < table.size(); ++i) {
        const Lunation& l = table[i];
        const LunationRow r = RowOf(l);
        out << (i ? ",\n " : "\n ") << "{\"date\": " << JsonString(r.date)
            << ", \"time\": " << JsonString(r.time) << ", \"phase\": \"" << PhaseKey(l.phase)
            << "\", \"moon_longitude\": " << JsonNumber(l.moonLongitude, "%.4f")
            << ", \"position\": " << JsonString(r.position);
        if (l.eclipse != EclipseKind::None)
            out << ", \"eclipse\": {\"body\": \"" << (l.phase == MoonPhase::New ? "solar" : "lunar")
                << "\", \"kind\": \"" << EclipseKey(l.eclipse)
                << "\", \"greatest\": " << JsonString(FormatMinute(ToMinute(l.eclipseJdUT)))
                << ", \"gamma\": " << JsonNumber(l.gamma, "%.4f")
                << ", \"magnitude\": " << JsonNumber(l.magnitude, "%.3f") << "}";
        out << "}";
    }
    out << "\n]\n";
}

int LunationsCommand(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    int from = 0, to = 0;
    bool haveFrom = false, haveTo = false, json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--from" || a == "--to") {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a year");
            (a == "--from" ? from : to) = ParseYear(a, args[++i]);
            (a == "--from" ? haveFrom : haveTo) = true;
        } else {
            throw UsageError("lunations: unknown argument '" + a + "'");
        }
    }
    if (!haveFrom || !haveTo) throw UsageError("lunations needs --from and --to");
    const auto table = Lunations(from, to); // throws Error for a range it cannot compute
    if (json)
        PrintJson(table, out);
    else
        for (const auto& line : LunationTableLines(table)) out << line << '\n';
    return 0;
}

const CommandRegistration kRegistration("lunations",
                                        "new and full moons and eclipses of a range of years",
                                        LunationsCommand);

} // namespace
} // namespace omvera::cli
