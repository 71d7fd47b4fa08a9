#pragma once
// File boundary of the program: text inside is UTF-8, files on disk are Windows-1251 with
// CR LF line ends. Reading accepts LF-only lines as well.
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

// Windows-1251 byte string -> UTF-8. The one byte that Windows-1251 leaves undefined (0x98)
// maps to U+0098, so every byte string converts and converts back unchanged.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 -> Windows-1251. Returns false (and leaves `out` partial) when a character has no
// Windows-1251 byte or the UTF-8 is malformed; `badChar` then receives that character.
bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* badChar = nullptr);
// The same, throwing Error naming the text when a character cannot be represented.
std::string Utf8ToCp1251OrThrow(std::string_view utf8);

// Splits raw file bytes into lines: CR LF or LF ends a line; a last line without an end is
// kept; an empty file has no lines.
std::vector<std::string> SplitLines(std::string_view bytes);

// Whole-file reading of raw bytes; throws Error naming the file when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
// Raw lines of a Windows-1251 file (no conversion).
std::vector<std::string> ReadRawLines(const std::string& path);
// Lines of a Windows-1251 file converted to UTF-8.
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes the bytes to a temporary file beside `path` and renames it over `path` only when
// the write is complete, so a failure never leaves a truncated file. Throws Error.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
// Converts UTF-8 lines to Windows-1251, joins them with CR LF (each line ended) and writes
// the file atomically. Nothing is written when a line cannot be represented.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace omvera
