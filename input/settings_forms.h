#pragma once
// Field models of the settings windows: TPlanUst (planet inclusion and orbs), TDOM (house
// system) and THsk (scan step). Nothing here is stored on disk: every start of the program
// begins with these design values.
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

// TDOM: RadioButton1..6 (index 0 unused); Placidus (RadioButton3) chosen at start.
struct HouseSystemForm {
    std::array<bool, 7> RadioButton{false, false, false, true, false, false, false};
    bool Visible = false;
};

// THsk: RadioButton1..4 (index 0 unused); "1 сутки" chosen at start.
struct ScanStepForm {
    std::array<bool, 5> RadioButton{false, false, true, false, false};
    bool Visible = false;
};

} // namespace omvera
