// omvera-cli transit-table and omvera-cli fatigue: what a user does in the calendar dialog —
// the first chart form filled, "Таблица транзитов" or "Расчет усталости" chosen, the two
// dates typed and "Расчет " pressed — printing the text view's lines afterwards.
#include "app/calendar_commands.h"
#include "app/chart_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "calendars/calendar.h"
#include "cli/chart_options.h"
#include "cli/json_text.h"
#include "cli/report_settings.h"
#include "drawing/recording_canvas.h"

#include <ostream>

namespace omvera::cli {
namespace {

const char* const kOptionsHelp =
    "  --from Д.М.ГГГГ  «Дата 1», как её вводят в окне\n"
    "  --to Д.М.ГГГГ    «Дата2»\n"
    "  --name ТЕКСТ, --sex M|F, --orbs НАБОР, --orb СТРОКА=ТЕКСТ, --include СТРОКА=0|1,\n"
    "  --aspects СПИСОК, --folder ПАПКА\n"
    "                   человек и настройки, как в omvera-cli report\n"
    "  --json           вывести {\"lines\": [...]}\n";

struct CalendarCommand {
    const char* name;
    const char* usage;
    void (*menu)(State& state, ChartCanvases& canvases); // the menu command opening the dialog
    bool time2;                                          // takes --time2
};

int Calculate(const CalendarCommand& cmd, const Args& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> valueOptions = {"--from", "--to",      "--name",  "--sex",
                                             "--orbs", "--aspects", "--folder"};
    if (cmd.time2) valueOptions.push_back("--time2");
    const ChartOptions o =
        ParseChartOptions(args, cmd.name, valueOptions, {"--json"}, {"--orb", "--include"});
    if (o.help) {
        out << cmd.usage << "\n" << kChartOptionsHelp << kOptionsHelp;
        if (cmd.time2)
            out << "  --time2 Ч:М      час и минута каждого дня списка (время TID2; по\n"
                   "                   умолчанию 12:30)\n";
        return 0;
    }
    const auto from = o.values.find("--from");
    const auto to = o.values.find("--to");
    if (from == o.values.end() || to == o.values.end())
        throw UsageError(std::string(cmd.name) + ": нужны параметры --from и --to");

    State s;
    FillFirstChartForm(s, o);
    ApplyReportSettings(s, o);
    if (auto it = o.values.find("--time2"); it != o.values.end()) {
        int h = 0, m = 0;
        ParseTimeOption(it->second, cmd.name, h, m);
        s.ID2.SpinEdit3.SetValue(h);
        s.ID2.SpinEdit4.SetValue(m);
    }
    RecordingCanvas image1, prosm, aspq;
    ChartCanvases canvases{image1, prosm, aspq};
    const bool json = o.flags.count("--json") > 0;
    auto print = [&] {
        for (const std::string& w : s.Warnings) err << "Предупреждение: " << w << "\n";
        const auto& lines = s.Form1.RichEdit1Lines;
        if (!json) {
            for (const std::string& line : lines) out << line << "\n";
            return;
        }
        out << "{\"lines\": [";
        for (size_t i = 0; i < lines.size(); ++i) out << (i ? ", " : "") << JsonString(lines[i]);
        out << "]}\n";
    };
    try {
        cmd.menu(s, canvases);
        // "Таблица транзитов" reloads the glyphs for the picture; a table has no use for them,
        // so a folder without them is nothing to warn about here.
        s.Warnings.clear();
        s.Kalendar.DateEdit1 = from->second;
        s.Kalendar.DateEdit2 = to->second;
        KalendarButton3Click(s);
    } catch (const Error&) {
        print();
        throw;
    }
    print();
    return 0;
}

const CalendarCommand kTransitTable = {
    "transit-table",
    "Использование: omvera-cli transit-table --from Д.М.ГГГГ --to Д.М.ГГГГ <параметры карты>\n"
    "                                        [--time2 Ч:М] [человек и настройки] [--json]\n\n"
    "«Таблица транзитов»: перечисляет каждый день со следующего после --from по следующий\n"
    "после --to, с днём недели и транзитами этого дня к карте.\n",
    N12Click, true};

const CalendarCommand kFatigue = {
    "fatigue",
    "Использование: omvera-cli fatigue --from Д.М.ГГГГ --to Д.М.ГГГГ <параметры карты>\n"
    "                                  [человек и настройки] [--json]\n\n"
    "«Расчет усталости»: дни перелома биологических циклов от --from до дня перед --to\n"
    "(не больше 200 строк; все 200, если --to не позже --from).\n",
    N25Click, false};

const CommandRegistration
    kTransitTableCommand("transit-table", "таблица транзитов за промежуток дней",
                         [](const Args& a, std::ostream& out, std::ostream& err) {
                             return Calculate(kTransitTable, a, out, err);
                         });
const CommandRegistration kFatigueCommand("fatigue", "календарь усталости за промежуток дней",
                                          [](const Args& a, std::ostream& out, std::ostream& err) {
                                              return Calculate(kFatigue, a, out, err);
                                          });

} // namespace
} // namespace omvera::cli
