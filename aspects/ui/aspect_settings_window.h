#pragma once
// TAspUst ("Установка Аспектов"): the aspect angles and their colours. The dialog edits the
// live table: there is no confirm or cancel.
#include "app/ui/form_window.h"

#include <QColor>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace omvera {

class TAspUst : public FormWindow {
    Q_OBJECT
  public:
    explicit TAspUst(Application& app);
    void SyncFromModel() override;

    QLabel* Label1 = nullptr; // "Аспекты"
    QListWidget* ListBox1 = nullptr;
    std::array<QLineEdit*, 10> Swatches{}; // Edit1..Edit10
    QLineEdit* Edit11 = nullptr;
    QPushButton* Button1 = nullptr; // "Добавить"
    QPushButton* Button2 = nullptr; // "Удалить"
    QLabel* Note = nullptr;         // why a row takes no part

    // The colour dialog; replaceable so that tests need no modal dialog.
    std::function<QColor(const QColor& initial, QWidget* parent)> ChooseColour;

    // Edit1Change ... Edit10Change: the colour dialog for swatch k (0..9).
    void SwatchChange(int k);
    void Button1Click();
    void Button2Click();

  protected:
    bool* VisibleFlag() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace omvera
