// ComputeBody: one body of the chart moment into BodyPositions.
#include "app/state.h"
#include "astro/angles.h"
#include "astro/engine.h"
#include "astro/hypothetical_points.h"
#include "astro/moon.h"
#include "astro/osculating.h"
#include "astro/planets.h"
#include "astro/sun.h"

namespace omvera {

void ComputeBody(State& state, int n) {
    ChartMoment& m = state.moment;
    FoldTimeIntoDay(m);
    const double T = CenturiesSince1900(m.day, m.month, m.year);
    auto& slot = state.BodyPositions;
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

} // namespace omvera
