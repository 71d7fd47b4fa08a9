// Every key the return reports can look up, found by running their own key builders over
// made-up charts that put each point everywhere it can be. Nothing is left out as impossible:
// the return chart's houses turn with the time of day and the place, so every return cusp can
// fall in every radix house and every body in every return house; and apart from the body
// that defines the return (the Sun or the Moon, back on its radix place) any return body can
// stand on any radix body.
#include "reports/return_report.h"

#include <algorithm>

namespace omvera {
namespace {

// Twelve houses of 30 degrees from `start`.
CuspArray EqualCusps(double start) {
    CuspArray cusps{};
    for (int h = 1; h <= 12; ++h) cusps[h] = start + 30 * (h - 1);
    return cusps;
}

void AddNew(std::vector<SectionKey>& all, const std::vector<SectionKey>& keys) {
    for (const SectionKey& k : keys)
        if (std::find(all.begin(), all.end(), k) == all.end()) all.push_back(k);
}

std::vector<SectionKey> AscSigns() {
    std::vector<SectionKey> all;
    for (int s = 1; s <= 12; ++s) {
        ReportInputs in;
        in.second.cusps[1] = 15 + 30 * (s - 1);
        AddNew(all, ReturnAscSignKeys(in));
    }
    return all;
}

std::vector<SectionKey> HousesInRadix() {
    std::vector<SectionKey> all;
    for (int shift = 0; shift < 12; ++shift) {
        ReportInputs in;
        in.first.cusps = EqualCusps(0);
        // Return cusp m lands in radix house m + shift (cyclically), inside the house.
        in.second.cusps = EqualCusps(15 + 30 * shift);
        for (int m = 1; m <= 12; ++m)
            if (in.second.cusps[m] >= 360) in.second.cusps[m] -= 360;
        AddNew(all, ReturnHousesInRadixKeys(in));
    }
    return all;
}

std::vector<SectionKey> PlanetsInHouses() {
    std::vector<SectionKey> all;
    for (int h = 1; h <= 12; ++h) {
        ReportInputs in;
        in.second.cusps = EqualCusps(0);
        for (int b = 1; b <= 16; ++b) in.second.bodies[b] = 15 + 30 * (h - 1);
        AddNew(all, ReturnPlanetsInHousesKeys(in));
    }
    return all;
}

std::vector<SectionKey> PlanetReturns() {
    std::vector<SectionKey> all;
    // Radix bodies 36 degrees apart; the return bodies take the same places turned by
    // `shift` bodies, so each shift gives ten pairs and the ten shifts every pair.
    for (int shift = 0; shift < 10; ++shift) {
        ReportInputs in;
        for (int b = 1; b <= 10; ++b) {
            in.first.bodies[b] = 36 * (b - 1);
            in.second.bodies[b] = 36 * ((b - 1 + shift) % 10);
        }
        AddNew(all, PlanetReturnKeys(in));
    }
    return all;
}

} // namespace

std::vector<FileKeys> PossibleReturnKeys() {
    const auto asc = AscSigns();
    const auto houses = HousesInRadix();
    const auto planets = PlanetsInHouses();
    const auto returns = PlanetReturns();
    return {
        {"\\Dann\\CO\\AscZnCo.txt", asc},     {"\\Dann\\CO\\DomDomCo.txt", houses},
        {"\\Dann\\CO\\PLDomCO.txt", planets}, {"\\Dann\\CO\\PlanPlan.txt", returns},
        {"\\Dann\\LO\\AscZnLo.txt", asc},     {"\\Dann\\LO\\DomDomLo.txt", houses},
        {"\\Dann\\LO\\PLDomLo.txt", planets}, {"\\Dann\\LO\\PlanPlanLo.txt", returns},
    };
}

} // namespace omvera
