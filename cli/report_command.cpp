// omvera-cli report KIND: what a user does for a report — the forms filled, the chart command
// of that kind run, then "Интерпретация" — on a fresh program state, printing every line the
// text view holds afterwards.
#include "app/chart_commands.h"
#include "app/directions_commands.h"
#include "app/report_commands.h"
#include "app/save_commands.h"
#include "app/state.h"
#include "base/data_folders.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "cli/chart_options.h"
#include "cli/drawing_helper.h"
#include "cli/json_text.h"
#include "cli/report_settings.h"
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

// The partner's options only go with the synastry kinds that have a partner.
void RefusePartner(const ChartOptions& o, const char* kind) {
    for (const std::string& name : kPartnerOptions)
        if (o.values.count(name))
            throw UsageError("report: " + name + " не относится к отчёту " + kind);
    if (o.values.count("--sex2"))
        throw UsageError(std::string("report: --sex2 не относится к отчёту ") + kind);
}

void Natal(State& s, ChartCanvases& c, const ChartOptions& o) {
    RefusePartner(o, "natal");
    N40Click(s, c);
}

void Child(State& s, ChartCanvases& c, const ChartOptions& o) {
    RefusePartner(o, "child");
    N41Click(s, c);
}

// "Соляр", the return arrangement of TID2 filled, "Расчет Cоляра".
void Solar(State& s, ChartCanvases& c, const ChartOptions& o) {
    if (o.values.count("--pick"))
        throw UsageError("report solar: --pick is only for lunar returns");
    N22Click(s, c);
    FillReturnOptions(s, o, "report solar", false);
    SecondChartSolarReturn(s, c);
}

// "Лунар", the year and month filled, "Расчет Лунара", then a double-click on the found
// return --pick chooses (the first by default).
void Lunar(State& s, ChartCanvases& c, const ChartOptions& o) {
    int pick = 1;
    if (auto it = o.values.find("--pick"); it != o.values.end())
        pick = ParseNumberOption(it->second, 1, 3, "report lunar", "--pick");
    N23Click(s, c);
    FillReturnOptions(s, o, "report lunar", true);
    SecondChartLunarReturn(s, c);
    if (pick > static_cast<int>(s.ID2.ListBox1.size()))
        throw Error("Лунар номер " + std::to_string(pick) + " не найден: поиск нашёл " +
                    std::to_string(s.ID2.ListBox1.size()));
    s.ID2.ListBox1Index = pick - 1;
    SecondChartLunarListDblClick(s, c);
}

// The transit kinds: the chart command, TID2 filled with the transit moment, then
// "Добавить в карту".
void Transit(State& s, ChartCanvases& c, const ChartOptions& o) {
    N13Click(s, c);
    FillPartnerOptions(s, o, "report");
    SecondChartAddToChart(s, c);
}

void Medical(State& s, ChartCanvases& c, const ChartOptions& o) {
    N14Click(s, c);
    FillPartnerOptions(s, o, "report");
    SecondChartAddToChart(s, c);
}

// A synastry chart command, the partner's chart into TID2 and "Добавить в карту".
void WithPartner(State& s, ChartCanvases& c, const ChartOptions& o,
                 void (*command)(State&, ChartCanvases&)) {
    command(s, c);
    FillPartnerOptions(s, o, "report");
    if (auto it = o.values.find("--sex2"); it != o.values.end()) {
        if (it->second != "M" && it->second != "F") throw UsageError("report: --sex2 ждёт M или F");
        s.ID2.SetMan(it->second == "M");
    }
    SecondChartAddToChart(s, c);
}

void Partnership(State& s, ChartCanvases& c, const ChartOptions& o) {
    WithPartner(s, c, o, N39Click);
}

void Erotic(State& s, ChartCanvases& c, const ChartOptions& o) {
    WithPartner(s, c, o, N38Click);
}

void Karmic(State& s, ChartCanvases& c, const ChartOptions& o) {
    WithPartner(s, c, o, N37Click);
}

void Waiting(State& s, ChartCanvases& c, const ChartOptions& o) {
    RefusePartner(o, "waiting");
    N36Click(s, c);
}

// "Дирекции", the date typed into TDat2 (today's date before, as the dialog shows), the
// aspect choice, "Расчет".
void Directions(State& s, ChartCanvases& c, const ChartOptions& o) {
    const auto target = o.values.find("--target");
    if (target == o.values.end()) throw UsageError("report directions needs --target D.M.YYYY");
    N28Click(s, c);
    Dat2FormActivate(s, CurrentLocalTime());
    s.Dat2.DateEdit1 = target->second;
    const bool sixteen = o.flags.count("--sixteen") > 0;
    s.Dat2.RadioButton1 = !sixteen;
    s.Dat2.RadioButton2 = sixteen;
    Dat2Button1Click(s, c);
}

const ReportKind kKinds[] = {
    {"natal", "the adult natal report (\"Взрослый\")", Natal},
    {"child", "the child's natal report (\"Детский\")", Child},
    {"solar", "the solar return report (\"Соляр\"; --year, the return's place)", Solar},
    {"lunar", "the lunar return report (\"Лунар\"; --year, --month, --pick)", Lunar},
    {"transit", "the classical transit report (\"Классический\"; --date2 --time2)", Transit},
    {"medical", "the medical transit report (\"Медицинский\"; --date2 --time2)", Medical},
    {"partnership", "the partnership synastry (\"Партнерство\"), with the partner options",
     Partnership},
    {"erotic", "the erotic synastry (\"Эротическая\"), with the partner options", Erotic},
    {"karmic", "the karmic synastry analysis (\"Кармическая\"), with the partner options", Karmic},
    {"waiting", "waiting for a partner (\"Ожидаем партнера\")", Waiting},
    {"directions", "directions to --target D.M.YYYY (\"Дирекции\", \"Расчет\")", Directions},
};

const char* const kHelp =
    "Usage: omvera-cli report KIND <chart options> [--name TEXT] [--sex M|F]\n"
    "                         [settings] [partner] [--folder DIR] [--json | --out FILE]\n\n"
    "Fills the first chart form from the options, runs the chart command of KIND (for\n"
    "partnership, erotic and karmic also the second chart form from the partner options and\n"
    "\"Добавить в карту\") and then\n"
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
    "  --target D.M.YYYY  directions: the date of TDat2's date field\n"
    "  --sixteen        directions: \"16 основных аспектов\" instead of the six major ones\n"
    "  --folder DIR     the program folder holding Dann (default: the current\n"
    "                   folder if it has Dann, else the installed data folder)\n"
    "  --json           print {\"lines\": [...], \"searches\": [{\"file\", \"marker\", \"title\",\n"
    "                   \"keys\"}...], \"warnings\": [...]}\n"
    "returns (solar, lunar):\n"
    "  --year Y, --month M, --place-lat TEXT, --place-lon TEXT\n"
    "                   as omvera-cli solar and lunar take them\n"
    "  --pick N         (lunar) the found return to double-click, 1..3 (default 1)\n"
    "  --out FILE       write the lines as the main window saves them instead of printing\n"
    "                   them: RTF for a name ending in .rtf, PDF for .pdf (nothing is\n"
    "                   written when the report fails)\n";
const char* const kSynastryHelp =
    "partner (partnership, erotic, karmic):\n"
    "  --sex2 M|F       the partner's \"Мужчина\" (default) or \"Женщина\"\n";

const ReportKind* FindKind(std::string_view name) {
    for (const ReportKind& k : kKinds)
        if (name == k.name) return &k;
    return nullptr;
}

std::pair<int, std::string> RowAssignment(const std::string& text, const std::string& option) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw UsageError("report: " + option + " ждёт ROW=ЗНАЧЕНИЕ");
    const int row = ParseNumberOption(text.substr(0, eq), 1, 17, "report", option + " row");
    return {row, text.substr(eq + 1)};
}

void ApplySettings(State& s, const ChartOptions& o) {
    if (auto it = o.values.find("--name"); it != o.values.end()) s.ID1.Edit1 = it->second;
    if (auto it = o.values.find("--sex"); it != o.values.end()) {
        if (it->second != "M" && it->second != "F") throw UsageError("report: --sex ждёт M или F");
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
            throw UsageError("report: неизвестный набор орбисов '" + p +
                             "' (radix, transit, directions, synastry)");
    }
    for (const auto& [option, value] : o.repeated) {
        const auto [row, text] = RowAssignment(value, option);
        if (option == "--orb") {
            s.PlanUst.Edit[row] = text;
        } else {
            if (text != "0" && text != "1")
                throw UsageError("report: --include ждёт ROW=0 или ROW=1");
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
    SetDataLocation(s, LocateData());
    if (auto it = o.values.find("--folder"); it != o.values.end()) {
        s.ProgramFolder = it->second;
        s.UserFolder.reset();
    }
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

const char* const kNoPdfWriter =
    "report: this build of omvera-cli has no PDF writer (built without Qt)";

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsPdfName(const std::string& file) {
    const std::string lower = Lowercase(file);
    return lower.size() > 4 && lower.ends_with(".pdf");
}

ReportFile ReportFileOf(const std::string& file) {
    const std::string lower = Lowercase(file);
    if (lower.size() > 4 && lower.ends_with(".rtf")) return ReportFile::Rtf;
    if (IsPdfName(file)) {
        if (!RegisteredPdfWriter()) throw UsageError(kNoPdfWriter);
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
        out << "\n"
            << kChartOptionsHelp << kOptionsHelp
            << "second chart (transit, medical, partnership, erotic, karmic):\n"
            << kPartnerOptionsHelp << kSynastryHelp;
        return 0;
    }
    const ReportKind* kind = FindKind(args[0]);
    if (!kind)
        throw UsageError("report: неизвестный вид отчёта '" + args[0] +
                         "' (см. omvera-cli report --help)");
    const Args rest(args.begin() + 1, args.end());
    std::vector<std::string> valueOptions = {"--name", "--sex", "--orbs", "--aspects", "--folder"};
    valueOptions.insert(valueOptions.end(), kReturnOptions.begin(), kReturnOptions.end());
    valueOptions.push_back("--pick");
    valueOptions.insert(valueOptions.end(), kPartnerOptions.begin(), kPartnerOptions.end());
    valueOptions.push_back("--sex2");
    valueOptions.push_back("--target");
    valueOptions.push_back("--out");
    const ChartOptions o = ParseChartOptions(rest, "report", valueOptions, {"--json", "--sixteen"},
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
    if (toFile && !RegisteredPdfWriter() && IsPdfName(outFile->second))
        HandOverToDrawingHelper("report", args, kNoPdfWriter);
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

void ApplyReportSettings(State& state, const ChartOptions& options) {
    ApplySettings(state, options);
}
} // namespace omvera::cli
