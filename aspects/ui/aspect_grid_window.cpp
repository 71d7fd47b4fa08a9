#include "aspects/ui/aspect_grid_window.h"

#include "app/state.h"

namespace omvera {

TAspq::TAspq(Application& app) : FormWindow(app, "TAspq") {}

bool* TAspq::VisibleFlag() {
    return &state().Views.AspqVisible;
}

void TAspq::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
