#pragma once
// File boundary of the program: text inside is UTF-8, files on disk are Windows-1251 with
// CR LF line ends. Reading accepts LF-only and CR-only lines as well (files copied from
// other systems), so no file is ever read as one long line.
#include <cstdint>
#include <optional>
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

// The line starting at `pos` (without its end) and `pos` moved past it: CR LF, LF or a lone
// CR ends a line. Meant for a loop `while (pos < bytes.size())`.
std::string_view NextLine(std::string_view bytes, size_t& pos);
// Splits raw file bytes into lines as NextLine does; a last line without an end is kept; an
// empty file has no lines.
std::vector<std::string> SplitLines(std::string_view bytes);

// Whole-file reading of raw bytes. Throws Error naming the file and the reason (missing,
// a folder, no permission, a read error) in Russian; nothing else escapes.
std::string ReadFileBytes(const std::string& path);
// The same, or nothing when the file does not exist (any other failure still throws).
std::optional<std::string> ReadFileBytesIfPresent(const std::string& path);
// Raw lines of a Windows-1251 file (no conversion).
std::vector<std::string> ReadRawLines(const std::string& path);
// Lines of a Windows-1251 file converted to UTF-8.
std::vector<std::string> ReadTextLines(const std::string& path);
// The lines of Windows-1251 bytes converted to UTF-8 (what ReadTextLines does to a file).
std::vector<std::string> DecodeTextLines(std::string_view bytes);

// Replaces the file's contents so that a failure or a power cut leaves either the old or the
// new contents, never a truncated file: the bytes go to a temporary file of a name unique to
// this write beside the file, are flushed to disk, and the temporary file is renamed over
// the file; then the folder is flushed. A symbolic link is written through to its target,
// the file's permissions are kept, and a file with several hard links is rewritten in place
// (after a complete flushed copy) so every link sees the new contents. A file without any
// write permission is refused. Throws Error naming the file; on failure the file is as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// A fingerprint of a file's contents, to notice that someone else wrote the file.
std::uint64_t ContentStamp(std::string_view bytes);

// Holds an exclusive advisory lock on a folder while it lives, so that cooperating writers
// (other windows, other copies of the program, the command-line companion) read, check and
// replace a file of the folder one at a time. Throws Error when the folder cannot be opened.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int fd_ = -1;
};
// UTF-8 lines as Windows-1251 bytes, each line ended by CR LF; throws Error when a line
// cannot be represented.
std::string EncodeTextLines(const std::vector<std::string>& lines);
// Converts UTF-8 lines to Windows-1251, joins them with CR LF (each line ended) and writes
// the file atomically. Nothing is written when a line cannot be represented.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace omvera
