// omvera-cli coverage: which keys the reports can build are answered by a section of the
// shipped texts, per file, and which sections no key can ever reach.
#include "base/data_folders.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "reports/coverage.h"

#include <fstream>
#include <ostream>
#include <set>
#include <sstream>

namespace omvera::cli {
namespace {

const char* const kHelp =
    "Использование: omvera-cli coverage [--family ИМЯ] [--folder ПАПКА] [--families ФАЙЛ]\n"
    "                                   [--json]\n\n"
    "Для каждого файла текстов семейства (без --family — всех семейств) выводит, сколько\n"
    "ключей отчёт может построить для настоящей карты, на сколько из них есть раздел,\n"
    "ключи без разделов и разделы, до которых не доходит ни один ключ.\n\n"
    "  --family ИМЯ     natal, child, partnership, erotic, karmic, waiting\n"
    "  --folder ПАПКА   папка программы с Dann (по умолчанию текущая папка, если в ней\n"
    "                   есть Dann, иначе установленная папка данных)\n"
    "  --families ФАЙЛ  список семейств текстов (data/texts/families.txt); у семейства,\n"
    "                   отмеченного в нём как «complete», на каждый возможный ключ должен\n"
    "                   быть раздел, иначе код выхода 1\n"
    "  --json           вывести [{\"family\", \"file\", \"exists\", \"possible\", \"covered\",\n"
    "                   \"missing\": [[...]...], \"unreachable\": [...]}...]\n";

// The families a list file marks complete ("complete NAME: ...").
std::set<std::string> CompleteFamilies(const std::string& path) {
    std::set<std::string> complete;
    std::istringstream in(ReadFileBytes(path));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find(':')));
        std::string first, name;
        if (words >> first >> name && first == "complete") complete.insert(name);
    }
    return complete;
}

std::string KeyText(const SectionKey& key) {
    std::string text;
    for (const auto& part : key) text += (text.empty() ? "" : " | ") + ("\"" + part + "\"");
    return text;
}

int CoverageCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string family, folder = LocateData().programFolder, familiesFile;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return 0;
        }
        if (a == "--json") {
            json = true;
            continue;
        }
        if (a != "--family" && a != "--folder" && a != "--families")
            throw UsageError("coverage: неизвестный параметр '" + a +
                             "' (см. omvera-cli coverage --help)");
        if (i + 1 >= args.size()) throw UsageError("coverage: у " + a + " нет значения");
        (a == "--family" ? family : a == "--folder" ? folder : familiesFile) = args[++i];
    }
    std::set<std::string> complete;
    if (!familiesFile.empty()) complete = CompleteFamilies(familiesFile);

    bool incomplete = false;
    bool firstJson = true;
    if (json) out << "[";
    for (const TextFamily& f : TextFamilies()) {
        if (!family.empty() && family != f.name) continue;
        const bool held = complete.count(f.name) > 0;
        for (const FileCoverage& c : FamilyCoverage(folder, f.name)) {
            const std::size_t covered = c.possible - c.missing.size();
            if (held && !c.missing.empty()) incomplete = true;
            const std::string file = c.file.substr(1);
            if (json) {
                out << (firstJson ? "\n " : ",\n ") << "{\"family\": " << JsonString(f.name)
                    << ", \"file\": " << JsonString(file)
                    << ", \"exists\": " << (c.exists ? "true" : "false")
                    << ", \"possible\": " << c.possible << ", \"covered\": " << covered
                    << ", \"missing\": [";
                for (size_t k = 0; k < c.missing.size(); ++k) {
                    out << (k ? ", " : "") << "[";
                    for (size_t j = 0; j < c.missing[k].size(); ++j)
                        out << (j ? ", " : "") << JsonString(c.missing[k][j]);
                    out << "]";
                }
                out << "], \"unreachable\": [";
                for (size_t k = 0; k < c.unreachable.size(); ++k)
                    out << (k ? ", " : "") << JsonString(c.unreachable[k]);
                out << "]}";
                firstJson = false;
                continue;
            }
            out << f.name << (held ? " (complete)" : "") << "  " << file << ": " << covered
                << " of " << c.possible << " keys answered" << (c.exists ? "" : " (no file)")
                << "\n";
            for (const auto& key : c.missing) out << "  missing: " << KeyText(key) << "\n";
            for (const auto& header : c.unreachable) out << "  unreachable: \"" << header << "\"\n";
        }
    }
    if (json) out << "\n]\n";
    if (incomplete) {
        err << "omvera-cli: в текстах, отмеченных полными, есть ключи без разделов\n";
        return 1;
    }
    return 0;
}

const CommandRegistration
    kCoverage("coverage", "какие ключи отчётов покрыты поставляемыми текстами", CoverageCommand);

} // namespace
} // namespace omvera::cli
