#include "astro/ui/directions_window.h"

#include "app/state.h"

namespace omvera {

TDat2::TDat2(Application& app) : FormWindow(app, "TDat2") {}

bool* TDat2::VisibleFlag() {
    return &state().Views.Dat2Visible;
}

void TDat2::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
