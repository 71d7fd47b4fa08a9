// omvera-cli print-sections: runs the section search of the reports on any text file and
// prints what the report view would receive.
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/section_search.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Использование: omvera-cli print-sections ФАЙЛ [--key radix|return|transit|direction]\n"
    "                 --marker '&'|'[' --title first-char-blank|blank|after-second-bracket\n"
    "                 --section-key 'S1|S2|S3' [--section-key ...]\n"
    "\n"
    "Выводит строками UTF-8 ровно те строки, которые отчёт добавил бы в своё текстовое\n"
    "поле, ища в ФАЙЛЕ (Windows-1251) разделы по этим ключам в заданном порядке.\n"
    "\n"
    "  --key          ФАЙЛ зашифрован ключом этого семейства (по умолчанию открытый)\n"
    "  --marker       метка разделов файла\n"
    "  --title        first-char-blank: заголовок с первым символом, заменённым пробелом;\n"
    "                 blank: строка из одного пробела;\n"
    "                 after-second-bracket: текст заголовка после его второй «]»\n"
    "                 (поиск по скобкам в открытых файлах: нужны --marker '[' и без --key)\n"
    "  --section-key  один ключ: от одной до трёх строк через «|», и все они должны\n"
    "                 встречаться в заголовке; при after-second-bracket ключ — одна строка.\n"
    "                 Без --section-key файл читается, но ничего не выводится.\n";

SectionKey SplitKey(const std::string& text) {
    SectionKey key;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = text.find('|', start);
        key.push_back(
            text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (key.size() > 3)
        throw UsageError("в ключе раздела от одной до трех строк, а не " +
                         std::to_string(key.size()) + ": «" + text + "»");
    for (const auto& s : key)
        if (s.empty()) throw UsageError("пустая строка в ключе раздела «" + text + "»");
    return key;
}

int PrintSectionsCommand(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key", "--marker", "--title", "--section-key"});
    if (o.positional.size() != 1) throw UsageError("print-sections: нужен ровно один ФАЙЛ");
    if (!o.marker) throw UsageError("print-sections: нужен параметр --marker");
    if (!o.title) throw UsageError("print-sections: нужен параметр --title");
    const std::string& file = o.positional[0];
    StreamLineSink sink(out);

    if (*o.title == "after-second-bracket") {
        if (o.key) throw UsageError("after-second-bracket ищет в открытых файлах: уберите --key");
        if (*o.marker != '[') throw UsageError("after-second-bracket: нужен --marker '['");
        for (const auto& k : o.sectionKeys) {
            if (k.empty()) throw UsageError("пустой ключ раздела");
            if (k.find('|') != std::string::npos)
                throw UsageError("after-second-bracket: ключ из одной строки, а не «" + k + "»");
        }
        PrintBracketSections(sink, file, o.sectionKeys);
        return 0;
    }
    TitleMode title;
    if (*o.title == "first-char-blank")
        title = TitleMode::FirstCharBlank;
    else if (*o.title == "blank")
        title = TitleMode::BlankTitle;
    else
        throw UsageError("--title: одно из first-char-blank, blank, after-second-bracket, а не «" +
                         *o.title + "»");
    std::vector<SectionKey> keys;
    for (const auto& k : o.sectionKeys) keys.push_back(SplitKey(k));
    PrintSections(sink, file, o.key ? StoredForm::Enciphered : StoredForm::Plain,
                  o.key ? o.key : "", *o.marker, title, keys);
    return 0;
}

const CommandRegistration kRegistration("print-sections",
                                        "разделы текстового файла, выбранные ключами",
                                        PrintSectionsCommand);

} // namespace
} // namespace omvera::cli
