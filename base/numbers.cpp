#include "base/numbers.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace omvera {
namespace {

// The C library's strtod and printf follow LC_NUMERIC, which the GUI toolkit takes from the
// user's environment at start-up: under a Russian locale strtod reads "0.5" as 0 and printf
// writes "56,01". from_chars and to_chars never look at the locale, so "." stays the
// separator of every field, file and text line whatever the user's settings.

// A decimal number already checked to be [+-]digits[.digits][e[+-]digits]; nothing when it
// is too large or too small for a double.
std::optional<double> DecimalValue(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

} // namespace

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string buf;
    size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) buf += text[j++];
    bool digits = false;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
        buf += text[j++];
        digits = true;
    }
    if (j < text.size() && text[j] == '.') {
        buf += text[j++];
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            buf += text[j++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        std::string exp = "e";
        size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) exp += text[k++];
        bool expDigits = false;
        while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]))) {
            exp += text[k++];
            expDigits = true;
        }
        if (expDigits) buf += exp;
    }
    return DecimalValue(buf).value_or(0.0);
}

size_t LeadingNumberEnd(std::string_view text) {
    auto digit = [&text](size_t k) {
        return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
    };
    size_t j = 0;
    while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    bool digits = false;
    while (digit(j)) ++j, digits = true;
    if (j < text.size() && text[j] == '.') {
        ++j;
        while (digit(j)) ++j, digits = true;
    }
    if (!digits) return 0;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (digit(k)) {
            while (digit(k)) ++k;
            j = k;
        }
    }
    return j;
}

long long TruncateToInteger(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exact as a double; every double below it converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit) return std::numeric_limits<long long>::max();
    if (value <= -kLimit) return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}

std::optional<long long> ParseInteger(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    if (b == e) return std::nullopt;
    std::string s(text.substr(b, e - b));
    size_t k = 0;
    if (s[0] == '+' || s[0] == '-') k = 1;
    if (k == s.size()) return std::nullopt;
    for (size_t i = k; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return std::nullopt;
    errno = 0;
    long long v = std::strtoll(s.c_str(), nullptr, 10);
    if (errno == ERANGE) return std::nullopt;
    return v;
}

std::optional<double> ParseReal(std::string_view text, char decimalSeparator) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    if (b == e) return std::nullopt;
    std::string s(text.substr(b, e - b));
    if (decimalSeparator != '.') {
        if (s.find('.') != std::string::npos) return std::nullopt;
        for (char& c : s)
            if (c == decimalSeparator) c = '.';
    }
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        bool ed = false;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ed = true;
        if (!ed) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return DecimalValue(s);
}

std::string FormatFixed(double value, int width, int decimals) {
    // Room for the 309 integer digits of the largest double, its sign, point and decimals.
    std::string text(320 + static_cast<size_t>(std::max(decimals, 0)), '\0');
    const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::fixed, std::max(decimals, 0));
    text.resize(ec == std::errc() ? static_cast<size_t>(end - text.data()) : 0);
    return PadLeft(text, static_cast<size_t>(std::max(width, 0)));
}

std::string PadLeft(std::string_view text, size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), ' ') + std::string(text);
}

} // namespace omvera
