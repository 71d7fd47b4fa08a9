#pragma once
// TDOM ("Дома"): the choice of the house system. A choice writes the live model
// (state.Dom), which the next chart computes and draws with.
#include "app/ui/form_window.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace omvera {

class TDOM : public FormWindow {
    Q_OBJECT
  public:
    explicit TDOM(Application& app);
    void SyncFromModel() override;

    std::array<QRadioButton*, 7> RadioButton{}; // RadioButton1..RadioButton6 (index 0 unused)

  protected:
    bool* VisibleFlag() override;

  private:
    QButtonGroup* group_ = nullptr;
};

} // namespace omvera
