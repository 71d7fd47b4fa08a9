// omvera-cli sections: lists the section headers of a text file, to see which keys it covers.
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/section_search.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Использование: omvera-cli sections ФАЙЛ [--key radix|return|transit|direction]\n"
    "                                   --marker '&'|'['\n"
    "\n"
    "Выводит в UTF-8, по одной в строке, строки заголовков ФАЙЛА (Windows-1251): все\n"
    "строки с меткой, кроме последней строки файла — она закрывает последний раздел и\n"
    "заголовком не бывает. --key: ФАЙЛ зашифрован ключом этого семейства.\n";

int Sections(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key", "--marker"});
    if (!o.marker) throw UsageError("sections: нужен параметр --marker");
    if (o.positional.size() != 1) throw UsageError("sections: нужен ровно один ФАЙЛ");
    const StoredForm form = o.key ? StoredForm::Enciphered : StoredForm::Plain;
    for (const auto& h : ListSectionHeaders(o.positional[0], form, o.key ? o.key : "", *o.marker))
        out << h << '\n';
    return 0;
}

const CommandRegistration kRegistration("sections", "заголовки разделов текстового файла",
                                        Sections);

} // namespace
} // namespace omvera::cli
