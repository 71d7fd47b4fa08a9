#pragma once
// Shared pieces of the fuzz targets: a failed property check aborts with a message (the
// fuzzer then keeps the input), and a scratch folder of this process holds the files a
// target has to write.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) omvera::fuzz::Fail(__FILE__, __LINE__, #condition, what);                \
    } while (0)

namespace omvera::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& what) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition, what.c_str());
    std::abort();
}

// Takes the fuzzer's bytes apart into choices and strings, from the front; what is used up
// reads as zeros and empty strings.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // A number lo..hi from one byte.
    int Choice(int lo, int hi) {
        if (rest_.empty() || hi <= lo) return lo;
        const auto b = static_cast<unsigned char>(rest_[0]);
        rest_.remove_prefix(1);
        return lo + static_cast<int>(b % static_cast<unsigned>(hi - lo + 1));
    }
    bool Flag() { return Choice(0, 1) == 1; }
    // A string of at most maxLength bytes, ended by a backslash that is not doubled (a doubled
    // one stands for one backslash), so a mutation of the bytes moves the string's end.
    std::string Text(std::size_t maxLength) {
        std::string s;
        while (!rest_.empty() && s.size() < maxLength) {
            const char c = rest_[0];
            rest_.remove_prefix(1);
            if (c == '\\') {
                if (rest_.empty() || rest_[0] != '\\') break;
                rest_.remove_prefix(1);
            }
            s += c;
        }
        return s;
    }
    std::string Rest() {
        std::string s(rest_);
        rest_ = {};
        return s;
    }

  private:
    std::string_view rest_;
};

// A folder of this process under the system's temporary folder, made on first use and
// removed when the process ends normally.
const std::string& ScratchFolder();

// Writes bytes to a file of the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

} // namespace omvera::fuzz
