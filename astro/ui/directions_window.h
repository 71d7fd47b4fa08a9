#pragma once
// TDat2 ("Дата2"): directions to a chosen date. The date field (with a calendar button) and
// the aspect choice write the live model (state.Dat2); "Расчет" runs the directions on the
// main window's picture. Each activation puts today's date into the field.
#include "app/ui/form_window.h"

#include <array>

class QButtonGroup;
class QCalendarWidget;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace omvera {

class TDat2 : public FormWindow {
    Q_OBJECT
  public:
    explicit TDat2(Application& app);
    void SyncFromModel() override;

    // Today's date into the date field.
    void FormActivate();
    // "Расчет".
    void Button1Click();

    QLineEdit* DateEdit1 = nullptr;
    QToolButton* CalendarButton = nullptr; // the date field's calendar button
    QCalendarWidget* Calendar = nullptr;   // its pop-up
    QPushButton* Button1 = nullptr;
    std::array<QRadioButton*, 3> RadioButton{}; // RadioButton1, RadioButton2 (index 0 unused)

  protected:
    bool* VisibleFlag() override;
    bool event(QEvent* e) override;

  private:
    void ShowCalendar();
    QButtonGroup* group_ = nullptr;
};

} // namespace omvera
