#pragma once
// THsk ("Шаг"): the step of the scan buttons.
#include "app/ui/form_window.h"

namespace omvera {

class THsk : public FormWindow {
    Q_OBJECT
  public:
    explicit THsk(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
