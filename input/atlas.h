#pragma once
// The atlas of the local-time dialog and the command line: towns with their coordinates,
// time zone and names in Latin and Russian letters, old names included, searched by any
// part of a name.
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace omvera {

struct Place {
    std::string id;                     // the town's number in the geographic database
    std::string name, nameRu;           // Latin name; Russian one, empty when unknown
    std::string region, regionRu;       // first-level division (oblast, state, ...)
    std::string country, countryRu;     // country
    std::string countryCode;            // ISO 3166 two letters
    std::string zone;                   // time zone, "Europe/Moscow"
    double latitude = 0, longitude = 0; // decimal degrees, north and east positive
    unsigned population = 0;

    // The Russian name when there is one, else the Latin one; the same for region and
    // country.
    const std::string& ShownName() const { return nameRu.empty() ? name : nameRu; }
    const std::string& ShownRegion() const { return regionRu.empty() ? region : regionRu; }
    const std::string& ShownCountry() const { return countryRu.empty() ? country : countryRu; }
};

// Another name of a town (a former one, a spelling) and the town's number.
struct PlaceAlias {
    std::string name;
    std::string id;
};

struct PlaceMatch {
    const Place* place = nullptr;
    std::string alias; // the other name the query matched, empty when it matched the town's
};

class Atlas {
  public:
    Atlas(std::vector<Place> places, const std::vector<PlaceAlias>& aliases);

    // The towns of the system's geographic database (Debian's libgeonames, with the Russian
    // names of its translation catalogue) and the other names of `aliasFile` (the data
    // folder's "Atlas.TXT"; a missing file adds none).
    static Atlas LoadSystem(const std::string& aliasFile);

    // Towns whose name, Russian name or other name contains the query, case and "ё"
    // ignored; "name, qualifier" keeps those whose region or country (or its two-letter
    // code) contains the qualifier. Whole names first, then names that start with the query,
    // then words that do, then the rest; each group by population, largest first.
    std::vector<PlaceMatch> Find(const std::string& query, std::size_t limit = 50) const;

    std::size_t Size() const { return places_.size(); }
    const Place* ById(const std::string& id) const;

  private:
    std::vector<Place> places_;
    struct Alias {
        std::string name, folded;
    };
    std::multimap<std::size_t, Alias> aliases_;               // place index -> other name
    std::vector<std::pair<std::string, std::string>> folded_; // names as the search compares
    std::map<std::string, std::size_t> byId_;
};

// One line per match: "Санкт-Петербург (Ленинград) — Санкт-Петербург, Россия".
std::string DescribePlace(const PlaceMatch& match);

// Lines "Other name = number ; comment" (";" starts a comment, blank lines skipped).
// Throws Error naming the line for a line without "=" or a number.
std::vector<PlaceAlias> ParseAliases(const std::vector<std::string>& lines);

// The messages of a GNU message catalogue (.mo): original -> translation. Throws Error for a
// file that is not one.
std::map<std::string, std::string> ParseMessageCatalogue(const std::string& bytes);

// The text as the search compares it: lower case (Latin and Cyrillic), "ё" as "е", Latin
// letters without accents, "-" as a blank, apostrophes dropped.
std::string FoldForSearch(const std::string& utf8);

} // namespace omvera
