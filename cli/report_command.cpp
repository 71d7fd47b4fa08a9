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
        throw UsageError("report solar: параметр --pick только для лунара");
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
    if (target == o.values.end())
        throw UsageError("report directions: нужен параметр --target Д.М.ГГГГ");
    N28Click(s, c);
    Dat2FormActivate(s, CurrentLocalTime());
    s.Dat2.DateEdit1 = target->second;
    const bool sixteen = o.flags.count("--sixteen") > 0;
    s.Dat2.RadioButton1 = !sixteen;
    s.Dat2.RadioButton2 = sixteen;
    Dat2Button1Click(s, c);
}

const ReportKind kKinds[] = {
    {"natal", "натальный отчёт для взрослого («Взрослый»)", Natal},
    {"child", "натальный отчёт для ребёнка («Детский»)", Child},
    {"solar", "отчёт по соляру («Соляр»; --year, место возвращения)", Solar},
    {"lunar", "отчёт по лунару («Лунар»; --year, --month, --pick)", Lunar},
    {"transit", "классический отчёт по транзитам («Классический»; --date2 --time2)", Transit},
    {"medical", "медицинский отчёт по транзитам («Медицинский»; --date2 --time2)", Medical},
    {"partnership", "синастрия партнёрства («Партнерство»), с параметрами партнёра", Partnership},
    {"erotic", "эротическая синастрия («Эротическая»), с параметрами партнёра", Erotic},
    {"karmic", "кармический анализ синастрии («Кармическая»), с параметрами партнёра", Karmic},
    {"waiting", "ожидание партнёра («Ожидаем партнера»)", Waiting},
    {"directions", "дирекции на --target Д.М.ГГГГ («Дирекции», «Расчет»)", Directions},
};

const char* const kHelp =
    "Использование: omvera-cli report ВИД <параметры карты> [--name ТЕКСТ] [--sex M|F]\n"
    "                                 [настройки] [партнёр] [--folder ПАПКА]\n"
    "                                 [--json | --out ФАЙЛ]\n\n"
    "Заполняет первую форму карты по параметрам, выполняет команду карты ВИДА (для\n"
    "partnership, erotic и karmic также заполняет вторую форму карты по параметрам\n"
    "партнёра и нажимает «Добавить в карту»), затем «Интерпретация» и выводит все строки\n"
    "текстового поля (UTF-8, по одной в строке, пробелы сохраняются). Если файл не\n"
    "удаётся прочитать, команда выводит уже добавленные строки и завершается с кодом 1.\n\n"
    "виды:\n";

const char* const kOptionsHelp =
    "  --name ТЕКСТ     имя человека (поле Edit1 формы)\n"
    "  --sex M|F        «Мужчина» (по умолчанию) или «Женщина»\n"
    "настройки:\n"
    "  --orbs НАБОР     набор орбисов окна планет: radix, transit, directions, synastry\n"
    "  --orb СТРОКА=ТЕКСТ\n"
    "                   одно поле орбиса, строки 1..17 в нумерации окна планет (можно\n"
    "                   повторять)\n"
    "  --include СТРОКА=0|1\n"
    "                   переключатель учёта строки (можно повторять)\n"
    "  --aspects СПИСОК строки таблицы аспектов через «;» («0;60;90;120;180»)\n"
    "  --target Д.М.ГГГГ  directions: дата в поле даты TDat2\n"
    "  --sixteen        directions: «16 основных аспектов» вместо шести главных\n"
    "  --folder ПАПКА   папка программы с Dann (по умолчанию текущая папка, если в ней\n"
    "                   есть Dann, иначе установленная папка данных)\n"
    "  --json           вывести {\"lines\": [...], \"searches\": [{\"file\", \"marker\", "
    "\"title\",\n"
    "                   \"keys\"}...], \"warnings\": [...]}\n"
    "возвращения (solar, lunar):\n"
    "  --year ГОД, --month МЕСЯЦ, --place-lat ТЕКСТ, --place-lon ТЕКСТ\n"
    "                   как их принимают omvera-cli solar и lunar\n"
    "  --pick N         (lunar) найденное возвращение для двойного щелчка, 1..3 (по\n"
    "                   умолчанию 1)\n"
    "  --out ФАЙЛ       не выводить строки, а записать их, как сохраняет главное окно:\n"
    "                   RTF для имени на .rtf, PDF для .pdf (если отчёт не удался, ничего\n"
    "                   не записывается)\n";
const char* const kSynastryHelp =
    "партнёр (partnership, erotic, karmic):\n"
    "  --sex2 M|F       партнёр: «Мужчина» (по умолчанию) или «Женщина»\n";

const ReportKind* FindKind(std::string_view name) {
    for (const ReportKind& k : kKinds)
        if (name == k.name) return &k;
    return nullptr;
}

std::pair<int, std::string> RowAssignment(const std::string& text, const std::string& option) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw UsageError("report: " + option + " ждёт СТРОКА=ЗНАЧЕНИЕ");
    const int row = ParseNumberOption(text.substr(0, eq), 1, 17, "report", "строка " + option);
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
                throw UsageError("report: --include ждёт СТРОКА=0 или СТРОКА=1");
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

const char* const kNoPdfWriter = "report: эта сборка omvera-cli не пишет PDF (собрана без Qt)";

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
    throw UsageError("report: имя файла «" + file + "» не кончается на .rtf или .pdf");
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
        size_t width = 0;
        for (const ReportKind& k : kKinds) width = std::max(width, std::string_view(k.name).size());
        for (const ReportKind& k : kKinds)
            out << "  " << k.name << std::string(width + 2 - std::string_view(k.name).size(), ' ')
                << k.summary << "\n";
        out << "\n"
            << kChartOptionsHelp << kOptionsHelp
            << "вторая карта (transit, medical, partnership, erotic, karmic):\n"
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
    if (toFile && json) throw UsageError("report: --json не задаётся вместе с --out");
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

const CommandRegistration kReport("report", "отчёт-интерпретация карты", ReportCommand);

} // namespace

void ApplyReportSettings(State& state, const ChartOptions& options) {
    ApplySettings(state, options);
}
} // namespace omvera::cli
