// The atlas: search by Russian, Latin and old names, namesakes, the alias list and the
// message catalogue reader; the system's atlas comes from libgeonames-common.
#include "base/errors.h"
#include "base/text_file.h"
#include "input/atlas.h"

#include <gtest/gtest.h>

#include <string>

namespace omvera {
namespace {

// The readable source is UTF-8; LoadSystem reads the data folder's Windows-1251 copy, so the
// tests read the built one.
const Atlas& Built() {
    static const Atlas atlas = Atlas::LoadSystem(std::string(OMVERA_BUILD_DIR) + "/Dann/Atlas.TXT");
    return atlas;
}

TEST(AtlasSearch, RussianAndLatinNamesFindTheSameTown) {
    const Atlas& a = Built();
    ASSERT_GT(a.Size(), 10000u);
    for (const char* q : {"Москва", "москва", "Moscow", "MOSCOW", "моск"}) {
        const auto m = a.Find(q);
        ASSERT_FALSE(m.empty()) << q;
        EXPECT_EQ(m[0].place->name, "Moscow") << q;
        EXPECT_EQ(m[0].place->countryCode, "RU") << q;
        EXPECT_EQ(m[0].place->zone, "Europe/Moscow") << q;
    }
    const Place& moscow = *a.Find("Москва")[0].place;
    EXPECT_EQ(moscow.nameRu, "Москва");
    EXPECT_EQ(moscow.countryRu, "Россия");
    EXPECT_NEAR(moscow.latitude, 55.75, 0.01);
    EXPECT_NEAR(moscow.longitude, 37.62, 0.01);
    // "ё", a blank for a hyphen, and a name whose Latin spelling has an apostrophe.
    EXPECT_EQ(a.Find("Королев")[0].place->name, "Korolyov");
    EXPECT_EQ(a.Find("санкт петербург")[0].place->name, "Saint Petersburg");
    EXPECT_EQ(a.Find("Tver")[0].place->nameRu, "Тверь");
    const auto nov = a.Find("Новгород");
    ASSERT_GE(nov.size(), 2u);
    EXPECT_EQ(nov[0].place->nameRu, "Нижний Новгород");
    EXPECT_TRUE(a.Find("").empty());
    EXPECT_TRUE(a.Find("Qqqzzz").empty());
}

TEST(AtlasSearch, NamesakesAreToldApartByRegionAndCountry) {
    const Atlas& a = Built();
    const auto all = a.Find("Moscow");
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0].place->countryCode, "RU"); // the larger town first
    bool idaho = false;
    for (const auto& m : all) idaho |= m.place->region == "Idaho";
    EXPECT_TRUE(idaho);
    for (const char* q : {"Moscow, Idaho", "Москва, Айдахо", "moscow, US", "Москва, США"}) {
        const auto m = a.Find(q);
        ASSERT_FALSE(m.empty()) << q;
        EXPECT_EQ(m[0].place->region, "Idaho") << q;
        EXPECT_EQ(m[0].place->zone, "America/Los_Angeles") << q;
    }
    const std::string line = DescribePlace(a.Find("Москва, Айдахо")[0]);
    EXPECT_EQ(line, "Москва (Moscow) — Айдахо, США");
    EXPECT_TRUE(a.Find("Москва, Австралия").empty());
    const auto springfields = a.Find("Springfield");
    EXPECT_GE(springfields.size(), 5u);
    EXPECT_EQ(a.Find("Springfield, Illinois")[0].place->zone, "America/Chicago");
}

TEST(AtlasSearch, OldNamesLeadToTodaysTowns) {
    const Atlas& a = Built();
    const struct {
        const char* old;
        const char* now;
    } cases[] = {{"Ленинград", "Saint Petersburg"},
                 {"Свердловск", "Yekaterinburg"},
                 {"Горький", "Nizhny Novgorod"},
                 {"Куйбышев", "Samara"},
                 {"Leningrad", "Saint Petersburg"},
                 {"свердл", "Yekaterinburg"},
                 {"Кенигсберг", "Kaliningrad"},
                 {"Königsberg", "Kaliningrad"},
                 {"Kiev", "Kyiv"}};
    for (const auto& c : cases) {
        const auto m = a.Find(c.old);
        ASSERT_FALSE(m.empty()) << c.old;
        EXPECT_EQ(m[0].place->name, c.now) << c.old;
        EXPECT_FALSE(m[0].alias.empty()) << c.old;
    }
    EXPECT_EQ(DescribePlace(a.Find("Ленинград")[0]), "Санкт-Петербург (Ленинград) — Россия");
    // "Калининград" is today's name of one town and a former one of another.
    const auto k = a.Find("Калининград");
    ASSERT_GE(k.size(), 2u);
    EXPECT_EQ(k[0].place->name, "Kaliningrad");
    EXPECT_TRUE(k[0].alias.empty());
    bool korolyov = false;
    for (const auto& m : k) korolyov |= m.place->name == "Korolyov";
    EXPECT_TRUE(korolyov);
    // Without the alias list the towns are still found by today's names.
    const Atlas bare = Atlas::LoadSystem("/nonexistent/Atlas.TXT");
    EXPECT_TRUE(bare.Find("Кёнигсберг").empty());
    EXPECT_EQ(bare.Find("Екатеринбург")[0].place->name, "Yekaterinburg");
    // "Свердловск" is also today's name of a smaller town: both are offered, the larger first.
    const auto sv = a.Find("Свердловск");
    ASSERT_GE(sv.size(), 2u);
    EXPECT_EQ(sv[0].place->name, "Yekaterinburg");
    EXPECT_EQ(sv[1].alias, "");
}

TEST(AtlasAliases, EveryShippedAliasNamesATownOfTheAtlas) {
    const std::vector<PlaceAlias> aliases =
        ParseAliases(ReadTextLines(std::string(OMVERA_BUILD_DIR) + "/Dann/Atlas.TXT"));
    EXPECT_GT(aliases.size(), 40u);
    for (const PlaceAlias& al : aliases) EXPECT_NE(Built().ById(al.id), nullptr) << al.name;
}

TEST(AtlasSearch, WholeNamesThenStartsThenWordsThenTheRestEachByPopulation) {
    std::vector<Place> places(5);
    const char* names[] = {"Alpha Beta", "Betaville", "Beta", "Xbeta", "Gamma"};
    const unsigned people[] = {1000, 10, 1, 100000, 5};
    for (int i = 0; i < 5; ++i) {
        places[i].id = std::to_string(i);
        places[i].name = names[i];
        places[i].population = people[i];
    }
    places.push_back(places[0]);
    places.back().id = "9";
    places.back().population = 2000;
    const Atlas a(places, {});
    const auto m = a.Find("beta");
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].place->name, "Beta");
    EXPECT_EQ(m[1].place->name, "Betaville");
    EXPECT_EQ(m[2].place->id, "9"); // two "Alpha Beta": the larger first
    EXPECT_EQ(m[3].place->id, "0");
    EXPECT_EQ(m[4].place->name, "Xbeta");
    EXPECT_EQ(a.Find("beta", 2).size(), 2u);
}

TEST(AtlasAliases, LinesAndMistakes) {
    const auto a = ParseAliases({"; comment", "", "  Ленинград = 498817 ; Санкт-Петербург",
                                 "Калининград (Московская область)=554233"});
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].name, "Ленинград");
    EXPECT_EQ(a[0].id, "498817");
    EXPECT_EQ(a[1].name, "Калининград (Московская область)");
    EXPECT_THROW(ParseAliases({"Ленинград 498817"}), Error);
    EXPECT_THROW(ParseAliases({"Ленинград = Санкт-Петербург"}), Error);
    EXPECT_THROW(ParseAliases({" = 498817"}), Error);
    // An alias of a number the atlas does not have is left out, not an error.
    Place alpha;
    alpha.id = "1";
    alpha.name = "Alpha";
    const Atlas small({alpha}, {{"Бета", "2"}, {"Гамма", "1"}});
    EXPECT_TRUE(small.Find("Бета").empty());
    EXPECT_EQ(small.Find("Гамма")[0].alias, "Гамма");
}

TEST(AtlasText, SearchFolding) {
    EXPECT_EQ(FoldForSearch("Королёв"), "королев");
    EXPECT_EQ(FoldForSearch("ЁЛКИ-ПАЛКИ"), "елки палки");
    EXPECT_EQ(FoldForSearch("Tver’"), "tver");
    EXPECT_EQ(FoldForSearch("Kazan'"), "kazan");
    EXPECT_EQ(FoldForSearch("Zürich"), "zurich");
    EXPECT_EQ(FoldForSearch("Łódź"), "lodz");
    EXPECT_EQ(FoldForSearch("  Нижний   Новгород "), "нижний новгород");
    EXPECT_EQ(FoldForSearch("ІЇЄ"), "іїє");
    // Broken UTF-8 passes through without reading past the end.
    EXPECT_EQ(FoldForSearch(std::string("a\xD0")), std::string("a\xD0"));
    EXPECT_EQ(FoldForSearch(std::string("\xE2\x82")), std::string("\xE2\x82"));
}

// A little-endian .mo file of the given messages (the header entry first, as msgfmt writes).
std::string MessageFile(const std::vector<std::pair<std::string, std::string>>& msgs) {
    const auto word = [](std::string& s, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    std::string head, originals, translations, texts;
    const std::uint32_t n = static_cast<std::uint32_t>(msgs.size());
    const std::uint32_t textStart = 28 + 16 * n;
    std::string t;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> o, tr;
    for (const auto& m : msgs) {
        o.push_back(
            {static_cast<std::uint32_t>(m.first.size()), textStart + (std::uint32_t)t.size()});
        t += m.first + '\0';
    }
    for (const auto& m : msgs) {
        tr.push_back(
            {static_cast<std::uint32_t>(m.second.size()), textStart + (std::uint32_t)t.size()});
        t += m.second + '\0';
    }
    word(head, 0x950412de);
    word(head, 0);
    word(head, n);
    word(head, 28);
    word(head, 28 + 8 * n);
    word(head, 0);
    word(head, 0);
    for (auto [len, off] : o) word(head, len), word(head, off);
    for (auto [len, off] : tr) word(head, len), word(head, off);
    return head + t;
}

TEST(AtlasText, MessageCatalogue) {
    const std::string mo = MessageFile({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                                        {"524901", "Москва"},
                                        {"RU", "Россия"},
                                        {"N", std::string("один\0много", 19)}});
    const auto m = ParseMessageCatalogue(mo);
    EXPECT_EQ(m.size(), 3u);
    EXPECT_EQ(m.at("524901"), "Москва");
    EXPECT_EQ(m.at("RU"), "Россия");
    EXPECT_EQ(m.at("N"), "один");
    EXPECT_THROW(ParseMessageCatalogue("short"), Error);
    EXPECT_THROW(ParseMessageCatalogue(std::string(40, 'x')), Error);
    for (std::size_t cut : {30u, 60u, 90u})
        EXPECT_THROW(ParseMessageCatalogue(mo.substr(0, cut)), Error) << cut;
}

} // namespace
} // namespace omvera
