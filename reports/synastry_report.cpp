#include "reports/synastry_report.h"

#include "astro/names.h"
#include "base/numbers.h"

#include <algorithm>

namespace omvera {
namespace {

// Cusp contacts always use this orb, whatever the orbs of the planets dialog.
constexpr double kCuspOrb = 6;

std::vector<SectionKey> Keys(const std::vector<std::string>& strings) {
    std::vector<SectionKey> keys;
    keys.reserve(strings.size());
    for (const auto& s : strings) keys.push_back({s});
    return keys;
}

// The house of a longitude among cusps; 360 counts as 0 degrees, so every body has a house.
int HouseOfTurn(double longitude, const CuspArray& cusps) {
    return HouseOf(longitude >= 360 ? longitude - 360 : longitude, cusps);
}

void TitleBlock(ReportContext& ctx, const std::string& myName, const std::string& partnerName) {
    ctx.Add({" ", " "});
    // The "c" is the Latin letter, as the program has always printed it.
    ctx.Add("Описание  гороскопа совместимости " + myName + " c " + partnerName);
    ctx.Add(" ");
}

} // namespace

std::vector<SynastryMatch> SynastryBodyAspects(const BodyArray& aLongitudes,
                                               const BodyArray& bLongitudes,
                                               const ReportInputs& in) {
    std::vector<SynastryMatch> matches;
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j)
            for (int k = 0; k < static_cast<int>(SynastryAspects.size()); ++k)
                if (InAspect(aLongitudes[i], bLongitudes[j], in.orbs[i], in.orbs[j], in.included[i],
                             in.included[j], SynastryAspects[k].angle))
                    matches.push_back({i, j, k, Separation(aLongitudes[i], bLongitudes[j])});
    return matches;
}

std::string SynastryListLine(const SynastryMatch& m, const BodyArray& aLongitudes,
                             const BodyArray& bLongitudes) {
    return std::string("   ") + PointNames[m.a] + "  (" + FormatFixed(aLongitudes[m.a], 4, 1) +
           ") " + FormatFixed(m.separation, 4, 1) + "  " + PointNames[m.b] + " (" +
           FormatFixed(bLongitudes[m.b], 4, 1) + ")";
}

std::vector<SectionKey> PartnerAspectKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (const SynastryMatch& m : SynastryBodyAspects(in.first.bodies, in.second.bodies, in))
        keys.push_back("[" + BodyCode(m.a) + SynastryAspects[m.aspect].key + BodyCode(m.b) + "]");
    return Keys(keys);
}

std::vector<SectionKey> PartnerToMyCuspKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 12; ++j)
            for (const AspectKey& a : SynastryAspects)
                if (InAspect(in.first.cusps[j], in.second.bodies[i], kCuspOrb, kCuspOrb, true,
                             in.included[i], a.angle))
                    keys.push_back("[" + HouseCode(j) + a.key + BodyCode(i) + "]");
    return Keys(keys);
}

std::vector<SectionKey> MyBodiesToPartnerCuspKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 12; ++j)
            for (const AspectKey& a : SynastryAspects)
                if (InAspect(in.second.cusps[j], in.first.bodies[i], kCuspOrb, kCuspOrb, true, true,
                             a.angle))
                    keys.push_back("[" + BodyCode(i) + a.key + HouseCode(j) + "]");
    return Keys(keys);
}

std::vector<SectionKey> PartnerInMyHousesKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int b = 1; b <= 16; ++b)
        keys.push_back("[" + HouseCode(HouseOfTurn(in.second.bodies[b], in.first.cusps)) + "." +
                       BodyCode(b) + "]");
    return Keys(keys);
}

std::vector<SynastryMatch> WomanToManAspects(const ReportInputs& in, const PartnerSexes& sexes) {
    const bool womanFirst = sexes.WomanIsFirst();
    const BodyArray& woman = womanFirst ? in.first.bodies : in.second.bodies;
    const BodyArray& man = womanFirst ? in.second.bodies : in.first.bodies;
    return SynastryBodyAspects(woman, man, in);
}

std::vector<SectionKey> WomanToManKeys(const ReportInputs& in, const PartnerSexes& sexes) {
    std::vector<std::string> keys;
    for (const SynastryMatch& m : WomanToManAspects(in, sexes))
        keys.push_back("[" + BodyCode(m.b) + SynastryAspects[m.aspect].key + BodyCode(m.a) + "]");
    return Keys(keys);
}

std::vector<SectionKey> PartnerBodyInMyHouseKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int b = 1; b <= 16; ++b)
        keys.push_back("[" + BodyCode(b) + "." +
                       HouseCode(HouseOfTurn(in.second.bodies[b], in.first.cusps)) + "]");
    return Keys(keys);
}

void CompatibilityReport(ReportContext& ctx, const ReportInputs& in, const char* file,
                         const std::string& myName, const std::string& partnerName) {
    TitleBlock(ctx, myName, partnerName);

    for (const SynastryMatch& m : SynastryBodyAspects(in.first.bodies, in.second.bodies, in))
        ctx.Add(SynastryListLine(m, in.first.bodies, in.second.bodies));
    const auto aspects = PartnerAspectKeys(in);
    ctx.Add(" ");
    if (!aspects.empty()) ctx.Add("Аспекты между планетами партнеров");
    ctx.Add(" ");
    ctx.Search(file, aspects);
    ctx.Add(" ");

    const auto toMyCusps = PartnerToMyCuspKeys(in);
    if (!toMyCusps.empty()) ctx.Add("Аспекты  планет партнера к моим домам радикса ");
    ctx.Add({" ", " "});
    ctx.Search(file, toMyCusps);
    ctx.Add(" ");

    const auto toPartnerCusps = MyBodiesToPartnerCuspKeys(in);
    ctx.Add(" ");
    if (!toPartnerCusps.empty()) ctx.Add("Аспекты  планет  радикса к домам партнера ");
    ctx.Add({" ", " "});
    ctx.Search(file, toPartnerCusps);
    ctx.Add({"  ", "  "});

    ctx.Add({"Положение планет партнера в моих домах", " "});
    ctx.Search(file, PartnerInMyHousesKeys(in));
}

void SynastryAnalysisReport(ReportContext& ctx, const ReportInputs& in, const PartnerSexes& sexes,
                            const std::string& myName, const std::string& partnerName) {
    TitleBlock(ctx, myName, partnerName);

    if (sexes.Same()) {
        ctx.Add("Для анализа синастрии должны быть женщина и мужчина");
    } else {
        ctx.Add({"Анализ синастрии ", "Женские планеты  аспект        Мужские"});
        const bool womanFirst = sexes.WomanIsFirst();
        const BodyArray& woman = womanFirst ? in.first.bodies : in.second.bodies;
        const BodyArray& man = womanFirst ? in.second.bodies : in.first.bodies;
        for (const SynastryMatch& m : WomanToManAspects(in, sexes))
            ctx.Add(SynastryListLine(m, woman, man));
        const auto aspects = WomanToManKeys(in, sexes);
        ctx.Add(" ");
        if (!aspects.empty()) ctx.Add("Аспекты между планетами партнеров");
        ctx.Add(" ");
        ctx.Search(kKarmicAspectFile, aspects);
    }
    ctx.Add(" ");

    // Chart 2 is the partner here whatever the sexes.
    const bool cuspContacts = !PartnerToMyCuspKeys(in).empty();
    ctx.Add({"  ", "  "});
    if (cuspContacts) ctx.Add("Положение планет партнера в моих домах");
    ctx.Add(" ");
    ctx.Search(kKarmicHouseFile, PartnerBodyInMyHouseKeys(in));
}

// --- Coverage ------------------------------------------------------------------------------

namespace {

void Append(std::vector<SectionKey>& to, const std::vector<SectionKey>& keys) {
    for (const auto& k : keys)
        if (std::find(to.begin(), to.end(), k) == to.end()) to.push_back(k);
}

// Two charts with every switch on and the orbs of the planets dialog's synastry column; every
// body of chart 1 at `mine`, every body of chart 2 at `partners`, equal houses from 0 degrees
// in both charts.
ReportInputs Pair(double mine, double partners) {
    ReportInputs in;
    in.first.bodies.fill(mine);
    in.second.bodies.fill(partners);
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = in.second.cusps[h] = 30 * (h - 1);
    in.orbs.fill(1);
    in.included.fill(1);
    return in;
}

// The keys of both aspect searches over every pair at every angle: each body of one chart
// alone at 0 degrees, every body of the other at the angle.
template <typename Builder> std::vector<SectionKey> OverEveryAngle(Builder keys) {
    std::vector<SectionKey> all;
    for (const AspectKey& a : SynastryAspects)
        for (double angle : {a.angle, 360 - a.angle}) Append(all, keys(Pair(0, angle)));
    return all;
}

// Every body in every house: all of the partner's bodies in the middle of house h.
std::vector<SectionKey> OverEveryHouse(std::vector<SectionKey> (*keys)(const ReportInputs&)) {
    std::vector<SectionKey> all;
    for (int h = 0; h < 12; ++h) Append(all, keys(Pair(0, 30 * h + 15)));
    return all;
}

} // namespace

std::vector<FileKeys> PossibleCompatibilityKeys(bool erotic) {
    std::vector<SectionKey> keys = OverEveryAngle(PartnerAspectKeys);
    Append(keys, OverEveryAngle([](const ReportInputs& in) {
               // All twelve of my cusps where my bodies stand, so every cusp meets every
               // partner's body at the angle; then the partner's cusps where the partner's
               // bodies stand, against my bodies.
               ReportInputs myCusps = in;
               myCusps.first.cusps.fill(in.first.bodies[1]);
               auto k = PartnerToMyCuspKeys(myCusps);
               ReportInputs partnersCusps = in;
               partnersCusps.second.cusps.fill(in.second.bodies[1]);
               Append(k, MyBodiesToPartnerCuspKeys(partnersCusps));
               return k;
           }));
    Append(keys, OverEveryHouse(PartnerInMyHousesKeys));
    return {{erotic ? kEroticFile : kPartnershipFile, keys}};
}

std::vector<FileKeys> PossibleSynastryAnalysisKeys() {
    std::vector<SectionKey> aspects;
    for (bool womanFirst : {true, false}) {
        PartnerSexes sexes;
        sexes.firstMan = !womanFirst;
        sexes.firstWoman = womanFirst;
        sexes.secondMan = womanFirst;
        sexes.secondWoman = !womanFirst;
        Append(aspects, OverEveryAngle([&sexes](const ReportInputs& in) {
                   return WomanToManKeys(in, sexes);
               }));
    }
    return {{kKarmicAspectFile, aspects},
            {kKarmicHouseFile, OverEveryHouse(PartnerBodyInMyHouseKeys)}};
}

} // namespace omvera
