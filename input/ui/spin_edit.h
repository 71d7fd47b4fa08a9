#pragma once
// An integer spin field over a SpinField model: a line edit that keeps what is typed (the
// model reads it by its own rule) and two arrow buttons that write value ± 1 (clamped).
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace omvera {

struct SpinField;

class SpinEdit : public QWidget {
    Q_OBJECT
  public:
    SpinEdit(SpinField& field, QWidget* parent);
    void SyncFromModel();
    QLineEdit* Edit() const { return edit_; }

  private:
    void Step(int delta);
    SpinField& field_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace omvera
