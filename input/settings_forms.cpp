#include "input/settings_forms.h"

namespace omvera {

PlanetSettingsForm::PlanetSettingsForm() {
    static const char* const orbs[18] = {"",  "10", "10", "6",   "6",   "5",   "3",   "3", "2",
                                         "2", "1",  "1",  "0.5", "0.5", "0.5", "0.5", "5", "5"};
    for (int i = 1; i <= 17; ++i) {
        Edit[i] = orbs[i];
        CheckBox[i] = (i <= 7) || i >= 16;
    }
}

} // namespace omvera
