#include "base/numbers.h"
#include "app/state.h"
#include "aspects/points.h"
#include "astro/engine.h"

namespace omvera {

void RefreshPoint(State& state, int point, PointIncluded& included) {
    if (point < 0 || point > kPointCount) return;
    included[point] = 0;
    if (!PointSwitchedOn(state.PlanUst, point)) return;
    if (point <= 16) ComputeBody(state, point);
    state.PointOrbs[point] = LeadingNumber(state.PlanUst.Edit[PointSettingsRow(point)]);
    included[point] = 1;
}

} // namespace omvera
