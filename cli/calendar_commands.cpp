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
    "  --from D.M.YYYY  Date 1 (\"Дата 1\"), as typed into the dialog\n"
    "  --to D.M.YYYY    Date 2 (\"Дата2\")\n"
    "  --name TEXT, --sex M|F, --orbs PRESET, --orb ROW=TEXT, --include ROW=0|1,\n"
    "  --aspects LIST, --folder DIR\n"
    "                   the person and the settings, as for omvera-cli report\n"
    "  --json           print {\"lines\": [...]}\n";

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
            out << "  --time2 H:M      the hour and minute of every listed day (TID2's time;\n"
                   "                   default 12:30)\n";
        return 0;
    }
    const auto from = o.values.find("--from");
    const auto to = o.values.find("--to");
    if (from == o.values.end() || to == o.values.end())
        throw UsageError(std::string(cmd.name) + ": --from and --to are required");

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
    "Usage: omvera-cli transit-table --from D.M.YYYY --to D.M.YYYY <chart options> [--time2 H:M]\n"
    "                                [person and settings] [--json]\n\n"
    "\"Таблица транзитов\": lists every day from the day after --from through the day after\n"
    "--to with its weekday and the transits of that day to the chart.\n",
    N12Click, true};

const CalendarCommand kFatigue = {
    "fatigue",
    "Usage: omvera-cli fatigue --from D.M.YYYY --to D.M.YYYY <chart options>\n"
    "                          [person and settings] [--json]\n\n"
    "\"Расчет усталости\": the days from --from up to the day before --to on which the\n"
    "biological cycles turn (at most 200 lines; all 200 when --to is not after --from).\n",
    N25Click, false};

const CommandRegistration
    kTransitTableCommand("transit-table", "print the transit table over a range of days",
                         [](const Args& a, std::ostream& out, std::ostream& err) {
                             return Calculate(kTransitTable, a, out, err);
                         });
const CommandRegistration kFatigueCommand("fatigue",
                                          "print the fatigue calendar over a range of days",
                                          [](const Args& a, std::ostream& out, std::ostream& err) {
                                              return Calculate(kFatigue, a, out, err);
                                          });

} // namespace
} // namespace omvera::cli
