#pragma once
// The solar and lunar return reports ("Соляр" and "Лунар"). For the solar return a year of
// progressed aspects first; then, for both, the return's Ascendant in its sign, the return
// houses in the radix houses, the return planets in the return houses and the planets that
// come back onto their own or another planet's radix place. In ReportInputs, `first` is the
// radix and `second` the return chart.
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <span>
#include <string>
#include <vector>

namespace omvera {

enum class ReturnKind { Solar, Lunar };

// The return moment one day on, as the second form shows it when its date is moved a day:
// year, month and whole day of the moment plus one day (plus a millisecond, so that a whole
// minute up to rounding error is not read as the minute before), hour and minute unchanged.
ChartMoment DayAfterReturn(const ChartMoment& returnMoment);

// Each body's daily motion over the day after the return, divided by 365: the progression
// step. A difference below -20 degrees is a forward crossing of 0 degrees (plus 360), one
// above +20 a backward crossing (minus 360).
BodyArray ProgressionSteps(const BodyArray& atReturn, const BodyArray& dayAfter);

// The progression lines for the steps i = 2..365, dated 3..366 days after the return:
// "3.4.2001    Прогрессивн. Солнце 60  к радиксной Луна" for every progressed body against
// every radix body, then bodies 1..11 against every return body ("  к Солярной ").
std::vector<std::string> ProgressionLines(const BodyArray& radix, const BodyArray& atReturn,
                                          const BodyArray& dayAfter,
                                          const ChartMoment& returnMoment);
// The same with the return's bodies one day on computed from `in.second.moment`.
std::vector<std::string> ProgressedAspectList(const ReportInputs& in);

// The radix house of a return cusp: the lower bound of each house exclusive, and a cusp
// exactly on a radix cusp in the house that begins there; 0 when the cusps place it nowhere.
int RadixHouseOfReturnCusp(double cusp, const CuspArray& radixCusps);

// Key builders of the four groups (the same for both kinds; only the files differ). A point
// that falls in no house gets no key.
std::vector<SectionKey> ReturnAscSignKeys(const ReportInputs& in);
std::vector<SectionKey> ReturnHousesInRadixKeys(const ReportInputs& in);
std::vector<SectionKey> ReturnPlanetsInHousesKeys(const ReportInputs& in);
// Every radix body 1..10 with every return body 1..10 closer than 6 degrees, each pair kept.
std::vector<SectionKey> PlanetReturnKeys(const ReportInputs& in);

// The groups in the order they print; the solar return's first group is the progression list.
std::span<const ReportGroup> ReturnGroups(ReturnKind kind);

// The return report after the driver's heading.
void ReturnReport(ReportContext& ctx, const ReportInputs& in, ReturnKind kind);

// Every key the builders above can give for a real pair of charts, per file of both kinds.
std::vector<FileKeys> PossibleReturnKeys();

} // namespace omvera
