// Assembles the data folder "Dann" from the readable sources under data/: text files are
// converted from UTF-8 (LF or CR LF) to Windows-1251 with CR LF; the interpretation texts
// listed in reports/enciphered_texts.cpp are then enciphered line by line with their
// family's key; other files are copied. A character that Windows-1251 or the cipher's
// alphabet cannot hold fails the build with the file and line.
// Usage: omvera-datatool SOURCE_DIR OUTPUT_DIR   (SOURCE_DIR holds Dann/...)
#include "base/errors.h"
#include "base/text_file.h"
#include "reports/enciphered_texts.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

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

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), ::tolower);
    return s;
}

// The path as the program opens it, e.g. "\Dann\Radix\PLZODIAC.txt" (backslashes).
std::string ProgramPath(const fs::path& rel) {
    std::string p = "\\Dann";
    for (const auto& part : rel) p += "\\" + part.string();
    return p;
}

// The cipher of a source file, nullptr for a plain one. A file whose name differs from an
// enciphered text only in letter case is an error: the program would not find it on a
// case-sensitive file system, and it would ship unenciphered.
const EncipheredText* CipherOf(const fs::path& src, const std::string& programPath, bool& ok) {
    if (const auto* t = FindEncipheredText(programPath)) return t;
    for (const auto& t : EncipheredTexts()) {
        if (Lower(t.path) == Lower(programPath)) {
            std::cerr << src.string() << ": the file must be named exactly " << t.path << "\n";
            ok = false;
        }
    }
    return nullptr;
}

// Converts one UTF-8 source, enciphering its lines when `cipher` is given; returns false
// after reporting the file and line of a character that cannot be stored.
bool ConvertText(const fs::path& src, const fs::path& dst, const LineCipher* cipher) {
    std::string stored;
    try {
        stored = StoreText(ReadFileBytes(src.string()), cipher, src.string());
    } catch (const Error& e) {
        std::cerr << e.what() << "\n";
        return false;
    }
    WriteFileAtomically(dst.string(), stored);
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
            const fs::path rel = ShippedName(fs::relative(entry.path(), srcRoot).generic_string());
            const fs::path dst = dstRoot / rel;
            if (entry.is_directory()) {
                fs::create_directories(dst);
                continue;
            }
            fs::create_directories(dst.parent_path());
            const EncipheredText* enc = CipherOf(entry.path(), ProgramPath(rel), ok);
            if (enc) {
                const LineCipher cipher(CipherKeyOfFamily(enc->family));
                ok = ConvertText(entry.path(), dst, &cipher) && ok;
            } else if (IsTextFile(entry.path())) {
                ok = ConvertText(entry.path(), dst, nullptr) && ok;
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
