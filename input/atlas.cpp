#include "input/atlas.h"

#include "base/errors.h"
#include "base/utf8.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace omvera {
namespace {

// Latin letters with accents as the place names of the database write them.
char LatinBase(char32_t c) {
    struct Range {
        char32_t from, to;
        char base;
    };
    static const Range kRanges[] = {
        {0xC0, 0xC5, 'a'},   {0xE0, 0xE5, 'a'},   {0xC7, 0xC7, 'c'},   {0xE7, 0xE7, 'c'},
        {0xC8, 0xCB, 'e'},   {0xE8, 0xEB, 'e'},   {0xCC, 0xCF, 'i'},   {0xEC, 0xEF, 'i'},
        {0xD1, 0xD1, 'n'},   {0xF1, 0xF1, 'n'},   {0xD2, 0xD6, 'o'},   {0xF2, 0xF6, 'o'},
        {0xD8, 0xD8, 'o'},   {0xF8, 0xF8, 'o'},   {0xD9, 0xDC, 'u'},   {0xF9, 0xFC, 'u'},
        {0xDD, 0xDD, 'y'},   {0xFD, 0xFD, 'y'},   {0xFF, 0xFF, 'y'},   {0x100, 0x105, 'a'},
        {0x106, 0x10D, 'c'}, {0x10E, 0x111, 'd'}, {0x112, 0x11B, 'e'}, {0x11C, 0x123, 'g'},
        {0x124, 0x127, 'h'}, {0x128, 0x131, 'i'}, {0x134, 0x135, 'j'}, {0x136, 0x138, 'k'},
        {0x139, 0x142, 'l'}, {0x143, 0x14B, 'n'}, {0x14C, 0x151, 'o'}, {0x154, 0x159, 'r'},
        {0x15A, 0x161, 's'}, {0x162, 0x167, 't'}, {0x168, 0x173, 'u'}, {0x174, 0x175, 'w'},
        {0x176, 0x178, 'y'}, {0x179, 0x17E, 'z'}, {0x218, 0x219, 's'}, {0x21A, 0x21B, 't'},
    };
    for (const Range& r : kRanges)
        if (c >= r.from && c <= r.to) return r.base;
    return 0;
}

// How well `name` (folded) matches `query` (folded): 0 whole, 1 start, 2 start of a word,
// 3 elsewhere, 4 not at all.
int MatchRank(const std::string& name, const std::string& query) {
    if (name.empty() || query.empty()) return 4;
    if (name == query) return 0;
    const std::size_t at = name.find(query);
    if (at == std::string::npos) return 4;
    if (at == 0) return 1;
    for (std::size_t p = at; p != std::string::npos; p = name.find(query, p + 1))
        if (name[p - 1] == ' ') return 2;
    return 3;
}

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::uint32_t Word(const std::string& b, std::size_t at, bool bigEndian) {
    if (at + 4 > b.size() || at + 4 < at) throw Error("Каталог названий повреждён");
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) {
        const auto byte = static_cast<unsigned char>(b[at + (bigEndian ? k : 3 - k)]);
        v = (v << 8) | byte;
    }
    return v;
}

} // namespace

std::string FoldForSearch(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        // A malformed byte passes through as it is.
        const std::size_t start = i;
        char32_t c = 0;
        if (!NextUtf8(s, i, c)) {
            out += s[start];
            continue;
        }
        if (c == '\'' || c == 0x2019 || c == 0x2018 || c == 0x2BC || c == 0x2B9 || c == '`')
            continue;
        if (c == '-' || c == 0x2010 || c == 0x2013 || c == '\t') c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        if (c < 0x80) {
            out += static_cast<char>(std::tolower(static_cast<int>(c)));
            continue;
        }
        if (const char base = LatinBase(c)) {
            out += base;
            continue;
        }
        if (c == 0x401 || c == 0x451)
            c = 0x435; // Ё ё -> е
        else if (c >= 0x410 && c <= 0x42F)
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        AppendUtf8(out, c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

Atlas::Atlas(std::vector<Place> places, const std::vector<PlaceAlias>& aliases)
    : places_(std::move(places)) {
    for (std::size_t i = 0; i < places_.size(); ++i) {
        byId_.emplace(places_[i].id, i);
        folded_.push_back({FoldForSearch(places_[i].name), FoldForSearch(places_[i].nameRu)});
    }
    for (const PlaceAlias& a : aliases) {
        const auto it = byId_.find(a.id);
        if (it != byId_.end()) aliases_.emplace(it->second, Alias{a.name, FoldForSearch(a.name)});
    }
}

const Place* Atlas::ById(const std::string& id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &places_[it->second];
}

std::vector<PlaceMatch> Atlas::Find(const std::string& query, std::size_t limit) const {
    const std::size_t comma = query.find(',');
    const std::string name = FoldForSearch(Trim(query.substr(0, comma)));
    const std::string qualifier =
        comma == std::string::npos ? "" : FoldForSearch(Trim(query.substr(comma + 1)));
    if (name.empty()) return {};
    struct Hit {
        int rank;
        unsigned population;
        std::size_t index;
        std::string alias;
    };
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Place& p = places_[i];
        int rank = std::min(MatchRank(folded_[i].first, name), MatchRank(folded_[i].second, name));
        std::string alias;
        const auto [from, to] = aliases_.equal_range(i);
        for (auto it = from; it != to; ++it) {
            const int r = MatchRank(it->second.folded, name);
            if (r < rank) {
                rank = r;
                alias = it->second.name;
            }
        }
        if (rank == 4) continue;
        if (!qualifier.empty()) {
            // The qualifier starts the region's or country's name or one of its words
            // ("us" is not "Russia"), or is the country's code.
            const auto starts = [&](const std::string& field) {
                return MatchRank(FoldForSearch(field), qualifier) <= 2;
            };
            if (!starts(p.region) && !starts(p.regionRu) && !starts(p.country) &&
                !starts(p.countryRu) && FoldForSearch(p.countryCode) != qualifier)
                continue;
        }
        hits.push_back({rank, p.population, i, alias});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return std::tie(a.rank, b.population, a.index) < std::tie(b.rank, a.population, b.index);
    });
    std::vector<PlaceMatch> out;
    for (std::size_t k = 0; k < hits.size() && k < limit; ++k)
        out.push_back({&places_[hits[k].index], hits[k].alias});
    return out;
}

std::string DescribePlace(const PlaceMatch& m) {
    const Place& p = *m.place;
    std::string s = p.ShownName();
    if (!m.alias.empty())
        s += " (" + m.alias + ")";
    else if (!p.nameRu.empty() && p.nameRu != p.name)
        s += " (" + p.name + ")";
    s += " — ";
    if (!p.ShownRegion().empty() && p.ShownRegion() != p.ShownName()) s += p.ShownRegion() + ", ";
    return s + p.ShownCountry();
}

std::vector<PlaceAlias> ParseAliases(const std::vector<std::string>& lines) {
    std::vector<PlaceAlias> out;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string line = Trim(lines[n].substr(0, lines[n].find(';')));
        if (line.empty()) continue;
        const std::size_t eq = line.find('=');
        const std::string name = eq == std::string::npos ? "" : Trim(line.substr(0, eq));
        const std::string id = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
        const bool number = !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        if (name.empty() || !number)
            throw Error("Список названий городов, строка " + std::to_string(n + 1) +
                        ": нужно «Название = номер»");
        out.push_back({name, id});
    }
    return out;
}

std::map<std::string, std::string> ParseMessageCatalogue(const std::string& b) {
    if (b.size() < 20) throw Error("Каталог названий повреждён");
    const std::uint32_t magic = Word(b, 0, false);
    bool big;
    if (magic == 0x950412de)
        big = false;
    else if (magic == 0xde120495)
        big = true;
    else
        throw Error("Каталог названий не в формате .mo");
    const std::uint32_t count = Word(b, 8, big);
    const std::uint32_t originals = Word(b, 12, big);
    const std::uint32_t translations = Word(b, 16, big);
    if (count > b.size() / 16) throw Error("Каталог названий повреждён");
    const auto text = [&](std::uint32_t table, std::uint32_t k) {
        const std::size_t at = static_cast<std::size_t>(table) + 8 * static_cast<std::size_t>(k);
        const std::uint32_t len = Word(b, at, big), off = Word(b, at + 4, big);
        if (static_cast<std::size_t>(off) + len > b.size())
            throw Error("Каталог названий повреждён");
        return b.substr(off, len);
    };
    std::map<std::string, std::string> out;
    for (std::uint32_t k = 0; k < count; ++k) {
        std::string original = text(originals, k);
        if (original.empty()) continue; // the header
        std::string translation = text(translations, k);
        // Plural forms are separated by NUL; the first one serves.
        translation = translation.substr(0, translation.find('\0'));
        out.emplace(std::move(original), std::move(translation));
    }
    return out;
}

} // namespace omvera
