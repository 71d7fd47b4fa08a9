#pragma once
// The records of omvera-cli batch: one chart per JSON Lines object or CSV row, each field
// named as the chart options are without their dashes. Reading never stops at a bad record:
// the record carries its error and the next one is read.
#include <array>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace omvera::cli {

enum class BatchField { Date, Time, Lat, Lon, Houses, Name, Sex, Report };
inline constexpr int kBatchFieldCount = 8;
// "date", "time", "lat", "lon", "houses", "name", "sex", "report".
extern const std::array<const char*, kBatchFieldCount> kBatchFieldNames;

struct BatchRecord {
    long line = 0; // the input line the record starts on, from 1
    std::array<std::string, kBatchFieldCount> values;
    std::array<bool, kBatchFieldCount> present{};
    std::string error; // not empty: the record could not be read

    const std::string* Get(BatchField f) const {
        const int i = static_cast<int>(f);
        return present[i] ? &values[i] : nullptr;
    }
};

enum class BatchFormat { JsonLines, Csv };

// Reads one record after another. JSON Lines: one flat object per line, string or number
// values (a number is taken as its text), null for a field left out; blank lines are
// skipped. CSV: a header row naming the columns, then one row per chart; fields may be
// quoted with '"' (a doubled '"' inside stands for one, a quoted field may hold commas and
// line ends); an empty field is a field left out; blank lines are skipped.
class BatchReader {
  public:
    BatchReader(std::istream& in, BatchFormat format);

    // The next record into `record` (its strings' storage is reused); false at the end.
    // A CSV header that cannot be read throws Error: no row could be understood then.
    bool Next(BatchRecord& record);

  private:
    bool ReadPhysicalLine(std::string& line);
    bool NextCsvRow(std::string& error);
    void ReadHeader();

    std::istream& in_;
    BatchFormat format_;
    long lineNumber_ = 0;
    std::string line_;
    std::vector<std::string> cells_;
    size_t cellCount_ = 0;
    std::vector<int> columns_; // CSV: the field of each column
    bool headerRead_ = false;
};

// One JSON object of the JSON Lines form into `record` (fields and error); exposed for the
// tests.
void ParseJsonRecord(std::string_view text, BatchRecord& record);

} // namespace omvera::cli
