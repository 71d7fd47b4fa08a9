#include "reports/partner_waiting_report.h"

#include "aspects/points.h"
#include "astro/angles.h"
#include "astro/chart_moment.h"
#include "astro/names.h"
#include "astro/sun.h"
#include "base/numbers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace omvera {
namespace {

std::vector<SectionKey> Keys(const std::vector<std::string>& strings) {
    std::vector<SectionKey> keys;
    keys.reserve(strings.size());
    for (const auto& s : strings) keys.push_back({s});
    return keys;
}

// 360 counts as 0 degrees, so every point has a sign's and a house's code.
double IntoTurn(double longitude) {
    return longitude >= 360 ? longitude - 360 : longitude;
}

int HouseOfTurn(double longitude, const CuspArray& cusps) {
    return HouseOf(IntoTurn(longitude), cusps);
}

struct DateScanRule {
    std::initializer_list<int> points;
    bool (*window)(double d);
    const char* marker;
};

bool Conjunct(double d) {
    return d <= 3;
}
bool ConjunctSextileOrTrine(double d) {
    return d <= 3 || (57 <= d && d <= 63) || (117 <= d && d <= 123);
}

// 3 January .. 31 December 2000: 1 and 2 January are never scanned.
constexpr int kFirstOffset = 2, kLastOffset = 365;

std::vector<std::string> DateScan(const ReportInputs& in, const DateScanRule& rule) {
    std::vector<std::string> lines;
    const double jd0 = JulianDay(1, 1, 2000);
    for (int offset = kFirstOffset; offset <= kLastOffset; ++offset) {
        const CalendarDate date = CalendarFromJulianDay(jd0 + offset);
        const int month = static_cast<int>(date.month), day = static_cast<int>(date.day);
        const double sun =
            ReferenceYearSun(month, day, in.first.moment.hour, in.first.moment.minute);
        const std::string dateText =
            std::to_string(day) + "." + std::to_string(month) + "   " + rule.marker;
        for (int point : rule.points) {
            const double d = Separation(in.first.Point(point), sun);
            if (rule.window(d))
                lines.push_back(dateText + FormatFixed(d, 6, 2) + " " + DateScanLabels[point]);
        }
    }
    return lines;
}

} // namespace

double ReferenceYearSun(int month, int day, double hour, double minute) {
    ChartMoment m;
    m.year = 2000;
    m.month = month;
    m.day = day;
    m.hour = hour;
    m.minute = minute;
    FoldTimeIntoDay(m);
    return NormalizeDegrees(SunPosition(CenturiesSince1900(m.day, m.month, m.year)).trueLongitude);
}

std::vector<std::string> UnfavourableDates(const ReportInputs& in) {
    return DateScan(in, {{5, 7, 8, 9, 10, 12, 14}, Conjunct, " Транзитное  Солнце   "});
}

std::vector<std::string> FavourableDates(const ReportInputs& in) {
    return DateScan(in, {{2, 4, 6, 13, 17, 18}, ConjunctSextileOrTrine, " Транзитное  Солнце "});
}

std::vector<SectionKey> UnaspectedKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int j = 1; j <= 10; ++j) {
        bool aspected = false;
        for (int i = 1; i <= 10 && !aspected; ++i) {
            if (i == j) continue;
            const double d = Separation(in.first.bodies[j], in.first.bodies[i]);
            for (double angle : {0.0, 60.0, 90.0, 120.0, 180.0})
                if (angle - 6 <= d && d <= angle + 6) aspected = true;
        }
        keys.push_back(aspected ? "[Аспектирован]" : "[not." + BodyCode(j) + "]");
    }
    return Keys(keys);
}

std::vector<SectionKey> WaitingHousesInSignsKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int k = 1; k <= 12; ++k)
        keys.push_back("[h" + BodyCode(k) + ".z" + BodyCode(SignOf(in.first.cusps[k])) + "]");
    return Keys(keys);
}

std::vector<SectionKey> WaitingBodiesInSignsKeys(const ReportInputs& in, bool man) {
    std::vector<std::string> keys;
    for (int i = 1; i <= 16; ++i)
        keys.push_back("[" + BodyCode(i) + (man ? "М" : "Ж") + ".z" +
                       BodyCode(SignOf(in.first.bodies[i])) + "]");
    return Keys(keys);
}

std::vector<SectionKey> WaitingBodiesInHousesKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int i = 1; i <= 16; ++i)
        keys.push_back("[h" + BodyCode(HouseOfTurn(in.first.bodies[i], in.first.cusps)) + "." +
                       BodyCode(i) + "]");
    return Keys(keys);
}

std::vector<SectionKey> WaitingRulersInHousesKeys(const ReportInputs& in) {
    std::vector<std::string> keys;
    for (int k = 1; k <= 12; ++k) {
        const int ruler = SignRuler(SignOf(in.first.cusps[k]));
        keys.push_back("[u" + BodyCode(k) + ".h" +
                       BodyCode(HouseOfTurn(in.first.bodies[ruler], in.first.cusps)) + "]");
    }
    return Keys(keys);
}

void PartnerWaitingReport(ReportContext& ctx, const ReportInputs& in, bool man,
                          const std::string& name) {
    ctx.Add({" ", " "});
    ctx.Add("Ожидание партнера для " + name);
    ctx.Add(" ");
    // The "c" of " c родившимися" is the Latin letter, as the program has always printed it.
    ctx.Add("Не рекомендуется иметь близких отношений  " + name);
    ctx.Add(" c родившимися в нижеприведенные даты ");
    for (const std::string& line : UnfavourableDates(in)) ctx.Add(line);
    ctx.Add({"  ", "  "});
    ctx.Add("Лучше всего для гармоничных близких отношений  " + name);
    ctx.Add(" c родившимися в нижеприведенные даты ");
    for (const std::string& line : FavourableDates(in)) ctx.Add(line);

    ctx.Add(" ");
    ctx.Search(kWaitingFile, UnaspectedKeys(in));
    ctx.Add("Положение домов в знаках");
    ctx.Search(kWaitingFile, WaitingHousesInSignsKeys(in));
    ctx.Add("Планеты в знаках");
    ctx.Search(kWaitingFile, WaitingBodiesInSignsKeys(in, man));
    ctx.Add("Планеты  в домах");
    ctx.Search(kWaitingFile, WaitingBodiesInHousesKeys(in));
    ctx.Add({"Управители домов  в домах ", " "});
    ctx.Search(kWaitingFile, WaitingRulersInHousesKeys(in));
}

// --- Coverage ------------------------------------------------------------------------------

namespace {

void Append(std::vector<SectionKey>& to, const std::vector<SectionKey>& keys) {
    for (const auto& k : keys)
        if (std::find(to.begin(), to.end(), k) == to.end()) to.push_back(k);
}

// Every body at one longitude, houses of 30 degrees from `ascendant`.
ReportInputs AllAt(double longitude, double ascendant) {
    ReportInputs in;
    in.first.bodies.fill(longitude);
    for (int h = 1; h <= 12; ++h) in.first.cusps[h] = std::fmod(ascendant + 30 * (h - 1), 360.0);
    return in;
}

} // namespace

std::vector<FileKeys> PossiblePartnerWaitingKeys() {
    std::vector<SectionKey> keys;
    for (int j = 1; j <= 10; ++j) {
        ReportInputs in = AllAt(0, 0);
        in.first.bodies[j] = 25; // within Mercury's and Venus's reach of the Sun
        Append(keys, UnaspectedKeys(in));
    }
    for (int rotation = 0; rotation < 12; ++rotation)
        for (int s = 0; s < 12; ++s) {
            const ReportInputs in = AllAt(30 * s + 15, 30 * rotation + 15);
            Append(keys, WaitingHousesInSignsKeys(in));
            Append(keys, WaitingBodiesInSignsKeys(in, true));
            Append(keys, WaitingBodiesInSignsKeys(in, false));
            Append(keys, WaitingBodiesInHousesKeys(in));
            Append(keys, WaitingRulersInHousesKeys(in));
        }
    return {{kWaitingFile, keys}};
}

} // namespace omvera
