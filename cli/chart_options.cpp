#include "cli/chart_options.h"

#include "app/state.h"
#include "base/data_path.h"
#include "base/numbers.h"
#include "cli/local_time_options.h"
#include "input/settings_forms.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace omvera::cli {
namespace {

int InRange(const std::string& digits, int lo, int hi, const std::string& what,
            const std::string& arg) {
    const auto v = ParseInteger(digits);
    if (!v || *v < lo || *v > hi)
        throw UsageError(what + " вне пределов " + std::to_string(lo) + ".." + std::to_string(hi) +
                         " в «" + arg + "»");
    return static_cast<int>(*v);
}

// The text as groups of digits separated by `sep`, group i being lengths[i].first to
// lengths[i].second digits long; empty when it is not so.
std::vector<std::string> DigitGroups(const std::string& text, char sep,
                                     const std::vector<std::pair<size_t, size_t>>& lengths) {
    std::vector<std::string> groups;
    size_t start = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        const size_t end = i + 1 < lengths.size() ? text.find(sep, start) : text.size();
        if (end == std::string::npos) return {};
        std::string g = text.substr(start, end - start);
        if (g.size() < lengths[i].first || g.size() > lengths[i].second) return {};
        for (char c : g)
            if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        groups.push_back(std::move(g));
        start = end + 1;
    }
    return groups;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

void ParseDateOption(const std::string& text, const std::string& command, int& day, int& month,
                     int& year) {
    const std::string p = command + ": ";
    const auto m = DigitGroups(text, '.', {{1, 2}, {1, 2}, {4, 4}});
    if (m.empty()) throw UsageError(p + "дата «" + text + "» не в виде Д.М.ГГГГ");
    day = InRange(m[0], 1, 31, p + "день", text);
    month = InRange(m[1], 1, 12, p + "месяц", text);
    year = InRange(m[2], 1880, 2050, p + "год", text);
}

void ParseTimeOption(const std::string& text, const std::string& command, int& hour, int& minute) {
    const std::string p = command + ": ";
    const auto m = DigitGroups(text, ':', {{1, 2}, {1, 2}});
    if (m.empty()) throw UsageError(p + "время «" + text + "» не в виде Ч:М");
    hour = InRange(m[0], 0, 23, p + "час", text);
    minute = InRange(m[1], 0, 60, p + "минута", text);
}

int ParseNumberOption(const std::string& text, int lo, int hi, const std::string& command,
                      const std::string& what) {
    return InRange(text, lo, hi, command + ": " + what, text);
}

const char* const kChartOptionsHelp =
    "  --date Д.М.ГГГГ  день 1..31, месяц 1..12, год 1880..2050\n"
    "  --time Ч:М       время по Гринвичу: час 0..23, минута 0..60\n"
    "  --lat ТЕКСТ      широта в градусах, северная положительна, как в поле формы («56.01»);\n"
    "                   берётся начальное число, цифры после точки — его дробная часть\n"
    "  --lon ТЕКСТ      долгота в градусах, восточная положительна, как в поле формы («92.45»)\n"
    "  --houses БУКВА   система домов: P Плацидус (по умолчанию), K Кох, A равнодомные\n"
    "                   от АСЦ, M равнодомные от МС, S равнодомные от Солнца, L равнодомные\n"
    "                   от Луны\n"
    "  --place ГОРОД    город из атласа: его широта и долгота (см. ниже)\n"
    "Местное время вместо --date и --time:\n"
    "  --local-date Д.М.ГГГГ, --local-time Ч:М  местные дата и время по часам; вместе с\n"
    "                   --place ГОРОД, или --zone ЗОНА («Europe/Moscow») и --lat/--lon,\n"
    "                   или --offset +Ч[:М]; --old-style — дата по старому стилю (до\n"
    "                   1.2.1918); --reading 1|2 — при переводе часов (см. omvera-cli place\n"
    "                   --help)\n";

ChartOptions ParseChartOptions(const Args& args, const std::string& command,
                               const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& flagOptions,
                               const std::vector<std::string>& repeatableOptions) {
    const std::string p = command + ": ";
    ChartOptions out;
    std::optional<std::string> date, time, lat, lon, houses;
    LocalTimeOptions local;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        if (a == kOldStyleOption) {
            local.oldStyle = true;
            continue;
        }
        if (Contains(flagOptions, a)) {
            out.flags.insert(a);
            continue;
        }
        if (Contains(repeatableOptions, a)) {
            if (i + 1 >= args.size()) throw UsageError(p + "у параметра " + a + " нет значения");
            out.repeated.emplace_back(a, args[++i]);
            continue;
        }
        std::optional<std::string>* target = nullptr;
        std::optional<std::string> own;
        const bool isOwn = Contains(valueOptions, a);
        if (a == "--date")
            target = &date;
        else if (a == "--time")
            target = &time;
        else if (a == "--lat")
            target = &lat;
        else if (a == "--lon")
            target = &lon;
        else if (a == "--houses")
            target = &houses;
        else if (a == "--local-date")
            target = &local.date;
        else if (a == "--local-time")
            target = &local.time;
        else if (a == "--place")
            target = &local.place;
        else if (a == "--zone")
            target = &local.zone;
        else if (a == "--reading")
            target = &local.reading;
        else if (a == "--offset")
            target = &local.offset;
        else if (isOwn)
            target = &own;
        else
            throw UsageError(p + "неизвестный параметр «" + a + "» (см. omvera-cli " + command +
                             " --help)");
        if (i + 1 >= args.size()) throw UsageError(p + "у параметра " + a + " нет значения");
        if (target->has_value() || (isOwn && out.values.count(a)))
            throw UsageError(p + "параметр " + a + " задан дважды");
        *target = args[++i];
        if (isOwn) out.values[a] = *own;
    }
    if (local.Local() && (date || time))
        throw UsageError(p + "задайте либо --date и --time (по Гринвичу), либо --local-date и "
                             "--local-time");
    if (!local.Local()) {
        if (!date) throw UsageError(p + "нужен параметр --date Д.М.ГГГГ");
        if (!time) throw UsageError(p + "нужен параметр --time Ч:М");
    }
    if (local.Any()) {
        const auto folder = out.values.find("--folder");
        ApplyLocalTimeOptions(local, command,
                              folder != out.values.end() ? folder->second : CurrentFolder(), lat,
                              lon, out);
    }
    if (!lat) throw UsageError(p + "нужен параметр --lat");
    if (!lon) throw UsageError(p + "нужен параметр --lon");

    if (!local.Local()) {
        ParseDateOption(*date, command, out.day, out.month, out.year);
        ParseTimeOption(*time, command, out.hour, out.minute);
    }
    out.lat = *lat;
    out.lon = *lon;
    if (houses) {
        if (houses->size() != 1 || HouseSystemCaption((*houses)[0])[0] == '\0')
            throw UsageError(p + "неизвестная система домов «" + *houses +
                             "» (одна из P, K, A, M, S, L)");
        out.houses = (*houses)[0];
    }
    return out;
}

void FillChartFields(ChartForm& form, int day, int month, int year, int hour, int minute,
                     const std::string& lat, const std::string& lon) {
    form.SpinEdit1.SetValue(year);
    form.SetMonthIndex(month - 1);
    form.SpinEdit2.SetValue(day);
    form.SpinEdit3.SetValue(hour);
    form.SpinEdit4.SetValue(minute);
    form.Edit2 = lat;
    form.Edit3 = lon;
}

void FillFirstChartForm(State& s, const ChartOptions& o) {
    FillChartFields(s.ID1, o.day, o.month, o.year, o.hour, o.minute, o.lat, o.lon);
    ChooseHouseSystem(s.Dom, o.houses);
}

} // namespace omvera::cli
