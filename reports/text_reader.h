#pragma once
// Sequential reading of one interpretation text file, line by line, deciphering each line
// of an enciphered file. The file is read once when the reader is made (through the text
// cache, reports/text_cache.h); lines of any length are read whole.
#include "reports/line_cipher.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace omvera {

class TextLineReader {
  public:
    // cipherKey: the key of an enciphered file, nullopt for a plain one. Throws Error naming
    // the file when it cannot be opened, and Error when the key is not a valid key.
    TextLineReader(const std::string& path, std::optional<std::string_view> cipherKey);

    // Reads the next line (raw Windows-1251 bytes, deciphered) into `line`. CR LF, LF or CR ends
    // a line. At the end of the file the line is empty.
    void Next(std::string& line);

    // True when every line has been read; right after reading the file's last line.
    bool Eof() const { return pos_ >= data_->size(); }

  private:
    std::shared_ptr<const std::string> data_;
    std::size_t pos_ = 0;
    std::optional<LineCipher> cipher_;
};

} // namespace omvera
