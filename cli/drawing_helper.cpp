#include "cli/drawing_helper.h"

#include "base/data_folders.h"
#include "base/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#ifndef OMVERA_INSTALLED_HELPER_FOLDER
#define OMVERA_INSTALLED_HELPER_FOLDER "../libexec/omvera"
#endif

namespace omvera::cli {
namespace {

namespace fs = std::filesystem;

// Set for the companion, so a companion that cannot draw either never hands back.
constexpr const char* kHandedOver = "OMVERA_CLI_HANDED_OVER";

bool IsExecutableFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

// The wheel command of a build without the companion: says so instead of being unknown.
int WheelWithoutQt(const Args& args, std::ostream&, std::ostream&) {
    HandOverToDrawingHelper("wheel", args,
                            "wheel: эта сборка omvera-cli не рисует (собрана без Qt)");
}

const FallbackCommandRegistration kWheel("wheel", "рисунок натальной карты в BMP, PNG или PDF",
                                         WheelWithoutQt);

} // namespace

std::string FindDrawingHelper(const std::string& executable) {
    if (executable.empty()) return {};
    const fs::path folder = fs::path(executable).parent_path();
    for (const fs::path& candidate :
         {folder / kDrawingHelperName,
          folder / OMVERA_INSTALLED_HELPER_FOLDER / kDrawingHelperName}) {
        if (IsExecutableFile(candidate)) return candidate.lexically_normal().string();
    }
    return {};
}

void HandOverToDrawingHelper(const std::string& command, const Args& args,
                             const std::string& unavailable) {
    const std::string helper =
        std::getenv(kHandedOver) ? std::string() : FindDrawingHelper(ExecutablePath());
    if (helper.empty()) throw UsageError(unavailable);
    std::vector<std::string> line = {helper, command};
    line.insert(line.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : line) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::cout.flush();
    std::cerr.flush();
    ::setenv(kHandedOver, "1", 1);
    ::execv(helper.c_str(), argv.data());
    const int err = errno;
    ::unsetenv(kHandedOver);
    throw Error("Не удается запустить " + helper + ": " + std::strerror(err) + ".");
}

} // namespace omvera::cli
