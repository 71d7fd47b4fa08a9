#include "drawing/ui/chart_view_window.h"

#include "app/state.h"

namespace omvera {

bool* TProsm::VisibleFlag() {
    return &state().Views.ProsmVisible;
}

void TProsm::SyncFromModel() {
    SyncPictureWindow(state().Views.ProsmCaption);
}

} // namespace omvera
