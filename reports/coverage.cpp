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
#include <cstdint>
#include <filesystem>
#include <unordered_map>

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
        // The headers holding each key string, found once per distinct string: a key is then
        // checked only against the headers of its rarest string, not against the whole file.
        std::vector<std::uint32_t> marked;
        for (size_t h = 0; h < headers.size(); ++h)
            if (headers[h].find(tf.marker) != std::string::npos)
                marked.push_back(static_cast<std::uint32_t>(h));
        std::unordered_map<std::string, std::vector<std::uint32_t>> holding;
        for (const SectionKey& key : fk.keys)
            for (const std::string& part : key) {
                auto [it, added] = holding.try_emplace(part);
                if (!added) continue;
                for (std::uint32_t h : marked)
                    if (headers[h].find(part) != std::string::npos) it->second.push_back(h);
            }
        for (const SectionKey& key : fk.keys) {
            const std::vector<std::uint32_t>* candidates = &marked;
            for (const std::string& part : key) {
                const auto& list = holding.at(part);
                if (list.size() < candidates->size()) candidates = &list;
            }
            bool any = false;
            for (std::uint32_t h : *candidates)
                if (HeaderMatches(headers[h], key, tf.marker)) any = true, reached[h] = true;
            if (!any) c.missing.push_back(key);
        }
        for (size_t h = 0; h < headers.size(); ++h)
            if (!reached[h]) c.unreachable.push_back(headers[h]);
        out.push_back(std::move(c));
    }
    return out;
}

} // namespace omvera
