#include "reports/coverage.h"

#include "base/data_path.h"
#include "base/errors.h"
#include "reports/directions_report.h"
#include "reports/natal_report.h"
#include "reports/partner_waiting_report.h"
#include "reports/return_report.h"
#include "reports/synastry_report.h"
#include "reports/text_files.h"
#include "reports/transit_report.h"

#include <array>
#include <filesystem>

namespace omvera {
namespace {

std::vector<FileKeys> AdultNatal() {
    return PossibleNatalKeys(false);
}
std::vector<FileKeys> ChildNatal() {
    return PossibleNatalKeys(true);
}
std::vector<FileKeys> Partnership() {
    return PossibleCompatibilityKeys(false);
}
std::vector<FileKeys> Erotic() {
    return PossibleCompatibilityKeys(true);
}

// The files of one family among the keys of a report that reads several families' files.
std::vector<FileKeys> FilesUnder(std::vector<FileKeys> all, std::string_view part) {
    std::erase_if(all, [&](const FileKeys& f) {
        return std::string_view(f.file).find(part) == std::string_view::npos;
    });
    return all;
}
std::vector<FileKeys> Solar() {
    return FilesUnder(PossibleReturnKeys(), "\\CO\\");
}
std::vector<FileKeys> Lunar() {
    return FilesUnder(PossibleReturnKeys(), "\\LO\\");
}
std::vector<FileKeys> Transit() {
    return FilesUnder(PossibleTransitKeys(), "tranzit.txt");
}
std::vector<FileKeys> Medical() {
    return FilesUnder(PossibleTransitKeys(), "tranzmed.txt");
}

const TextFamily kFamilies[] = {
    {"natal", AdultNatal},
    {"child", ChildNatal},
    {"solar", Solar},
    {"lunar", Lunar},
    {"transit", Transit},
    {"medical", Medical},
    {"partnership", Partnership},
    {"erotic", Erotic},
    {"karmic", PossibleSynastryAnalysisKeys},
    {"waiting", PossiblePartnerWaitingKeys},
    {"directions", PossibleDirectionKeys},
};

} // namespace

std::span<const TextFamily> TextFamilies() {
    return kFamilies;
}

bool HeaderMatches(std::string_view header, const SectionKey& key, char marker) {
    if (header.find(marker) == std::string_view::npos) return false;
    for (const std::string& part : key)
        if (header.find(part) == std::string_view::npos) return false;
    return true;
}

std::vector<FileCoverage> FamilyCoverage(const std::string& programFolder,
                                         std::string_view family) {
    const TextFamily* found = nullptr;
    for (const TextFamily& f : kFamilies)
        if (family == f.name) found = &f;
    if (!found) throw Error("Неизвестное семейство текстов: " + std::string(family));

    std::vector<FileCoverage> out;
    for (const FileKeys& fk : found->possible()) {
        FileCoverage c;
        c.file = fk.file;
        c.possible = fk.keys.size();
        const TextFile& tf = TextFileOf(fk.file);
        const std::string path = DataPath(programFolder, fk.file);
        std::vector<std::string> headers;
        c.exists = std::filesystem::is_regular_file(path);
        if (c.exists)
            headers =
                ListSectionHeaders(path, tf.cipherKey ? StoredForm::Enciphered : StoredForm::Plain,
                                   tf.cipherKey ? tf.cipherKey : "", tf.marker);
        std::vector<bool> reached(headers.size(), false);
        for (const SectionKey& key : fk.keys) {
            bool any = false;
            for (size_t h = 0; h < headers.size(); ++h)
                if (HeaderMatches(headers[h], key, tf.marker)) any = reached[h] = true;
            if (!any) c.missing.push_back(key);
        }
        for (size_t h = 0; h < headers.size(); ++h)
            if (!reached[h]) c.unreachable.push_back(headers[h]);
        out.push_back(std::move(c));
    }
    return out;
}

} // namespace omvera
