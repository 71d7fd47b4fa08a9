#pragma once
// The table of new moons, full moons and eclipses: as text lines (the command-line
// companion) and as the help pages "\Dann\Help\luna.htm" (a year index) with one page per
// decade ("luna1880.htm" ...), written at build time.
#include "astro/lunations.h"

#include <string>
#include <vector>

namespace omvera {

// One row of the table, every cell as it is shown.
struct LunationRow {
    std::string date;     // "2024-04-08" (UT)
    std::string time;     // "18:21"
    std::string phase;    // "Новолуние" / "Полнолуние"
    std::string position; // "19°24' Овен"
    std::string eclipse;  // "полное солнечное затмение", empty without one
    std::string eclipseTime; // greatest eclipse "18:18", or "2024-04-09 00:02" when its
                             // date differs from the phase's; empty without an eclipse
};
LunationRow RowOf(const Lunation& l);

// The header line and one fixed-width line a phase, in time order.
std::vector<std::string> LunationTableLines(const std::vector<Lunation>& table);

struct HelpPage {
    std::string name; // file name inside Dann\Help, e.g. "luna1990.htm"
    std::string html; // UTF-8; stored as Windows-1251 CR LF
};
// The index page "luna.htm" and the decade pages for the years fromYear..toYear.
std::vector<HelpPage> LunationPages(int fromYear, int toYear);

// Writes the pages into `folder` (Windows-1251, CR LF, each file atomically). Throws Error.
void WriteLunationPages(const std::string& folder, int fromYear, int toYear);

} // namespace omvera
