#pragma once
// How completely the shipped texts answer the keys the reports build: per file, the keys a
// report can build for a real chart, those with a matching section, the missing ones, and
// the sections no key can ever reach.
#include "reports/coverage_keys.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

// A family of text files: the files one report kind reads, and their possible keys.
struct TextFamily {
    const char* name; // "natal", "child", ...
    std::vector<FileKeys> (*possible)();
};
std::span<const TextFamily> TextFamilies();

struct FileCoverage {
    std::string file; // as the program writes it
    bool exists = false;
    std::size_t possible = 0;
    std::vector<SectionKey> missing;      // possible keys no header of the file matches
    std::vector<std::string> unreachable; // headers no possible key matches
};

// Whether a header line carries every string of the key (and the file's marker).
bool HeaderMatches(std::string_view header, const SectionKey& key, char marker);

// The coverage of every file of one family in the data folder below `programFolder`.
// Throws Error for an unknown family.
std::vector<FileCoverage> FamilyCoverage(const std::string& programFolder, std::string_view family);

} // namespace omvera
