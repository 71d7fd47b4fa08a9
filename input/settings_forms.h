#pragma once
// Field models of the settings windows: TPlanUst (planet inclusion and orbs), TDOM (house
// system) and THsk (scan step), and what their buttons do. Nothing here is stored on disk:
// every start of the program begins with these design values.
#include "astro/chart.h"
#include "astro/names.h"

#include <array>
#include <string>

namespace omvera {

// TPlanUst: rows 1..17 (bodies 1..12, both nodes, Selena, Lilith, Asc, Mc). Index 0 unused.
struct PlanetSettingsForm {
    std::array<bool, 18> CheckBox{};    // CheckBox1..CheckBox17
    std::array<std::string, 18> Edit{}; // Edit1..Edit17, orb texts
    bool SelectAllNext = true;
    bool Visible = false;
    PlanetSettingsForm();
};

// The orb columns of TPlanUst's four preset buttons.
enum class OrbPreset {
    Radix,      // Button1 "Радикс": the orbs the program starts with
    Transit,    // Button2 "Транзит"
    Directions, // Button4 "Дирекции"
    Synastry,   // Button5 "Синастрия"
};

// Writes the preset's column into all seventeen orb fields; the check boxes stay as they are.
void ApplyOrbPreset(PlanetSettingsForm& form, OrbPreset preset);

// TPlanUst's handlers.
void PlanUstButton1Click(PlanetSettingsForm& form); // "Радикс"
void PlanUstButton2Click(PlanetSettingsForm& form); // "Транзит"
void PlanUstButton4Click(PlanetSettingsForm& form); // "Дирекции"
void PlanUstButton5Click(PlanetSettingsForm& form); // "Синастрия"
// The select-all toggle: checks all seventeen boxes when SelectAllNext is set, else clears
// them; either way SelectAllNext flips.
void PlanUstButton3Click(PlanetSettingsForm& form);
// The window became the active one: the next Button3Click checks every box.
void FormActivate(PlanetSettingsForm& form);

// TDOM: RadioButton1..6 (index 0 unused); Placidus (RadioButton3) chosen at start.
struct HouseSystemForm {
    std::array<bool, 7> RadioButton{false, false, false, true, false, false, false};
    bool Visible = false;
};

// The system chosen on TDOM; Placidus when no choice is set.
HouseSystem ChosenHouseSystem(const HouseSystemForm& form);

// Chooses the radio button of a letter (and no other); false, with nothing changed, for an
// unknown letter.
bool ChooseHouseSystem(HouseSystemForm& form, char letter);

// The house-system letter chosen on TDOM: the buttons are tested in the order RadioButton1
// to RadioButton6 and each chosen one writes its letter, so `letter` keeps its value when
// none is chosen.
void CurrentHouseSystem(const HouseSystemForm& form, char& letter);

// THsk: RadioButton1..4 (index 0 unused); "1 сутки" chosen at start.
struct ScanStepForm {
    std::array<bool, 5> RadioButton{false, false, true, false, false};
    bool Visible = false;
};

// ScanStep in days of THsk's choices by radio button (index 0 unused): "7 суток", "1 сутки",
// "1 час", "10 минут".
inline constexpr std::array<double, 5> kScanSteps = {0, 7, 1, 1.0 / 24, 10.0 / 1440};

} // namespace omvera
