#pragma once
// TBase ("База данных"): the lines of the person database.
#include "app/ui/form_window.h"

class QListWidget;
class QPushButton;
class QRadioButton;

namespace omvera {

class TBase : public FormWindow {
    Q_OBJECT
  public:
    explicit TBase(Application& app);
    void SyncFromModel() override;

    QListWidget* ListBox1;
    QPushButton* Button1;       // "Удалить запись"
    QPushButton* Button3;       // "Сохранить изменения"
    QRadioButton* RadioButton1; // "в 1-ю карту"
    QRadioButton* RadioButton2; // "во 2-ю карту"

    void Button1Click();
    void Button3Click();
    void ListBox1DblClick();

  protected:
    bool* VisibleFlag() override;

  private:
    std::vector<std::string> shown_;
};

} // namespace omvera
