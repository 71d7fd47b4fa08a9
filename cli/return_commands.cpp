// omvera-cli solar and lunar: the return searches of the second chart form, run through the
// same form model as its buttons "Расчет Cоляра" and "Расчет Лунара".
#include "app/return_search.h"
#include "app/state.h"
#include "base/errors.h"
#include "cli/json_text.h"
#include "cli/second_chart_options.h"
#include "input/second_chart.h"

#include <ostream>

namespace omvera::cli {
namespace {

const char* const kNatalHead = "натальная карта (первая форма карты):\n";

void PrintMomentJson(std::ostream& out, const ChartForm& f) {
    out << "{\"year\": " << f.SpinEdit1.Value() << ", \"month\": " << f.Month()
        << ", \"day\": " << f.SpinEdit2.Value() << ", \"hour\": " << f.SpinEdit3.Value()
        << ", \"minute\": " << f.SpinEdit4.Value() << "}";
}

int SolarCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const ChartOptions o = ParseChartOptions(args, "solar", kReturnOptions, {"--json"});
    if (o.help) {
        out << "Использование: omvera-cli solar --year ГОД <параметры натальной карты>\n"
               "                                [--place-lat ТЕКСТ --place-lon ТЕКСТ] [--json]\n\n"
               "Находит соляр года — момент, когда Солнце возвращается на свою натальную\n"
               "долготу, как «Расчет Cоляра», — и выводит его в виде Д.М.ГГГГ Ч:М (по "
               "Гринвичу).\n\n"
            << kNatalHead << kChartOptionsHelp << "возвращение:\n"
            << kReturnOptionsHelp
            << "  --json           вывести {\"year\", \"month\", \"day\", "
               "\"hour\", \"minute\"}\n";
        return 0;
    }
    State s;
    FillFirstChartForm(s, o);
    ArrangeSecondChartSolar(s.ID2);
    FillReturnOptions(s, o, "solar", false);
    SolarReturnSearch(s);
    PrintWarnings(s.Warnings, err);
    const ChartForm& f = s.ID2;
    if (o.flags.count("--json")) {
        PrintMomentJson(out, f);
        out << "\n";
    } else {
        out << f.SpinEdit2.Value() << "." << f.Month() << "." << f.SpinEdit1.Value() << " "
            << f.SpinEdit3.Value() << ":" << f.SpinEdit4.Value() << "\n";
    }
    return 0;
}

void PrintLunarList(std::ostream& out, const std::vector<std::string>& lines, bool json) {
    if (!json) {
        for (const auto& l : lines) out << l << "\n";
        return;
    }
    out << "[";
    for (size_t i = 0; i < lines.size(); ++i) {
        ChartForm f;
        LoadLunarListLine(lines[i], f);
        out << (i ? ", " : "");
        PrintMomentJson(out, f);
    }
    out << "]\n";
}

int LunarCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const ChartOptions o = ParseChartOptions(args, "lunar", kReturnOptions, {"--json"});
    if (o.help) {
        out << "Использование: omvera-cli lunar --year ГОД --month МЕСЯЦ <параметры натальной "
               "карты>\n"
               "                                [--place-lat ТЕКСТ --place-lon ТЕКСТ] [--json]\n\n"
               "Перечисляет три лунара подряд, начиная за 30 дней до выбранного месяца, как\n"
               "«Расчет Лунара», по строке на каждый, как их показывает список формы.\n\n"
            << kNatalHead << kChartOptionsHelp << "возвращение:\n"
            << kReturnOptionsHelp
            << "  --json           вывести список {\"year\", \"month\", "
               "\"day\", \"hour\", \"minute\"}\n";
        return 0;
    }
    State s;
    FillFirstChartForm(s, o);
    ArrangeSecondChartLunar(s.ID2);
    FillReturnOptions(s, o, "lunar", true);
    try {
        LunarReturnSearch(s);
    } catch (const Error&) {
        // The returns found before the search stopped are printed all the same.
        PrintWarnings(s.Warnings, err);
        PrintLunarList(out, s.ID2.ListBox1, o.flags.count("--json") > 0);
        throw;
    }
    PrintWarnings(s.Warnings, err);
    PrintLunarList(out, s.ID2.ListBox1, o.flags.count("--json") > 0);
    return 0;
}

const CommandRegistration kSolar("solar", "соляр заданного года", SolarCommand);
const CommandRegistration kLunar("lunar", "три лунара начиная с заданного месяца", LunarCommand);

} // namespace
} // namespace omvera::cli
