#pragma once
// TAspUst ("Установка Аспектов"): the aspect angles and their colours.
#include "app/ui/form_window.h"

namespace omvera {

class TAspUst : public FormWindow {
    Q_OBJECT
  public:
    explicit TAspUst(Application& app);
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
