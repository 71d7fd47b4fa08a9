#pragma once
// What every interpretation report is made of: groups of title lines and one section search
// each, whose keys are built from plain chart values. One routine runs a table of groups, so
// each report is a table, not a copy of the search loop.
#include "aspects/points.h"
#include "astro/chart.h"
#include "reports/line_sink.h"
#include "reports/section_search.h"
#include "reports/text_files.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace omvera {

// One section search as it was run: its file as the program writes it (without
// ProgramFolder) and the keys as they were built (one string each for the bracket files).
struct SearchRecord {
    std::string file;
    char marker = 0;
    SectionTitle title = SectionTitle::FirstCharBlank;
    std::vector<SectionKey> keys;
};

// Where a report writes: the added lines, and a record of every search when one is kept.
class ReportContext {
  public:
    ReportContext(std::string programFolder, LineSink& sink,
                  std::vector<SearchRecord>* searches = nullptr);

    void Add(const std::string& line) { sink_.AddLine(line); }
    void Add(std::initializer_list<const char*> lines);

    // Copies a plain file line by line; an empty file adds one empty line. Throws Error
    // naming the file when it cannot be read.
    void CopyFile(const char* backslashPath);

    // The section search of one text file with the keys in the order given, as the file's
    // entry in the text-file table says (cipher, marker, title). The bracket files take the
    // first string of each key. Throws Error naming the file when it cannot be read; the
    // lines added before stay.
    void Search(const char* backslashPath, std::span<const SectionKey> keys);

  private:
    std::string programFolder_;
    LineSink& sink_;
    std::vector<SearchRecord>* searches_;
};

// The charts and settings a report's keys are built from.
struct ReportInputs {
    Chart first;                   // chart 1, the radix (TID1)
    Chart second;                  // chart 2 (TID2) for the reports that have one
    std::array<double, 19> orbs{}; // PointOrbs as the report reads them
    PointIncluded included{};      // the inclusion switches, where a report consults them
};

using KeyBuilder = std::vector<SectionKey> (*)(const ReportInputs&);
using LineBuilder = std::vector<std::string> (*)(const ReportInputs&);

// One group of a report: lines of its own (a table), its title lines, then the section
// search of its file with the keys built from the charts. Every part may be absent.
struct ReportGroup {
    LineBuilder lines = nullptr;
    std::vector<const char*> titles;
    const char* file = nullptr;
    KeyBuilder keys = nullptr;
};

void RunGroups(ReportContext& ctx, const ReportInputs& in, std::span<const ReportGroup> groups);

} // namespace omvera
