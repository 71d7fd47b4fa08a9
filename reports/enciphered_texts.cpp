#include "reports/enciphered_texts.h"

#include <array>

namespace omvera {
namespace {

constexpr std::array<EncipheredText, 17> kTexts{{
    {"\\Dann\\Radix\\PLZODIAC.txt", "radix"},
    {"\\Dann\\Radix\\PLDoma.txt", "radix"},
    {"\\Dann\\Radix\\DomZod.txt", "radix"},
    {"\\Dann\\Radix\\Hozzod.txt", "radix"},
    {"\\Dann\\Radix\\HozDom.txt", "radix"},
    {"\\Dann\\Radix\\aspec.txt", "radix"},
    {"\\Dann\\CO\\AscZnCo.txt", "return"},
    {"\\Dann\\LO\\AscZnLo.txt", "return"},
    {"\\Dann\\CO\\DomDomCo.txt", "return"},
    {"\\Dann\\LO\\DomDomLo.txt", "return"},
    {"\\Dann\\CO\\PLDomCO.txt", "return"},
    {"\\Dann\\LO\\PLDomLo.txt", "return"},
    {"\\Dann\\CO\\PlanPlan.txt", "return"},
    {"\\Dann\\LO\\PlanPlanLo.txt", "return"},
    {"\\Dann\\Tranzit\\tranzit.txt", "transit"},
    {"\\Dann\\Tranzit\\tranzmed.txt", "transit"},
    {"\\Dann\\Direc\\Direkc.TXT", "direction"},
}};

} // namespace

std::span<const EncipheredText> EncipheredTexts() {
    return kTexts;
}

const EncipheredText* FindEncipheredText(std::string_view backslashPath) {
    for (const auto& t : kTexts)
        if (backslashPath == t.path) return &t;
    return nullptr;
}

std::string ShippedName(std::string_view sourceRelPath) {
    // The natal aspects' readable source carries a descriptive name of its own.
    if (sourceRelPath == "Radix/natal_aspects.txt") return "Radix/aspec.txt";
    return std::string(sourceRelPath);
}

} // namespace omvera
