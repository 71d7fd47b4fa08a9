#include "fuzz_check.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace omvera::fuzz {

const std::string& ScratchFolder() {
    // Never destroyed: the exit handler below still needs it after static destructors ran.
    static const std::string& folder = *[] {
        auto* pattern = new std::string(
            (std::filesystem::temp_directory_path() / "omvera-fuzz-XXXXXX").string());
        if (!::mkdtemp(pattern->data())) Fail(__FILE__, __LINE__, "mkdtemp", *pattern);
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return pattern;
    }();
    return folder;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    const std::string path = ScratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) Fail(__FILE__, __LINE__, "write", path);
    return path;
}

} // namespace omvera::fuzz
