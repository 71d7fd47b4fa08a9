#pragma once
// TID1 ("Исходные-Данные"): the birth data of chart 1 and the doors into the database.
#include "app/ui/form_window.h"

class QPushButton;
class QLabel;

namespace omvera {

class ChartFieldsPanel;

class TID1 : public FormWindow {
    Q_OBJECT
  public:
    explicit TID1(Application& app);
    void SyncFromModel() override;

    ChartFieldsPanel* Fields;
    QLabel* Label6;       // "Время по Гринвичу"
    QLabel* Label10;      // "База данных"
    QPushButton* Button1; // "На Сейчас"
    QPushButton* Button2; // "Открыть"
    QPushButton* Button3; // "Сохранить"
    QPushButton* Button4; // "Местное время...": fills the fields from local time and a town

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
