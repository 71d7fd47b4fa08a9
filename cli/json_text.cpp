#include "cli/json_text.h"

#include "cli/json_line.h"

#include <ostream>

namespace omvera::cli {

std::string JsonString(const std::string& s) {
    std::string out;
    AppendJsonString(out, s);
    return out;
}

std::string JsonStringArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + JsonString(items[i]);
    return out + "]";
}

void PrintWarnings(const std::vector<std::string>& warnings, std::ostream& err) {
    for (const std::string& w : warnings) err << "Предупреждение: " << w << "\n";
}

} // namespace omvera::cli
