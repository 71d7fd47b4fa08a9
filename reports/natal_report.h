#pragma once
// The natal report ("Радикс" and "Радикс детский"): the heading, the introduction Begin.TXT
// and the groups of sections for the points in signs and houses, the houses in signs, the
// house rulers and the aspects.
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <span>
#include <string>
#include <vector>

namespace omvera {

// Key builders of the natal groups over ReportInputs::first and ::orbs.
std::vector<SectionKey> PlanetsInSignsKeys(const ReportInputs& in);
std::vector<SectionKey> PlanetsInHousesKeys(const ReportInputs& in);
std::vector<SectionKey> HousesInSignsKeys(const ReportInputs& in);
std::vector<SectionKey> RulersInSignsKeys(const ReportInputs& in);
std::vector<SectionKey> RulersInHousesKeys(const ReportInputs& in);
// Group 5's table: " Хозяин  7 дома  Венера     в  Весах и в доме №  10 " for each house.
std::vector<std::string> RulersInHousesTable(const ReportInputs& in);
// Every pair of the 18 points in each of the five natal aspects, with the orbs as given and
// no inclusion switch; every match is kept.
std::vector<SectionKey> NatalAspectKeys(const ReportInputs& in);

// The groups in the order they print: adult groups 1..6, or the child's 1, 2 (three blank
// lines only), 3 and 6 with the child files.
std::span<const ReportGroup> NatalGroups(bool child);

// The whole report after the driver's own work: heading with the person's name, Begin.TXT,
// the groups.
void NatalReport(ReportContext& ctx, const ReportInputs& in, bool child, const std::string& name);

// Every key the natal groups can build for a real chart, per file (the adult or the child
// files): the same key builders run over charts made to put every point in every sign and
// house and every pair of points at every aspect, less what the sky never shows (Mercury
// and Venus near the Sun and each other, the nodes always opposed) with the planets
// dialog's design orbs.
std::vector<FileKeys> PossibleNatalKeys(bool child);

} // namespace omvera
