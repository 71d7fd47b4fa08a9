#include "base/data_path.h"

#include <filesystem>

namespace omvera {

std::string DataPath(const std::string& programFolder, std::string_view backslashPath) {
    std::string path = programFolder + std::string(backslashPath);
    constexpr char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    for (char& c : path)
        if (c == '\\') c = sep;
    return path;
}

std::string CurrentFolder() {
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    return ec ? std::string(".") : p.string();
}

} // namespace omvera
