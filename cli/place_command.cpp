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
    "Использование: omvera-cli place ГОРОД [--json] [--limit N] [--folder ПАПКА]\n"
    "\n"
    "Перечисляет города атласа, в названии которых есть ГОРОД: русскими или латинскими\n"
    "буквами, также старые названия (Ленинград, Свердловск, Горький), без учёта регистра\n"
    "и «ё». «ГОРОД, РЕГИОН» или «ГОРОД, СТРАНА» оставляет тёзок из этого региона или страны.\n"
    "Сначала идут полные совпадения названия, затем более крупные города. В каждой строке:\n"
    "название, регион и страна, широта и долгота в записи форм карты (градусы.минуты,\n"
    "север и восток положительны), часовой пояс.\n"
    "  --json           вывести один объект JSON вместо текста\n"
    "  --limit N        не больше N городов (1..500, по умолчанию 20)\n"
    "  --folder ПАПКА   папка программы, чей Dann/Atlas.TXT дополняет атлас старыми\n"
    "                   названиями (по умолчанию текущая папка)\n"
    "\n"
    "Города берутся из географической базы системы (пакет Debian libgeonames-common),\n"
    "история перевода часов — из её базы часовых поясов (tzdata).\n"
    "Если ничего не найдено, код выхода 1, при неверных аргументах — 2.\n"
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
    kPlace("place", "города атласа с координатами и часовым поясом (местное время)", RunPlace);

} // namespace
} // namespace omvera::cli
