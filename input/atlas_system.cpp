// The atlas from the system's geographic database: Debian's libgeonames holds the towns
// (about 24,000 with more than 15,000 people), and its translation catalogue the Russian
// names of towns (by number), countries (by code) and regions (by "code.region").
#include "input/atlas.h"

#include "base/errors.h"
#include "base/text_file.h"

#include <geonames.h>

namespace omvera {
namespace {

constexpr const char* kRussianCatalogue = "/usr/share/locale/ru/LC_MESSAGES/geonames.mo";

std::string Lookup(const std::map<std::string, std::string>& m, const std::string& key) {
    const auto it = m.find(key);
    return it == m.end() ? std::string() : it->second;
}

} // namespace

Atlas Atlas::LoadSystem(const std::string& aliasFile) {
    std::map<std::string, std::string> ru;
    if (const auto bytes = ReadFileBytesIfPresent(kRussianCatalogue))
        ru = ParseMessageCatalogue(*bytes);
    std::vector<Place> places;
    const gint n = geonames_get_n_cities();
    places.reserve(n > 0 ? static_cast<std::size_t>(n) : 0);
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        // The record: number, name, region code, region, country code, country, zone,
        // population, latitude, longitude.
        if (!g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
            geonames_city_free(city);
            continue;
        }
        const gchar *id, *name, *regionCode, *region, *cc, *country, *zone;
        guint32 population;
        gdouble lat, lon;
        g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &id, &name, &regionCode, &region, &cc, &country,
                      &zone, &population, &lat, &lon);
        Place p;
        p.id = id;
        p.name = name;
        p.region = region;
        p.country = country;
        p.countryCode = cc;
        p.zone = zone;
        p.latitude = lat;
        p.longitude = lon;
        p.population = population;
        p.nameRu = Lookup(ru, p.id);
        p.regionRu = Lookup(ru, p.countryCode + "." + regionCode);
        p.countryRu = Lookup(ru, p.countryCode);
        geonames_city_free(city);
        places.push_back(std::move(p));
    }
    if (places.empty()) throw Error("Атлас городов пуст: не установлен пакет libgeonames-common");
    std::vector<PlaceAlias> aliases;
    if (ReadFileBytesIfPresent(aliasFile)) aliases = ParseAliases(ReadTextLines(aliasFile));
    return Atlas(std::move(places), aliases);
}

} // namespace omvera
