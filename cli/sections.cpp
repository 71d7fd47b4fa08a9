// omvera-cli sections: lists the section headers of a text file, to see which keys it covers.
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/section_search.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Usage: omvera-cli sections FILE [--key radix|return|transit|direction] --marker '&'|'['\n"
    "\n"
    "Prints, one per line as UTF-8, the header lines of FILE (Windows-1251): every line that\n"
    "holds the marker, except the file's last line, which closes the last section and is\n"
    "never a header. --key means FILE is enciphered with that family's key.\n";

int Sections(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key", "--marker"});
    if (!o.marker) throw UsageError("sections: нужен параметр --marker");
    if (o.positional.size() != 1) throw UsageError("sections: нужен ровно один файл FILE");
    const StoredForm form = o.key ? StoredForm::Enciphered : StoredForm::Plain;
    for (const auto& h : ListSectionHeaders(o.positional[0], form, o.key ? o.key : "", *o.marker))
        out << h << '\n';
    return 0;
}

const CommandRegistration kRegistration("sections", "list the section headers of a text file",
                                        Sections);

} // namespace
} // namespace omvera::cli
