#pragma once
// The fields shared by the two chart forms (name, date, Greenwich time, place, sex), bound
// to a ChartForm model.
#include <QObject>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace omvera {

struct ChartForm;
class SpinEdit;

class ChartFieldsPanel : public QObject {
    Q_OBJECT
  public:
    ChartFieldsPanel(ChartForm& form, QWidget* parent);
    void SyncFromModel();

    QLineEdit* Edit1;
    SpinEdit* SpinEdit1;
    QComboBox* ComboBox1;
    SpinEdit* SpinEdit2;
    SpinEdit* SpinEdit3;
    SpinEdit* SpinEdit4;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLabel* Label1;  // "Имя     "
    QLabel* Label2;  // "Год"
    QLabel* Label3;  // "Месяц"
    QLabel* Label4;  // "День   "
    QLabel* Label5;  // "Час"
    QLabel* Label7;  // "Минуты"
    QLabel* Label8;  // "Широта"
    QLabel* Label9;  // "Долгота"
    QLabel* Label11; // "Градус.Мин" under the latitude
    QLabel* Label12; // "Градус.Мин" under the longitude

  private:
    ChartForm& form_;
    QButtonGroup* sex_;
};

} // namespace omvera
