// Whole-file reading and safe replacement of files. Every failure becomes an Error with a
// Russian message naming the file and the reason; no library exception reaches a caller.
#include "base/errors.h"
#include "base/text_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace omvera {
namespace {

std::string Reason(int err) {
    switch (err) {
    case ENOENT:
        return "файл или папка не найдены";
    case EISDIR:
        return "это папка, а не файл";
    case ENOTDIR:
        return "в пути стоит файл вместо папки";
    case EACCES:
    case EPERM:
        return "нет прав доступа";
    case ENOSPC:
        return "на диске нет места";
    case EDQUOT:
        return "превышена квота диска";
    case EROFS:
        return "диск доступен только для чтения";
    case EFBIG:
        return "файл слишком велик";
    case EIO:
        return "ошибка ввода-вывода";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    case ELOOP:
        return "символические ссылки замкнуты в круг";
    default:
        return std::string("ошибка ") + std::to_string(err) + " (" + std::strerror(err) + ")";
    }
}

[[noreturn]] void Fail(const char* what, const std::string& path, int err) {
    throw Error(std::string(what) + " " + path + ": " + Reason(err) + ".");
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the close's own failure (delayed write errors show up here).
    int Close() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write to `path` must change: a symbolic link (or a chain of them) is followed
// to its target, even when the target does not exist yet.
std::string WriteTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buf, sizeof buf - 1);
        if (n < 0) Fail("Не удается прочитать ссылку", current, errno);
        std::string target(buf, static_cast<size_t>(n));
        current = (!target.empty() && target[0] == '/') ? target : FolderOf(current) + "/" + target;
    }
    Fail("Не удается записать файл", path, ELOOP);
}

std::atomic<unsigned> tempCounter{0};

// Creates a temporary file beside `target` with a name no other write uses.
int CreateTemporary(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp" + std::to_string(::getpid()) + "-" +
               std::to_string(tempCounter.fetch_add(1)) + "~";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<std::string> ReadFileBytesIfPresent(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return std::nullopt;
        Fail("Не удается открыть файл", path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail("Не удается прочитать файл", path, errno);
    if (S_ISDIR(st.st_mode)) Fail("Не удается прочитать файл", path, EISDIR);
    if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode))
        throw Error("Не удается прочитать файл " + path + ": это не обычный файл.");
    std::string data;
    if (S_ISREG(st.st_mode)) data.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Ошибка чтения файла", path, errno);
        }
        data.append(buf, static_cast<size_t>(n));
    }
    return data;
}

std::string ReadFileBytes(const std::string& path) {
    auto data = ReadFileBytesIfPresent(path);
    if (!data) Fail("Не удается открыть файл", path, ENOENT);
    return std::move(*data);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = WriteTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) Fail("Не удается записать файл", path, EISDIR);
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        throw Error("Файл " + path + " защищен от записи (только для чтения): изменения не " +
                    "записаны.");

    std::string temp;
    Fd out(CreateTemporary(target, temp));
    if (out.get() < 0) Fail("Не удается записать файл", path, errno);
    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        Fail("Ошибка записи файла", path, err);
    };
    if (exists) {
        // Keep the owner where we may and the permissions always.
        if (::fchown(out.get(), old.st_uid, old.st_gid) != 0) {
            // not the owner: the file keeps ours, as any editor's save would
        }
        if (::fchmod(out.get(), old.st_mode & 07777) != 0) fail(errno);
    }
    if (!WriteAll(out.get(), bytes) || ::fsync(out.get()) != 0) fail(errno);
    if (out.Close() != 0) fail(errno);

    if (exists && old.st_nlink > 1) {
        // Several names share this file: renaming would split them. The complete copy
        // stays on disk until the file itself holds the new contents.
        Fd in(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        if (in.get() < 0 || !WriteAll(in.get(), bytes) || ::fsync(in.get()) != 0 || in.Close() != 0)
            throw Error("Ошибка записи файла " + path + ": " + Reason(errno) +
                        ". Новое содержимое сохранено в файле " + temp + ".");
        ::unlink(temp.c_str());
        return;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        Fail("Не удается заменить файл", path, err);
    }
    SyncFolder(FolderOf(target));
}

std::uint64_t ContentStamp(std::string_view bytes) {
    // FNV-1a, 64 bits, with the length folded in.
    std::uint64_t h = 1469598103934665603ull ^ bytes.size();
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

FolderLock::FolderLock(const std::string& folder) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) Fail("Не удается открыть папку", folder, errno);
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

} // namespace omvera
