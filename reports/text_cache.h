#pragma once
// The interpretation texts as the reports read them. Normally every search reads its file
// from disk; a process that builds many reports in one run (the command line's batch of
// charts) keeps a TextFileCache alive, and each file is then read once and shared by every
// later report of the run, from any thread.
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace omvera {

// The raw bytes of a text file: from the living cache when there is one, else from disk.
// Throws Error naming the file when it cannot be read (a failed read is not kept, so the
// next report tries the file again and fails with the same message).
std::shared_ptr<const std::string> TextFileBytes(const std::string& path);

// Keeps the files read while it lives. One cache at a time: making a second while one lives
// throws Error. A file changed on disk while the cache lives is not read again.
class TextFileCache {
  public:
    TextFileCache();
    ~TextFileCache();
    TextFileCache(const TextFileCache&) = delete;
    TextFileCache& operator=(const TextFileCache&) = delete;

    std::shared_ptr<const std::string> Bytes(const std::string& path);
    // How many times a file was read from disk while the cache lived.
    int DiskReads() const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const std::string>> files_;
    int diskReads_ = 0;
};

} // namespace omvera
