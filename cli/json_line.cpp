#include "cli/json_line.h"

#include <cassert>
#include <charconv>
#include <cmath>

namespace omvera::cli {

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
    if (!std::isfinite(x)) {
        out += "null";
        return;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    out.append(buf, r.ptr);
}

void JsonLine::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItem_[depth_]) out_ += ", ";
    hasItem_[depth_] = true;
}

void JsonLine::Open(char bracket) {
    assert(depth_ + 1 < static_cast<int>(hasItem_.size()));
    BeforeValue();
    out_ += bracket;
    ++depth_;
    hasItem_[depth_] = false;
}

void JsonLine::Close(char bracket) {
    out_ += bracket;
    --depth_;
}

namespace {

void AppendName(std::string& out, std::string_view name) {
    assert(name.find_first_of("\"\\") == std::string_view::npos);
    out += '"';
    out += name;
    out += '"';
}

} // namespace

void JsonLine::Key(std::string_view name) {
    BeforeValue();
    AppendName(out_, name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonLine::NameString(std::string_view s) {
    BeforeValue();
    AppendName(out_, s);
}

void JsonLine::String(std::string_view s) {
    BeforeValue();
    AppendJsonString(out_, s);
}

void JsonLine::Number(double x) {
    BeforeValue();
    AppendJsonNumber(out_, x);
}

void JsonLine::Integer(long long n) {
    BeforeValue();
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    out_.append(buf, r.ptr);
}

} // namespace omvera::cli
