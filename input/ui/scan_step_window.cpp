#include "input/ui/scan_step_window.h"

#include "app/state.h"

namespace omvera {

THsk::THsk(Application& app) : FormWindow(app, "THsk") {}

bool* THsk::VisibleFlag() {
    return &state().Hsk.Visible;
}

void THsk::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
