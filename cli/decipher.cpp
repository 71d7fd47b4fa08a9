// omvera-cli decipher: turns a stored enciphered text into readable UTF-8 for editing.
#include "base/text_file.h"
#include "cli/commands.h"
#include "cli/text_options.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

#include <ostream>

namespace omvera::cli {
namespace {

constexpr const char* kHelp =
    "Usage: omvera-cli decipher --key radix|return|transit|direction IN OUT\n"
    "\n"
    "Reads IN as an enciphered Windows-1251 text file (CR LF or LF line ends), deciphers\n"
    "every line with the key of the named file family and writes OUT as UTF-8 with LF line\n"
    "ends. 'encipher' with the same key gives IN back.\n";

int Decipher(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key"});
    if (!o.key) throw UsageError("decipher: нужен параметр --key");
    if (o.positional.size() != 2) throw UsageError("decipher: нужны два файла, IN и OUT");
    const LineCipher cipher(o.key);
    WriteFileAtomically(o.positional[1], ReadableText(ReadFileBytes(o.positional[0]), &cipher));
    return 0;
}

const CommandRegistration
    kRegistration("decipher", "turn an enciphered text file into readable UTF-8", Decipher);

} // namespace
} // namespace omvera::cli
