#pragma once
// Option parsing shared by the commands that work on interpretation text files
// (encipher, decipher, sections, print-sections).
#include "cli/commands.h"
#include "reports/line_sink.h"

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace omvera::cli {

struct TextOptions {
    std::vector<std::string> positional;
    const char* key = nullptr;            // --key radix|return|transit|direction
    std::optional<char> marker;           // --marker '&'|'['
    std::optional<std::string> title;     // --title ...
    std::vector<std::string> sectionKeys; // --section-key, in order
};

// Parses `args`, accepting only the options named in `allowed` ("--key", "--marker",
// "--title", "--section-key"); everything else not starting with "--" is positional.
// Throws UsageError for an unknown option, a missing or bad value, or a repeated option.
TextOptions ParseTextOptions(const Args& args, std::initializer_list<std::string_view> allowed);

// True when the arguments ask for the command's help.
bool WantsHelp(const Args& args);

// Adds each line to a stream as it comes, so lines written before a failure are kept.
class StreamLineSink : public LineSink {
  public:
    explicit StreamLineSink(std::ostream& out) : out_(out) {}
    void AddLine(const std::string& utf8) override { out_ << utf8 << '\n'; }

  private:
    std::ostream& out_;
};

} // namespace omvera::cli
