#include "app/ui/help_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace omvera {

PageOpener DesktopPageOpener() {
    return [](const std::string& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(path)));
    };
}

} // namespace omvera
