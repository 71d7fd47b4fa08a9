#pragma once
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace omvera::cli {

// A bad command line: reported on stderr with exit status 2.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& m) : std::runtime_error(m) {}
};

using Args = std::vector<std::string>;
using CommandFn = std::function<int(const Args&, std::ostream& out, std::ostream& err)>;

// Each command lives in its own file of cli/ and registers itself with a static
// CommandRegistration, so adding a command touches no other file.
struct CommandRegistration {
    CommandRegistration(const char* name, const char* summary, CommandFn fn);
};
// A command that only stands in when no CommandRegistration of that name exists (in whatever
// order the two are made).
struct FallbackCommandRegistration {
    FallbackCommandRegistration(const char* name, const char* summary, CommandFn fn);
};

// The PDF writer of a report's lines. PDF needs Qt: the Qt part of the companion registers
// it; without it RegisteredPdfWriter() is empty.
using PdfWriterFn = std::function<std::string(const std::vector<std::string>& lines)>;
struct PdfWriterRegistration {
    explicit PdfWriterRegistration(PdfWriterFn fn);
};
const PdfWriterFn& RegisteredPdfWriter();

// Runs one command line (without the program name); returns the exit status.
int Run(const Args& args, std::ostream& out, std::ostream& err);

} // namespace omvera::cli
