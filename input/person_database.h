#pragma once
// The person database "Dann\Basa.TXT": one PersonRecord per line, shown and edited in the
// window TBase ("База данных"), loaded into TID1 or TID2.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace omvera {

struct ChartForm;

struct PersonDatabaseForm {
    std::vector<std::string> ListBox1; // the file's lines, in file order
    int ListBox1Index = -1;            // selected line, -1: none
    bool RadioButton1 = true;          // "в 1-ю карту"
    bool RadioButton2 = false;         // "во 2-ю карту"
    bool Visible = false;
    // A fingerprint of the file the list was read from (nothing before the first reading), and
    // how many lines were deleted since: a save checks that nobody else wrote the file in the
    // meantime and that the list lost no line but the deleted ones.
    std::optional<std::uint64_t> FileStamp;
    std::size_t LinesRead = 0;
    std::size_t LinesDeleted = 0;
};

// The longest database line, in characters, a record may have (the file keeps one record a
// line; longer lines from elsewhere are still read).
inline constexpr std::size_t kPersonRecordMaxLength = 255;

// One database line built from a chart form (sex marker, date, time, coordinates, name).
std::string BuildPersonRecord(const ChartForm& form);
// Throws Error when the record cannot be stored as one Windows-1251 line of at most
// kPersonRecordMaxLength characters.
void CheckPersonRecordStorable(const std::string& record);
// Parses one database line into a chart form (fields, sex buttons). The text fields take at
// most their maximum lengths, as the form's fields do; any line is parsed in linear time.
void LoadPersonRecord(const std::string& line, ChartForm& form);

// The window operations over the list, with the database file `path` (the program's
// wrappers over the state are app/person_database_commands.h).
//
// "Открыть": show TBase and fill its list from the file. Throws Error when the file cannot be
// read; the list then keeps its contents.
void OpenPersonDatabase(PersonDatabaseForm& base, const std::string& path);
// "Сохранить" of TID1: reload the list, append the record built from `first`, write the file.
// A missing file is created; nothing is written when the record is refused (a field longer
// than the form takes, a character Windows-1251 lacks, a line break).
void AppendPersonFromFirstChart(PersonDatabaseForm& base, const ChartForm& first,
                                const std::string& path);
// "Удалить запись": remove the selected line from the list only.
void DeleteSelectedPerson(PersonDatabaseForm& base);
// "Сохранить изменения": write every line of the list to the file, replacing it. Refused
// with Error, writing nothing, when the file changed since the list was read (another window
// or program saved it) or the list lost lines other than the deleted ones.
void SavePersonDatabase(PersonDatabaseForm& base, const std::string& path);
// Double-click: parse the selected line into `first` or `second` (as the radio buttons say)
// and hide TBase.
void LoadSelectedPerson(PersonDatabaseForm& base, ChartForm& first, ChartForm& second);

} // namespace omvera
