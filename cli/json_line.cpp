#include "cli/json_line.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace omvera::cli {
namespace {

using detail::kNumberRoom;

char* WriteNumber(char* p, double x) {
    if (!std::isfinite(x)) {
        std::memcpy(p, "null", 4);
        return p + 4;
    }
    return std::to_chars(p, p + kNumberRoom, x).ptr;
}

constexpr double kDegreeScale = 1e9; // 10^kDegreeDecimals
static_assert(kDegreeDecimals == 9);
// Below this |x| * 1e9 stays under 2^50: the rounding below is exact there.
constexpr double kDegreeLimit = 1e6;

// "00" "01" ... "99".
constexpr auto kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes v < 10^7 without leading zeros.
char* WriteWhole(char* p, std::uint32_t v) {
    if (v < 10) {
        *p = static_cast<char>('0' + v);
        return p + 1;
    }
    if (v < 100) {
        std::memcpy(p, &kDigitPairs[2 * v], 2);
        return p + 2;
    }
    if (v < 1000) {
        *p = static_cast<char>('0' + v / 100);
        std::memcpy(p + 1, &kDigitPairs[2 * (v % 100)], 2);
        return p + 3;
    }
    char digits[8];
    char* d = digits + sizeof digits;
    do {
        *--d = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (d != digits + sizeof digits) *p++ = *d++;
    return p;
}

} // namespace

char* detail::WriteDegrees(char* p, double x) {
    const double a = std::fabs(x);
    if (!(a < kDegreeLimit)) return WriteNumber(p, x); // also NaN
    const double scaled = a * kDegreeScale;            // off a * 1e9 by at most half its last place
    auto n = static_cast<std::uint64_t>(scaled);       // scaled < 2^50: truncation is exact floor
    const double aboveHalf = (scaled - static_cast<double>(n)) - 0.5; // exact as well
    if (std::fabs(aboveHalf) > scaled * 0x1p-52) {
        if (aboveHalf > 0) ++n; // the rounding of the product cannot cross the half
    } else {
        // Next to a half: a * 1e9 = scaled + residual exactly (the error of one product is
        // a double, and fma computes it without rounding); ties go to even, as in printf.
        const double residual = std::fma(a, kDegreeScale, -scaled);
        if (aboveHalf > -residual || (aboveHalf == -residual && n % 2 != 0)) ++n;
    }
    if (n == 0) {
        *p = '0';
        return p + 1;
    }
    if (x < 0) *p++ = '-';
    p = WriteWhole(p, static_cast<std::uint32_t>(n / 1000000000u));
    auto fraction = static_cast<std::uint32_t>(n % 1000000000u);
    if (fraction == 0) return p;
    // All nine decimals in two independent halves, two digits at a time, then the trailing
    // zeros taken back.
    const std::uint32_t high = fraction / 100000u; // decimals 1..4
    const std::uint32_t low = fraction % 100000u;  // decimals 5..9
    const std::uint32_t lowPairs = low % 10000u;
    *p = '.';
    std::memcpy(p + 1, &kDigitPairs[2 * (high / 100)], 2);
    std::memcpy(p + 3, &kDigitPairs[2 * (high % 100)], 2);
    p[5] = static_cast<char>('0' + low / 10000u);
    std::memcpy(p + 6, &kDigitPairs[2 * (lowPairs / 100)], 2);
    std::memcpy(p + 8, &kDigitPairs[2 * (lowPairs % 100)], 2);
    char* end = p + 1 + kDegreeDecimals;
    while (end[-1] == '0') --end;
    return end;
}

void AppendJsonString(std::string& out, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    size_t run = 0; // start of the bytes not yet copied
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(s.data() + run, i - run);
        run = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            const char esc[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            out.append(esc, sizeof esc);
        }
    }
    out.append(s.data() + run, s.size() - run);
    out += '"';
}

void AppendJsonNumber(std::string& out, double x) {
    char buf[kNumberRoom];
    out.append(buf, WriteNumber(buf, x));
}

void AppendJsonDegrees(std::string& out, double x) {
    char buf[kNumberRoom];
    out.append(buf, detail::WriteDegrees(buf, x));
}

JsonLine::~JsonLine() {
    try {
        Flush();
    } catch (...) { // no room for the last bytes: nothing better to do while unwinding
    }
}

void JsonLine::Flush() {
    out_.append(buffer_.data(), used_);
    used_ = 0;
}

void JsonLine::Key(std::string_view name) {
    assert(name.find_first_of("\"\\") == std::string_view::npos);
    if (name.size() + 4 > kLongText) {
        EndValue(BeginValue(0));
        Flush();
        out_ += '"';
        out_ += name;
        out_ += "\": ";
    } else {
        char* p = BeginValue(name.size() + 4);
        *p++ = '"';
        std::memcpy(p, name.data(), name.size());
        p += name.size();
        std::memcpy(p, "\": ", 3);
        used_ = static_cast<std::size_t>(p + 3 - buffer_.data());
    }
    afterKey_ = true;
}

void JsonLine::LongNameString(std::string_view s) {
    EndValue(BeginValue(0));
    Flush();
    out_ += '"';
    out_ += s;
    out_ += '"';
}

void JsonLine::String(std::string_view s) {
    // Texts from the input (names, messages, report lines): escaped straight into the string.
    EndValue(BeginValue(0));
    Flush();
    AppendJsonString(out_, s);
}

void JsonLine::Number(double x) {
    EndValue(WriteNumber(BeginValue(kNumberRoom), x));
}

void JsonLine::Degrees(double x) {
    EndValue(detail::WriteDegrees(BeginValue(kNumberRoom), x));
}

void JsonLine::Integer(long long n) {
    char* p = BeginValue(24);
    EndValue(std::to_chars(p, p + 24, n).ptr);
}

} // namespace omvera::cli
