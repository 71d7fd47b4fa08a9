#pragma once
// TKalendar ("Календарь"): the transit table and the fatigue calendar over a range of days.
// The two date fields are texts in the short date format with a calendar button each; the
// model (state.Kalendar) holds the texts as typed.
#include "app/ui/form_window.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace omvera {

class TKalendar : public FormWindow {
    Q_OBJECT
  public:
    explicit TKalendar(Application& app);
    void SyncFromModel() override;

    QLabel* Label5; // "Дата 2 должна быть позже чем Дата1" (red, bold)
    QLabel* Label1; // "Дата 1"
    QLabel* Label2; // "Дата2"
    QLineEdit* DateEdit1;
    QLineEdit* DateEdit2;
    QToolButton* DateEdit1Button; // the calendar of DateEdit1
    QToolButton* DateEdit2Button;
    QPushButton* Button3; // "Расчет "

    // The dialog became active: today and today + 7 into the date fields.
    void FormActivate();
    void Button3Click();

  protected:
    bool* VisibleFlag() override;
    void showEvent(QShowEvent* e) override;

  private:
    // Shows a month calendar under the field's button; a chosen day is written as text.
    void PickDate(QToolButton* button, std::string& field);
};

} // namespace omvera
