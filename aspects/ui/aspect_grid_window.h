#pragma once
// TAspq: the separation grid of one chart or between two charts.
#include "app/ui/form_window.h"

namespace omvera {

class TAspq : public FormWindow {
    Q_OBJECT
  public:
    explicit TAspq(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
