#pragma once
// TKalendar ("Календарь"): the transit table and the fatigue calendar over a range of days.
#include "app/ui/form_window.h"

namespace omvera {

class TKalendar : public FormWindow {
    Q_OBJECT
  public:
    explicit TKalendar(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
