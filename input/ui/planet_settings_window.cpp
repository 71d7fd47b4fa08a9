#include "input/ui/planet_settings_window.h"

#include "app/state.h"

namespace omvera {

TPlanUst::TPlanUst(Application& app) : FormWindow(app, "TPlanUst") {}

bool* TPlanUst::VisibleFlag() {
    return &state().PlanUst.Visible;
}

void TPlanUst::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
