// The GUI program: creates the windows, shows the main window and runs until it closes.
#include "base/data_path.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    // Every data path starts from the folder the program was started in.
    omvera::Application app(omvera::CurrentFolder());
    app.Form1->show();
    // What start-up could not do (a glyph picture that cannot be read, ...) is reported once
    // the main window is there.
    app.RunCommand(app.Form1, [] {});
    return qt.exec();
}
