#include "calendars/ui/calendar_window.h"

#include "app/state.h"

namespace omvera {

TKalendar::TKalendar(Application& app) : FormWindow(app, "TKalendar") {}

bool* TKalendar::VisibleFlag() {
    return &state().Views.KalendarVisible;
}

void TKalendar::SyncFromModel() {
    SyncVisibility();
}

} // namespace omvera
