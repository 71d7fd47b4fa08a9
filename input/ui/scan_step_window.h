#pragma once
// THsk ("Шаг"): the step of the scan buttons. A choice writes the live model (state.Hsk);
// the scan buttons read it with ReadScanStep.
#include "app/ui/form_window.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace omvera {

class THsk : public FormWindow {
    Q_OBJECT
  public:
    explicit THsk(Application& app);
    void SyncFromModel() override;

    std::array<QRadioButton*, 5> RadioButton{}; // RadioButton1..RadioButton4 (index 0 unused)

  protected:
    bool* VisibleFlag() override;

  private:
    QButtonGroup* group_ = nullptr;
};

} // namespace omvera
