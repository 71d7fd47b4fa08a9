#include "cli/commands.h"

#include <algorithm>
#include <map>
#include <ostream>

namespace omvera::cli {
namespace {

struct CommandInfo {
    CommandFn run;
    const char* summary;
};

std::map<std::string, CommandInfo>& Registry() {
    static std::map<std::string, CommandInfo> commands;
    return commands;
}

int Help(std::ostream& out) {
    out << "Использование: omvera-cli КОМАНДА [ПАРАМЕТРЫ]\n\nКоманды:\n";
    size_t width = 0;
    for (const auto& entry : Registry()) width = std::max(width, entry.first.size());
    for (const auto& [name, info] : Registry())
        out << "  " << name << std::string(width - name.size() + 2, ' ') << info.summary << "\n";
    out << "\nПараметры команды: omvera-cli КОМАНДА --help\n";
    return 0;
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* summary, CommandFn fn) {
    Registry()[name] = CommandInfo{std::move(fn), summary};
}

FallbackCommandRegistration::FallbackCommandRegistration(const char* name, const char* summary,
                                                         CommandFn fn) {
    Registry().try_emplace(name, CommandInfo{std::move(fn), summary});
}

namespace {
PdfWriterFn& PdfWriter() {
    static PdfWriterFn writer;
    return writer;
}
} // namespace

PdfWriterRegistration::PdfWriterRegistration(PdfWriterFn fn) {
    PdfWriter() = std::move(fn);
}

const PdfWriterFn& RegisteredPdfWriter() {
    return PdfWriter();
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
    (void)err;
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help")
        return Help(out);
    auto it = Registry().find(args[0]);
    if (it == Registry().end())
        throw UsageError("неизвестная команда «" + args[0] + "» (см. omvera-cli --help)");
    return it->second.run(Args(args.begin() + 1, args.end()), out, err);
}

} // namespace omvera::cli
