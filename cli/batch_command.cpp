// omvera-cli batch: charts by the thousand from a file or standard input, one JSON line each.
#include "base/data_path.h"
#include "base/errors.h"
#include "cli/batch_charts.h"
#include "cli/chart_options.h"
#include "cli/commands.h"

#include <fstream>
#include <iostream>
#include <ostream>

namespace omvera::cli {
namespace {

const char* const kHelp =
    "Usage: omvera-cli batch [FILE|-] [--format jsonl|csv] [--threads N] [--folder DIR]\n"
    "\n"
    "Computes one chart per record of FILE (standard input without FILE or with -) and\n"
    "prints one JSON line per record, in the order of the input.\n"
    "\n"
    "Records name the chart options without their dashes: date (D.M.YYYY), time (H:M,\n"
    "Greenwich), lat, lon (as typed into the form), and optionally houses (P, K, A, M, S, L),\n"
    "name, sex (M or F) and report (natal, child or waiting).\n"
    "  jsonl  one JSON object per line, string or number values:\n"
    "         {\"date\": \"15.3.1980\", \"time\": \"12:30\", \"lat\": \"56.01\", \"lon\": "
    "\"92.45\"}\n"
    "  csv    a header row naming the columns, then one row per chart; fields may be quoted\n"
    "         with \" (\"\" inside a quoted field is one \"); an empty field is left out\n"
    "\n"
    "  --format F       jsonl (default) or csv\n"
    "  --threads N      compute on N threads, 1..64 (default 1); the output order stays\n"
    "  --folder DIR     the program folder holding Dann, for the reports (default: the\n"
    "                   current folder)\n"
    "  --help           show this text\n"
    "\n"
    "Each line: {\"line\": N, \"name\", \"jd\", \"house_system\", \"bodies\": [{\"name\", "
    "\"lon\",\n"
    "\"sign\", \"degree\"} x16], \"cusps\": [{\"house\", \"lon\", \"sign\", \"degree\"} x12],\n"
    "\"aspects\": [{\"p1\", \"p2\", \"angle\", \"orb\"}] (the natal wheel's aspect lines with the\n"
    "settings the program starts with), \"warnings\" when there are any, \"report\": [lines]\n"
    "when asked}. N is the input line the record starts on. Longitudes, degrees, angles and\n"
    "orbs are in degrees, correctly rounded to 9 decimals (1e-9 degree), trailing zeros\n"
    "dropped; jd is exact (the shortest text that reads back as the same number); the sign\n"
    "is that of the unrounded longitude. A record that cannot be computed gives\n"
    "{\"line\": N, \"error\": \"...\"} and the batch goes on; the exit status is then 1.\n";

int BatchCommand(const Args& args, std::ostream& out, std::ostream&) {
    BatchOptions options;
    options.programFolder = CurrentFolder();
    std::string file;
    bool fileGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return 0;
        }
        if (a == "--format" || a == "--threads" || a == "--folder") {
            if (i + 1 >= args.size()) throw UsageError("batch: у параметра " + a + " нет значения");
            const std::string& v = args[++i];
            if (a == "--format") {
                if (v == "jsonl")
                    options.format = BatchFormat::JsonLines;
                else if (v == "csv")
                    options.format = BatchFormat::Csv;
                else
                    throw UsageError("batch: неизвестный формат «" + v + "» (jsonl или csv)");
            } else if (a == "--threads") {
                options.threads = ParseNumberOption(v, 1, 64, "batch", "--threads");
            } else {
                options.programFolder = v;
            }
            continue;
        }
        if (a.size() > 1 && a[0] == '-')
            throw UsageError("batch: неизвестный параметр «" + a +
                             "» (см. omvera-cli batch --help)");
        if (fileGiven) throw UsageError("batch: задано больше одного файла");
        file = a;
        fileGiven = true;
    }
    BatchTotals totals;
    if (!fileGiven || file == "-") {
        std::ios::sync_with_stdio(false);
        totals = RunBatch(std::cin, out, options);
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw Error("не удаётся открыть файл «" + file + "»");
        totals = RunBatch(in, out, options);
    }
    return totals.failed == 0 ? 0 : 1;
}

const CommandRegistration kBatch("batch",
                                 "compute many charts from JSON Lines or CSV, one JSON "
                                 "line each",
                                 BatchCommand);

} // namespace
} // namespace omvera::cli
