#include "input/person_database.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "input/chart_form.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace omvera {
namespace {

std::string IntText(long long v, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*lld", width, v);
    return buf;
}

// Number of bytes of the first n UTF-8 characters of s.
size_t Utf8Prefix(const std::string& s, size_t n) {
    size_t pos = 0;
    while (n > 0 && pos < s.size()) {
        ++pos;
        while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
        --n;
    }
    return pos;
}

size_t Utf8Length(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// The first `n` characters of s.
std::string Utf8Cut(const std::string& s, size_t n) {
    return s.substr(0, Utf8Prefix(s, n));
}

// Takes the piece of s up to `sep`; `includeSep` says whether the separator is part of the
// deleted text. Without the separator the piece is empty and nothing is deleted.
std::string TakePiece(std::string& s, char sep) {
    size_t p = s.find(sep);
    if (p == std::string::npos) return {};
    std::string piece = s.substr(0, p);
    s.erase(0, p + 1);
    return piece;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "[blanks][sign][digits].dd": a coordinate written with exactly two digits of minutes.
// Checked by one pass over the text, whatever its length.
bool HasTwoDigitMinutes(const std::string& t) {
    size_t i = 0;
    while (i < t.size() && std::isspace(static_cast<unsigned char>(t[i]))) ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    return t.size() - i == 3 && t[i] == '.' && IsDigit(t[i + 1]) && IsDigit(t[i + 2]);
}

// Degrees of more digits than this are beyond any coordinate and beyond what g + m / 100
// keeps exactly in a double: 99999999999999999.99 would load as 100000000000000000.00.
constexpr size_t kMaxDegreeDigits = 12;

// A coordinate as the loader writes it back: "Градус.Мин" texts with exactly two digits of
// minutes keep the degrees-and-minutes rule (56.01, -5.30, -0.30); any other text, or one
// with more than kMaxDegreeDigits digits of degrees, is kept as it was typed, so a latitude
// typed 56.1 stays 56.1 instead of turning into 56.01. The field takes at most
// kCoordinateMaxLength characters of it.
std::string LoadCoordinate(const std::string& token, int minWidth) {
    if (!HasTwoDigitMinutes(token)) return Utf8Cut(token, kCoordinateMaxLength);
    const size_t point = token.find('.');
    const std::string degreesText = token.substr(0, point);
    if (std::count_if(degreesText.begin(), degreesText.end(), IsDigit) >
        static_cast<std::ptrdiff_t>(kMaxDegreeDigits))
        return Utf8Cut(token, kCoordinateMaxLength);
    const double g = std::trunc(LeadingNumber(degreesText));
    const double m = std::trunc(LeadingNumber(token.substr(point + 1)));
    const double value = degreesText.find('-') == std::string::npos ? g + m / 100 : g - m / 100;
    return Utf8Cut(FormatFixed(value, minWidth, 2), kCoordinateMaxLength);
}

void CheckFieldLength(const std::string& text, size_t maxLength, const char* field) {
    if (Utf8Length(text) > maxLength)
        throw Error(std::string("Запись не сохранена: ") + field + " длиннее " +
                    std::to_string(maxLength) + " знаков.");
}

const char* DatabaseChangedMessage() {
    return "Файл базы данных Basa.TXT изменен другим окном или программой после того, как "
           "список был прочитан. Изменения не записаны, чтобы не потерять чужие записи: "
           "откройте базу данных заново и повторите удаление.";
}

std::string FolderOfFile(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, std::max<size_t>(slash, 1));
}

// The list as read from `bytes`, remembered with the file's fingerprint.
void TakeList(PersonDatabaseForm& b, std::vector<std::string> lines, std::string_view bytes) {
    b.ListBox1 = std::move(lines);
    b.ListBox1Index = -1;
    b.FileStamp = ContentStamp(bytes);
    b.LinesRead = b.ListBox1.size();
    b.LinesDeleted = 0;
}

} // namespace

std::string BuildPersonRecord(const ChartForm& f) {
    std::string r;
    if (f.RadioButton1)
        r += "М ; ";
    else if (f.RadioButton2)
        r += "Ж ; ";
    r += IntText(f.SpinEdit2.Value(), 2) + "." + IntText(f.Month(), 2) + "." +
         IntText(f.SpinEdit1.Value(), 4) + " " + std::to_string(f.SpinEdit3.Value()) + ":" +
         std::to_string(f.SpinEdit4.Value()) + " " + f.Edit2 + " " + f.Edit3 + " " + f.Edit1;
    return r;
}

void CheckPersonRecordStorable(const std::string& record) {
    if (record.find_first_of("\r\n") != std::string::npos)
        throw Error("Запись не сохранена: имя или координаты содержат перевод строки.");
    if (Utf8Length(record) > kPersonRecordMaxLength)
        throw Error("Запись не сохранена: строка записи длиннее " +
                    std::to_string(kPersonRecordMaxLength) + " знаков.");
    std::string bytes, bad;
    if (!Utf8ToCp1251(record, bytes, &bad))
        throw Error("Запись не сохранена: символ «" + bad +
                    "» нельзя записать в файл базы данных (кодировка Windows-1251).");
}

void LoadPersonRecord(const std::string& line, ChartForm& form) {
    std::string s = line;
    const bool man = s.rfind("М", 0) == 0;
    s.erase(0, Utf8Prefix(s, 3));
    // Numbers from the file: a value beyond any field's range clamps to the field's bound.
    auto value = [&s](char sep) { return TruncateToInteger(LeadingNumber(TakePiece(s, sep))); };
    form.SpinEdit2.SetValue(value('.'));
    form.SetMonthIndex(TruncateToInteger(LeadingNumber(TakePiece(s, '.')) - 1));
    // The year is written right-aligned in four places: a year below 1000 (a typed value
    // the field has not clamped) starts with a blank, which must not end its piece.
    s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
    form.SpinEdit1.SetValue(value(' '));
    form.SpinEdit3.SetValue(value(':'));
    form.SpinEdit4.SetValue(value(' '));
    // Leading blanks before a coordinate are skipped as the number reading does.
    auto coordinate = [&s](int width) {
        size_t b = s.find_first_not_of(' ');
        if (b == std::string::npos) b = s.size();
        s.erase(0, b);
        size_t e = s.find(' ');
        std::string token = s.substr(0, e);
        s.erase(0, e == std::string::npos ? s.size() : e + 1);
        return LoadCoordinate(token, width);
    };
    form.Edit2 = coordinate(3);
    form.Edit3 = coordinate(4);
    form.Edit1 = Utf8Cut(s, kNameMaxLength);
    form.SetMan(man);
}

void OpenPersonDatabase(PersonDatabaseForm& base, const std::string& path) {
    base.Visible = true;
    // Read first: a file that cannot be read leaves the list as it was.
    const std::string bytes = ReadFileBytes(path);
    TakeList(base, DecodeTextLines(bytes), bytes);
}

void AppendPersonFromFirstChart(PersonDatabaseForm& base, const ChartForm& f,
                                const std::string& path) {
    CheckFieldLength(f.Edit1, kNameMaxLength, "имя");
    CheckFieldLength(f.Edit2, kCoordinateMaxLength, "широта");
    CheckFieldLength(f.Edit3, kCoordinateMaxLength, "долгота");
    const std::string record = BuildPersonRecord(f);
    CheckPersonRecordStorable(record);
    base.Visible = true;
    // Reading, appending and writing under one lock: a record another writer appends at the
    // same moment is read here or appends after this one, never lost.
    FolderLock lock(FolderOfFile(path));
    auto lines = DecodeTextLines(ReadFileBytesIfPresent(path).value_or(std::string()));
    lines.push_back(record);
    const std::string bytes = EncodeTextLines(lines);
    WriteFileAtomically(path, bytes);
    TakeList(base, std::move(lines), bytes);
}

void DeleteSelectedPerson(PersonDatabaseForm& b) {
    if (b.ListBox1Index < 0 || b.ListBox1Index >= static_cast<int>(b.ListBox1.size())) return;
    b.ListBox1.erase(b.ListBox1.begin() + b.ListBox1Index);
    ++b.LinesDeleted;
    if (b.ListBox1Index >= static_cast<int>(b.ListBox1.size()))
        b.ListBox1Index = static_cast<int>(b.ListBox1.size()) - 1;
}

void SavePersonDatabase(PersonDatabaseForm& b, const std::string& path) {
    const std::string bytes = EncodeTextLines(b.ListBox1);
    FolderLock lock(FolderOfFile(path));
    const std::string current = ReadFileBytesIfPresent(path).value_or(std::string());
    if (ContentStamp(current) != b.FileStamp.value_or(ContentStamp("")))
        throw Error(DatabaseChangedMessage());
    if (b.ListBox1.size() + b.LinesDeleted < b.LinesRead)
        throw Error("Список базы данных короче прочитанного файла: изменения не записаны.");
    WriteFileAtomically(path, bytes);
    b.FileStamp = ContentStamp(bytes);
    b.LinesRead = b.ListBox1.size();
    b.LinesDeleted = 0;
}

void LoadSelectedPerson(PersonDatabaseForm& b, ChartForm& first, ChartForm& second) {
    if (b.ListBox1Index < 0 || b.ListBox1Index >= static_cast<int>(b.ListBox1.size())) return;
    LoadPersonRecord(b.ListBox1[b.ListBox1Index], b.RadioButton1 ? first : second);
    b.Visible = false;
}

} // namespace omvera
