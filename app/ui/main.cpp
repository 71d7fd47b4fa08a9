// The GUI program: creates the windows, shows the main window and runs until it closes.
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "base/data_folders.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    // The data folder: "Dann" in the folder the program was started in or, for an installed
    // program, the installed one (with the person database in the user's data folder).
    const omvera::DataLocation data = omvera::LocateData();
    omvera::Application app(data.programFolder, data.userFolder);
    app.Form1->show();
    // What start-up could not do (a glyph picture that cannot be read, ...) is reported once
    // the main window is there.
    app.RunCommand(app.Form1, [] {});
    return qt.exec();
}
