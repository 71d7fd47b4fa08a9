#include "input/settings_forms.h"

namespace omvera {
namespace {

// The orb texts of the four preset buttons, rows 1..17 (index 0 unused).
struct OrbPresetRow {
    const char* radix;
    const char* transit;
    const char* directions;
    const char* synastry;
};

// clang-format off
constexpr std::array<OrbPresetRow, 18> kOrbPresets = {{
    {"", "", "", ""},
    {"10",  "1.2", "2",   "10"}, // Солнце
    {"10",  "6.5", "1.5", "10"}, // Луна
    {"6",   "1.1", "1",   "6"},  // Меркурий
    {"6",   "1.1", "1",   "6"},  // Венера
    {"5",   "1.6", "1",   "6"},  // Марс
    {"3",   "1.5", "1",   "6"},  // Юпитер
    {"3",   "1.5", "1",   "6"},  // Сатурн
    {"2",   "0.5", "1",   "6"},  // Уран
    {"2",   "0.5", "1",   "6"},  // Нептун
    {"1",   "0.5", "1",   "6"},  // Плутон
    {"1",   "0.5", "1",   "6"},  // Хирон
    {"0.5", "0.5", "1",   "6"},  // Прозерпина
    {"0.5", "0.5", "1",   "6"},  // Раху и Кету
    {"0.5", "0.5", "1",   "6"},  // Селена
    {"0.5", "0.5", "1",   "6"},  // Лилит
    {"5",   "1",   "1",   "6"},  // Asc
    {"5",   "1",   "1",   "6"},  // Mc
}};
// clang-format on

const char* OrbOf(const OrbPresetRow& row, OrbPreset preset) {
    switch (preset) {
    case OrbPreset::Transit:
        return row.transit;
    case OrbPreset::Directions:
        return row.directions;
    case OrbPreset::Synastry:
        return row.synastry;
    case OrbPreset::Radix:
        break;
    }
    return row.radix;
}

} // namespace

PlanetSettingsForm::PlanetSettingsForm() {
    ApplyOrbPreset(*this, OrbPreset::Radix);
    // Bodies 1 to 7 and both angles take part at start.
    for (int i = 1; i <= 17; ++i) CheckBox[i] = (i <= 7) || i >= 16;
}

void ApplyOrbPreset(PlanetSettingsForm& form, OrbPreset preset) {
    for (int i = 1; i <= 17; ++i) form.Edit[i] = OrbOf(kOrbPresets[i], preset);
}

void PlanUstButton1Click(PlanetSettingsForm& form) {
    ApplyOrbPreset(form, OrbPreset::Radix);
}
void PlanUstButton2Click(PlanetSettingsForm& form) {
    ApplyOrbPreset(form, OrbPreset::Transit);
}
void PlanUstButton4Click(PlanetSettingsForm& form) {
    ApplyOrbPreset(form, OrbPreset::Directions);
}
void PlanUstButton5Click(PlanetSettingsForm& form) {
    ApplyOrbPreset(form, OrbPreset::Synastry);
}

void PlanUstButton3Click(PlanetSettingsForm& form) {
    const bool check = form.SelectAllNext;
    for (int i = 1; i <= 17; ++i) form.CheckBox[i] = check;
    form.SelectAllNext = !check;
}

void FormActivate(PlanetSettingsForm& form) {
    form.SelectAllNext = true;
}

bool ChooseHouseSystem(HouseSystemForm& form, char letter) {
    for (size_t i = 1; i < kHouseSystemChoices.size(); ++i) {
        if (kHouseSystemChoices[i].letter != letter) continue;
        for (size_t j = 1; j < form.RadioButton.size(); ++j) form.RadioButton[j] = (j == i);
        return true;
    }
    return false;
}

void CurrentHouseSystem(const HouseSystemForm& form, char& letter) {
    for (size_t i = 1; i < kHouseSystemChoices.size(); ++i)
        if (form.RadioButton[i]) letter = kHouseSystemChoices[i].letter;
}

HouseSystem ChosenHouseSystem(const HouseSystemForm& form) {
    char letter = 'P';
    CurrentHouseSystem(form, letter);
    return static_cast<HouseSystem>(letter);
}

} // namespace omvera
