#pragma once
// TID2 ("2 -я Карта"): the second chart — a transit moment, a partner, or a return moment.
#include "app/ui/form_window.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace omvera {

class ChartFieldsPanel;

class TID2 : public FormWindow {
    Q_OBJECT
  public:
    explicit TID2(Application& app);
    void SyncFromModel() override;

    ChartFieldsPanel* Fields;
    QLabel* Label6;       // time heading
    QLabel* Label10;      // "Выбери год и месяц Лунара"
    QPushButton* Button1; // "Добавить в карту"
    QPushButton* Button2; // "На сейчас"
    QPushButton* Button3; // "Расчет Cоляра"
    QPushButton* Button4; // "Расчет Лунара"
    QPushButton* Button5; // "Местное время...", shown with "На сейчас"
    QListWidget* ListBox1;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void ListBox1DblClick();

  protected:
    bool* VisibleFlag() override;

  private:
    std::vector<std::string> shownList_;
};

} // namespace omvera
