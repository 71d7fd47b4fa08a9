#pragma once
// "Синастрия ожидания": waiting for a partner, from the first chart alone. Two lists of birth
// dates (the Sun of each day of the reference year 2000 against the natal points), then the
// partnership texts of Wzaimn.txt keyed by the user's own chart.
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <string>
#include <vector>

namespace omvera {

inline constexpr const char* kWaitingFile = "\\Dann\\Sins\\Wzaimn.txt";

// The Sun's longitude on day `day` of month `month` of 2000 at the clock time given.
double ReferenceYearSun(int month, int day, double hour, double minute);

// The date lists: each scanned day from 3 January to 31 December 2000 at the natal clock time
// (ReportInputs::first.moment) against the list's natal points, one line per point in its
// window: "5.7   " + marker + the separation in 6.2 + " " + the point's label.
// Unfavourable: Mars, Saturn .. Pluto, Proserpina, the descending node, conjunct within 3.
// Favourable: Moon, Venus, Jupiter, the ascending node, Asc, MC, conjunct, sextile or trine
// within 3 (bounds included).
std::vector<std::string> UnfavourableDates(const ReportInputs& in);
std::vector<std::string> FavourableDates(const ReportInputs& in);

// "[not.NN]" for each body 1..10 no other of them aspects within 6 degrees (0, 60, 90, 120,
// 180, bounds included), "[Аспектирован]" for the others.
std::vector<SectionKey> UnaspectedKeys(const ReportInputs& in);
// "[h01.z05]": cusp 1 in Leo, for the 12 houses.
std::vector<SectionKey> WaitingHousesInSignsKeys(const ReportInputs& in);
// "[01М.z05]": a man's Sun in Leo ("Ж" for a woman), for all 16 bodies.
std::vector<SectionKey> WaitingBodiesInSignsKeys(const ReportInputs& in, bool man);
// "[h07.05]": Mars in the seventh house, for all 16 bodies.
std::vector<SectionKey> WaitingBodiesInHousesKeys(const ReportInputs& in);
// "[u07.h10]": the ruler of the seventh house stands in the tenth, for the 12 houses.
std::vector<SectionKey> WaitingRulersInHousesKeys(const ReportInputs& in);

// The whole report after the driver's own work. `man`: "Мужчина" is set on the first form.
void PartnerWaitingReport(ReportContext& ctx, const ReportInputs& in, bool man,
                          const std::string& name);

// Every key the report can build in Wzaimn.txt for a real chart: each body 1..10 alone
// unaspected (25 degrees from all the others, which Mercury and Venus allow) or aspected,
// every cusp and body in every sign for both sexes, every body in every house, every ruler in
// every house.
std::vector<FileKeys> PossiblePartnerWaitingKeys();

} // namespace omvera
