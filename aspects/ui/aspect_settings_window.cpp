#include "aspects/ui/aspect_settings_window.h"

#include "app/state.h"

namespace omvera {

TAspUst::TAspUst(Application& app) : FormWindow(app, "TAspUst") {}

bool* TAspUst::VisibleFlag() {
    return &state().AspUst.Visible;
}

void TAspUst::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
