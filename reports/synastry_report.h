#pragma once
// The synastry reports of two charts: "Синастрия партнерство" and "Эротика" (the
// compatibility report, SinAsp.txt or Erot2.txt) and "Синастрия карма" (the analysis report,
// SinAsp01.txt and SinDom01.txt). Chart 1 is the user ("my" houses), chart 2 the partner.
// Keys are single strings of the bracket files: "[01.060.05]", "[h10.090.05]", "[h07.05]".
#include "reports/coverage_keys.h"
#include "reports/report.h"

#include <string>
#include <vector>

namespace omvera {

// One aspect between a body of one chart and a body of the other.
struct SynastryMatch {
    int a = 0, b = 0;      // body numbers 1..16: a of the listed first chart, b of the second
    int aspect = 0;        // index into SynastryAspects
    double separation = 0; // folded into 0..180
};

// Every body a of `aLongitudes` against every body b of `bLongitudes` in each synastry aspect
// (150 last), with the mean of the two orbs and both inclusion switches; every match counts.
std::vector<SynastryMatch> SynastryBodyAspects(const BodyArray& aLongitudes,
                                               const BodyArray& bLongitudes,
                                               const ReportInputs& in);

// The list line of a match: "   Солнце  (123.4) 60.2  Марс (183.6)".
std::string SynastryListLine(const SynastryMatch& m, const BodyArray& aLongitudes,
                             const BodyArray& bLongitudes);

// Section 1 of the compatibility report: "[" my body "." aspect "." partner's body "]".
std::vector<SectionKey> PartnerAspectKeys(const ReportInputs& in);
// Section 2: the partner's bodies to my cusps within 6 degrees, "[h10.090.05]". Only the
// partner body's switch counts; the cusps always take part.
std::vector<SectionKey> PartnerToMyCuspKeys(const ReportInputs& in);
// Section 3: my bodies (all, no switch) to the partner's cusps within 6 degrees,
// "[05.090.h10]".
std::vector<SectionKey> MyBodiesToPartnerCuspKeys(const ReportInputs& in);
// Section 4: each of the partner's 16 bodies in my houses, "[h07.05]".
std::vector<SectionKey> PartnerInMyHousesKeys(const ReportInputs& in);

// The roles of the analysis report, from the "Мужчина"/"Женщина" switches of both forms.
struct PartnerSexes {
    bool firstMan = true, firstWoman = false;
    bool secondMan = true, secondWoman = false;
    // Both forms say the same sex: the analysis of aspects is refused.
    bool Same() const { return (firstMan && secondMan) || (firstWoman && secondWoman); }
    // The woman is chart 1 unless chart 1 is set "Мужчина".
    bool WomanIsFirst() const { return !firstMan; }
};

// Aspects of the woman's bodies to the man's, keyed man's body first: "[05.120.04]" is the
// man's Mars trine the woman's Venus.
std::vector<SynastryMatch> WomanToManAspects(const ReportInputs& in, const PartnerSexes& sexes);
std::vector<SectionKey> WomanToManKeys(const ReportInputs& in, const PartnerSexes& sexes);
// The analysis report's houses: each of the partner's 16 bodies in my houses, body first,
// "[05.h07]".
std::vector<SectionKey> PartnerBodyInMyHouseKeys(const ReportInputs& in);

// The compatibility report after the driver's own work; `file` is SinAsp.txt or Erot2.txt.
void CompatibilityReport(ReportContext& ctx, const ReportInputs& in, const char* file,
                         const std::string& myName, const std::string& partnerName);
// The analysis report ("Синастрия карма") after the driver's own work.
void SynastryAnalysisReport(ReportContext& ctx, const ReportInputs& in, const PartnerSexes& sexes,
                            const std::string& myName, const std::string& partnerName);

inline constexpr const char* kPartnershipFile = "\\Dann\\Sins\\SinAsp.txt";
inline constexpr const char* kEroticFile = "\\Dann\\Sins\\Erot2.txt";
inline constexpr const char* kKarmicAspectFile = "\\Dann\\Sins\\SinAsp01.txt";
inline constexpr const char* kKarmicHouseFile = "\\Dann\\Sins\\SinDom01.txt";

// Every key the compatibility report can build in its file (SinAsp.txt, or Erot2.txt when
// `erotic`): the two charts are independent, so every pair of bodies at every aspect, every
// body to every cusp at every aspect and every body in every house.
std::vector<FileKeys> PossibleCompatibilityKeys(bool erotic);
// The same for the analysis report's two files.
std::vector<FileKeys> PossibleSynastryAnalysisKeys();

} // namespace omvera
