#include "cli/second_chart_options.h"

#include "app/state.h"

namespace omvera::cli {
namespace {

const std::string* Value(const ChartOptions& o, const char* name) {
    auto it = o.values.find(name);
    return it == o.values.end() ? nullptr : &it->second;
}

} // namespace

const std::vector<std::string> kReturnOptions = {"--year", "--month", "--place-lat", "--place-lon"};
const std::vector<std::string> kPartnerOptions = {"--date2", "--time2", "--lat2", "--lon2",
                                                  "--name2"};

const char* const kReturnOptionsHelp =
    "  --year ГОД       год возвращения, 1880..2050\n"
    "  --month МЕСЯЦ    (лунар) месяц, с которого начинается поиск, 1..12\n"
    "  --place-lat ТЕКСТ, --place-lon ТЕКСТ\n"
    "                   место возвращения (по умолчанию 56.01, 92.45)\n";
const char* const kPartnerOptionsHelp =
    "  --date2 Д.М.ГГГГ, --time2 Ч:М\n"
    "                   вторая карта: момент транзита или рождение партнёра\n"
    "  --lat2 ТЕКСТ, --lon2 ТЕКСТ\n"
    "                   её место (по умолчанию 56.01, 92.45)\n"
    "  --name2 ТЕКСТ    её имя\n";

void FillReturnOptions(State& s, const ChartOptions& o, const std::string& command,
                       bool needMonth) {
    const std::string* year = Value(o, "--year");
    if (!year) throw UsageError(command + ": нужен параметр --year ГОД");
    s.ID2.SpinEdit1.SetValue(ParseNumberOption(*year, 1880, 2050, command, "год"));
    const std::string* month = Value(o, "--month");
    if (needMonth && !month) throw UsageError(command + ": нужен параметр --month МЕСЯЦ");
    if (!needMonth && month) throw UsageError(command + ": параметр --month только для лунара");
    if (month) s.ID2.SetMonthIndex(ParseNumberOption(*month, 1, 12, command, "месяц") - 1);
    if (const std::string* lat = Value(o, "--place-lat")) s.ID2.Edit2 = *lat;
    if (const std::string* lon = Value(o, "--place-lon")) s.ID2.Edit3 = *lon;
}

void FillPartnerOptions(State& s, const ChartOptions& o, const std::string& command) {
    const std::string* date = Value(o, "--date2");
    const std::string* time = Value(o, "--time2");
    if (!date || !time) throw UsageError(command + ": нужны параметры --date2 и --time2");
    int d = 0, m = 0, y = 0, h = 0, mi = 0;
    ParseDateOption(*date, command, d, m, y);
    ParseTimeOption(*time, command, h, mi);
    s.ID2.SpinEdit1.SetValue(y);
    s.ID2.SetMonthIndex(m - 1);
    s.ID2.SpinEdit2.SetValue(d);
    s.ID2.SpinEdit3.SetValue(h);
    s.ID2.SpinEdit4.SetValue(mi);
    if (const std::string* lat = Value(o, "--lat2")) s.ID2.Edit2 = *lat;
    if (const std::string* lon = Value(o, "--lon2")) s.ID2.Edit3 = *lon;
    if (const std::string* name = Value(o, "--name2")) s.ID2.Edit1 = *name;
}

} // namespace omvera::cli
