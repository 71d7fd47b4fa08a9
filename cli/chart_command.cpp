// omvera-cli chart: one chart through the same path as the chart commands of the main
// window: the values go into the first chart form's fields, ReadChartInput(1) loads the chart
// moment, ComputeBody 1..16 and ComputeHouses(1, letter) compute it.
#include "app/chart_state.h"
#include "app/state.h"
#include "base/numbers.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/json_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

namespace omvera::cli {
namespace {

const char* const kChartHelpHead =
    "Использование: omvera-cli chart --date Д.М.ГГГГ --time Ч:М --lat ТЕКСТ --lon ТЕКСТ\n"
    "                                [--houses P|K|A|M|S|L] [--json]\n"
    "\n"
    "Рассчитывает 16 тел и 12 куспидов домов одной карты в том виде, в каком их\n"
    "содержала бы первая форма карты.\n"
    "\n";
const char* const kChartHelpTail =
    "  --json           вывести один объект JSON: jd, house_system, bodies (1..16), cusps\n"
    "                   (1..12), все числа с 17 значащими цифрами, и warnings (список\n"
    "                   текстов), если система домов не определена для этого момента и\n"
    "                   места или какое-то поле прочитано не так, как задано\n"
    "  --help           показать эту справку\n"
    "\n"
    "Предупреждения выводятся и в stderr. При неверных аргументах код выхода 2.\n";

// Sign names for the readable table, Aries first.
constexpr std::array<const char*, 12> kSignNames = {"Овен",    "Телец",   "Близнецы", "Рак",
                                                    "Лев",     "Дева",    "Весы",     "Скорпион",
                                                    "Стрелец", "Козерог", "Водолей",  "Рыбы"};

std::string Number17(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
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

void PrintJson(const State& s, double jd, char letter, std::ostream& out) {
    out << "{\"jd\": " << Number17(jd) << ", \"house_system\": \"" << letter << "\", \"bodies\": [";
    for (int n = 1; n <= kBodyCount; ++n)
        out << (n > 1 ? ", " : "") << Number17(s.BodyPositions[n]);
    out << "], \"cusps\": [";
    for (int q = 1; q <= 12; ++q) out << (q > 1 ? ", " : "") << Number17(s.HouseCusps[q]);
    out << "]";
    if (!s.Warnings.empty()) out << ", \"warnings\": " << JsonStringArray(s.Warnings);
    out << "}\n";
}

void PrintTable(const State& s, const ChartOptions& a, double jd, char letter, std::ostream& out) {
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
    const ChartOptions a = ParseChartOptions(args, "chart", {}, {"--json"});
    if (a.help) {
        out << kChartHelpHead << kChartOptionsHelp << kChartHelpTail;
        return 0;
    }
    State s;
    FillFirstChartForm(s, a);

    ReadChartInput(s, 1);
    for (int n = 1; n <= kBodyCount; ++n) ComputeBody(s, n);
    char letter = 'P';
    CurrentHouseSystem(s.Dom, letter);
    ComputeHouses(s, 1, letter, s.HouseCusps);
    const double jd = JulianDay(s.moment.day, s.moment.month, s.moment.year);

    PrintWarnings(s.Warnings, err);
    if (a.flags.count("--json"))
        PrintJson(s, jd, letter, out);
    else
        PrintTable(s, a, jd, letter, out);
    return 0;
}

const CommandRegistration kChart("chart", "тела и куспиды домов одной карты", ChartCommand);

} // namespace
} // namespace omvera::cli
