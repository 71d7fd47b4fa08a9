#include "cli/qt/gui_application.h"

#include <cstdio>
#include <cstdlib>

namespace omvera::cli {
namespace {

// Qt's own diagnostics (such as a missing runtime folder) are not the command's output: only
// its critical messages reach stderr.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "omvera-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(QtMessages);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "omvera-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace omvera::cli
