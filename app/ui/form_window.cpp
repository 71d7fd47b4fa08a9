#include "app/ui/form_window.h"

#include "app/state.h"
#include "app/ui/application.h"

#include <QShowEvent>

namespace omvera {

FormWindow::FormWindow(Application& app, const char* className, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    const WindowInfo& info = WindowByClass(className);
    setObjectName(className);
    setWindowTitle(QString::fromUtf8(info.Caption));
    move(info.Left, info.Top);
    resize(info.Width, info.Height);
}

State& FormWindow::state() {
    return app_.state();
}

void FormWindow::SyncVisibility() {
    if (bool* flag = VisibleFlag(); flag && *flag != isVisible()) {
        if (*flag) {
            show();
            raise();
        } else {
            hide();
        }
    }
}

void FormWindow::Command(const std::function<void()>& handler) {
    app_.RunCommand(this, handler);
}

void FormWindow::showEvent(QShowEvent* e) {
    if (bool* flag = VisibleFlag()) *flag = true;
    QWidget::showEvent(e);
}

void FormWindow::hideEvent(QHideEvent* e) {
    // A window closed by the user is hidden, not destroyed; the model follows.
    if (bool* flag = VisibleFlag(); flag && !e->spontaneous()) *flag = false;
    QWidget::hideEvent(e);
}

} // namespace omvera
