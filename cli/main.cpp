// omvera-cli: the command-line companion. Every command runs the same core code paths as
// the GUI, so charts, texts and pictures can be produced and checked without a display.
#include "cli/commands.h"

#include "base/errors.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return omvera::cli::Run(args, std::cout, std::cerr);
    } catch (const omvera::cli::UsageError& e) {
        std::cerr << "omvera-cli: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "omvera-cli: " << e.what() << "\n";
        return 1;
    }
}
