// omvera-cli encipher: stores a readable interpretation text the way the program reads it.
#include "base/text_file.h"
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Usage: omvera-cli encipher --key radix|return|transit|direction IN OUT\n"
    "\n"
    "Reads IN as UTF-8 text (LF or CR LF line ends) and writes OUT in Windows-1251 with CR LF\n"
    "line ends, every line enciphered with the key of the named file family. Fails with the\n"
    "line of the first character that Windows-1251 or the cipher alphabet cannot hold.\n";

int Encipher(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key"});
    if (!o.key) throw UsageError("encipher: нужен параметр --key");
    if (o.positional.size() != 2) throw UsageError("encipher: нужны два файла, IN и OUT");
    const LineCipher cipher(o.key);
    WriteFileAtomically(o.positional[1],
                        StoreText(ReadFileBytes(o.positional[0]), &cipher, o.positional[0]));
    return 0;
}

const CommandRegistration
    kRegistration("encipher", "store a UTF-8 text file enciphered (Windows-1251, CR LF)", Encipher);

} // namespace
} // namespace omvera::cli
