#include "reports/line_cipher.h"

#include "base/errors.h"
#include "base/text_file.h"
#include "reports/char_table.h"

namespace omvera {

const char* CipherKeyOfFamily(std::string_view family) {
    if (family == "radix") return RadixKey;
    if (family == "return") return ReturnKey;
    if (family == "transit") return TransitKey;
    if (family == "direction") return DirectionKey;
    return nullptr;
}

LineCipher::LineCipher(std::string_view utf8Key) {
    const std::string bytes = Utf8ToCp1251OrThrow(utf8Key);
    if (bytes.empty()) throw Error("Пустой ключ шифра");
    keyIndex_.reserve(bytes.size());
    for (char c : bytes) {
        const std::uint8_t idx = kCharTable.index[static_cast<unsigned char>(c)];
        if (idx == 0)
            throw Error("Ключ шифра «" + std::string(utf8Key) +
                        "» содержит символ вне таблицы символов");
        keyIndex_.push_back(idx);
    }
}

void LineCipher::Decode(std::string_view line, std::string& out) const {
    out.resize(line.size());
    const std::size_t keyLength = keyIndex_.size();
    int prev = keyIndex_.back();
    std::size_t j = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const int found = kCharTable.index[static_cast<unsigned char>(line[i])];
        const int idx = found != 0 ? found : prev;
        prev = idx;
        int p = idx - keyIndex_[j];
        if (p <= 0) p += kCharTableSize;
        out[i] = static_cast<char>(kCharTable.chars[p]);
        if (++j == keyLength) j = 0;
    }
}

std::size_t LineCipher::Encode(std::string_view plain, std::string& out) const {
    out.resize(plain.size());
    const std::size_t keyLength = keyIndex_.size();
    std::size_t j = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int idx = kCharTable.index[static_cast<unsigned char>(plain[i])];
        if (idx == 0) return i;
        const int c = (idx + keyIndex_[j] - 1) % kCharTableSize + 1;
        out[i] = static_cast<char>(kCharTable.chars[c]);
        if (++j == keyLength) j = 0;
    }
    return std::string::npos;
}

std::string DecodeLine(std::string_view line, std::string_view utf8Key) {
    std::string out;
    LineCipher(utf8Key).Decode(line, out);
    return out;
}

std::string EncodeLine(std::string_view plain, std::string_view utf8Key) {
    std::string out;
    const std::size_t bad = LineCipher(utf8Key).Encode(plain, out);
    if (bad != std::string::npos)
        throw Error("Символ в позиции " + std::to_string(bad + 1) +
                    " нельзя зашифровать: его нет в таблице символов");
    return out;
}

} // namespace omvera
