#include "input/ui/second_chart_window.h"

#include "app/state.h"
#include "input/ui/chart_fields_panel.h"

namespace omvera {

TID2::TID2(Application& app) : FormWindow(app, "TID2") {
    Fields = new ChartFieldsPanel(state().ID2, this);
}

bool* TID2::VisibleFlag() {
    return &state().ID2.Visible;
}

void TID2::SyncFromModel() {
    Fields->SyncFromModel();
    SyncVisibility();
}

} // namespace omvera
