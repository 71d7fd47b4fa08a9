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
    "Использование: omvera-cli lunations --from ГГГГ --to ГГГГ [--json]\n"
    "\n"
    "Выводит все новолуния, полнолуния, солнечные и лунные затмения за годы ГГГГ..ГГГГ\n"
    "(1600..2100): дату и время по Гринвичу с точностью до минуты, положение Луны в знаке,\n"
    "а для затмения — его вид и время наибольшей фазы. Страница справки luna.htm\n"
    "показывает ту же таблицу за 1880..2050.\n";

int ParseYear(const std::string& option, const std::string& value) {
    size_t used = 0;
    int year = 0;
    try {
        year = std::stoi(value, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != value.size())
        throw UsageError("lunations: " + option + " ждёт год, а не «" + value + "»");
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
            if (i + 1 >= args.size())
                throw UsageError("lunations: у параметра " + a + " нет значения");
            (a == "--from" ? from : to) = ParseYear(a, args[++i]);
            (a == "--from" ? haveFrom : haveTo) = true;
        } else {
            throw UsageError("lunations: неизвестный параметр «" + a +
                             "» (см. omvera-cli lunations --help)");
        }
    }
    if (!haveFrom || !haveTo) throw UsageError("lunations: нужны параметры --from и --to");
    const auto table = Lunations(from, to); // throws Error for a range it cannot compute
    if (json)
        PrintJson(table, out);
    else
        for (const auto& line : LunationTableLines(table)) out << line << '\n';
    return 0;
}

const CommandRegistration kRegistration("lunations",
                                        "новолуния, полнолуния и затмения за промежуток лет",
                                        LunationsCommand);

} // namespace
} // namespace omvera::cli
