#pragma once
// TDOM ("Дома"): the choice of the house system.
#include "app/ui/form_window.h"

namespace omvera {

class TDOM : public FormWindow {
    Q_OBJECT
  public:
    explicit TDOM(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
