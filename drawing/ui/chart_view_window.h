#pragma once
// TProsm: the position and house columns of one chart in a window of their own.
#include "app/ui/form_window.h"

namespace omvera {

class TProsm : public FormWindow {
    Q_OBJECT
  public:
    explicit TProsm(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
