#include "aspects/points.h"

#include "input/settings_forms.h"

namespace omvera {

int PointSettingsRow(int point) {
    if (point < 1 || point > kPointCount) return 0;
    if (point <= 13) return point;
    return point - 1; // 14 shares row 13 with 13; 15..18 use rows 14..17
}

bool PointSwitchedOn(const PlanetSettingsForm& form, int point) {
    const int row = PointSettingsRow(point);
    return row != 0 && form.CheckBox[row];
}

} // namespace omvera
