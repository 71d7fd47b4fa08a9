// omvera-cli report KIND: what a user does for a report — the forms filled, the chart command
// of that kind run, then "Интерпретация" — on a fresh program state, printing every line the
// text view holds afterwards.
#include "app/chart_commands.h"
#include "app/report_commands.h"
#include "app/save_commands.h"
#include "app/state.h"
#include "base/data_path.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "cli/chart_options.h"
#include "cli/json.h"
#include "cli/second_chart_options.h"
#include "drawing/recording_canvas.h"
#include "input/settings_forms.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string_view>

namespace omvera::cli {
namespace {

// What a user does before "Интерпретация" for one kind of report.
struct ReportKind {
    const char* name;
    const char* summary;
    void (*prepare)(State& state, ChartCanvases& canvases, const ChartOptions& options);
};

void Natal(State& s, ChartCanvases& c, const ChartOptions&) {
    N40Click(s, c);
}

void Child(State& s, ChartCanvases& c, const ChartOptions&) {
    N41Click(s, c);
}

const ReportKind kKinds[] = {
    {"natal", "the adult natal report (\"Взрослый\")", Natal},
    {"child", "the child's natal report (\"Детский\")", Child},
};

const char* const kHelp =
    "Usage: omvera-cli report KIND <chart options> [--name TEXT] [--sex M|F]\n"
    "                         [settings] [--folder DIR] [--json | --out FILE]\n\n"
    "Fills the first chart form from the options, runs the chart command of KIND and then\n"
    "\"Интерпретация\", and prints every line of the text view (UTF-8, one per line, blanks\n"
    "kept). A file that cannot be read ends the command with exit status 1 after the lines\n"
    "added before it have been printed.\n\n"
    "kinds:\n";

const char* const kOptionsHelp =
    "  --name TEXT      the person's name (the form's Edit1)\n"
    "  --sex M|F        \"Мужчина\" (default) or \"Женщина\"\n"
    "settings:\n"
    "  --orbs PRESET    the planets dialog's preset: radix, transit, directions, synastry\n"
    "  --orb ROW=TEXT   one orb field, rows 1..17 as the planets dialog numbers them\n"
    "                   (repeatable)\n"
    "  --include ROW=0|1  the row's inclusion switch (repeatable)\n"
    "  --aspects LIST   the aspect table's rows as texts, separated by ';' (\"0;60;90;120;180\")\n"
    "  --folder DIR     the program folder holding Dann (default: the current folder)\n"
    "  --json           print {\"lines\": [...], \"searches\": [{\"file\", \"marker\", \"title\",\n"
    "                   \"keys\"}...], \"warnings\": [...]}\n"
    "  --out FILE       write the lines as the main window saves them instead of printing\n"
    "                   them: RTF for a name ending in .rtf, PDF for .pdf (nothing is\n"
    "                   written when the report fails)\n";

const ReportKind* FindKind(std::string_view name) {
    for (const ReportKind& k : kKinds)
        if (name == k.name) return &k;
    return nullptr;
}

std::pair<int, std::string> RowAssignment(const std::string& text, const std::string& option) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw UsageError("report: " + option + " takes ROW=VALUE");
    const int row = ParseNumberOption(text.substr(0, eq), 1, 17, "report", option + " row");
    return {row, text.substr(eq + 1)};
}

void ApplySettings(State& s, const ChartOptions& o) {
    if (auto it = o.values.find("--name"); it != o.values.end()) s.ID1.Edit1 = it->second;
    if (auto it = o.values.find("--sex"); it != o.values.end()) {
        if (it->second != "M" && it->second != "F") throw UsageError("report: --sex takes M or F");
        s.ID1.SetMan(it->second == "M");
    }
    if (auto it = o.values.find("--orbs"); it != o.values.end()) {
        const std::string& p = it->second;
        if (p == "radix")
            ApplyOrbPreset(s.PlanUst, OrbPreset::Radix);
        else if (p == "transit")
            ApplyOrbPreset(s.PlanUst, OrbPreset::Transit);
        else if (p == "directions")
            ApplyOrbPreset(s.PlanUst, OrbPreset::Directions);
        else if (p == "synastry")
            ApplyOrbPreset(s.PlanUst, OrbPreset::Synastry);
        else
            throw UsageError("report: unknown orb preset '" + p +
                             "' (radix, transit, directions, synastry)");
    }
    for (const auto& [option, value] : o.repeated) {
        const auto [row, text] = RowAssignment(value, option);
        if (option == "--orb") {
            s.PlanUst.Edit[row] = text;
        } else {
            if (text != "0" && text != "1")
                throw UsageError("report: --include takes ROW=0 or ROW=1");
            s.PlanUst.CheckBox[row] = text == "1";
        }
    }
    if (auto it = o.values.find("--aspects"); it != o.values.end()) {
        std::vector<std::string> rows;
        std::string_view rest = it->second;
        while (true) {
            const auto semi = rest.find(';');
            rows.emplace_back(rest.substr(0, semi));
            if (semi == std::string_view::npos) break;
            rest.remove_prefix(semi + 1);
        }
        s.AspUst.ListBox1 = rows;
    }
    s.ProgramFolder = CurrentFolder();
    if (auto it = o.values.find("--folder"); it != o.values.end()) s.ProgramFolder = it->second;
}

const char* TitleName(SectionTitle t) {
    switch (t) {
    case SectionTitle::FirstCharBlank:
        return "first-char-blank";
    case SectionTitle::BlankTitle:
        return "blank";
    case SectionTitle::AfterSecondBracket:
        return "after-second-bracket";
    }
    return "";
}

enum class ReportFile { Rtf, Pdf };

ReportFile ReportFileOf(const std::string& file) {
    std::string lower = file;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.size() > 4 && lower.ends_with(".rtf")) return ReportFile::Rtf;
    if (lower.size() > 4 && lower.ends_with(".pdf")) {
        if (!RegisteredPdfWriter())
            throw UsageError(
                "report: this build of omvera-cli has no PDF writer (built without Qt)");
        return ReportFile::Pdf;
    }
    throw UsageError("report: the file '" + file + "' does not end in .rtf or .pdf");
}

void PrintJson(std::ostream& out, const State& s, const std::vector<SearchRecord>& searches) {
    out << "{\"lines\": [";
    const auto& lines = s.Form1.RichEdit1Lines;
    for (size_t i = 0; i < lines.size(); ++i) out << (i ? ", " : "") << JsonString(lines[i]);
    out << "],\n \"searches\": [";
    for (size_t i = 0; i < searches.size(); ++i) {
        const SearchRecord& r = searches[i];
        // The file as the program writes it, without ProgramFolder and its leading backslash.
        const std::string file = r.file.substr(r.file.rfind("\\Dann", 0) == 0 ? 1 : 0);
        out << (i ? ",\n  " : "\n  ") << "{\"file\": " << JsonString(file)
            << ", \"marker\": " << JsonString(std::string(1, r.marker)) << ", \"title\": \""
            << TitleName(r.title) << "\", \"keys\": [";
        for (size_t k = 0; k < r.keys.size(); ++k) {
            out << (k ? ", " : "");
            if (r.title == SectionTitle::AfterSecondBracket) {
                out << JsonString(r.keys[k].empty() ? "" : r.keys[k].front());
                continue;
            }
            out << "[";
            for (size_t j = 0; j < r.keys[k].size(); ++j)
                out << (j ? ", " : "") << JsonString(r.keys[k][j]);
            out << "]";
        }
        out << "]}";
    }
    out << "],\n \"warnings\": [";
    for (size_t i = 0; i < s.Warnings.size(); ++i)
        out << (i ? ", " : "") << JsonString(s.Warnings[i]);
    out << "]}\n";
}

int ReportCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        out << kHelp;
        for (const ReportKind& k : kKinds) out << "  " << k.name << "  " << k.summary << "\n";
        out << "\n" << kChartOptionsHelp << kOptionsHelp;
        return 0;
    }
    const ReportKind* kind = FindKind(args[0]);
    if (!kind)
        throw UsageError("report: unknown kind '" + args[0] + "' (see omvera-cli report --help)");
    const Args rest(args.begin() + 1, args.end());
    const ChartOptions o = ParseChartOptions(
        rest, "report", {"--name", "--sex", "--orbs", "--aspects", "--folder", "--out"}, {"--json"},
        {"--orb", "--include"});
    if (o.help) return ReportCommand({"--help"}, out, err);

    State s;
    FillFirstChartForm(s, o);
    ApplySettings(s, o);
    RecordingCanvas image1, prosm, aspq;
    ChartCanvases canvases{image1, prosm, aspq};
    std::vector<SearchRecord> searches;
    const bool json = o.flags.count("--json") > 0;
    const auto outFile = o.values.find("--out");
    const bool toFile = outFile != o.values.end();
    if (toFile && json) throw UsageError("report: --json does not go with --out");
    const ReportFile format = toFile ? ReportFileOf(outFile->second) : ReportFile::Rtf;
    auto print = [&] {
        for (const std::string& w : s.Warnings) err << "Предупреждение: " << w << "\n";
        if (toFile) return; // the file is written once the report is complete
        if (json)
            PrintJson(out, s, searches);
        else
            for (const std::string& line : s.Form1.RichEdit1Lines) out << line << "\n";
    };
    try {
        kind->prepare(s, canvases, o);
        Button4Click(s, canvases, &searches);
    } catch (const Error&) {
        print(); // the lines added before the failing step are the user's all the same
        throw;
    }
    print();
    if (toFile) {
        const auto& lines = s.Form1.RichEdit1Lines;
        WriteFileAtomically(outFile->second, format == ReportFile::Rtf
                                                 ? TextViewRtf(lines)
                                                 : RegisteredPdfWriter()(lines));
    }
    return 0;
}

const CommandRegistration kReport("report", "print the interpretation report of a chart",
                                  ReportCommand);

} // namespace
} // namespace omvera::cli
