#pragma once
// omvera-cli batch: many charts in one process. Each record becomes one JSON line: the
// chart's bodies and cusps with their signs, the aspects among its points as the natal
// wheel finds them with the design settings, and the interpretation report's lines when the
// record asks for one; a record that cannot be computed becomes an error line and the batch
// goes on.
#include "aspects/aspect_scan.h"
#include "cli/batch_input.h"
#include "input/chart_form.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace omvera::cli {

// The aspect rows, switches and orbs of a fresh program state, as the natal chart command
// reads them; the same for every chart of a batch.
struct BatchAspectSettings {
    AspectRows rows;
    PointIncluded included{};
    std::array<double, 19> orbs{};
};
BatchAspectSettings DesignAspectSettings();

// One worker's computation: buffers kept from one chart to the next.
class BatchCharts {
  public:
    BatchCharts(const BatchAspectSettings& aspects, std::string programFolder);

    // Appends the JSON line of the record (ended by "\n") to `out`: the chart, or
    // {"line": N, "error": "..."} when the record cannot be read or computed. Returns false
    // for an error line.
    bool AppendLine(const BatchRecord& record, std::string& out);

  private:
    void AppendChart(const BatchRecord& record, std::string& out);

    const BatchAspectSettings& aspects_;
    std::string programFolder_;
    ChartForm form_;
    std::vector<std::string> warnings_;
    std::vector<std::string> report_;
};

struct BatchOptions {
    BatchFormat format = BatchFormat::JsonLines;
    int threads = 1;                 // workers computing side by side; the output keeps input order
    std::string programFolder = "."; // holds Dann, for the reports
};

struct BatchTotals {
    long charts = 0; // records read, error lines included
    long failed = 0; // error lines
};

// Reads every record of `in` and writes its line to `out` in input order, a block of
// records at a time. The interpretation texts are read once for the whole run. A CSV header
// that cannot be read throws Error before any line is written.
BatchTotals RunBatch(std::istream& in, std::ostream& out, const BatchOptions& options);

} // namespace omvera::cli
