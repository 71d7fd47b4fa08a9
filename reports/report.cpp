#include "reports/report.h"

#include "base/data_path.h"
#include "base/text_file.h"
#include "reports/text_cache.h"

#include <utility>

namespace omvera {

ReportContext::ReportContext(std::string programFolder, LineSink& sink,
                             std::vector<SearchRecord>* searches)
    : programFolder_(std::move(programFolder)), sink_(sink), searches_(searches) {}

void ReportContext::Add(std::initializer_list<const char*> lines) {
    for (const char* line : lines) sink_.AddLine(line);
}

void ReportContext::CopyFile(const char* backslashPath) {
    const auto lines = DecodeTextLines(*TextFileBytes(DataPath(programFolder_, backslashPath)));
    if (lines.empty()) {
        sink_.AddLine("");
        return;
    }
    for (const auto& line : lines) sink_.AddLine(line);
}

void ReportContext::Search(const char* backslashPath, std::span<const SectionKey> keys) {
    const TextFile& file = TextFileOf(backslashPath);
    if (searches_)
        searches_->push_back({backslashPath, file.marker, file.title, {keys.begin(), keys.end()}});
    const std::string path = DataPath(programFolder_, backslashPath);
    if (file.title == SectionTitle::AfterSecondBracket) {
        std::vector<std::string> single;
        single.reserve(keys.size());
        for (const auto& key : keys) single.push_back(key.empty() ? std::string() : key.front());
        PrintBracketSections(sink_, path, single);
        return;
    }
    const StoredForm form = file.cipherKey ? StoredForm::Enciphered : StoredForm::Plain;
    const TitleMode title =
        file.title == SectionTitle::BlankTitle ? TitleMode::BlankTitle : TitleMode::FirstCharBlank;
    PrintSections(sink_, path, form, file.cipherKey ? file.cipherKey : "", file.marker, title,
                  keys);
}

void RunGroups(ReportContext& ctx, const ReportInputs& in, std::span<const ReportGroup> groups) {
    for (const ReportGroup& group : groups) {
        if (group.lines)
            for (const auto& line : group.lines(in)) ctx.Add(line);
        for (const char* title : group.titles) ctx.Add(title);
        if (group.file) {
            const std::vector<SectionKey> keys =
                group.keys ? group.keys(in) : std::vector<SectionKey>{};
            ctx.Search(group.file, keys);
        }
    }
}

} // namespace omvera
