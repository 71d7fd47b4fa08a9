#include "reports/text_cache.h"

#include "base/errors.h"
#include "base/text_file.h"

#include <atomic>

namespace omvera {
namespace {

std::atomic<TextFileCache*> g_cache{nullptr};

} // namespace

TextFileCache::TextFileCache() {
    TextFileCache* none = nullptr;
    if (!g_cache.compare_exchange_strong(none, this))
        throw Error("кэш текстов интерпретации уже создан");
}

TextFileCache::~TextFileCache() {
    g_cache.store(nullptr);
}

std::shared_ptr<const std::string> TextFileCache::Bytes(const std::string& path) {
    {
        std::lock_guard lock(mutex_);
        if (auto it = files_.find(path); it != files_.end()) return it->second;
    }
    // Read outside the lock: two threads may read the same file once each at the start, the
    // first one stored wins; nobody waits on a slow disk behind another file.
    auto bytes = std::make_shared<const std::string>(ReadFileBytes(path));
    std::lock_guard lock(mutex_);
    ++diskReads_;
    return files_.emplace(path, std::move(bytes)).first->second;
}

int TextFileCache::DiskReads() const {
    std::lock_guard lock(mutex_);
    return diskReads_;
}

std::shared_ptr<const std::string> TextFileBytes(const std::string& path) {
    if (TextFileCache* cache = g_cache.load()) return cache->Bytes(path);
    return std::make_shared<const std::string>(ReadFileBytes(path));
}

} // namespace omvera
