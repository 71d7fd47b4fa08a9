#pragma once
// "Местное время": the user names the town and gives the local date and clock time; the
// dialog shows the clock the town kept then and writes the Greenwich date and time and the
// coordinates into a chart form.
#include "input/atlas.h"
#include "input/local_time.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace omvera {

struct ChartForm;

class LocalTimeDialog : public QDialog {
    Q_OBJECT
  public:
    // `aliasFile`: the data folder's list of other town names.
    LocalTimeDialog(ChartForm& form, const std::string& aliasFile, QWidget* parent);
    ~LocalTimeDialog() override;

    QLineEdit* PlaceEdit;       // part of the town's name
    QListWidget* PlaceList;     // the matching towns
    QLineEdit* DateEdit;        // local date D.M.YYYY
    QLineEdit* TimeEdit;        // local clock time H:M
    QCheckBox* OldStyleBox;     // the date is old style
    QLabel* OldStyleLabel;      // both dates
    QLabel* ZoneLabel;          // the town, its coordinates and zone
    QLabel* ResultLabel;        // the offset used and why, or what is wrong
    QRadioButton* FirstReading; // the two readings at a clock change
    QRadioButton* SecondReading;
    QCheckBox* ManualBox;      // override the offset
    QLineEdit* OffsetEdit;     // "+3", "+2:30"
    QPushButton* FillButton;   // "Заполнить форму"
    QPushButton* CancelButton; // "Отмена"

    // Writes the chosen reading into the form and closes; on a problem shows it and stays.
    void Fill();

  signals:
    void Filled();

  private:
    void Search();
    void Recompute();

    ChartForm& form_;
    std::string aliasFile_;
    std::vector<PlaceMatch> matches_;
    std::optional<ClockReading> chosen_[2];
    int readings_ = 0;
};

// The atlas for the dialogs, loaded on first use (Error when the atlas cannot be read).
const Atlas& SharedAtlas(const std::string& aliasFile);

} // namespace omvera
