#include "cli/batch_input.h"

#include "base/errors.h"
#include "base/utf8.h"

#include <algorithm>
#include <charconv>
#include <istream>

namespace omvera::cli {

const std::array<const char*, kBatchFieldCount> kBatchFieldNames = {
    "date", "time", "lat", "lon", "houses", "name", "sex", "report"};

namespace {

int FieldOf(std::string_view name) {
    for (int i = 0; i < kBatchFieldCount; ++i)
        if (name == kBatchFieldNames[i]) return i;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsBlankLine(std::string_view s) {
    for (char c : s)
        if (!IsBlank(c)) return false;
    return true;
}

std::string Quoted(std::string_view s) {
    return "«" + std::string(s) + "»";
}

// A reader of one JSON object; every fault throws Error with the message for the record.
class JsonObjectParser {
  public:
    explicit JsonObjectParser(std::string_view text) : s_(text) {}

    void Parse(BatchRecord& r) {
        SkipBlanks();
        if (!Take('{')) throw Error("ожидается JSON-объект {\"date\": ..., \"time\": ...}");
        SkipBlanks();
        if (!Take('}')) {
            while (true) {
                SkipBlanks();
                if (Peek() != '"') throw Error("ожидается имя поля в кавычках");
                ReadString(key_);
                SkipBlanks();
                if (!Take(':')) throw Error("после имени поля " + Quoted(key_) + " нет «:»");
                SkipBlanks();
                const int field = FieldOf(key_);
                if (field < 0)
                    throw Error("неизвестное поле " + Quoted(key_) +
                                " (поля: date, time, lat, lon, houses, name, sex, report)");
                if (seen_[field]) throw Error("поле " + Quoted(key_) + " задано дважды");
                seen_[field] = true;
                ReadValue(r, field);
                SkipBlanks();
                if (Take(',')) continue;
                if (Take('}')) break;
                throw Error("после поля " + Quoted(key_) + " ожидается «,» или «}»");
            }
        }
        SkipBlanks();
        if (pos_ != s_.size()) throw Error("лишний текст после JSON-объекта");
    }

  private:
    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
    bool Take(char c) {
        if (Peek() != c || pos_ >= s_.size()) return false;
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
    }

    unsigned Hex4() {
        if (s_.size() - pos_ < 4) throw Error("неполная последовательность \\u в строке");
        unsigned v = 0;
        const auto r = std::from_chars(s_.data() + pos_, s_.data() + pos_ + 4, v, 16);
        if (r.ptr != s_.data() + pos_ + 4) throw Error("неверная последовательность \\u в строке");
        pos_ += 4;
        return v;
    }

    void ReadString(std::string& out) {
        out.clear();
        ++pos_; // the opening quote
        while (true) {
            const size_t start = pos_;
            while (pos_ < s_.size() && s_[pos_] != '"' && s_[pos_] != '\\' &&
                   static_cast<unsigned char>(s_[pos_]) >= 0x20)
                ++pos_;
            out.append(s_.data() + start, pos_ - start);
            if (pos_ >= s_.size()) throw Error("строка в кавычках не закрыта");
            const char c = s_[pos_++];
            if (c == '"') return;
            if (c != '\\') throw Error("управляющий символ внутри строки");
            if (pos_ >= s_.size()) throw Error("строка в кавычках не закрыта");
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned code = Hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    if (s_.substr(pos_, 2) != "\\u") throw Error("непарный суррогат \\u в строке");
                    pos_ += 2;
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low >= 0xE000)
                        throw Error("непарный суррогат \\u в строке");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code < 0xE000) {
                    throw Error("непарный суррогат \\u в строке");
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                throw Error("неверная escape-последовательность в строке");
            }
        }
    }

    void ReadValue(BatchRecord& r, int field) {
        const char c = Peek();
        if (c == '"') {
            ReadString(r.values[field]);
            r.present[field] = true;
            return;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            // A JSON number stands for the text it is written as ("lat": 56.01 is "56.01").
            const size_t start = pos_;
            while (pos_ < s_.size() &&
                   (std::string_view("+-.eE0123456789").find(s_[pos_]) != std::string_view::npos))
                ++pos_;
            double ignored = 0;
            const auto res = std::from_chars(s_.data() + start, s_.data() + pos_, ignored);
            if (res.ec != std::errc() || res.ptr != s_.data() + pos_)
                throw Error("поле " + Quoted(key_) + ": неверное число");
            r.values[field].assign(s_.data() + start, pos_ - start);
            r.present[field] = true;
            return;
        }
        if (s_.substr(pos_, 4) == "null") {
            pos_ += 4;
            return; // the field is left out
        }
        throw Error("значение поля " + Quoted(key_) + " должно быть строкой или числом");
    }

    std::string_view s_;
    size_t pos_ = 0;
    std::string key_;
    std::array<bool, kBatchFieldCount> seen_{};
};

} // namespace

void ParseJsonRecord(std::string_view text, BatchRecord& record) {
    record.present.fill(false);
    record.error.clear();
    try {
        JsonObjectParser(text).Parse(record);
    } catch (const Error& e) {
        record.present.fill(false);
        record.error = e.what();
    }
}

BatchReader::BatchReader(std::istream& in, BatchFormat format) : in_(in), format_(format) {}

bool BatchReader::ReadPhysicalLine(std::string& line) {
    if (!std::getline(in_, line)) return false;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// Splits the CSV row starting in line_ into cells_, reading further lines while a quoted
// field is open. False with `error` set when the row is malformed.
bool BatchReader::NextCsvRow(std::string& error) {
    cellCount_ = 0;
    size_t pos = 0;
    while (true) {
        if (cellCount_ == cells_.size()) cells_.emplace_back();
        std::string& cell = cells_[cellCount_++];
        cell.clear();
        while (pos < line_.size() && (line_[pos] == ' ' || line_[pos] == '\t')) ++pos;
        if (pos < line_.size() && line_[pos] == '"') {
            ++pos;
            while (true) {
                const size_t quote = line_.find('"', pos);
                if (quote == std::string::npos) {
                    cell.append(line_, pos, std::string::npos);
                    if (!ReadPhysicalLine(line_)) {
                        error = "кавычка не закрыта до конца ввода";
                        return false;
                    }
                    cell += '\n';
                    pos = 0;
                    continue;
                }
                cell.append(line_, pos, quote - pos);
                pos = quote + 1;
                if (pos < line_.size() && line_[pos] == '"') { // "" stands for one quote
                    cell += '"';
                    ++pos;
                    continue;
                }
                break;
            }
            while (pos < line_.size() && (line_[pos] == ' ' || line_[pos] == '\t')) ++pos;
            if (pos < line_.size() && line_[pos] != ',') {
                error = "после закрывающей кавычки ожидается запятая";
                return false;
            }
        } else {
            const size_t comma = std::min(line_.find(',', pos), line_.size());
            size_t end = comma;
            while (end > pos && (line_[end - 1] == ' ' || line_[end - 1] == '\t')) --end;
            cell.assign(line_, pos, end - pos);
            pos = comma;
        }
        if (pos >= line_.size()) return true;
        ++pos; // the comma
    }
}

void BatchReader::ReadHeader() {
    headerRead_ = true;
    do {
        if (!ReadPhysicalLine(line_)) return; // no input at all: no records
    } while (IsBlankLine(line_));
    const long headerLine = lineNumber_;
    if (line_.starts_with("\xEF\xBB\xBF")) line_.erase(0, 3); // a byte-order mark
    std::string error;
    if (!NextCsvRow(error))
        throw Error("строка " + std::to_string(headerLine) + ": заголовок CSV: " + error);
    std::array<bool, kBatchFieldCount> seen{};
    columns_.clear();
    for (size_t i = 0; i < cellCount_; ++i) {
        const int field = FieldOf(cells_[i]);
        if (field < 0)
            throw Error("заголовок CSV: неизвестный столбец " + Quoted(cells_[i]) +
                        " (столбцы: date, time, lat, lon, houses, name, sex, report)");
        if (seen[field]) throw Error("заголовок CSV: столбец " + Quoted(cells_[i]) + " дважды");
        seen[field] = true;
        columns_.push_back(field);
    }
    for (int f = 0; f < 4; ++f)
        if (!seen[f])
            throw Error(std::string("заголовок CSV: нет столбца «") + kBatchFieldNames[f] + "»");
}

bool BatchReader::Next(BatchRecord& r) {
    r.present.fill(false);
    r.error.clear();
    if (format_ == BatchFormat::JsonLines) {
        do {
            if (!ReadPhysicalLine(line_)) return false;
        } while (IsBlankLine(line_));
        r.line = lineNumber_;
        ParseJsonRecord(line_, r);
        return true;
    }
    if (!headerRead_) ReadHeader();
    do {
        if (!ReadPhysicalLine(line_)) return false;
    } while (IsBlankLine(line_));
    r.line = lineNumber_;
    if (!NextCsvRow(r.error)) return true;
    if (cellCount_ != columns_.size()) {
        r.error = "полей в строке " + std::to_string(cellCount_) + ", а столбцов в заголовке " +
                  std::to_string(columns_.size());
        return true;
    }
    for (size_t i = 0; i < cellCount_; ++i) {
        if (cells_[i].empty()) continue; // an empty cell leaves the field out
        r.values[columns_[i]].swap(cells_[i]);
        r.present[columns_[i]] = true;
    }
    return true;
}

} // namespace omvera::cli
