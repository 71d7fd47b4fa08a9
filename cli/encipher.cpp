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
    "Использование: omvera-cli encipher --key radix|return|transit|direction\n"
    "                                   ИСТОЧНИК НАЗНАЧЕНИЕ\n"
    "\n"
    "Читает ИСТОЧНИК как текст в UTF-8 (концы строк LF или CR LF) и записывает НАЗНАЧЕНИЕ\n"
    "в Windows-1251 с концами строк CR LF, зашифровав каждую строку ключом названного\n"
    "семейства файлов. На первом символе, которого нет в Windows-1251 или в алфавите шифра,\n"
    "завершается ошибкой с номером его строки.\n";

int Encipher(const Args& args, std::ostream& out, std::ostream&) {
    if (WantsHelp(args)) {
        out << kHelp;
        return 0;
    }
    const TextOptions o = ParseTextOptions(args, {"--key"});
    if (!o.key) throw UsageError("encipher: нужен параметр --key");
    if (o.positional.size() != 2)
        throw UsageError("encipher: нужны два файла, ИСТОЧНИК и НАЗНАЧЕНИЕ");
    const LineCipher cipher(o.key);
    WriteFileAtomically(o.positional[1],
                        StoreText(ReadFileBytes(o.positional[0]), &cipher, o.positional[0]));
    return 0;
}

const CommandRegistration
    kRegistration("encipher", "зашифровать текстовый файл UTF-8 (Windows-1251, CR LF)", Encipher);

} // namespace
} // namespace omvera::cli
