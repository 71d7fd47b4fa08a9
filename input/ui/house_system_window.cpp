#include "input/ui/house_system_window.h"

#include "app/state.h"

namespace omvera {

TDOM::TDOM(Application& app) : FormWindow(app, "TDOM") {}

bool* TDOM::VisibleFlag() {
    return &state().Dom.Visible;
}

void TDOM::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
