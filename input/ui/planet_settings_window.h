#pragma once
// TPlanUst ("Включение Планет и Орбисы"): inclusion switches and orbs of the chart points.
#include "app/ui/form_window.h"

namespace omvera {

class TPlanUst : public FormWindow {
    Q_OBJECT
  public:
    explicit TPlanUst(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
