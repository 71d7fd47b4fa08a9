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
    "Использование: omvera-cli decipher --key radix|return|transit|direction\n"
    "                                   ИСТОЧНИК НАЗНАЧЕНИЕ\n"
    "\n"
    "Читает ИСТОЧНИК как зашифрованный текстовый файл в Windows-1251 (концы строк CR LF или\n"
    "LF), расшифровывает каждую строку ключом названного семейства файлов и записывает\n"
    "НАЗНАЧЕНИЕ в UTF-8 с концами строк LF. Команда encipher с тем же ключом вернёт ИСТОЧНИК.\n";

int Decipher(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key"});
    if (!o.key) throw UsageError("decipher: нужен параметр --key");
    if (o.positional.size() != 2)
        throw UsageError("decipher: нужны два файла, ИСТОЧНИК и НАЗНАЧЕНИЕ");
    const LineCipher cipher(o.key);
    WriteFileAtomically(o.positional[1], ReadableText(ReadFileBytes(o.positional[0]), &cipher));
    return 0;
}

const CommandRegistration kRegistration("decipher", "расшифровать текстовый файл в читаемый UTF-8",
                                        Decipher);

} // namespace
} // namespace omvera::cli
