#include "base/text_file.h"

#include "base/errors.h"
#include "base/utf8.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace omvera {
namespace {

// Unicode code points of the Windows-1251 bytes 0x80..0xFF.
constexpr std::array<char32_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t HighCode(unsigned i) {
    if (i < 64) return kHigh[i];
    return 0x0410 + (i - 64); // А..я are contiguous from 0xC0
}

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
    static const std::unordered_map<char32_t, unsigned char> table = [] {
        std::unordered_map<char32_t, unsigned char> t;
        for (unsigned i = 0; i < 128; ++i) t[HighCode(i)] = static_cast<unsigned char>(0x80 + i);
        return t;
    }();
    return table;
}

} // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            AppendUtf8(out, HighCode(b - 0x80));
    }
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* badChar) {
    out.clear();
    out.reserve(utf8.size());
    const auto& rev = ReverseTable();
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        char32_t c = 0;
        if (!NextUtf8(utf8, pos, c)) {
            if (badChar) *badChar = "(malformed UTF-8)";
            return false;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        auto it = rev.find(c);
        if (it == rev.end()) {
            if (badChar) *badChar = std::string(utf8.substr(start, pos - start));
            return false;
        }
        out += static_cast<char>(it->second);
    }
    return true;
}

std::string Utf8ToCp1251OrThrow(std::string_view utf8) {
    std::string out, bad;
    if (!Utf8ToCp1251(utf8, out, &bad))
        throw Error("Символ «" + bad + "» нельзя записать в кодировке Windows-1251: «" +
                    std::string(utf8) + "»");
    return out;
}

std::string_view NextLine(std::string_view bytes, size_t& pos) {
    const size_t start = pos;
    const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    return bytes.substr(start, end - start);
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) lines.emplace_back(NextLine(bytes, pos));
    return lines;
}

std::vector<std::string> ReadRawLines(const std::string& path) {
    return SplitLines(ReadFileBytes(path));
}

std::vector<std::string> DecodeTextLines(std::string_view bytes) {
    auto lines = SplitLines(bytes);
    for (auto& l : lines) l = Cp1251ToUtf8(l);
    return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    return DecodeTextLines(ReadFileBytes(path));
}

std::string EncodeTextLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) {
        bytes += Utf8ToCp1251OrThrow(l);
        bytes += "\r\n";
    }
    return bytes;
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    WriteFileAtomically(path, EncodeTextLines(lines));
}

} // namespace omvera
