#pragma once
// The section search of the interpretation texts. A text file is a run of sections: a
// header line holding the file's marker ("&" or "[") and the section's key words, then body
// lines without the marker up to the next marker line. A search reads its file once from
// top to bottom and copies every section whose header carries one of the keys it is given.
#include "reports/line_sink.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

enum class StoredForm { Plain, Enciphered };

// How a printed section is introduced.
enum class TitleMode {
    FirstCharBlank, // the header with its first character replaced by a blank
    BlankTitle,     // a line holding one blank; the header itself is not shown
};

// One to three strings; a header matches when each of them occurs in it as an exact,
// case-sensitive substring.
using SectionKey = std::vector<std::string>;

// Copies into `sink` every section whose header matches at least one of `keys`, in file
// order, once per header whatever the number of keys it matches. The file's last line is
// never a header; a file ending inside a section ends that section at its end. For an
// enciphered file every line is deciphered with `cipherKey` (ignored for plain files).
// Keys and output lines are UTF-8; matching is done on the file's Windows-1251 text, and a
// key string that Windows-1251 cannot hold matches nothing. Throws Error naming the file
// when it cannot be opened; lines already added stay in the sink.
void PrintSections(LineSink& sink, const std::string& path, StoredForm form,
                   std::string_view cipherKey, char marker, TitleMode title,
                   std::span<const SectionKey> keys);

// The search of the plain bracket-keyed files: marker "[", each key a single string, and the
// title is the header's text behind its second "]" (behind its only "]" when it has one),
// added unchanged. Any number of keys.
void PrintBracketSections(LineSink& sink, const std::string& path,
                          std::span<const std::string> keys);

// Deletes from s everything from its first character through the first occurrence of mark;
// s stays unchanged when mark does not occur (or is empty).
void StripThroughMark(std::string_view mark, std::string& s);

// The header lines of a file as the search sees them (deciphered, UTF-8): every line holding
// the marker except the file's last line.
std::vector<std::string> ListSectionHeaders(const std::string& path, StoredForm form,
                                            std::string_view cipherKey, char marker);

} // namespace omvera
