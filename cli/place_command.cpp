// omvera-cli place: the towns of the atlas that match a name, with the coordinates in the
// chart forms' notation and the time zone, as the local-time options use them.
#include "base/data_path.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/local_time_options.h"
#include "input/atlas.h"
#include "input/local_time.h"

#include <cstdio>
#include <ostream>

namespace omvera::cli {
namespace {

const char* const kHelp =
    "Usage: omvera-cli place NAME [--json] [--limit N] [--folder DIR]\n"
    "\n"
    "Lists the towns of the atlas whose name contains NAME: Russian or Latin letters, old\n"
    "names too (Ленинград, Свердловск, Горький), case and \"ё\" ignored. \"NAME, REGION\" or\n"
    "\"NAME, COUNTRY\" keeps the namesakes of that region or country. Whole names come first,\n"
    "then larger towns. Each line: the name, region and country, the latitude and longitude\n"
    "as the chart forms take them (degrees.minutes, north and east positive), the time zone.\n"
    "  --json      print one JSON object instead of text\n"
    "  --limit N   at most N towns (1..500, default 20)\n"
    "  --folder DIR  the program folder whose Dann/Atlas.TXT lists the old names (default:\n"
    "              the current folder)\n"
    "\n"
    "The towns come from the system's geographic database (Debian package\n"
    "libgeonames-common), the clock history from its time-zone database (tzdata).\n"
    "No match ends with exit status 1, bad arguments with status 2.\n"
    "\n";

std::string Number(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.5f", v);
    return b;
}

int RunPlace(const Args& args, std::ostream& out, std::ostream& err) {
    std::string name, folder = CurrentFolder();
    bool json = false, haveName = false;
    int limit = 20;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kHelp << kLocalTimeOptionsHelp;
            return 0;
        }
        if (a == "--json") {
            json = true;
        } else if (a == "--limit" || a == "--folder") {
            if (i + 1 >= args.size()) throw UsageError("place: у параметра " + a + " нет значения");
            if (a == "--limit")
                limit = ParseNumberOption(args[++i], 1, 500, "place", "--limit");
            else
                folder = args[++i];
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError("place: неизвестный параметр «" + a +
                             "» (см. omvera-cli place --help)");
        } else if (haveName) {
            throw UsageError("place: название задано дважды (название из нескольких слов "
                             "заключите в кавычки)");
        } else {
            name = a;
            haveName = true;
        }
    }
    if (!haveName) throw UsageError("place: нужно название города");
    const Atlas atlas = Atlas::LoadSystem(DataPath(folder, "\\Dann\\Atlas.TXT"));
    const auto found = atlas.Find(name, static_cast<std::size_t>(limit));
    if (found.empty()) {
        err << "Город «" << name << "» не найден в атласе\n";
        return 1;
    }
    if (!json) {
        for (const PlaceMatch& m : found)
            out << DescribePlace(m) << "\t" << FormNotation(m.place->latitude) << "\t"
                << FormNotation(m.place->longitude) << "\t" << m.place->zone << "\n";
        return 0;
    }
    out << "{\"query\": " << JsonString(name) << ", \"places\": [";
    for (std::size_t i = 0; i < found.size(); ++i) {
        const PlaceMatch& m = found[i];
        const Place& p = *m.place;
        out << (i ? ",\n  " : "\n  ") << "{\"name\": " << JsonString(p.ShownName())
            << ", \"name_latin\": " << JsonString(p.name) << ", \"alias\": " << JsonString(m.alias)
            << ", \"region\": " << JsonString(p.ShownRegion())
            << ", \"country\": " << JsonString(p.ShownCountry())
            << ", \"country_code\": " << JsonString(p.countryCode)
            << ", \"lat\": " << JsonString(FormNotation(p.latitude))
            << ", \"lon\": " << JsonString(FormNotation(p.longitude))
            << ", \"latitude\": " << Number(p.latitude)
            << ", \"longitude\": " << Number(p.longitude) << ", \"zone\": " << JsonString(p.zone)
            << ", \"population\": " << p.population << "}";
    }
    out << "\n]}\n";
    return 0;
}

const CommandRegistration
    kPlace("place", "towns of the atlas with coordinates and time zone (local time)", RunPlace);

} // namespace
} // namespace omvera::cli
