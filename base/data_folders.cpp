#include "base/data_folders.h"

#include "base/data_path.h"
#include "base/errors.h"
#include "base/text_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

// The installed data folder relative to the programs' folder (bin) and to the private folder
// of the helper programs (libexec/omvera).
#ifndef OMVERA_INSTALLED_DATA_FOLDER
#define OMVERA_INSTALLED_DATA_FOLDER "../share/omvera"
#endif
#ifndef OMVERA_INSTALLED_DATA_FROM_HELPERS
#define OMVERA_INSTALLED_DATA_FROM_HELPERS "../../share/omvera"
#endif

namespace omvera {
namespace {

namespace fs = std::filesystem;

bool HasDataFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "Dann", ec);
}

// Writes `bytes` as `path` unless a file of that name exists: the copy appears complete or
// not at all, and a file another process made in the meantime is kept.
void CreateFileOnce(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw Error("Не удается создать файл " + path + ": " + std::strerror(errno) + ".");
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    const int err = errno;
    if (ok && ::link(temp.c_str(), path.c_str()) != 0 && errno != EEXIST) {
        const int linkErr = errno;
        ::unlink(temp.c_str());
        throw Error("Не удается создать файл " + path + ": " + std::strerror(linkErr) + ".");
    }
    ::unlink(temp.c_str());
    if (!ok) throw Error("Ошибка записи файла " + path + ": " + std::strerror(err) + ".");
}

} // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "omvera").string();
    if (home && home[0] != '\0') return (fs::path(home) / ".local" / "share" / "omvera").string();
    return {};
}

DataLocation LocateData(const std::string& executable, const std::string& currentFolder,
                        const std::string& userDataFolder) {
    if (HasDataFolder(currentFolder)) return {currentFolder, std::nullopt};
    if (executable.empty()) return {currentFolder, std::nullopt};
    for (const char* relative :
         {OMVERA_INSTALLED_DATA_FOLDER, OMVERA_INSTALLED_DATA_FROM_HELPERS}) {
        const fs::path installed =
            (fs::path(executable).parent_path() / relative).lexically_normal();
        if (HasDataFolder(installed)) {
            std::string folder = installed.string();
            if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
            return {folder, userDataFolder};
        }
    }
    return {currentFolder, std::nullopt};
}

std::string ExecutablePath() {
    std::error_code ec;
    const fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

DataLocation LocateData() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir;
    }
    return LocateData(ExecutablePath(), CurrentFolder(),
                      UserDataFolder(std::getenv("XDG_DATA_HOME"), home));
}

std::string PersonDatabaseFile(const DataLocation& location) {
    const std::string shipped = DataPath(location.programFolder, "\\Dann\\Basa.TXT");
    if (!location.userFolder) return shipped;
    const std::string& folder = *location.userFolder;
    if (folder.empty())
        throw Error("Не найдена папка данных пользователя для базы данных: не заданы ни "
                    "XDG_DATA_HOME, ни домашняя папка (HOME).");
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder))
        throw Error("Не удается создать папку данных пользователя " + folder + ": " +
                    (ec ? ec.message() : std::string("это не папка")) + ".");
    const std::string file = (fs::path(folder) / kUserDatabaseName).string();
    if (fs::exists(fs::symlink_status(file, ec))) return file;
    if (const auto bytes = ReadFileBytesIfPresent(shipped)) CreateFileOnce(file, *bytes);
    return file;
}

} // namespace omvera
