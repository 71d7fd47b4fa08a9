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

const char* const kNatalHead = "natal chart (the first chart form):\n";

void PrintMomentJson(std::ostream& out, const ChartForm& f) {
    out << "{\"year\": " << f.SpinEdit1.Value() << ", \"month\": " << f.Month()
        << ", \"day\": " << f.SpinEdit2.Value() << ", \"hour\": " << f.SpinEdit3.Value()
        << ", \"minute\": " << f.SpinEdit4.Value() << "}";
}

int SolarCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const ChartOptions o = ParseChartOptions(args, "solar", kReturnOptions, {"--json"});
    if (o.help) {
        out << "Usage: omvera-cli solar --year Y <natal chart options> [--place-lat TEXT "
               "--place-lon TEXT] [--json]\n\n"
               "Finds the solar return of the year: the moment the Sun is back on its natal\n"
               "longitude, as \"Расчет Cоляра\" does, and prints it as D.M.YYYY H:M "
               "(Greenwich).\n\n"
            << kNatalHead << kChartOptionsHelp << "return:\n"
            << kReturnOptionsHelp
            << "  --json           print {\"year\", \"month\", \"day\", "
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
        out << "Usage: omvera-cli lunar --year Y --month M <natal chart options> "
               "[--place-lat TEXT --place-lon TEXT] [--json]\n\n"
               "Lists three successive lunar returns from 30 days before the chosen month on,\n"
               "as \"Расчет Лунара\" does, one line each as the form's list shows them.\n\n"
            << kNatalHead << kChartOptionsHelp << "return:\n"
            << kReturnOptionsHelp
            << "  --json           print a list of {\"year\", \"month\", "
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

const CommandRegistration kSolar("solar", "find the solar return of a year", SolarCommand);
const CommandRegistration kLunar("lunar", "list three lunar returns from a month on", LunarCommand);

} // namespace
} // namespace omvera::cli
