#include "drawing/ui/chart_view_window.h"

#include "app/state.h"

namespace omvera {

TProsm::TProsm(Application& app) : FormWindow(app, "TProsm") {}

bool* TProsm::VisibleFlag() {
    return &state().Views.ProsmVisible;
}

void TProsm::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
