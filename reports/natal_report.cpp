#include "reports/natal_report.h"

#include "astro/names.h"
#include "base/numbers.h"

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
