#include "aspects/points.h"

#include "input/settings_forms.h"

#include <cmath>

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

double Separation(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180) d = 360 - d;
    return d;
}

bool InAspect(double lp, double lq, double op, double oq, bool includedP, bool includedQ,
              double angle) {
    const double orb = (op + oq) / 2;
    const double d = Separation(lp, lq);
    return angle - orb < d && d < angle + orb && includedP && includedQ;
}

} // namespace omvera
