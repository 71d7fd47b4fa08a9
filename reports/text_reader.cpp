#include "reports/text_reader.h"

#include "base/text_file.h"

namespace omvera {

TextLineReader::TextLineReader(const std::string& path, std::optional<std::string_view> cipherKey) {
    if (cipherKey) cipher_.emplace(*cipherKey);
    data_ = ReadFileBytes(path);
}

void TextLineReader::Next(std::string& line) {
    if (Eof()) {
        line.clear();
        return;
    }
    std::size_t nl = data_.find('\n', pos_);
    std::size_t next = nl == std::string::npos ? data_.size() : nl + 1;
    std::size_t end = nl == std::string::npos ? data_.size() : nl;
    if (nl != std::string::npos && end > pos_ && data_[end - 1] == '\r') --end;
    const std::string_view raw(data_.data() + pos_, end - pos_);
    pos_ = next;
    if (cipher_)
        cipher_->Decode(raw, line);
    else
        line.assign(raw);
}

} // namespace omvera
