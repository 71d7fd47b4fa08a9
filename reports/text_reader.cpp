#include "reports/text_reader.h"

#include "base/text_file.h"
#include "reports/text_cache.h"

namespace omvera {

TextLineReader::TextLineReader(const std::string& path, std::optional<std::string_view> cipherKey) {
    if (cipherKey) cipher_.emplace(*cipherKey);
    data_ = TextFileBytes(path);
}

void TextLineReader::Next(std::string& line) {
    if (Eof()) {
        line.clear();
        return;
    }
    // CR LF, LF or a lone CR ends a line (no enciphered byte is ever a CR or an LF).
    const std::string_view raw = NextLine(*data_, pos_);
    if (cipher_)
        cipher_->Decode(raw, line);
    else
        line.assign(raw);
}

} // namespace omvera
