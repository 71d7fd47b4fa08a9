#include "base/rtf_writer.h"

#include "base/text_file.h"
#include "base/utf8.h"

#include <cmath>
#include <cstdio>

namespace omvera {
namespace {

// \uN takes a signed 16-bit number: units above 32767 are written negative.
void AppendUnicode(std::string& out, unsigned unit) {
    out += "\\u";
    out += std::to_string(unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit));
}

void AppendHexByte(std::string& out, unsigned char b) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\'%02x", b);
    out += hex;
}

} // namespace

std::string RtfEscape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    size_t pos = 0;
    while (pos < utf8.size()) {
        const size_t start = pos;
        char32_t c = 0;
        if (!NextUtf8(utf8, pos, c)) {
            out += '?';
            continue;
        }
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c < 0x20 || c == 0x7F) {
            // A control character is no text: a paragraph's line break is the writer's own.
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c > 0xFFFF) {
            // Outside the basic plane: a UTF-16 surrogate pair, each with its fallback.
            const char32_t v = c - 0x10000;
            AppendUnicode(out, 0xD800 + (v >> 10));
            out += '?';
            AppendUnicode(out, 0xDC00 + (v & 0x3FF));
            out += '?';
        } else {
            AppendUnicode(out, c);
            std::string byte;
            if (Utf8ToCp1251(utf8.substr(start, pos - start), byte) && byte.size() == 1)
                AppendHexByte(out, static_cast<unsigned char>(byte[0]));
            else
                out += '?';
        }
    }
    return out;
}

std::string RtfDocument(const std::vector<std::string>& lines, const RtfFont& font) {
    // Sizes are in half points: 15 pixels at 96 per inch are 11.25 points.
    const long halfPoints = std::lround(font.PixelHeight * 72.0 / 96.0 * 2.0);
    std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1\r\n";
    // \fmodern and \fprq1: a fixed-pitch family, so a reader without the font picks another
    // fixed-pitch one and the columns of the report stay aligned.
    out += "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset204 " + RtfEscape(font.Family) + ";}}\r\n";
    out += "\\viewkind4\\pard\\plain\\f0\\fs" + std::to_string(halfPoints) + " ";
    // Every line ends its paragraph, the last one too: word processors drop an empty
    // paragraph after the last mark, and a trailing blank line of the view must stay.
    for (const std::string& line : lines) out += RtfEscape(line) + "\\par\r\n";
    out += "}\r\n";
    return out;
}

} // namespace omvera
