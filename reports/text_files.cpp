#include "reports/text_files.h"

#include "base/errors.h"
#include "reports/line_cipher.h"

#include <array>
#include <string>

namespace omvera {
namespace {

constexpr SectionTitle kFirst = SectionTitle::FirstCharBlank;
constexpr SectionTitle kBlank = SectionTitle::BlankTitle;
constexpr SectionTitle kBracket = SectionTitle::AfterSecondBracket;

constexpr std::array<TextFile, 26> kFiles{{
    {"\\Dann\\Radix\\Begin.TXT", nullptr, 0, kFirst},
    {"\\Dann\\Radix\\PLZODIAC.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\Kinder\\KinderPlZn.txt", nullptr, '&', kFirst},
    {"\\Dann\\Radix\\PLDoma.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\DomZod.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\Kinder\\KinderAsc.txt", nullptr, '&', kFirst},
    {"\\Dann\\Radix\\Hozzod.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\HozDom.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\aspec.txt", RadixKey, '&', kFirst},
    {"\\Dann\\Radix\\Kinder\\KinderAspect.txt", nullptr, '&', kFirst},
    {"\\Dann\\CO\\AscZnCo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\LO\\AscZnLo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\CO\\DomDomCo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\LO\\DomDomLo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\CO\\PLDomCO.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\LO\\PLDomLo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\CO\\PlanPlan.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\LO\\PlanPlanLo.txt", ReturnKey, '&', kFirst},
    {"\\Dann\\Tranzit\\tranzit.txt", TransitKey, '[', kBlank},
    {"\\Dann\\Tranzit\\tranzmed.txt", TransitKey, '[', kBlank},
    {"\\Dann\\Direc\\Direkc.TXT", DirectionKey, '[', kBlank},
    {"\\Dann\\Sins\\SinAsp.txt", nullptr, '[', kBracket},
    {"\\Dann\\Sins\\Erot2.txt", nullptr, '[', kBracket},
    {"\\Dann\\Sins\\SinAsp01.txt", nullptr, '[', kBracket},
    {"\\Dann\\Sins\\SinDom01.txt", nullptr, '[', kBracket},
    {"\\Dann\\Sins\\Wzaimn.txt", nullptr, '[', kBracket},
}};

} // namespace

std::span<const TextFile> TextFiles() {
    return kFiles;
}

const TextFile& TextFileOf(std::string_view backslashPath) {
    for (const TextFile& f : kFiles)
        if (backslashPath == f.path) return f;
    throw Error("Неизвестный файл текстов: " + std::string(backslashPath));
}

} // namespace omvera
