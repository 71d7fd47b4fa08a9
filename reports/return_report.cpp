#include "reports/return_report.h"

#include "astro/names.h"
#include "base/numbers.h"

#include <cmath>

namespace omvera {
namespace {

constexpr double kOneMillisecond = 1.0 / 86400000.0;

// A whole number as the progression lines write it: no leading zeros, no decimals.
std::string Whole(double v) {
    return std::to_string(TruncateToInteger(v));
}

double JulianDayOf(const ChartMoment& m) {
    return JulianDay(std::trunc(m.day) + m.hour / 24 + m.minute / 1440, m.month, m.year);
}

// "3.4.2001   ": the date of a Julian day and three blanks.
std::string DateText(double jd) {
    const CalendarDate c = CalendarFromJulianDay(jd + kOneMillisecond);
    return Whole(std::trunc(c.day)) + "." + Whole(c.month) + "." + Whole(c.year) + "   ";
}

// The progression test: the angle lies within one step of the separation, bounds included.
bool WithinStep(double separation, double step, double angle) {
    const double m = std::fabs(step);
    return separation - m <= angle && angle <= separation + m;
}

} // namespace

ChartMoment DayAfterReturn(const ChartMoment& m) {
    const CalendarDate c = CalendarFromJulianDay(JulianDayOf(m) + 1 + kOneMillisecond);
    ChartMoment next = m;
    next.year = std::trunc(c.year);
    next.month = std::trunc(c.month);
    next.day = std::trunc(c.day);
    return next;
}

BodyArray ProgressionSteps(const BodyArray& atReturn, const BodyArray& dayAfter) {
    BodyArray step{};
    for (int k = 1; k <= 16; ++k) {
        double motion = dayAfter[k] - atReturn[k];
        if (motion < -20) motion += 360;
        // A body moving backwards across 0 degrees during the day (the nodes, a retrograde
        // planet): without this it would seem to race once round the zodiac.
        if (motion > 20) motion -= 360;
        step[k] = motion / 365;
    }
    return step;
}

std::vector<std::string> ProgressionLines(const BodyArray& radix, const BodyArray& atReturn,
                                          const BodyArray& dayAfter,
                                          const ChartMoment& returnMoment) {
    // Separation (aspects/points.h) is the plain difference or 360 minus it; the progressed
    // longitudes are not brought into 0..360 first.
    const BodyArray step = ProgressionSteps(atReturn, dayAfter);
    const double J = JulianDayOf(returnMoment);
    std::vector<std::string> lines;
    BodyArray P{};
    for (int i = 2; i <= 365; ++i) {
        // The date runs one day ahead of the factor: 3..366 days after the return.
        const std::string date = DateText(J + 1 + i);
        for (int k = 1; k <= 16; ++k) P[k] = atReturn[k] + i * step[k];
        for (int j = 1; j <= 16; ++j)
            for (int k = 1; k <= 16; ++k) {
                const double sep = Separation(radix[j], P[k]);
                for (const AspectKey& a : ProgressionAspects)
                    if (WithinStep(sep, step[k], a.angle))
                        lines.push_back(date + " Прогрессивн. " + PointNames[k] + " " + a.key +
                                        "  к радиксной " + PointNames[j]);
            }
        for (int j = 1; j <= 16; ++j)
            for (int k = 1; k <= 11; ++k) {
                const double sep = Separation(atReturn[j], P[k]);
                for (const AspectKey& a : ProgressionAspects)
                    if (WithinStep(sep, step[k], a.angle))
                        lines.push_back(date + " Прогрессивн. " + PointNames[k] + " " + a.key +
                                        "  к Солярной " + PointNames[j]);
            }
    }
    return lines;
}

std::vector<std::string> ProgressedAspectList(const ReportInputs& in) {
    const BodyArray dayAfter = ComputeBodies(DayAfterReturn(in.second.moment));
    return ProgressionLines(in.first.bodies, in.second.bodies, dayAfter, in.second.moment);
}

int RadixHouseOfReturnCusp(double cusp, const CuspArray& radixCusps) {
    const int house = HouseOf(cusp, radixCusps, false);
    return house != 0 ? house : HouseOf(cusp, radixCusps, true);
}

std::vector<SectionKey> ReturnAscSignKeys(const ReportInputs& in) {
    return {{"Асц", SignNamesLocative[SignOf(in.second.cusps[1])]}};
}

std::vector<SectionKey> ReturnHousesInRadixKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int m = 1; m <= 12; ++m) {
        const int h = RadixHouseOfReturnCusp(in.second.cusps[m], in.first.cusps);
        if (h == 0) continue;
        keys.push_back({m == 1 ? "Асц" : RomanHouseKeys[m], RomanColonKeys[h]});
    }
    return keys;
}

std::vector<SectionKey> ReturnPlanetsInHousesKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int b = 1; b <= 16; ++b) {
        const int h = HouseOf(in.second.bodies[b], in.second.cusps);
        if (h == 0) continue;
        keys.push_back({UpperCaseBodyNames[b], RomanHouseKeys[h]});
    }
    return keys;
}

std::vector<SectionKey> PlanetReturnKeys(const ReportInputs& in) {
    std::vector<SectionKey> keys;
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 10; ++j)
            if (Separation(in.first.bodies[i], in.second.bodies[j]) < 6)
                keys.push_back({GenitiveNames[j], GenitiveColonNames[i]});
    return keys;
}

std::span<const ReportGroup> ReturnGroups(ReturnKind kind) {
    static const char* const kPlanetReturnsTitle =
        "Возвращение планет  на свое или на место другой планеты ";
    static const std::vector<ReportGroup> solar = {
        {ProgressedAspectList, {}, nullptr, nullptr},
        {nullptr,
         {"  ", "  ", "Положение Асц в знаках зодиака", "  "},
         "\\Dann\\CO\\AscZnCo.txt",
         ReturnAscSignKeys},
        {nullptr,
         {"  ", "  ", "Положение Домов СО в домах радикса", "  "},
         "\\Dann\\CO\\DomDomCo.txt",
         ReturnHousesInRadixKeys},
        {nullptr,
         {"  ", "  ", "Положение Планет Соляра в домах", "  "},
         "\\Dann\\CO\\PLDomCO.txt",
         ReturnPlanetsInHousesKeys},
        {nullptr,
         {" ", " ", kPlanetReturnsTitle, " ", " "},
         "\\Dann\\CO\\PlanPlan.txt",
         PlanetReturnKeys},
    };
    static const std::vector<ReportGroup> lunar = {
        {nullptr,
         {"  ", "  ", "Положение Асц в знаках зодиака", "  "},
         "\\Dann\\LO\\AscZnLo.txt",
         ReturnAscSignKeys},
        {nullptr,
         {"  ", "  ", "Положение Домов Лунара в домах радикса", "  "},
         "\\Dann\\LO\\DomDomLo.txt",
         ReturnHousesInRadixKeys},
        {nullptr,
         {"  ", "  ", "Положение Планет Лунара в домах", "  "},
         "\\Dann\\LO\\PLDomLo.txt",
         ReturnPlanetsInHousesKeys},
        {nullptr,
         {" ", " ", kPlanetReturnsTitle, " ", " "},
         "\\Dann\\LO\\PlanPlanLo.txt",
         PlanetReturnKeys},
    };
    return kind == ReturnKind::Solar ? solar : lunar;
}

void ReturnReport(ReportContext& ctx, const ReportInputs& in, ReturnKind kind) {
    RunGroups(ctx, in, ReturnGroups(kind));
}

} // namespace omvera
