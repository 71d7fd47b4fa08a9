#pragma once
// TPlanUst ("Включение Планет и Орбисы"): inclusion switches and orbs of the chart points.
// The widgets edit the live model (state.PlanUst): a change counts at the next computation.
#include "app/ui/form_window.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace omvera {

class TPlanUst : public FormWindow {
    Q_OBJECT
  public:
    explicit TPlanUst(Application& app);
    void SyncFromModel() override;

    std::array<QCheckBox*, 18> CheckBox{}; // CheckBox1..CheckBox17 (index 0 unused)
    std::array<QLineEdit*, 18> Edit{};     // Edit1..Edit17, the orbs (index 0 unused)
    QLabel* Label1 = nullptr;              // "Орбисы" over the left orb column
    QLabel* Label2 = nullptr;              // "Орбисы" over the right orb column
    QPushButton* Button1 = nullptr;        // "Радикс"
    QPushButton* Button2 = nullptr;        // "Транзит"
    QPushButton* Button3 = nullptr;        // select all / clear all, no caption
    QPushButton* Button4 = nullptr;        // "Дирекции"
    QPushButton* Button5 = nullptr;        // "Синастрия"

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void FormActivate();

  protected:
    bool* VisibleFlag() override;
    void changeEvent(QEvent* e) override;
};

} // namespace omvera
