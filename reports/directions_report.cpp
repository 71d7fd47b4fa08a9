#include "reports/directions_report.h"

#include "aspects/points.h"
#include "astro/chart_moment.h"
#include "astro/directions.h"
#include "astro/names.h"
#include "base/numbers.h"

#include <algorithm>
#include <set>
#include <span>

namespace omvera {
namespace {

constexpr const char* kDirectionsFile = "\\Dann\\Direc\\Direkc.TXT";

bool IsMajorAngle(double angle) {
    for (const AspectKey& a : MajorDirectionAspects)
        if (a.angle == angle) return true;
    return false;
}

// The lists of one mode, into `lines` and `keys` (either may be absent).
void ScanMode(const ReportInputs& in, bool sixteen, std::vector<std::string>* lines,
              std::vector<SectionKey>* keys) {
    const std::span<const AspectKey> aspects =
        sixteen ? std::span<const AspectKey>(DirectionAspects)
                : std::span<const AspectKey>(MajorDirectionAspects);
    // Every aspect of the mode between two longitudes, the orb by the indexes p and q.
    auto test = [&](double a, double b, int p, int q, auto&& found) {
        const double d = Separation(a, b);
        for (const AspectKey& asp : aspects) {
            const double orb = !sixteen || IsMajorAngle(asp.angle) ? DirectionOrb(p, q) : 1.0;
            if (asp.angle - orb <= d && d <= asp.angle + orb) found(d, asp.key);
        }
    };
    auto title = [&](const char* text) {
        if (lines) lines->insert(lines->end(), {" ", text});
    };
    auto add = [&](std::string line, SectionKey key) {
        if (lines) lines->push_back(std::move(line));
        if (keys) keys->push_back(std::move(key));
    };

    title("Аспекты дирекционных планет к радиксным планетам");
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j)
            test(in.first.bodies[i], in.second.bodies[j], i, j, [&](double d, const char* k) {
                add(std::string(" Дирекцион. ") + PointNames[j] + " " + FormatFixed(d, 5, 1) +
                        "  к радиксн. " + PointNames[i],
                    {MovingBodyTags[j], k, RadixPointTags[i]});
            });

    title("Аспекты дирекционных планет к радиксным домам");
    for (int h = 1; h <= 12; ++h)
        for (int j = 1; j <= 16; ++j)
            test(in.first.cusps[h], in.second.bodies[j], h, j, [&](double d, const char* k) {
                std::string line =
                    std::string(" Дирекцион. ") + PointNames[j] + " " + FormatFixed(d, 5, 1);
                line += sixteen ? std::string("  к радиксн. ") + HouseLabels[h]
                                : std::string("  к радиксному ") + HouseLabels[h] + " дому";
                add(std::move(line), {MovingBodyTags[j], k, RadixHouseTags[h]});
            });

    if (sixteen) return;
    title("Аспекты дирекционных домов к радиксным планетам");
    for (int i = 1; i <= 16; ++i)
        for (int h = 1; h <= 12; ++h)
            test(in.first.bodies[i], in.second.cusps[h], i, h, [&](double d, const char* k) {
                add(std::string(" Дирекцион. ") + HouseLabels[h] + " " + FormatFixed(d, 5, 1) +
                        "  к радиксной " + PointNames[i],
                    {DirectedHouseTags[h], k, RadixPointTags[i]});
            });
}

} // namespace

double DirectionOrb(int a, int b) {
    if (a == 1 || b == 1) return 2;
    if (a == 2 || b == 2) return 1.5;
    return 1;
}

std::vector<std::string> DirectionAspectLines(const ReportInputs& in, bool sixteen) {
    std::vector<std::string> lines;
    ScanMode(in, sixteen, &lines, nullptr);
    return lines;
}

std::vector<SectionKey> DirectionAspectKeys(const ReportInputs& in, bool sixteen) {
    std::vector<SectionKey> keys;
    ScanMode(in, sixteen, nullptr, &keys);
    return keys;
}

void DirectionsReport(ReportContext& ctx, const ReportInputs& in, const DirectionsRun& run) {
    ctx.Add("   Дирекция " + run.name + "  на  " + run.dateText);
    Directions d;
    d.increment = run.increment;
    d.radixBodies = in.first.bodies;
    d.radixCusps = in.first.cusps;
    d.bodies = in.second.bodies;
    d.cusps = in.second.cusps;
    for (const std::string& line : DirectionListing(d)) ctx.Add(line);

    std::vector<SectionKey> keys;
    for (const bool sixteen : {false, true}) {
        if (!(sixteen ? run.sixteen : run.major)) continue;
        std::vector<std::string> lines;
        ScanMode(in, sixteen, &lines, &keys);
        for (const std::string& line : lines) ctx.Add(line);
    }
    ctx.Add({" ", " ", " "});
    ctx.Add("Описание Дирекций гороскопа   " + run.name);
    ctx.Add(" ");
    ctx.Search(kDirectionsFile, keys);
}

namespace {

// The largest increment either way of a direction within a human life.
constexpr double kLifetimeIncrement = 120;

// Body number of a tag of the table (1..16), 0 when it is none of them.
template <std::size_t N>
int BodyOfTag(const std::array<const char*, N>& tags, const std::string& tag) {
    for (int n = 1; n <= 16; ++n)
        if (tag == tags[n]) return n;
    return 0;
}

double AngleOfKey(const std::string& key) {
    for (const AspectKey& a : DirectionAspects)
        if (key == a.key) return a.angle;
    return 0;
}

// Whether directed body `directed` can stand at `angle` (within `orb`) from radix body
// `radix`. The separation is |L(radix) - L(directed) - increment| folded: with the radix
// pair at most s apart it reaches 0..s + 120, with the nodes (always opposed) 60..180.
bool LifetimeAllows(int radix, int directed, double angle, double orb) {
    const int a = std::min(radix, directed), b = std::max(radix, directed);
    if (a == 13 && b == 14) return angle + orb >= 180 - kLifetimeIncrement;
    double apart = 180;
    if (a == b) apart = 0;
    if (a == 1 && b == 3) apart = 28;
    if (a == 1 && b == 4) apart = 48;
    if (a == 3 && b == 4) apart = 76;
    return angle - orb <= std::min(180.0, apart + kLifetimeIncrement);
}

} // namespace

std::vector<FileKeys> PossibleDirectionKeys() {
    std::vector<SectionKey> keys;
    std::set<SectionKey> seen;
    for (const bool sixteen : {false, true}) {
        const std::span<const AspectKey> aspects =
            sixteen ? std::span<const AspectKey>(DirectionAspects)
                    : std::span<const AspectKey>(MajorDirectionAspects);
        for (const AspectKey& asp : aspects) {
            // The radix all at 0 and every directed point at the angle: every pair at it.
            ReportInputs in;
            in.second.bodies.fill(asp.angle);
            in.second.cusps.fill(asp.angle);
            for (SectionKey& k : DirectionAspectKeys(in, sixteen)) {
                const int directed = BodyOfTag(MovingBodyTags, k[0]);
                const int radix = BodyOfTag(RadixPointTags, k[2]);
                const double angle = AngleOfKey(k[1]);
                const double orb =
                    !sixteen || IsMajorAngle(angle) ? DirectionOrb(radix, directed) : 1.0;
                if (directed && radix && !LifetimeAllows(radix, directed, angle, orb)) continue;
                if (seen.insert(k).second) keys.push_back(std::move(k));
            }
        }
    }
    return {{kDirectionsFile, std::move(keys)}};
}

} // namespace omvera
