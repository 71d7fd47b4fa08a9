// Bodies 1..16 of a chart moment, and a whole chart with its cusps.
#include "astro/angles.h"
#include "astro/chart.h"
#include "astro/hypothetical_points.h"
#include "astro/moon.h"
#include "astro/osculating.h"
#include "astro/perturbations.h"
#include "astro/planets.h"
#include "astro/sun.h"

namespace omvera {

void ComputeBodyInto(const ChartMoment& m, int n, BodyArray& slot) {
    const double T = CenturiesSince1900(m.day, m.month, m.year);
    switch (n) {
    case Sun:
        slot[n] = NormalizeDegrees(SunPosition(T).trueLongitude);
        break;
    case Moon: {
        const MoonPlace moon = MoonPosition(T);
        slot[Moon] = moon.longitude;
        slot[AscendingNode] = moon.ascendingNode;
        slot[DescendingNode] = moon.descendingNode;
        break;
    }
    case Mercury:
    case Venus:
    case Mars:
    case Jupiter:
    case Saturn:
    case Uranus:
    case Neptune:
        slot[n] = PlanetLongitude(n, T);
        break;
    case Pluto:
        slot[n] = OsculatingLongitude(kPlutoElements, JulianDay(m.day, m.month, m.year));
        break;
    case Chiron:
        slot[n] = OsculatingLongitude(kChironElements, JulianDay(m.day, m.month, m.year));
        break;
    case Proserpina:
        slot[n] = ProserpinaLongitude(m.year, m.month);
        break;
    case Selena:
        slot[n] = SelenaLongitude(m.year, m.month, m.day);
        break;
    case Lilith:
        slot[n] = LilithLongitude(m.year, m.month, m.day);
        break;
    default:
        break; // the nodes come with the Moon; other numbers compute nothing
    }
}

BodyArray ComputeBodies(const ChartMoment& moment) {
    ChartMoment m = moment;
    FoldTimeIntoDay(m);
    return ComputeFoldedBodies(m);
}

BodyArray ComputeFoldedBodies(const ChartMoment& m) {
    // One Sun, one set of perturbation arguments and one Julian day for the whole chart; each
    // body takes exactly the values ComputeBodyInto would compute for it alone.
    const double jd = JulianDay(m.day, m.month, m.year);
    const double T = CenturiesSince1900(m.day, m.month, m.year);
    const SunPlace sun = SunPosition(T);
    const PerturbationArguments args(T);
    BodyArray slot{};
    slot[Sun] = NormalizeDegrees(sun.trueLongitude);
    const MoonPlace moon = MoonPosition(T);
    slot[Moon] = moon.longitude;
    slot[AscendingNode] = moon.ascendingNode;
    slot[DescendingNode] = moon.descendingNode;
    for (int n = Mercury; n <= Neptune; ++n) slot[n] = PlanetLongitude(n, sun, args);
    slot[Pluto] = OsculatingLongitude(kPlutoElements, jd);
    slot[Chiron] = OsculatingLongitude(kChironElements, jd);
    slot[Proserpina] = ProserpinaLongitude(m.year, m.month);
    slot[Selena] = SelenaLongitude(m.year, m.month, m.day);
    slot[Lilith] = LilithLongitude(m.year, m.month, m.day);
    return slot;
}

Chart ComputeChart(const ChartMoment& moment, HouseSystem system) {
    Chart chart;
    chart.moment = moment;
    chart.bodies = ComputeBodies(moment);
    const char letter = static_cast<char>(system);
    const double sunOrMoon = letter == 'L' ? chart.bodies[Moon] : chart.bodies[Sun];
    chart.housesDefined = ComputeCusps(moment, letter, sunOrMoon, chart.cusps);
    return chart;
}

} // namespace omvera
