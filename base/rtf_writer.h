#pragma once
// A small RTF writer for the text view: one paragraph per line in one fixed-pitch font. The
// file is 7-bit ASCII; every other character is written as \uN with its Windows-1251 byte
// as the fallback for readers without Unicode, or with "?" when it has none.
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

struct RtfFont {
    std::string Family;
    int PixelHeight = 15; // at 96 pixels per inch, as the screen shows it
};

// One line of UTF-8 text as the contents of an RTF paragraph: backslash and braces escaped,
// a tab as \tab, other control characters left out, malformed UTF-8 bytes as "?".
std::string RtfEscape(std::string_view utf8);

// A complete RTF document (Windows-1251 code page, Russian), each line a paragraph ended by
// \par in the font, blank lines and runs of blanks kept. Lines end in CR LF inside the file.
std::string RtfDocument(const std::vector<std::string>& lines, const RtfFont& font);

} // namespace omvera
