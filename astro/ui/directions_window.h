#pragma once
// TDat2 ("Дата2"): directions to a chosen date.
#include "app/ui/form_window.h"

namespace omvera {

class TDat2 : public FormWindow {
    Q_OBJECT
  public:
    explicit TDat2(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
