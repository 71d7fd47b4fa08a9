// omvera-cli people: the person database "Dann\Basa.TXT" through the same core procedures as
// the window "База данных" and the buttons of the first chart form, so the database can be
// listed, scripted and backed up without a display.
#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/data_folders.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "input/form_warnings.h"
#include "input/person_database.h"

#include <ostream>
#include <string>

namespace omvera::cli {
namespace {

const char* const kHelp =
    "Использование: omvera-cli people list [--json] [--folder ПАПКА]\n"
    "               omvera-cli people show N [--json] [--folder ПАПКА]\n"
    "               omvera-cli people add --date Д.М.ГГГГ --time Ч:М --lat ТЕКСТ --lon ТЕКСТ\n"
    "                                     [--name ТЕКСТ] [--sex M|F] [--folder ПАПКА]\n"
    "               omvera-cli people delete N [--folder ПАПКА]\n"
    "\n"
    "База данных людей Dann/Basa.TXT в папке программы ПАПКА (по умолчанию собственная база\n"
    "программы: Dann/Basa.TXT текущей папки, а у установленной программы — копия\n"
    "пользователя Basa.TXT в ~/.local/share/omvera); с ней обращаются так же, как окно\n"
    "«База данных»:\n"
    "  list     записи в том виде, в каком их показывает окно, с номерами от 1\n"
    "  show N   поля, которые двойной щелчок по записи N загружает в первую форму карты\n"
    "  add      добавляет запись, которую «Сохранить» первой формы карты строит из\n"
    "           заданных полей (--name — имя, --sex M — мужчина (по умолчанию), F — женщина)\n"
    "  delete N удаляет запись N и сохраняет файл («Удалить запись», «Сохранить\n"
    "           изменения»)\n"
    "  --json   вывести один объект JSON вместо текста\n"
    "\n"
    "Параметры карты для add:\n";
const char* const kHelpTail =
    "\n"
    "Предупреждения выводятся в stderr. При неверных аргументах код выхода 2, если файл\n"
    "не удаётся прочитать или записать — 1.\n";

int PrintHelp(std::ostream& out) {
    out << kHelp << kChartOptionsHelp << kHelpTail;
    return 0;
}

struct PeopleOptions {
    std::string folder;
    bool json = false;
    std::string number; // the record number, as given
};

PeopleOptions ParsePeopleOptions(const Args& args, const std::string& command, bool wantsNumber) {
    const std::string p = command + ": ";
    PeopleOptions o;
    bool haveFolder = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--folder") {
            if (i + 1 >= args.size()) throw UsageError(p + "у параметра --folder нет значения");
            if (haveFolder) throw UsageError(p + "параметр --folder задан дважды");
            o.folder = args[++i];
            haveFolder = true;
        } else if (wantsNumber && o.number.empty() && !a.empty() && a[0] != '-') {
            o.number = a;
        } else {
            throw UsageError(p + "неизвестный параметр «" + a + "» (см. omvera-cli people --help)");
        }
    }
    if (wantsNumber && o.number.empty()) throw UsageError(p + "нужен номер записи N");
    return o;
}

State StateFor(const std::string& folder) {
    State s;
    if (folder.empty())
        SetDataLocation(s, LocateData());
    else
        s.ProgramFolder = folder;
    return s;
}

// Opens the database and selects record `number` (1-based); throws when there is none.
void SelectRecord(State& s, const std::string& number, const std::string& command) {
    const auto n = ParseInteger(number);
    if (!n || *n < 1)
        throw UsageError(command + ": номер записи «" + number + "» не целое число от 1");
    OpenPersonDatabase(s);
    const auto count = static_cast<long long>(s.Base.ListBox1.size());
    if (*n > count)
        throw Error("В базе данных нет записи с номером " + std::to_string(*n) + ": записей " +
                    std::to_string(count) + ".");
    s.Base.ListBox1Index = static_cast<int>(*n - 1);
}

int List(const Args& args, std::ostream& out) {
    const PeopleOptions o = ParsePeopleOptions(args, "people list", false);
    State s = StateFor(o.folder);
    OpenPersonDatabase(s);
    const auto& lines = s.Base.ListBox1;
    if (o.json) {
        out << "{\"records\": " << JsonStringArray(lines) << "}\n";
        return 0;
    }
    for (size_t i = 0; i < lines.size(); ++i)
        out << PadLeft(std::to_string(i + 1), 4) << "  " << lines[i] << "\n";
    return 0;
}

int Show(const Args& args, std::ostream& out, std::ostream& err) {
    const PeopleOptions o = ParsePeopleOptions(args, "people show", true);
    State s = StateFor(o.folder);
    SelectRecord(s, o.number, "people show");
    s.Base.RadioButton1 = true;
    s.Base.RadioButton2 = false;
    LoadSelectedPerson(s);
    const ChartForm& f = s.ID1;
    const auto warnings = UnreadableFormInput(f, kFirstChartFormName);
    PrintWarnings(warnings, err);
    if (o.json) {
        out << "{\"name\": " << JsonString(f.Edit1) << ", \"year\": " << f.SpinEdit1.Value()
            << ", \"month\": " << f.Month() << ", \"day\": " << f.SpinEdit2.Value()
            << ", \"hour\": " << f.SpinEdit3.Value() << ", \"minute\": " << f.SpinEdit4.Value()
            << ", \"lat\": " << JsonString(f.Edit2) << ", \"lon\": " << JsonString(f.Edit3)
            << ", \"sex\": \"" << (f.RadioButton1 ? "M" : "F") << "\"";
        if (!warnings.empty()) out << ", \"warnings\": " << JsonStringArray(warnings);
        out << "}\n";
        return 0;
    }
    out << "Имя: " << f.Edit1 << "\n"
        << "Год: " << f.SpinEdit1.Value() << "\n"
        << "Месяц: " << (f.Month() ? kMonthNames[f.Month() - 1] : kMonthPrompt) << "\n"
        << "День: " << f.SpinEdit2.Value() << "\n"
        << "Час: " << f.SpinEdit3.Value() << "\n"
        << "Минуты: " << f.SpinEdit4.Value() << "\n"
        << "Широта: " << f.Edit2 << "\n"
        << "Долгота: " << f.Edit3 << "\n"
        << "Пол: " << (f.RadioButton1 ? "Мужчина" : "Женщина") << "\n";
    return 0;
}

int Add(const Args& args, std::ostream& out, std::ostream& err) {
    const std::string command = "people add";
    const ChartOptions o = ParseChartOptions(args, command, {"--name", "--sex", "--folder"}, {});
    if (o.help) return PrintHelp(out);
    const auto value = [&o](const char* name) {
        const auto it = o.values.find(name);
        return it == o.values.end() ? std::string() : it->second;
    };
    const std::string sex = value("--sex");
    if (!sex.empty() && sex != "M" && sex != "F")
        throw UsageError(command + ": пол --sex M или F, а не «" + sex + "»");
    State s = StateFor(value("--folder"));
    FillFirstChartForm(s, o);
    s.ID1.Edit1 = value("--name");
    s.ID1.SetMan(sex != "F");
    PrintWarnings(UnreadableFormInput(s.ID1, kFirstChartFormName), err);
    AppendPersonFromFirstChart(s);
    out << s.Base.ListBox1.size() << "  " << s.Base.ListBox1.back() << "\n";
    return 0;
}

int Delete(const Args& args, std::ostream& out) {
    const PeopleOptions o = ParsePeopleOptions(args, "people delete", true);
    State s = StateFor(o.folder);
    SelectRecord(s, o.number, "people delete");
    const std::string line = s.Base.ListBox1[s.Base.ListBox1Index];
    DeleteSelectedPerson(s);
    SavePersonDatabase(s);
    out << "Удалена запись " << o.number << ": " << line << "\n";
    return 0;
}

int PeopleCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) throw UsageError("people: нужно действие (list, show, add или delete)");
    if (args[0] == "--help" || args[0] == "-h") return PrintHelp(out);
    const Args rest(args.begin() + 1, args.end());
    for (const auto& a : rest)
        if (a == "--help" || a == "-h") return PrintHelp(out);
    if (args[0] == "list") return List(rest, out);
    if (args[0] == "show") return Show(rest, out, err);
    if (args[0] == "add") return Add(rest, out, err);
    if (args[0] == "delete") return Delete(rest, out);
    throw UsageError("people: неизвестное действие «" + args[0] + "» (list, show, add или delete)");
}

const CommandRegistration
    kPeople("people", "просмотр, добавление и удаление записей базы данных людей", PeopleCommand);

} // namespace
} // namespace omvera::cli
