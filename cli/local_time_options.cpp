#include "cli/local_time_options.h"

#include "base/data_path.h"
#include "input/atlas.h"
#include "input/local_time.h"

namespace omvera::cli {
namespace {

std::string Describe(const ClockReading& r) {
    const CivilDateTime g = CivilOf(r.universal);
    const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(g.day) + "." + two(g.month) + "." + std::to_string(g.year) + " " +
           std::to_string(g.hour) + ":" + two(g.minute) + " по Гринвичу, " +
           FormatOffset(r.offset) + (r.abbreviation.empty() ? "" : " " + r.abbreviation) + ", " +
           r.reason;
}

} // namespace

bool IsLocalTimeValueOption(const std::string& n) {
    return n == "--local-date" || n == "--local-time" || n == "--place" || n == "--zone" ||
           n == "--reading" || n == "--offset";
}

const char* const kLocalTimeOptionsHelp =
    "Local time instead of --date and --time:\n"
    "  --local-date D.M.YYYY  the local date of the event\n"
    "  --local-time H:M       the local clock time of the event\n"
    "  --old-style            the local date is written in the old (Julian) style, as in\n"
    "                         Russia until 31.1.1918 (12 days behind in 1880-1900, 13 after)\n"
    "  --place NAME           a town of the atlas (see omvera-cli place), Russian, Latin or\n"
    "                         an old name; \"NAME, REGION\" or \"NAME, COUNTRY\" for namesakes;\n"
    "                         gives the zone and, unless --lat/--lon are given, the place\n"
    "  --zone NAME            a time zone (\"Europe/Moscow\") instead of --place; needs --lat\n"
    "                         and --lon, in the form's notation degrees.minutes\n"
    "  --offset +H[:M]        the local clock's offset east of Greenwich, overriding the zone\n"
    "  --reading 1|2          which reading to take when clocks were put back (the time\n"
    "                         happened twice: 1 the earlier) or forward (it never happened:\n"
    "                         1 by the clock before the change, 2 after)\n";

void ApplyLocalTimeOptions(const LocalTimeOptions& o, const std::string& command,
                           const std::string& folder, std::optional<std::string>& lat,
                           std::optional<std::string>& lon, ChartOptions& out) {
    const std::string p = command + ": ";
    if (o.place && o.zone) throw UsageError(p + "--place и --zone вместе не задаются");
    if (!o.Local() && (o.zone || o.reading || o.offset || o.oldStyle))
        throw UsageError(p + "--zone, --offset, --reading и --old-style нужны только с "
                             "--local-date и --local-time");
    double longitude = 0;
    std::string countryCode;
    std::string zoneName;
    if (o.place) {
        const Atlas atlas = Atlas::LoadSystem(DataPath(folder, "\\Dann\\Atlas.TXT"));
        const auto found = atlas.Find(*o.place, 1);
        if (found.empty())
            throw UsageError(p + "место «" + *o.place +
                             "» не найдено в атласе (см. omvera-cli place)");
        const Place& place = *found[0].place;
        if (!lat) lat = FormNotation(place.latitude);
        if (!lon) lon = FormNotation(place.longitude);
        zoneName = place.zone;
        countryCode = place.countryCode;
        longitude = place.longitude;
    }
    if (!o.Local()) return;
    if (!o.date || !o.time)
        throw UsageError(p + "нужны оба параметра --local-date Д.М.ГГГГ и --local-time Ч:М");
    if (!o.place && !o.zone && !o.offset)
        throw UsageError(p + "для местного времени нужен --place, --zone или --offset");
    if (!lat) throw UsageError(p + "нужен параметр --lat");
    if (!lon) throw UsageError(p + "нужен параметр --lon");
    if (o.zone || (o.offset && !o.place)) {
        const auto l = DegreesOfFormNotation(*lon);
        if (!l) throw UsageError(p + "долгота «" + *lon + "» не в виде градусы.минуты");
        longitude = *l;
        zoneName = o.zone.value_or("");
    }
    CivilDateTime local;
    ParseDateOption(*o.date, command, local.day, local.month, local.year);
    ParseTimeOption(*o.time, command, local.hour, local.minute);
    if (o.oldStyle) local = NewStyleOf(local);
    int reading = 0;
    if (o.reading) reading = ParseNumberOption(*o.reading, 1, 2, command, "--reading");

    ClockReading chosen;
    if (o.offset) {
        const auto off = ParseOffset(*o.offset);
        if (!off) throw UsageError(p + "смещение «" + *o.offset + "» не в виде +Ч[:ММ]");
        chosen = ToUniversalWithOffset(local, *off);
    } else {
        const TimeZoneHistory zone = TimeZoneHistory::Load(zoneName);
        const LocalTimeResult r = ToUniversal({&zone, longitude, countryCode}, local);
        if (r.kind == LocalTimeCase::Unique) {
            chosen = r.readings[0];
        } else if (reading == 0) {
            std::string m =
                p + "местное время " + *o.date + " " + *o.time +
                (r.kind == LocalTimeCase::Ambiguous ? " было дважды (часы переводили назад)"
                                                    : " не существовало (часы переводили вперёд)") +
                "; укажите --reading 1 или 2:";
            for (std::size_t i = 0; i < r.readings.size(); ++i)
                m += "\n  " + std::to_string(i + 1) + ") " + Describe(r.readings[i]);
            throw UsageError(m);
        } else {
            chosen = r.readings[static_cast<std::size_t>(reading - 1)];
        }
    }
    const CivilDateTime g = CivilOf(chosen.universal);
    if (g.year < 1880 || g.year > 2050)
        throw UsageError(p + "дата по Гринвичу вне пределов 1880..2050");
    out.year = g.year;
    out.month = g.month;
    out.day = g.day;
    out.hour = g.hour;
    out.minute = g.minute;
}

} // namespace omvera::cli
