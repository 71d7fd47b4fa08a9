#include "input/time_zone.h"

#include "base/errors.h"
#include "base/text_file.h"

#include <algorithm>
#include <cctype>

namespace omvera {
namespace {

constexpr std::int64_t kDay = 86400;

// Big-endian reading over the file's bytes; running past the end throws.
class Reader {
  public:
    Reader(const std::string& bytes, const std::string& name) : b_(bytes), name_(name) {}
    void Need(std::size_t n) const {
        if (pos_ + n > b_.size() || pos_ + n < pos_) Bad();
    }
    std::uint64_t Unsigned(int width) {
        Need(width);
        std::uint64_t v = 0;
        for (int i = 0; i < width; ++i) v = (v << 8) | static_cast<unsigned char>(b_[pos_++]);
        return v;
    }
    std::int64_t Signed(int width) {
        const std::uint64_t v = Unsigned(width);
        if (width == 8) return static_cast<std::int64_t>(v);
        const std::uint64_t sign = std::uint64_t{1} << (width * 8 - 1);
        return static_cast<std::int64_t>(v ^ sign) - static_cast<std::int64_t>(sign);
    }
    std::string Bytes(std::size_t n) {
        Need(n);
        std::string s = b_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    void Skip(std::size_t n) {
        Need(n);
        pos_ += n;
    }
    std::size_t Pos() const { return pos_; }
    [[noreturn]] void Bad() const {
        throw Error("Файл часового пояса «" + name_ + "» повреждён или не в формате TZif");
    }

  private:
    const std::string& b_;
    const std::string& name_;
    std::size_t pos_ = 0;
};

struct Header {
    char version;
    std::uint64_t isut, isstd, leap, time, type, chars;
};

Header ReadHeader(Reader& r) {
    if (r.Bytes(4) != "TZif") r.Bad();
    Header h{};
    h.version = r.Bytes(1)[0];
    r.Skip(15);
    h.isut = r.Unsigned(4);
    h.isstd = r.Unsigned(4);
    h.leap = r.Unsigned(4);
    h.time = r.Unsigned(4);
    h.type = r.Unsigned(4);
    h.chars = r.Unsigned(4);
    // Sizes far beyond any real zone are a damaged file, not a reason to allocate.
    if (h.time > 100000 || h.type == 0 || h.type > 256 || h.chars > 4096 || h.leap > 10000 ||
        (h.isut != 0 && h.isut != h.type) || (h.isstd != 0 && h.isstd != h.type))
        r.Bad();
    return h;
}

// --- POSIX TZ texts ---------------------------------------------------------------------

bool ParseName(const std::string& s, std::size_t& i, std::string& out) {
    if (i < s.size() && s[i] == '<') {
        const std::size_t end = s.find('>', i);
        if (end == std::string::npos) return false;
        out = s.substr(i + 1, end - i - 1);
        i = end + 1;
        return !out.empty();
    }
    const std::size_t start = i;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) ++i;
    out = s.substr(start, i - start);
    return out.size() >= 3;
}

// [+-]hh[:mm[:ss]] as seconds; hours up to 167 (rule times of version 3 files).
bool ParseSeconds(const std::string& s, std::size_t& i, std::int32_t& out) {
    int sign = 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) sign = s[i++] == '-' ? -1 : 1;
    std::int32_t total = 0;
    for (int part = 0; part < 3; ++part) {
        if (part > 0) {
            if (i >= s.size() || s[i] != ':') break;
            ++i;
        }
        int v = 0, digits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && digits < 3) {
            v = v * 10 + (s[i++] - '0');
            ++digits;
        }
        if (digits == 0 || (part == 0 && v > 167) || (part > 0 && v > 59)) return false;
        total += v * (part == 0 ? 3600 : part == 1 ? 60 : 1);
    }
    out = sign * total;
    return true;
}

bool ParseInt(const std::string& s, std::size_t& i, int lo, int hi, int& out) {
    int v = 0, digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && digits < 3) {
        v = v * 10 + (s[i++] - '0');
        ++digits;
    }
    if (digits == 0 || v < lo || v > hi) return false;
    out = v;
    return true;
}

bool ParseRuleDate(const std::string& s, std::size_t& i, PosixZoneRule::Date& d) {
    if (i < s.size() && s[i] == 'M') {
        ++i;
        d.kind = 'M';
        if (!ParseInt(s, i, 1, 12, d.month) || i >= s.size() || s[i++] != '.') return false;
        if (!ParseInt(s, i, 1, 5, d.week) || i >= s.size() || s[i++] != '.') return false;
        if (!ParseInt(s, i, 0, 6, d.weekday)) return false;
    } else if (i < s.size() && s[i] == 'J') {
        ++i;
        d.kind = 'J';
        if (!ParseInt(s, i, 1, 365, d.day)) return false;
    } else {
        d.kind = 'D';
        if (!ParseInt(s, i, 0, 365, d.day)) return false;
    }
    d.time = 7200;
    if (i < s.size() && s[i] == '/') {
        ++i;
        if (!ParseSeconds(s, i, d.time)) return false;
    }
    return true;
}

bool IsLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Days since 1970 of a rule date in `year`.
std::int64_t RuleDay(const PosixZoneRule::Date& d, std::int64_t year) {
    if (d.kind == 'J') {
        int day = d.day; // 1..365, 29 February never counted
        std::int64_t days = DaysFromCivil(year, 1, 1) + day - 1;
        if (IsLeap(year) && day >= 60) ++days;
        return days;
    }
    if (d.kind == 'D') return DaysFromCivil(year, 1, 1) + d.day;
    const std::int64_t first = DaysFromCivil(year, d.month, 1);
    const int firstWeekday = static_cast<int>(((first % 7) + 7 + 4) % 7); // 1970-01-01: Thu
    std::int64_t day = first + (d.weekday - firstWeekday + 7) % 7 + 7 * (d.week - 1);
    static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = kMonthDays[d.month - 1] + (d.month == 2 && IsLeap(year) ? 1 : 0);
    while (day >= first + length) day -= 7; // week 5: the last such weekday
    return day;
}

ZoneClock FooterAt(const PosixZoneRule& rule, std::int64_t instant) {
    if (!rule.hasSummer) return rule.standard;
    std::int64_t year;
    int month, day;
    const std::int64_t localDays =
        (instant + rule.standard.offset - ((instant + rule.standard.offset) % kDay + kDay) % kDay) /
        kDay;
    CivilFromDays(localDays, year, month, day);
    // The change to summer time happens at a standard-time clock reading, the change back at
    // a summer-time one.
    const auto summerAt = [&](std::int64_t y) {
        const std::int64_t start =
            RuleDay(rule.start, y) * kDay + rule.start.time - rule.standard.offset;
        const std::int64_t end = RuleDay(rule.end, y) * kDay + rule.end.time - rule.summer.offset;
        if (start < end) return instant >= start && instant < end;
        return instant >= start || instant < end; // southern hemisphere: summer over New Year
    };
    return summerAt(year) ? rule.summer : rule.standard;
}

} // namespace

std::optional<PosixZoneRule> ParsePosixZoneRule(const std::string& s) {
    PosixZoneRule r;
    std::size_t i = 0;
    std::int32_t off = 0;
    if (!ParseName(s, i, r.standard.abbreviation) || !ParseSeconds(s, i, off)) return {};
    r.standard.offset = -off; // POSIX counts west of Greenwich
    if (i == s.size()) return r;
    if (!ParseName(s, i, r.summer.abbreviation)) return {};
    r.hasSummer = true;
    r.summer.summer = true;
    r.summer.offset = r.standard.offset + 3600;
    if (i < s.size() && s[i] != ',') {
        if (!ParseSeconds(s, i, off)) return {};
        r.summer.offset = -off;
    }
    // Without rules POSIX leaves the dates to the implementation; the database always gives
    // them, so a text without them is refused.
    if (i >= s.size() || s[i++] != ',' || !ParseRuleDate(s, i, r.start) || i >= s.size() ||
        s[i++] != ',' || !ParseRuleDate(s, i, r.end) || i != s.size())
        return {};
    return r;
}

std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yoe + era * 400 + (month <= 2);
}

bool IsZoneName(const std::string& name) {
    if (name.empty() || name.size() > 64 || name.front() == '/' || name.back() == '/') return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos) end = name.size();
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part[0] == '.') return false;
        for (char c : part)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '+')
                return false;
        start = end + 1;
    }
    return true;
}

TimeZoneHistory TimeZoneHistory::Load(const std::string& name, const std::string& folder) {
    if (!IsZoneName(name)) throw Error("«" + name + "» не название часового пояса");
    const auto bytes = ReadFileBytesIfPresent(folder + "/" + name);
    if (!bytes) throw Error("Часовой пояс «" + name + "» не найден в " + folder);
    return Parse(name, *bytes);
}

TimeZoneHistory TimeZoneHistory::Parse(const std::string& name, const std::string& bytes) {
    Reader r(bytes, name);
    const Header v1 = ReadHeader(r);
    if (v1.version < '2') r.Bad();
    // The 32-bit block is only skipped: the 64-bit one after it holds the whole history.
    r.Skip(v1.time * 5 + v1.type * 6 + v1.chars + v1.leap * 8 + v1.isstd + v1.isut);
    const Header h = ReadHeader(r);
    TimeZoneHistory z;
    z.name_ = name;
    for (std::uint64_t i = 0; i < h.time; ++i) {
        const std::int64_t t = r.Signed(8);
        if (!z.transitions_.empty() && t <= z.transitions_.back()) r.Bad();
        z.transitions_.push_back(t);
    }
    for (std::uint64_t i = 0; i < h.time; ++i) {
        const std::size_t k = r.Unsigned(1);
        if (k >= h.type) r.Bad();
        z.typeAfter_.push_back(k);
    }
    std::vector<std::pair<std::int32_t, std::pair<bool, std::size_t>>> raw;
    for (std::uint64_t i = 0; i < h.type; ++i) {
        const auto off = static_cast<std::int32_t>(r.Signed(4));
        const bool dst = r.Unsigned(1) != 0;
        const std::size_t abbr = r.Unsigned(1);
        if (abbr >= h.chars || off < -25 * 3600 || off > 26 * 3600) r.Bad();
        raw.push_back({off, {dst, abbr}});
    }
    const std::string chars = r.Bytes(h.chars);
    for (const auto& [off, rest] : raw) {
        const std::size_t end = chars.find('\0', rest.second);
        z.types_.push_back(
            {off, rest.first,
             chars.substr(rest.second,
                          end == std::string::npos ? std::string::npos : end - rest.second)});
    }
    r.Skip(h.leap * 12 + h.isstd + h.isut);
    // The footer: "\n" POSIX-TZ "\n"; an empty or unreadable one leaves the last type.
    if (r.Pos() < bytes.size() && bytes[r.Pos()] == '\n') {
        const std::size_t end = bytes.find('\n', r.Pos() + 1);
        if (end != std::string::npos)
            z.footer_ = ParsePosixZoneRule(bytes.substr(r.Pos() + 1, end - r.Pos() - 1));
    }
    // The mean-time era: up to the first clock that is neither summer time nor an odd offset.
    const auto isStandard = [](const ZoneClock& c) { return !c.summer && c.offset % 900 == 0; };
    if (!isStandard(z.types_[0])) {
        z.standardSince_ = INT64_MAX;
        for (std::size_t i = 0; i < z.transitions_.size(); ++i)
            if (isStandard(z.types_[z.typeAfter_[i]])) {
                z.standardSince_ = z.transitions_[i];
                break;
            }
        if (z.standardSince_ == INT64_MAX && z.footer_ && z.footer_->standard.offset % 900 == 0)
            z.standardSince_ = z.transitions_.empty() ? INT64_MIN : z.transitions_.back();
    }
    return z;
}

ZoneClock TimeZoneHistory::At(std::int64_t instant) const {
    const auto it = std::upper_bound(transitions_.begin(), transitions_.end(), instant);
    if (it == transitions_.begin()) {
        if (transitions_.empty() && footer_) return FooterAt(*footer_, instant);
        return types_[0];
    }
    if (it == transitions_.end() && footer_) return FooterAt(*footer_, instant);
    return types_[typeAfter_[static_cast<std::size_t>(it - transitions_.begin()) - 1]];
}

} // namespace omvera
