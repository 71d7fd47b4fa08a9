// omvera-cli print-sections: runs the section search of the reports on any text file and
// prints what the report view would receive.
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/section_search.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Usage: omvera-cli print-sections FILE [--key radix|return|transit|direction]\n"
    "         --marker '&'|'[' --title first-char-blank|blank|after-second-bracket\n"
    "         --section-key 'S1|S2|S3' [--section-key ...]\n"
    "\n"
    "Prints, as UTF-8 lines, exactly the lines a report would add to its text view when it\n"
    "searches FILE (Windows-1251) with these section keys, tried in the order given.\n"
    "\n"
    "  --key          FILE is enciphered with that family's key (default: plain)\n"
    "  --marker       the file's section marker\n"
    "  --title        first-char-blank: the header with its first character blanked;\n"
    "                 blank: a line holding one blank;\n"
    "                 after-second-bracket: the header's text behind its second ']'\n"
    "                 (the bracket search of plain files: needs --marker '[' and no --key)\n"
    "  --section-key  one key: one to three strings joined by '|', all of which must occur\n"
    "                 in a header; with after-second-bracket each key is a single string.\n"
    "                 Without any --section-key the file is read and nothing is printed.\n";

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
    if (o.positional.size() != 1) throw UsageError("print-sections: нужен ровно один файл FILE");
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
                                        "print the sections of a text file that keys select",
                                        PrintSectionsCommand);

} // namespace
} // namespace omvera::cli
