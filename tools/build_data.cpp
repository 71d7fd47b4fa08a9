// Assembles the data folder "Dann" from the readable sources under data/: text files are
// converted from UTF-8 (LF or CR LF) to Windows-1251 with CR LF; other files are copied.
// Usage: omvera-datatool SOURCE_DIR OUTPUT_DIR   (SOURCE_DIR holds Dann/...)
#include "app/text_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace fs = std::filesystem;
using namespace omvera;

namespace {

bool IsTextFile(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    return ext == ".txt" || ext == ".htm" || ext == ".html";
}

// Converts one UTF-8 source; returns false after reporting the file and line of a character
// that Windows-1251 cannot hold.
bool ConvertText(const fs::path& src, const fs::path& dst) {
    const auto lines = SplitLines(ReadFileBytes(src.string()));
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string bytes, bad;
        if (!Utf8ToCp1251(lines[i], bytes, &bad)) {
            std::cerr << src.string() << ":" << (i + 1) << ": character \"" << bad
                      << "\" cannot be written in Windows-1251\n";
            return false;
        }
        out += bytes;
        out += "\r\n";
    }
    WriteFileAtomically(dst.string(), out);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: omvera-datatool SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    try {
        const fs::path srcRoot = fs::path(argv[1]) / "Dann";
        const fs::path dstRoot = fs::path(argv[2]) / "Dann";
        bool ok = true;
        for (const auto& entry : fs::recursive_directory_iterator(srcRoot)) {
            const fs::path rel = fs::relative(entry.path(), srcRoot);
            const fs::path dst = dstRoot / rel;
            if (entry.is_directory()) {
                fs::create_directories(dst);
                continue;
            }
            fs::create_directories(dst.parent_path());
            if (IsTextFile(entry.path())) {
                ok = ConvertText(entry.path(), dst) && ok;
            } else {
                fs::copy_file(entry.path(), dst, fs::copy_options::overwrite_existing);
            }
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "omvera-datatool: " << e.what() << "\n";
        return 1;
    }
}
