#pragma once
// The keys a report can build for one of its text files, for the coverage count.
#include "reports/section_search.h"

#include <vector>

namespace omvera {

struct FileKeys {
    const char* file; // as the program writes it: "\\Dann\\Radix\\PLZODIAC.txt"
    std::vector<SectionKey> keys;
};

} // namespace omvera
