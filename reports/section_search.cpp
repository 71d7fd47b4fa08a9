#include "reports/section_search.h"

#include "base/text_file.h"
#include "reports/text_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace omvera {
namespace {

enum class Title { FirstCharBlank, Blank, AfterSecondBracket };

std::optional<std::string_view> CipherKeyOf(StoredForm form, std::string_view key) {
    if (form == StoredForm::Enciphered) return key;
    return std::nullopt;
}

bool HasMarker(const std::string& line, char marker) {
    return line.find(marker) != std::string::npos;
}

// The key list of one search in the file's encoding. Strings shared by several keys are
// stored once, and whether a string occurs in the current line is found at most once per
// line, so a long key list costs one substring search per distinct string and header.
class KeyList {
  public:
    explicit KeyList(std::span<const SectionKey> keys) {
        for (const auto& key : keys) AddKey(key);
    }
    explicit KeyList(std::span<const std::string> singleStringKeys) {
        for (const auto& s : singleStringKeys) AddKey(std::span<const std::string>(&s, 1));
    }

    std::size_t size() const { return begin_.size(); }

    // Makes `line` the line the following Matches calls test.
    void SetLine(const std::string& line) {
        line_ = &line;
        if (++generation_ == 0) { // wrapped: forget every cached answer
            std::fill(testedIn_.begin(), testedIn_.end(), 0);
            generation_ = 1;
        }
    }

    bool Matches(std::size_t k) {
        if (never_[k]) return false;
        const std::size_t end = k + 1 < begin_.size() ? begin_[k + 1] : parts_.size();
        for (std::size_t i = begin_[k]; i < end; ++i)
            if (!Occurs(parts_[i])) return false;
        return true;
    }

  private:
    void AddKey(std::span<const std::string> key) {
        begin_.push_back(parts_.size());
        bool never = false;
        for (const auto& s : key) {
            std::string bytes;
            if (!Utf8ToCp1251(s, bytes)) {
                never = true; // no line of the file can hold it
                continue;
            }
            auto [it, added] = ids_.try_emplace(bytes, static_cast<std::uint32_t>(strings_.size()));
            if (added) {
                strings_.push_back(bytes);
                testedIn_.push_back(0);
                occurs_.push_back(false);
            }
            parts_.push_back(it->second);
        }
        never_.push_back(never);
    }

    bool Occurs(std::uint32_t id) {
        if (testedIn_[id] != generation_) {
            testedIn_[id] = generation_;
            occurs_[id] = line_->find(strings_[id]) != std::string::npos;
        }
        return occurs_[id];
    }

    std::vector<std::string> strings_; // distinct key strings, Windows-1251
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::vector<std::uint32_t> parts_; // string ids of all keys, key after key
    std::vector<std::size_t> begin_;   // where each key's ids start in parts_
    std::vector<char> never_;          // keys holding a string Windows-1251 cannot hold
    std::vector<std::uint32_t> testedIn_;
    std::vector<char> occurs_;
    std::uint32_t generation_ = 0;
    const std::string* line_ = nullptr;
};

std::string TitleOf(const std::string& header, Title mode) {
    switch (mode) {
    case Title::FirstCharBlank: {
        std::string t = header;
        if (!t.empty()) t[0] = ' ';
        return Cp1251ToUtf8(t);
    }
    case Title::Blank:
        return " ";
    case Title::AfterSecondBracket: {
        std::string t = header;
        StripThroughMark("]", t);
        StripThroughMark("]", t);
        return Cp1251ToUtf8(t);
    }
    }
    return {};
}

// The search pass: the current line is checked against the key list in order; a matching
// header prints its title and its body, and the marker line that ends the body becomes the
// current line, checked against the remaining keys of this pass and, when a section was
// printed, kept for the next pass, which checks it against the whole list again. The file's
// last line is never a header, and a body ends at the end of the file.
void Search(LineSink& sink, TextLineReader& in, char marker, Title title, KeyList& keys) {
    std::string cur;
    in.Next(cur);
    bool printed = false;
    do {
        if (HasMarker(cur, marker)) {
            keys.SetLine(cur);
            for (std::size_t k = 0; k < keys.size(); ++k) {
                if (in.Eof()) break; // the current line is the file's last line
                if (!HasMarker(cur, marker) || !keys.Matches(k)) continue;
                sink.AddLine(TitleOf(cur, title));
                bool header = false;
                do {
                    in.Next(cur);
                    header = HasMarker(cur, marker);
                    if (!header) sink.AddLine(Cp1251ToUtf8(cur));
                } while (!header && !in.Eof());
                keys.SetLine(cur);
                printed = true;
            }
        }
        if (printed)
            printed = false;
        else
            in.Next(cur);
    } while (!in.Eof());
}

} // namespace

void PrintSections(LineSink& sink, const std::string& path, StoredForm form,
                   std::string_view cipherKey, char marker, TitleMode title,
                   std::span<const SectionKey> keys) {
    TextLineReader in(path, CipherKeyOf(form, cipherKey));
    KeyList list(keys);
    Search(sink, in, marker,
           title == TitleMode::FirstCharBlank ? Title::FirstCharBlank : Title::Blank, list);
}

void PrintBracketSections(LineSink& sink, const std::string& path,
                          std::span<const std::string> keys) {
    TextLineReader in(path, std::nullopt);
    KeyList list(keys);
    Search(sink, in, '[', Title::AfterSecondBracket, list);
}

void StripThroughMark(std::string_view mark, std::string& s) {
    if (mark.empty()) return;
    const std::size_t at = s.find(mark);
    if (at != std::string::npos) s.erase(0, at + mark.size());
}

std::vector<std::string> ListSectionHeaders(const std::string& path, StoredForm form,
                                            std::string_view cipherKey, char marker) {
    TextLineReader in(path, CipherKeyOf(form, cipherKey));
    std::vector<std::string> headers;
    std::string line;
    while (!in.Eof()) {
        in.Next(line);
        if (!in.Eof() && HasMarker(line, marker)) headers.push_back(Cp1251ToUtf8(line));
    }
    return headers;
}

} // namespace omvera
