#pragma once
// The transit report ("Транзит" and "Транзит медицинский"): the list of aspects the transiting
// bodies of chart 2 make to the radix points of chart 1, the radix houses the active bodies
// switch on, and the sections of the transit text for every aspect of the five fixed ones.
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace omvera {

// Marks of the last transit aspect list, by transiting body 1..16 (slots up to 30): the radix
// house of a body that made at least one aspect, else 0.
using TransitHouseMarks = std::array<int, 31>;

// Radix points 17 (Ascendant) and 18 (MC) as every transit computation takes them: included,
// orb 1.0. The other points keep their switches and orbs.
void FixAngleOrbs(ReportInputs& in);

// The radix house (1..12, 0 in none) of each transiting body 1..16 (index 0 unused).
std::array<int, 17> TransitHouses(const ReportInputs& in);

// The aspect list over the user's aspect angles in their order: for each transiting body i
// (chart 2) and radix point j (chart 1, 17 = Ascendant, 18 = MC) every angle that the aspect
// test matches with the mean orb of i and j and both included gives the line
// "   Солнце( 12.3) VII   90.4  Луна (282.1)  " and marks i with its radix house.
// `marks` is cleared first. A body in no radix house shows an empty house label.
std::vector<std::string> TransitAspectLines(const ReportInputs& in, std::span<const double> angles,
                                            TransitHouseMarks& marks);

// "Транзитная планета  Марс  включает  7 дом" for each marked body in order.
std::vector<std::string> TransitHouseLines(const TransitHouseMarks& marks);

// { "[+SOL]", "90", "[SEL]" } for every transiting body i, radix point j and fixed transit
// aspect (0 "[0", 60, 90, 120, 180) in this order that the aspect test matches.
std::vector<SectionKey> TransitReportKeys(const ReportInputs& in);

// "\Dann\Tranzit\tranzit.txt", or "\Dann\Tranzit\tranzmed.txt" for the medical transit.
const char* TransitTextFile(bool medical);

// The report after the driver's heading: the aspect list, " ", the house lines, " ", the
// sections. `in` must have FixAngleOrbs applied; `marks` receives the list's marks.
void TransitReport(ReportContext& ctx, const ReportInputs& in, std::span<const double> angles,
                   bool medical, TransitHouseMarks& marks);

// Every key the transit report can look up in each of its two files: every transiting body
// against every radix point in each fixed aspect, except pairs that cannot occur (the
// nodes always opposite each other; the MC never more than 180 degrees from itself).
std::vector<FileKeys> PossibleTransitKeys();

} // namespace omvera
