#pragma once
// A small writer of one JSON value into a growing text, for output produced by the thousand:
// it appends to a string the caller reuses, puts the commas itself and writes angles with a
// fixed number of decimals (see AppendJsonDegrees), other numbers with std::to_chars (the
// shortest text that reads back as the same double).
//
//   JsonLine j(buffer);
//   j.BeginObject();
//   j.Key("jd"); j.Number(2444314.02);
//   j.Key("lon"); j.Degrees(354.891377146);   // or j.DegreesMember("lon", 354.891377146)
//   j.Key("names"); j.BeginArray(); j.String("Солнце"); j.EndArray();
//   j.EndObject();
//
// The writer gathers its text in a small buffer of its own: the text is in the string once
// the outermost value is complete (or the writer is gone).
#include <array>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace omvera::cli {

// Decimals of the angles written by AppendJsonDegrees: 1e-9 degree is 3.6 micro-arcseconds,
// far below the engine's own accuracy.
inline constexpr int kDegreeDecimals = 9;

// Appends s as a JSON string: quotes, backslashes and control characters escaped, every
// other byte (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view s);
// Appends x in the shortest form that reads back as the same double; null when x is not
// finite (JSON has no NaN or infinity).
void AppendJsonNumber(std::string& out, double x);
// Appends an angle in degrees correctly rounded to kDegreeDecimals decimals (ties to even,
// as printf's "%.9f"), trailing zeros and a bare point dropped: 180.362, 60, -0.000000001.
// A value that rounds to zero is written 0, without a sign. |x| >= 1e6 is written as by
// AppendJsonNumber, and so is a value that is not finite (null).
void AppendJsonDegrees(std::string& out, double x);

namespace detail {
// The longest text WriteDegrees writes (to_chars needs at most 24 bytes for a double).
inline constexpr std::size_t kNumberRoom = 32;
// AppendJsonDegrees's text at p; returns its end.
char* WriteDegrees(char* p, double x);
} // namespace detail

class JsonLine {
  public:
    explicit JsonLine(std::string& out) : out_(out) {}
    JsonLine(const JsonLine&) = delete;
    JsonLine& operator=(const JsonLine&) = delete;
    ~JsonLine();

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The member name of the next value inside an object: one of the program's own names,
    // written as it is (it holds no quote, backslash or control character).
    void Key(std::string_view name);
    // The same for a literal: its length is known here, so the copy is a few moves.
    template <std::size_t N> void Key(const char (&name)[N]) {
        used_ = static_cast<std::size_t>(WriteKey(BeginValue(N + 3), name) - buffer_.data());
        afterKey_ = true;
    }
    // A member in one step: Key(name), then Degrees(x) or NameString(s).
    template <std::size_t N> void DegreesMember(const char (&name)[N], double x) {
        EndValue(detail::WriteDegrees(WriteKey(BeginValue(N + 3 + kNumberRoom), name), x));
    }
    template <std::size_t N> void NameMember(const char (&name)[N], std::string_view s) {
        if (N + 5 + s.size() > kLongText) {
            Key(name);
            return NameString(s);
        }
        char* p = WriteKey(BeginValue(N + 5 + s.size()), name);
        *p++ = '"';
        std::memcpy(p, s.data(), s.size());
        p += s.size();
        *p++ = '"';
        EndValue(p);
    }
    void String(std::string_view s);
    // A text of the program's own (a body or sign name) that needs no escaping, written
    // without looking at each byte.
    void NameString(std::string_view s) {
        assert(s.find_first_of("\"\\") == std::string_view::npos);
        if (s.size() + 2 > kLongText) return LongNameString(s);
        char* p = BeginValue(s.size() + 2);
        *p++ = '"';
        std::memcpy(p, s.data(), s.size());
        p += s.size();
        *p++ = '"';
        EndValue(p);
    }
    void Number(double x);
    // An angle in degrees, as AppendJsonDegrees writes it.
    void Degrees(double x);
    void Integer(long long n);

  private:
    template <std::size_t N> static char* WriteKey(char* p, const char (&name)[N]) {
        static_assert(N > 1 && N + 3 <= kLongText);
        *p = '"';
        std::memcpy(p + 1, name, N - 1);
        std::memcpy(p + N, "\": ", 3);
        return p + N + 3;
    }
    // Room for n more bytes in the buffer (the buffer is emptied into the string first when
    // they do not fit); the value's separator is written. Returns where the value goes.
    char* BeginValue(std::size_t n) {
        assert(n <= kLongText);
        if (used_ + n + 2 > kBufferSize) Flush();
        char* p = buffer_.data() + used_;
        if (afterKey_) {
            afterKey_ = false;
        } else {
            if (hasItem_[depth_]) {
                *p++ = ',';
                *p++ = ' ';
            }
            hasItem_[depth_] = true;
        }
        return p;
    }
    void EndValue(char* end) {
        used_ = static_cast<std::size_t>(end - buffer_.data());
        if (depth_ == 0) Flush();
    }
    void Open(char bracket) {
        assert(depth_ + 1 < static_cast<int>(hasItem_.size()));
        char* p = BeginValue(1);
        *p++ = bracket;
        used_ = static_cast<std::size_t>(p - buffer_.data());
        ++depth_;
        hasItem_[depth_] = false;
    }
    void Close(char bracket) {
        if (used_ == kBufferSize) Flush();
        buffer_[used_++] = bracket;
        --depth_;
        if (depth_ == 0) Flush();
    }
    void LongNameString(std::string_view s);
    void Flush();

    static constexpr std::size_t kNumberRoom = detail::kNumberRoom;
    static constexpr std::size_t kBufferSize = 1024;
    static constexpr std::size_t kLongText = kBufferSize / 4; // longer texts bypass the buffer

    std::string& out_;
    std::size_t used_ = 0;
    int depth_ = 0;
    bool afterKey_ = false;
    std::array<bool, 16> hasItem_{}; // per depth: a value was written already
    std::array<char, kBufferSize> buffer_;
};

} // namespace omvera::cli
