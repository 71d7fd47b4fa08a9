#include "aspects/ui/aspect_grid_window.h"

#include "app/state.h"

namespace omvera {

bool* TAspq::VisibleFlag() {
    return &state().Views.AspqVisible;
}

void TAspq::SyncFromModel() {
    SyncPictureWindow(state().Views.AspqCaption);
}

} // namespace omvera
