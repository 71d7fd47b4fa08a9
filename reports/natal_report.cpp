#include "reports/natal_report.h"

#include "astro/names.h"
#include "base/numbers.h"

#include <algorithm>
#include <set>

namespace omvera {
namespace {

// The house of a point among the radix cusps (0 when it falls in none).
int RadixHouse(const ReportInputs& in, int point) {
    return HouseOf(in.first.Point(point), in.first.cusps);
}

// The ruler (body 1..10, 0 when the table has none) of the sign on cusp h.
int RulerOfHouse(const ReportInputs& in, int h) {
    return SignRuler(SignOf(in.first.cusps[h]));
}

} // namespace

std::vector<SectionKey> PlanetsInSignsKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int p = 1; p <= 18; ++p)
        keys.push_back({PointNames[p], SignNamesLocative[SignOf(in.first.Point(p))]});
    return keys;
}

std::vector<SectionKey> PlanetsInHousesKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int p = 1; p <= 18; ++p)
        keys.push_back({PointNames[p], HouseNumberKey(RadixHouse(in, p))});
    return keys;
}

std::vector<SectionKey> HousesInSignsKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int h = 1; h <= 12; ++h)
        keys.push_back({HouseHeaderKey(h), SignNamesLocative[SignOf(in.first.cusps[h])]});
    return keys;
}

std::vector<SectionKey> RulersInSignsKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int h = 1; h <= 12; ++h) {
        const int r = RulerOfHouse(in, h);
        if (r == 0) continue;
        keys.push_back({HouseNumberKey(h), SignNamesLocative[SignOf(in.first.bodies[r])]});
    }
    return keys;
}

std::vector<SectionKey> RulersInHousesKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int h = 1; h <= 12; ++h) {
        const int r = RulerOfHouse(in, h);
        if (r == 0) continue;
        keys.push_back({"&", HouseNumberKey(h), HouseColonKey(RadixHouse(in, r))});
    }
    return keys;
}

std::vector<std::string> RulersInHousesTable(const ReportInputs& in) {
    std::vector<std::string> lines{" ", "Хозяева домов гороскопа в домах"};
    for (int h = 1; h <= 12; ++h) {
        const int sign = SignOf(in.first.cusps[h]);
        const int r = RulerOfHouse(in, h);
        std::string line =
            " Хозяин " + FormatFixed(h, 2, 0) + " дома  " + SignRulerNames[sign] + " в  ";
        if (r == 0)
            line += "&&&&&";
        else
            line += std::string(SignNamesLocative[SignOf(in.first.bodies[r])]) + " и в доме № " +
                    HouseNumberKey(RadixHouse(in, r));
        lines.push_back(line);
    }
    return lines;
}

std::vector<SectionKey> NatalAspectKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int i = 1; i <= 17; ++i)
        for (int j = i + 1; j <= 18; ++j)
            for (const AspectKey& a : NatalAspects)
                if (InAspect(in.first.Point(i), in.first.Point(j), in.orbs[i], in.orbs[j], true,
                             true, a.angle))
                    keys.push_back({AspectPointName(i), a.key, AspectPointName(j)});
    return keys;
}

std::span<const ReportGroup> NatalGroups(bool child) {
    static const std::vector<ReportGroup> adult = {
        {nullptr,
         {"  ", "  ", "Положение Планет в знаках зодиака", "  "},
         "\\Dann\\Radix\\PLZODIAC.txt",
         PlanetsInSignsKeys},
        {nullptr,
         {"  ", "  ", "Положение Планет в домах", "  "},
         "\\Dann\\Radix\\PLDoma.txt",
         PlanetsInHousesKeys},
        {nullptr,
         {"  ", "  ", "Положение Домов в знаках зодиака", "  "},
         "\\Dann\\Radix\\DomZod.txt",
         HousesInSignsKeys},
        {nullptr,
         {"  ", "  ", "Положение Хозяев Домов в знаках зодиака", "  "},
         "\\Dann\\Radix\\Hozzod.txt",
         RulersInSignsKeys},
        {RulersInHousesTable,
         {"  ", "  ", "Положение Хозяев домов в домах", "  "},
         "\\Dann\\Radix\\HozDom.txt",
         RulersInHousesKeys},
        {nullptr,
         {"", "  ", "  ", "Аспекты планет показывают", "  "},
         "\\Dann\\Radix\\aspec.txt",
         NatalAspectKeys},
    };
    static const std::vector<ReportGroup> children = {
        {nullptr,
         {"  ", "  ", "Положение Планет в знаках зодиака", "  "},
         "\\Dann\\Radix\\Kinder\\KinderPlZn.txt",
         PlanetsInSignsKeys},
        {nullptr, {"  ", "  ", "  "}, nullptr, nullptr},
        {nullptr,
         {"  ", "  ", "Положение Домов в знаках зодиака", "  "},
         "\\Dann\\Radix\\Kinder\\KinderAsc.txt",
         HousesInSignsKeys},
        {nullptr,
         {"", "  ", "  ", "Аспекты планет показывают", "  "},
         "\\Dann\\Radix\\Kinder\\KinderAspect.txt",
         NatalAspectKeys},
    };
    return child ? children : adult;
}

void NatalReport(ReportContext& ctx, const ReportInputs& in, bool child, const std::string& name) {
    ctx.Add("Описание карты гороскопа   " + name);
    ctx.Add("  ");
    ctx.CopyFile("\\Dann\\Radix\\Begin.TXT");
    RunGroups(ctx, in, NatalGroups(child));
}

} // namespace omvera

namespace omvera {
namespace {

// The orbs the planets dialog starts with (its "Радикс" column), by point.
constexpr std::array<double, 19> kDesignOrbs = {0, 10, 10,  6,   6,   5,   3,   3, 2, 2,
                                                1, 1,  0.5, 0.5, 0.5, 0.5, 0.5, 5, 5};

// The largest separation two points ever reach: Mercury stays within 28 degrees of the Sun,
// Venus within 48, the two within 76 of each other; the nodes are always exactly opposed.
bool SkyAllows(int i, int j, double angle, double orb) {
    const int a = std::min(i, j), b = std::max(i, j);
    if (a == 13 && b == 14) return angle == 180;
    double maxSeparation = 180;
    if (a == 1 && b == 3) maxSeparation = 28;
    if (a == 1 && b == 4) maxSeparation = 48;
    if (a == 3 && b == 4) maxSeparation = 76;
    return angle - orb < maxSeparation;
}

ReportInputs AllAt(double longitude) {
    ReportInputs in;
    in.first.bodies.fill(longitude);
    in.first.cusps.fill(longitude);
    in.orbs = kDesignOrbs;
    return in;
}

// Keys in the order first met, each once.
struct KeyList {
    std::vector<SectionKey> keys;
    std::set<SectionKey> seen;
};

void Append(KeyList& to, const std::vector<SectionKey>& keys) {
    for (const auto& k : keys)
        if (to.seen.insert(k).second) to.keys.push_back(k);
}

int PointOf(const std::string& name) {
    for (int p = 1; p <= 18; ++p)
        if (name == AspectPointName(p)) return p;
    return 0;
}

} // namespace

std::vector<FileKeys> PossibleNatalKeys(bool child) {
    KeyList signs, houses, houseSigns, rulerSigns, rulerHouses, aspects;
    for (int s = 0; s < 12; ++s) Append(signs, PlanetsInSignsKeys(AllAt(30 * s + 15)));

    for (int h = 0; h < 12; ++h) {
        ReportInputs in = AllAt(30 * h + 15);
        for (int c = 1; c <= 12; ++c) in.first.cusps[c] = 30 * (c - 1);
        Append(houses, PlanetsInHousesKeys(in));
        Append(rulerHouses, RulersInHousesKeys(in));
    }
    for (int rotation = 0; rotation < 12; ++rotation) {
        for (int s = 0; s < 12; ++s) {
            ReportInputs in = AllAt(30 * s + 15);
            for (int c = 1; c <= 12; ++c) in.first.cusps[c] = 30 * ((c - 1 + rotation) % 12) + 15;
            Append(houseSigns, HousesInSignsKeys(in));
            Append(rulerSigns, RulersInSignsKeys(in));
        }
    }
    for (const AspectKey& a : NatalAspects) {
        for (int i = 1; i <= 18; ++i) {
            ReportInputs in = AllAt(a.angle);
            if (i <= 16)
                in.first.bodies[i] = 0;
            else
                in.first.cusps[i == 17 ? 1 : 10] = 0;
            for (const SectionKey& k : NatalAspectKeys(in)) {
                const int p = PointOf(k[0]), q = PointOf(k[2]);
                double angle = 0;
                for (const AspectKey& b : NatalAspects)
                    if (k[1] == b.key) angle = b.angle;
                if (SkyAllows(p, q, angle, (kDesignOrbs[p] + kDesignOrbs[q]) / 2))
                    Append(aspects, {k});
            }
        }
    }
    if (child)
        return {{"\\Dann\\Radix\\Kinder\\KinderPlZn.txt", signs.keys},
                {"\\Dann\\Radix\\Kinder\\KinderAsc.txt", houseSigns.keys},
                {"\\Dann\\Radix\\Kinder\\KinderAspect.txt", aspects.keys}};
    return {{"\\Dann\\Radix\\PLZODIAC.txt", signs.keys},
            {"\\Dann\\Radix\\PLDoma.txt", houses.keys},
            {"\\Dann\\Radix\\DomZod.txt", houseSigns.keys},
            {"\\Dann\\Radix\\Hozzod.txt", rulerSigns.keys},
            {"\\Dann\\Radix\\HozDom.txt", rulerHouses.keys},
            {"\\Dann\\Radix\\aspec.txt", aspects.keys}};
}

} // namespace omvera
