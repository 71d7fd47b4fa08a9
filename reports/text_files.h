#pragma once
// Every interpretation text file of the data folder with how it is searched: stored plain or
// enciphered (and with which key), its section marker and how a printed section is titled.
#include "reports/section_search.h"

#include <span>
#include <string_view>

namespace omvera {

enum class SectionTitle {
    FirstCharBlank,     // the header with its first character replaced by a blank
    BlankTitle,         // one blank line in place of the header
    AfterSecondBracket, // the header's text behind its second "]" (bracket files)
};

struct TextFile {
    const char* path;      // as the program opens it below ProgramFolder: "\\Dann\\Radix\\..."
    const char* cipherKey; // the key of an enciphered file; nullptr for a plain one
    char marker;           // '&' or '['; 0 for a file copied whole
    SectionTitle title;
};

std::span<const TextFile> TextFiles();

// The entry of a path written as the program writes it; throws Error for a path that is not
// an interpretation text.
const TextFile& TextFileOf(std::string_view backslashPath);

} // namespace omvera
