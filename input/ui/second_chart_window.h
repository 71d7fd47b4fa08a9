#pragma once
// TID2 ("2 -я Карта"): the second chart — a transit moment, a partner, or a return moment.
#include "app/ui/form_window.h"

namespace omvera {

class ChartFieldsPanel;

class TID2 : public FormWindow {
    Q_OBJECT
  public:
    explicit TID2(Application& app);
    void SyncFromModel() override;

    ChartFieldsPanel* Fields;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
