#include "app/numbers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace omvera {

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
    double v = std::strtod(buf.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
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
    double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::string FormatFixed(double value, int width, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
    return buf;
}

std::string PadLeft(std::string_view text, size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), ' ') + std::string(text);
}

} // namespace omvera
