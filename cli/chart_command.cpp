// omvera-cli chart: one chart through the same path as the chart commands of the main
// window: the values go into the first chart form's fields, ReadChartInput(1) loads the chart
// moment, ComputeBody 1..16 and ComputeHouses(1, letter) compute it.
#include "app/numbers.h"
#include "app/state.h"
#include "astro/engine.h"
#include "cli/commands.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <regex>
#include <string>

namespace omvera::cli {
namespace {

const char* const kChartHelp =
    "Usage: omvera-cli chart --date D.M.YYYY --time H:M --lat TEXT --lon TEXT\n"
    "                        [--houses P|K|A|M|S|L] [--json]\n"
    "\n"
    "Computes the 16 bodies and the 12 house cusps of one chart, as the first chart\n"
    "form would hold it.\n"
    "\n"
    "  --date D.M.YYYY  day 1..31, month 1..12, year 1880..2050\n"
    "  --time H:M       Greenwich time: hour 0..23, minute 0..60\n"
    "  --lat TEXT       latitude, degrees north positive, as typed into the form (\"56.01\");\n"
    "                   the leading number is taken, the digits after the point are decimals\n"
    "  --lon TEXT       longitude, degrees east positive, as typed into the form (\"92.45\")\n"
    "  --houses LETTER  house system: P Placidus (default), K Koch, A equal from the\n"
    "                   Ascendant, M equal from the MC, S equal from the Sun, L equal from\n"
    "                   the Moon\n"
    "  --json           print one JSON object: jd, house_system, bodies (1..16), cusps\n"
    "                   (1..12), every number with 17 significant digits, and warning when\n"
    "                   the house system is not defined at that moment and place\n"
    "  --help           show this text\n"
    "\n"
    "A warning is also printed on stderr. Bad arguments end with exit status 2.\n";

// Sign names for the readable table, Aries first.
constexpr std::array<const char*, 12> kSignNames = {"Овен",    "Телец",   "Близнецы", "Рак",
                                                    "Лев",     "Дева",    "Весы",     "Скорпион",
                                                    "Стрелец", "Козерог", "Водолей",  "Рыбы"};

struct ChartArgs {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    std::string lat, lon;
    char houses = 'P';
    bool json = false;
    bool help = false;
};

int InRange(const std::string& digits, int lo, int hi, const char* what, const std::string& arg) {
    const auto v = ParseInteger(digits);
    if (!v || *v < lo || *v > hi)
        throw UsageError(std::string(what) + " out of range " + std::to_string(lo) + ".." +
                         std::to_string(hi) + " in '" + arg + "'");
    return static_cast<int>(*v);
}

ChartArgs ParseChartArgs(const Args& args) {
    ChartArgs out;
    std::optional<std::string> date, time, lat, lon, houses;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        if (a == "--json") {
            out.json = true;
            continue;
        }
        std::optional<std::string>* target = nullptr;
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
        else
            throw UsageError("chart: unknown option '" + a + "' (see omvera-cli chart --help)");
        if (i + 1 >= args.size()) throw UsageError("chart: " + a + " needs a value");
        if (target->has_value()) throw UsageError("chart: " + a + " given twice");
        *target = args[++i];
    }
    if (!date) throw UsageError("chart: --date D.M.YYYY is required");
    if (!time) throw UsageError("chart: --time H:M is required");
    if (!lat) throw UsageError("chart: --lat is required");
    if (!lon) throw UsageError("chart: --lon is required");

    static const std::regex kDate(R"((\d{1,2})\.(\d{1,2})\.(\d{4}))");
    static const std::regex kTime(R"((\d{1,2}):(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(*date, m, kDate))
        throw UsageError("chart: the date '" + *date + "' is not D.M.YYYY");
    out.day = InRange(m[1], 1, 31, "chart: day", *date);
    out.month = InRange(m[2], 1, 12, "chart: month", *date);
    out.year = InRange(m[3], 1880, 2050, "chart: year", *date);
    if (!std::regex_match(*time, m, kTime))
        throw UsageError("chart: the time '" + *time + "' is not H:M");
    out.hour = InRange(m[1], 0, 23, "chart: hour", *time);
    out.minute = InRange(m[2], 0, 60, "chart: minute", *time);
    out.lat = *lat;
    out.lon = *lon;
    if (houses) {
        if (houses->size() != 1 || HouseSystemCaption((*houses)[0])[0] == '\0')
            throw UsageError("chart: unknown house system '" + *houses +
                             "' (one of P, K, A, M, S, L)");
        out.houses = (*houses)[0];
    }
    return out;
}

std::string Number17(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// The text padded with blanks to `width` characters (UTF-8 letters count once).
std::string PadRight(const std::string& text, size_t width) {
    size_t chars = 0;
    for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
    return chars >= width ? text : text + std::string(width - chars, ' ');
}

// "24°49' Козерог": whole degrees and minutes within the sign, truncated.
std::string InSign(double longitude) {
    double x = longitude >= 360 ? longitude - 360 : longitude;
    const int sign = static_cast<int>(x / 30);
    const double within = x - 30 * sign;
    const int degrees = static_cast<int>(within);
    const int minutes = static_cast<int>((within - degrees) * 60);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d°%02d' ", degrees, minutes);
    return buf + std::string(kSignNames[sign % 12]);
}

void PrintJson(const State& s, double jd, char letter, const std::string& warning,
               std::ostream& out) {
    out << "{\"jd\": " << Number17(jd) << ", \"house_system\": \"" << letter << "\", \"bodies\": [";
    for (int n = 1; n <= kBodyCount; ++n)
        out << (n > 1 ? ", " : "") << Number17(s.BodyPositions[n]);
    out << "], \"cusps\": [";
    for (int q = 1; q <= 12; ++q) out << (q > 1 ? ", " : "") << Number17(s.HouseCusps[q]);
    out << "]";
    if (!warning.empty()) out << ", \"warning\": " << JsonString(warning);
    out << "}\n";
}

void PrintTable(const State& s, const ChartArgs& a, double jd, char letter, std::ostream& out) {
    char head[160];
    std::snprintf(head, sizeof head, "Карта на %d.%d.%d %d:%02d по Гринвичу", a.day, a.month,
                  a.year, a.hour, a.minute);
    out << head << ", широта " << a.lat << ", долгота " << a.lon << "\n";
    out << "Юлианский день " << FormatFixed(jd, 0, 5) << "\n\n";
    out << "Планеты\n";
    for (int n = 1; n <= kBodyCount; ++n)
        out << BodyLabels[n] << "  " << FormatFixed(s.BodyPositions[n], 6, 2) << "   "
            << InSign(s.BodyPositions[n]) << "\n";
    out << "\nДома: " << HouseSystemCaption(letter) << "\n";
    for (int q = 1; q <= 12; ++q)
        out << PadRight(HouseLabels[q], 5) << "  " << FormatFixed(s.HouseCusps[q], 6, 2) << "   "
            << InSign(s.HouseCusps[q]) << "\n";
}

int ChartCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const ChartArgs a = ParseChartArgs(args);
    if (a.help) {
        out << kChartHelp;
        return 0;
    }
    State s;
    // The form's fields exactly as the input window would hold them.
    s.ID1.SpinEdit1.SetValue(a.year);
    s.ID1.SetMonthIndex(a.month - 1);
    s.ID1.SpinEdit2.SetValue(a.day);
    s.ID1.SpinEdit3.SetValue(a.hour);
    s.ID1.SpinEdit4.SetValue(a.minute);
    s.ID1.Edit2 = a.lat;
    s.ID1.Edit3 = a.lon;
    ChooseHouseSystem(s.Dom, a.houses);

    ReadChartInput(s, 1);
    for (int n = 1; n <= kBodyCount; ++n) ComputeBody(s, n);
    char letter = 'P';
    CurrentHouseSystem(s.Dom, letter);
    ComputeHouses(s, 1, letter, s.HouseCusps);
    const double jd = JulianDay(s.moment.day, s.moment.month, s.moment.year);

    std::string warning;
    for (const std::string& w : s.Warnings) warning += (warning.empty() ? "" : " ") + w;
    if (!warning.empty()) err << "Предупреждение: " << warning << "\n";

    if (a.json)
        PrintJson(s, jd, letter, warning, out);
    else
        PrintTable(s, a, jd, letter, out);
    return 0;
}

const CommandRegistration kChart("chart", "compute the bodies and house cusps of one chart",
                                 ChartCommand);

} // namespace
} // namespace omvera::cli
