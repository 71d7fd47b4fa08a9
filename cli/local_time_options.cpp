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
    "Местное время вместо --date и --time:\n"
    "  --local-date Д.М.ГГГГ  местная дата события\n"
    "  --local-time Ч:М       местное время события по часам\n"
    "  --old-style            местная дата записана по старому (юлианскому) стилю, как в\n"
    "                         России до 31.1.1918 (отстаёт на 12 дней в 1880–1900, затем на 13)\n"
    "  --place ГОРОД          город из атласа (см. omvera-cli place), по-русски, латиницей\n"
    "                         или старым названием; для тёзок — «ГОРОД, РЕГИОН» или «ГОРОД,\n"
    "                         СТРАНА»; задаёт часовой пояс и, если не даны --lat/--lon, место\n"
    "  --zone ЗОНА            часовой пояс («Europe/Moscow») вместо --place; нужны --lat и\n"
    "                         --lon в записи формы: градусы.минуты\n"
    "  --offset +Ч[:М]        смещение местных часов к востоку от Гринвича, важнее пояса\n"
    "  --reading 1|2          какое показание взять, когда часы переводили назад (время было\n"
    "                         дважды: 1 — раннее) или вперёд (такого времени не было: 1 — по\n"
    "                         часам до перевода, 2 — после)\n";

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
