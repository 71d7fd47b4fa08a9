#include "app/help_commands.h"

#include "app/state.h"
#include "base/errors.h"

#include <filesystem>

namespace omvera {

std::string HelpPagePath(const State& state, const char* page) {
    return DataFile(state, page);
}

void OpenHelpPage(const State& state, const char* page, const PageOpener& open) {
    const std::string path = HelpPagePath(state, page);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw Error("Не найдена страница справки: " + path);
    if (!open(path))
        throw Error("Не удалось запустить браузер, чтобы показать страницу справки: " + path +
                    "\nОткройте этот файл в браузере вручную.");
}

void N30Click(State& state, const PageOpener& open) {
    OpenHelpPage(state, kHelpPage, open);
}

void N42Click(State& state, const PageOpener& open) {
    OpenHelpPage(state, kLunationPage, open);
}

} // namespace omvera
