#include "reports/transit_report.h"

#include "astro/chart_moment.h"
#include "astro/names.h"
#include "base/numbers.h"

namespace omvera {
namespace {

// Numbers of the aspect list: width 4, one decimal.
std::string Number(double value) {
    return FormatFixed(value, 4, 1);
}

bool Matches(const ReportInputs& in, int i, int j, double angle) {
    return InAspect(in.second.bodies[i], in.first.Point(j), in.orbs[i], in.orbs[j],
                    in.included[i] != 0, in.included[j] != 0, angle);
}

} // namespace

void FixAngleOrbs(ReportInputs& in) {
    in.orbs[kAscendantPoint] = in.orbs[kMcPoint] = 1.0;
    in.included[kAscendantPoint] = in.included[kMcPoint] = 1;
}

std::array<int, 17> TransitHouses(const ReportInputs& in) {
    std::array<int, 17> houses{};
    for (int i = 1; i <= 16; ++i) houses[i] = HouseOf(in.second.bodies[i], in.first.cusps);
    return houses;
}

std::vector<std::string> TransitAspectLines(const ReportInputs& in, std::span<const double> angles,
                                            TransitHouseMarks& marks) {
    marks.fill(0);
    const std::array<int, 17> houses = TransitHouses(in);
    std::vector<std::string> lines;
    for (int i = 1; i <= 16; ++i) {
        const double t = in.second.bodies[i];
        for (int j = 1; j <= 18; ++j) {
            const double r = in.first.Point(j);
            for (const double angle : angles) {
                if (!Matches(in, i, j, angle)) continue;
                marks[i] = houses[i];
                const char* label = houses[i] >= 1 && houses[i] <= 12 ? HouseLabels[houses[i]] : "";
                lines.push_back("   " + std::string(PointNames[i]) + "(" + Number(t) + ") " +
                                label + "  " + Number(Separation(r, t)) + "  " + PointNames[j] +
                                " (" + Number(r) + ")  ");
            }
        }
    }
    return lines;
}

std::vector<std::string> TransitHouseLines(const TransitHouseMarks& marks) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 16; ++i)
        if (marks[i] > 0)
            lines.push_back("Транзитная планета  " + std::string(PointNames[i]) + "  включает  " +
                            std::to_string(marks[i]) + " дом");
    return lines;
}

std::vector<SectionKey> TransitReportKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 18; ++j)
            for (const AspectKey& a : TransitAspects)
                if (Matches(in, i, j, a.angle))
                    keys.push_back({MovingBodyTags[i], a.key, RadixPointTags[j]});
    return keys;
}

const char* TransitTextFile(bool medical) {
    return medical ? "\\Dann\\Tranzit\\tranzmed.txt" : "\\Dann\\Tranzit\\tranzit.txt";
}

namespace {

const ReportGroup kClassical[] = {{nullptr, {}, "\\Dann\\Tranzit\\tranzit.txt", TransitReportKeys}};
const ReportGroup kMedical[] = {{nullptr, {}, "\\Dann\\Tranzit\\tranzmed.txt", TransitReportKeys}};

} // namespace

void TransitReport(ReportContext& ctx, const ReportInputs& in, std::span<const double> angles,
                   bool medical, TransitHouseMarks& marks) {
    for (const std::string& line : TransitAspectLines(in, angles, marks)) ctx.Add(line);
    ctx.Add(" ");
    for (const std::string& line : TransitHouseLines(marks)) ctx.Add(line);
    ctx.Add(" ");
    RunGroups(ctx, in, medical ? std::span<const ReportGroup>(kMedical) : kClassical);
}

std::vector<FileKeys> PossibleTransitKeys() {
    // Every transiting body at 0 degrees and every radix point at the aspect's angle, with
    // small orbs and everything included: the builder keeps exactly that aspect for every
    // pair.
    std::vector<SectionKey> all;
    for (const AspectKey& a : TransitAspects) {
        ReportInputs in;
        in.orbs.fill(2.0);
        in.included.fill(1);
        FixAngleOrbs(in);
        for (int i = 1; i <= 16; ++i) in.second.bodies[i] = 0;
        for (int j = 1; j <= 16; ++j) in.first.bodies[j] = a.angle;
        in.first.cusps[1] = in.first.cusps[10] = a.angle;
        for (SectionKey& key : TransitReportKeys(in)) {
            // Proserpina moves half a degree a year: over the program's years (1880..2050)
            // the transiting one never gets further than about 90 degrees from the radix one.
            const bool proserpina = key[0] == MovingBodyTags[12] && key[2] == RadixPointTags[12];
            if (proserpina && a.angle > 90) continue;
            all.push_back(std::move(key));
        }
    }
    return {{TransitTextFile(false), all}, {TransitTextFile(true), all}};
}

} // namespace omvera
