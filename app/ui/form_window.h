#pragma once
// Base of the program's windows: a long-lived top-level widget over a field model of the
// state. After every command all windows re-read their models (SyncFromModel), so a window
// always shows what the next computation will read.
#include "app/window_registry.h"

#include <QWidget>
#include <functional>

namespace omvera {

struct State;
class Application;

class FormWindow : public QWidget {
    Q_OBJECT
  public:
    FormWindow(Application& app, const char* className, QWidget* parent = nullptr);

    // Brings the widgets in line with the model; called after every command.
    virtual void SyncFromModel() {}

  protected:
    State& state();
    Application& app() { return app_; }
    // Where the window's shown/hidden flag lives in the model (nullptr: none).
    virtual bool* VisibleFlag() { return nullptr; }
    // Shows or hides the window as the model says.
    void SyncVisibility();
    // Runs a handler at the command boundary (errors shown, all windows synced).
    void Command(const std::function<void()>& handler);

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    Application& app_;
};

} // namespace omvera
