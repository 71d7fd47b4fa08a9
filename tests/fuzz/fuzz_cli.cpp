// omvera-cli's argument parsing, in process: the input is a command line, one argument a
// line (or one argument per NUL-ended piece when the input holds a NUL), run through the
// command dispatcher as main() runs it. Output goes nowhere. The process works in a copy of
// the program folder in its scratch folder; command lines naming a path outside it (a
// slash, a backslash, a leading "..") are skipped, so no file is written anywhere else.
// A transit table of decades is skipped too (see LongTransitTable).
#include "base/errors.h"
#include "cli/commands.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <typeinfo>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string g_database; // Basa.TXT as shipped, restored before every run of "people"
unsigned g_runs = 0;

std::string DataFolder() {
    if (const char* env = std::getenv("OMVERA_FUZZ_DATA")) return env;
    return std::string(OMVERA_BUILD_DIR) + "/Dann";
}

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const char sep = text.find('\0') != std::string_view::npos ? '\0' : '\n';
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start < text.size() && args.size() < 32) {
        const std::size_t end = std::min(text.find(sep, start), text.size());
        args.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

bool StaysInFolder(const std::string& arg) {
    return arg.find_first_of("/\\") == std::string::npos && arg.rfind("..", 0) != 0;
}

// A transit table lists every day of its range, so one of decades is slow by nature (a
// second per forty years in an optimised build, half a minute under the fuzzer's
// instrumentation): such command lines are skipped, the parsing they share is not.
bool LongTransitTable(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "transit-table") return false;
    auto year = [&args](const char* option) {
        for (std::size_t i = 0; i + 1 < args.size(); ++i)
            if (args[i] == option) {
                const std::string& date = args[i + 1];
                const std::size_t dot = date.rfind('.');
                return std::atoi(date.c_str() + (dot == std::string::npos ? 0 : dot + 1));
            }
        return 0;
    };
    return std::abs(year("--to") - year("--from")) > 2;
}

// Files the commands wrote (--out, encipher, decipher) go, every so often.
void RemoveWrittenFiles() {
    for (const auto& entry : fs::directory_iterator(fs::current_path()))
        if (entry.path().filename() != "Dann") fs::remove_all(entry.path());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fs::path folder = omvera::fuzz::ScratchFolder();
    fs::copy(DataFolder(), folder / "Dann", fs::copy_options::recursive);
    std::ifstream db(folder / "Dann" / "Basa.TXT", std::ios::binary);
    g_database.assign(std::istreambuf_iterator<char>(db), std::istreambuf_iterator<char>());
    if (::chdir(folder.c_str()) != 0) omvera::fuzz::Fail(__FILE__, __LINE__, "chdir", folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = Arguments(data, size);
    for (const auto& a : args)
        if (!StaysInFolder(a)) return -1; // not kept in the corpus
    if (LongTransitTable(args)) return -1;
    if (!args.empty() && args[0] == "people")
        std::ofstream("Dann/Basa.TXT", std::ios::binary | std::ios::trunc) << g_database;
    NullBuffer nothing;
    std::ostream out(&nothing), err(&nothing);
    try {
        const int status = omvera::cli::Run(args, out, err);
        FUZZ_CHECK(status >= 0 && status <= 2, "exit status " + std::to_string(status));
    } catch (const omvera::cli::UsageError&) {
    } catch (const omvera::Error&) {
    } catch (const std::exception& e) {
        // Anything else reaches the user as a library's bare English message ("stoi",
        // "basic_string::substr"): a fault of the command, not of its input.
        FUZZ_CHECK(false, std::string(typeid(e).name()) + ": " + e.what());
    }
    if (++g_runs % 1000 == 0) RemoveWrittenFiles();
    return 0;
}
