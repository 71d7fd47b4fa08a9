// omvera-cli's help: every command answers --help in Russian, with exit status 0, and names
// every option its parser accepts.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct HelpRun {
    int status;
    std::string out;
};

HelpRun RunHelp(const std::string& arguments) {
    const std::string command =
        std::string(OMVERA_BUILD_DIR "/omvera-cli ") + arguments + " --help 2>/dev/null";
    HelpRun r{};
    FILE* p = popen(command.c_str(), "r");
    if (!p) return {-1, ""};
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

bool HasCyrillic(const std::string& text) {
    // The UTF-8 lead bytes of U+0400..U+04FF.
    for (unsigned char c : text)
        if (c == 0xD0 || c == 0xD1) return true;
    return false;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
}

// The first English word of running text in the line, outside option names; empty if none.
// Lower-case function words only (command and value names such as list, show or natal are
// English too), and the captions of an English help.
std::string EnglishWord(const std::string& line) {
    static const std::set<std::string> kWords = {
        "the",  "of",  "and",  "a",       "an",    "to",      "is",       "are",  "with",  "for",
        "from", "or",  "by",   "as",      "in",    "on",      "at",       "each", "every", "this",
        "that", "its", "when", "default", "Usage", "Options", "Commands", "Run"};
    for (size_t i = 0; i < line.size();) {
        const bool option = line[i] == '-' && (i == 0 || !IsNameChar(line[i - 1]));
        if (option) {
            while (i < line.size() && IsNameChar(line[i])) ++i;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < line.size() && std::isalpha(static_cast<unsigned char>(line[i]))) ++i;
        const std::string word = line.substr(start, i - start);
        if (kWords.count(word)) return word;
    }
    return {};
}

// Whether the help names the option as a whole (--time is not found in --time2).
bool NamesOption(const std::string& help, const std::string& option) {
    for (size_t at = help.find(option); at != std::string::npos; at = help.find(option, at + 1)) {
        const size_t end = at + option.size();
        if ((at == 0 || !IsNameChar(help[at - 1])) &&
            (end == help.size() || !IsNameChar(help[end])))
            return true;
    }
    return false;
}

const std::vector<std::string> kChartOptions = {
    "--date", "--time",   "--lat",     "--lon",       "--houses",     "--place",
    "--zone", "--offset", "--reading", "--old-style", "--local-date", "--local-time"};
const std::vector<std::string> kReturnOptions = {"--year", "--month", "--place-lat", "--place-lon"};
const std::vector<std::string> kPartnerOptions = {"--date2", "--time2", "--lat2", "--lon2",
                                                  "--name2"};
const std::vector<std::string> kPersonOptions = {"--name",    "--sex",     "--orbs",  "--orb",
                                                 "--include", "--aspects", "--folder"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct HelpCase {
    std::string command;              // the words before --help
    std::vector<std::string> options; // what the command's parser accepts
};

TEST(CliHelp, EveryCommandAnswersInRussianAndNamesItsOptions) {
    const bool canDraw = std::filesystem::exists(OMVERA_BUILD_DIR "/omvera-cli-qt");
    const std::vector<HelpCase> cases = {
        {"", {}},
        {"batch", {"--format", "--threads", "--folder"}},
        {"chart", Join({kChartOptions, {"--json"}})},
        {"report", Join({kChartOptions,
                         kPersonOptions,
                         kReturnOptions,
                         kPartnerOptions,
                         {"--pick", "--sex2", "--target", "--sixteen", "--out", "--json"}})},
        {"report natal", Join({kChartOptions, kPersonOptions, {"--out", "--json"}})},
        {"solar", Join({kChartOptions, kReturnOptions, {"--json"}})},
        {"lunar", Join({kChartOptions, kReturnOptions, {"--json"}})},
        {"transit-table",
         Join({kChartOptions, kPersonOptions, {"--from", "--to", "--time2", "--json"}})},
        {"fatigue", Join({kChartOptions, kPersonOptions, {"--from", "--to", "--json"}})},
        {"people", Join({kChartOptions, {"--name", "--sex", "--folder", "--json"}})},
        {"people add", Join({kChartOptions, {"--name", "--sex", "--folder"}})},
        {"place", {"--json", "--limit", "--folder"}},
        {"lunations", {"--from", "--to", "--json"}},
        {"coverage", {"--family", "--folder", "--families", "--json"}},
        {"sections", {"--key", "--marker"}},
        {"print-sections", {"--key", "--marker", "--title", "--section-key"}},
        {"encipher", {"--key"}},
        {"decipher", {"--key"}},
        {"wheel", Join({kChartOptions,
                        kReturnOptions,
                        kPartnerOptions,
                        {"--kind", "--pick", "--out", "--size"}})},
    };
    for (const HelpCase& c : cases) {
        if (c.command == "wheel" && !canDraw) continue; // a build without the drawing companion
        SCOPED_TRACE("omvera-cli " + c.command + " --help");
        const HelpRun r = RunHelp(c.command);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Использование:"), std::string::npos);
        EXPECT_TRUE(HasCyrillic(r.out));
        std::istringstream lines(r.out);
        std::string line;
        while (std::getline(lines, line)) {
            EXPECT_EQ(EnglishWord(line), "") << line;
        }
        for (const std::string& option : c.options)
            EXPECT_TRUE(NamesOption(r.out, option)) << option;
    }
}

TEST(CliHelp, CommandListNamesEveryCommand) {
    const HelpRun r = RunHelp("");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Команды:"), std::string::npos);
    for (const char* command : {"batch", "chart", "coverage", "decipher", "encipher", "fatigue",
                                "lunar", "lunations", "people", "place", "print-sections", "report",
                                "sections", "solar", "transit-table", "wheel"})
        EXPECT_NE(r.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
}

} // namespace
