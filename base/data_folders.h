#pragma once
// Where a started program finds its data folder "Dann" and the person database.
//
// Run from its own folder (a folder "Dann" in the current folder), the program keeps every
// data file there, the person database included: ProgramFolder is the current folder.
// Installed (the executable in <prefix>/bin, the data in <prefix>/share/omvera/Dann), it
// reads the texts, glyphs, lists and help pages from the installed data folder and keeps the
// person database in the user's own data folder ($XDG_DATA_HOME/omvera, or
// ~/.local/share/omvera), made on first use as a copy of the shipped one: nothing is ever
// written below the installation.
#include <optional>
#include <string>

namespace omvera {

// The name of the person database file in the user's folder.
inline constexpr const char* kUserDatabaseName = "Basa.TXT";

struct DataLocation {
    std::string programFolder;
    // The folder of the user's own person database; nullopt when the database is
    // ProgramFolder\Dann\Basa.TXT. An empty text: the program is installed, but no folder of
    // the user could be found (the database then cannot be used).
    std::optional<std::string> userFolder;
};

// The user's data folder for this program: $XDG_DATA_HOME/omvera when that is an absolute
// path, else <home>/.local/share/omvera; empty when neither is known. Null arguments are
// unset variables.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// The data location of a program `executable` (a path, empty when unknown) started in
// `currentFolder`, with the user's data folder `userDataFolder`:
// - "Dann" in the current folder: the current folder, database inside it;
// - else "Dann" in the installed data folder, relative to the executable in <prefix>/bin or
//   in the helpers' folder <prefix>/libexec/omvera: that folder, the database in the
//   user's data folder;
// - else the current folder (whatever is missing is reported when it is read).
DataLocation LocateData(const std::string& executable, const std::string& currentFolder,
                        const std::string& userDataFolder);

// The same for this process (its executable, working directory and environment).
DataLocation LocateData();

// The path of this process's executable; empty when the system does not tell it.
std::string ExecutablePath();

// The person database file as a path of this platform. With a user folder, the folder is
// made when missing and the file is created as a copy of the shipped
// ProgramFolder\Dann\Basa.TXT when it does not exist yet (a missing shipped file makes
// nothing: the first saved record creates the file). Throws Error when the user folder is
// unknown or cannot be made.
std::string PersonDatabaseFile(const DataLocation& location);

} // namespace omvera
