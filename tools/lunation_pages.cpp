// Writes the help pages of "Новолуния Полнолуния затмения" into the data folder at build
// time: Dann/Help/luna.htm (the year index) and one page a decade, 1880..2050 (the range of
// the program's forms).
// Usage: omvera-lunations OUTPUT_DIR   (writes OUTPUT_DIR/Dann/Help/luna*.htm)
#include "app/lunation_pages.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: omvera-lunations OUTPUT_DIR\n";
        return 2;
    }
    try {
        omvera::WriteLunationPages((std::filesystem::path(argv[1]) / "Dann" / "Help").string(),
                                   1880, 2050);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "omvera-lunations: " << e.what() << "\n";
        return 1;
    }
}
