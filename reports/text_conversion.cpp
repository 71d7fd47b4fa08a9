#include "reports/text_conversion.h"

#include "base/errors.h"
#include "base/text_file.h"

namespace omvera {

std::string StoreText(std::string_view utf8Text, const LineCipher* cipher,
                      const std::string& name) {
    const auto lines = SplitLines(utf8Text);
    std::string out, plain, enciphered, bad;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = name + ":" + std::to_string(i + 1) + ":";
        if (!Utf8ToCp1251(lines[i], plain, &bad))
            throw Error(where + " character \"" + bad + "\" cannot be written in Windows-1251");
        if (cipher) {
            const std::size_t at = cipher->Encode(plain, enciphered);
            if (at != std::string::npos)
                throw Error(where + std::to_string(at + 1) + ": character code " +
                            std::to_string(static_cast<unsigned char>(plain[at])) +
                            " cannot be enciphered (it is not in the cipher alphabet)");
            out += enciphered;
        } else {
            out += plain;
        }
        out += "\r\n";
    }
    return out;
}

std::string ReadableText(std::string_view stored, const LineCipher* cipher) {
    std::string out, plain;
    for (const auto& line : SplitLines(stored)) {
        if (cipher) {
            cipher->Decode(line, plain);
            out += Cp1251ToUtf8(plain);
        } else {
            out += Cp1251ToUtf8(line);
        }
        out += '\n';
    }
    return out;
}

} // namespace omvera
