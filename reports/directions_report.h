#pragma once
// The directions report ("Дирекция"): the radix and directed positions, the aspects of the
// directed points to the radix points with the report's own orbs, and the sections of
// Direkc.TXT for every aspect found. ReportInputs::first is the radix, ::second holds the
// directed bodies and cusps.
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <string>
#include <vector>

namespace omvera {

// What the report needs beyond the two charts.
struct DirectionsRun {
    double increment = 0;
    bool major = true; // "6 мажорных аспектов": three lists of the six major aspects
    bool sixteen = false; // "16 основных аспектов": two lists of the sixteen aspects
    std::string name;     // TID1's name
    std::string dateText; // the dialog's date field
};

// The report's orb of a pair of indexes (body or house numbers): 2 when either is 1, else 1.5
// when either is 2, else 1.
double DirectionOrb(int a, int b);

// The aspect lists of one mode, each after " " and its title line, and the keys of the found
// aspects in the order listed: (directed key, aspect key, radix key). Inclusive bounds; in
// the sixteen mode the ten minor angles always have orb 1.
std::vector<std::string> DirectionAspectLines(const ReportInputs& in, bool sixteen);
std::vector<SectionKey> DirectionAspectKeys(const ReportInputs& in, bool sixteen);

// The whole report: the header, the listing, the lists of the chosen modes, the closing lines
// and the section search of Direkc.TXT with every key found (no limit on their number).
void DirectionsReport(ReportContext& ctx, const ReportInputs& in, const DirectionsRun& run);

// Every key the report can build for a real person: every directed point at every aspect to
// every radix point, less the body pairs that directions within a human life (increments up
// to 120 degrees either way) never bring to that angle, because the radix holds them close
// (Mercury and Venus near the Sun and each other), opposed (the nodes) or together (a body
// and its own directed place).
std::vector<FileKeys> PossibleDirectionKeys();

} // namespace omvera
