#pragma once
// Text files for the report tests, written the way the program ships them.
#include "base/text_file.h"
#include "reports/line_cipher.h"
#include "reports/text_files.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace omvera_test {

// Writes UTF-8 lines as the program's text file `programPath` ("\Dann\Radix\aspec.txt")
// below the program folder `folder`: Windows-1251 with CR LF, every line enciphered when the
// program reads that file enciphered. Missing folders are made.
inline void WriteProgramText(const std::filesystem::path& folder, const std::string& programPath,
                             const std::vector<std::string>& lines) {
    const omvera::TextFile* file = nullptr;
    for (const omvera::TextFile& f : omvera::TextFiles())
        if (programPath == f.path) file = &f;
    std::string bytes;
    for (const auto& l : lines) {
        const std::string plain = omvera::Utf8ToCp1251OrThrow(l);
        bytes += file && file->cipherKey ? omvera::EncodeLine(plain, file->cipherKey) : plain;
        bytes += "\r\n";
    }
    std::string rel = programPath;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    const std::filesystem::path target = folder.string() + rel;
    std::filesystem::create_directories(target.parent_path());
    omvera::WriteFileAtomically(target.string(), bytes);
}

} // namespace omvera_test
