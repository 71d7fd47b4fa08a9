#include "cli/batch_charts.h"

#include "app/aspect_table.h"
#include "app/chart_commands.h"
#include "app/chart_state.h"
#include "app/report_commands.h"
#include "app/state.h"
#include "aspects/points.h"
#include "astro/chart.h"
#include "astro/names.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/json_line.h"
#include "drawing/recording_canvas.h"
#include "input/chart_kind.h"
#include "input/settings_forms.h"
#include "reports/text_cache.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>
#include <thread>

namespace omvera::cli {
namespace {

// The reports a single chart makes, with the chart kind their chart command sets.
struct BatchReport {
    const char* name;
    ChartKindId chartKind;
};
constexpr BatchReport kReports[] = {
    {"natal", ChartKindId::Radix},
    {"child", ChartKindId::RadixChild},
    {"waiting", ChartKindId::SynastryWaiting},
};

// The messages of the shared option parsers start with the command's name; an error line
// names its record instead.
std::string WithoutCommand(std::string_view message) {
    constexpr std::string_view prefix = "batch: ";
    if (message.starts_with(prefix)) message.remove_prefix(prefix.size());
    return std::string(message);
}

const std::string& Required(const BatchRecord& r, BatchField f) {
    const std::string* v = r.Get(f);
    if (!v) throw Error(std::string("нет поля «") + kBatchFieldNames[static_cast<int>(f)] + "»");
    return *v;
}

// The point and sign names with their lengths, measured once.
template <std::size_t N>
std::array<std::string_view, N> Views(const std::array<const char*, N>& names) {
    std::array<std::string_view, N> views;
    for (std::size_t i = 0; i < N; ++i) views[i] = names[i];
    return views;
}
const auto kPointNames = Views(PointNames);
const auto kSignNames = Views(SignNames);

// Opens a record's line with what every line carries: its input line and, when given, its name.
void BeginRecordLine(JsonLine& j, const BatchRecord& r) {
    j.BeginObject();
    j.Key("line");
    j.Integer(r.line);
    if (const std::string* name = r.Get(BatchField::Name)) {
        j.Key("name");
        j.String(*name);
    }
}

// A longitude's sign and degrees within it; 360 counts as 0 Aries. The sign is that of the
// longitude itself: a degree within 5e-10 of the sign's end is written 30.
void AppendPlace(JsonLine& j, double longitude) {
    double x = longitude >= 360 ? longitude - 360 : longitude < 0 ? longitude + 360 : longitude;
    int sign = 0;
    if (x >= 0 && x < 360) {
        sign = std::min(12, static_cast<int>(x / 30) + 1); // SignOf without its fmod
    } else {
        x = std::fmod(std::fmod(x, 360.0) + 360, 360.0);
        sign = SignOf(x);
    }
    j.DegreesMember("lon", longitude);
    j.NameMember("sign", kSignNames[sign]);
    j.DegreesMember("degree", x - 30.0 * (sign - 1));
}

// The report's lines as `omvera-cli report KIND` prints them: a fresh state with the form,
// the house system, the name and sex filled, the points read as the chart command reads them
// for its aspect lines, then "Интерпретация".
void BuildReport(const BatchRecord& r, const BatchReport& kind, int day, int month, int year,
                 int hour, int minute, char letter, const std::string& folder,
                 std::vector<std::string>& lines) {
    State s;
    FillChartFields(s.ID1, day, month, year, hour, minute, *r.Get(BatchField::Lat),
                    *r.Get(BatchField::Lon));
    ChooseHouseSystem(s.Dom, letter);
    if (const std::string* name = r.Get(BatchField::Name)) s.ID1.Edit1 = *name;
    if (const std::string* sex = r.Get(BatchField::Sex)) s.ID1.SetMan(*sex == "M");
    s.ProgramFolder = folder;
    s.ChartKind = kind.chartKind;
    ReadChartInput(s, 1); // as the chart command's drawing has left it
    AspectRows rows;
    ReadAspectTable(s, rows.count, rows.angles);
    PointIncluded included{};
    for (int p = 1; p <= kPointCount; ++p) RefreshPoint(s, p, included);
    RecordingCanvas image1, prosm, aspq;
    ChartCanvases canvases{image1, prosm, aspq};
    Button4Click(s, canvases);
    lines.swap(s.Form1.RichEdit1Lines);
}

// The common case of the date and time options read without allocating: N groups of digits
// separated by `sep`, group i lo[i]..hi[i] digits long. False when the text is not so; the
// option's own parser then reads it or says what is wrong.
template <int N>
bool DigitGroups(std::string_view text, char sep, const int (&lo)[N], const int (&hi)[N],
                 int (&values)[N]) {
    size_t pos = 0;
    for (int i = 0; i < N; ++i) {
        if (i > 0) {
            if (pos == text.size() || text[pos] != sep) return false;
            ++pos;
        }
        int value = 0, length = 0;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++length) {
            if (length == hi[i]) return false;
            value = value * 10 + (text[pos] - '0');
        }
        if (length < lo[i]) return false;
        values[i] = value;
    }
    return pos == text.size();
}

// A latitude or longitude field read as the chart form reads it, when the form would have
// nothing to say about it: a plain number (blanks around it allowed) within ±limit. Zero is
// left to the form, which tells a typed zero from a number too large to read.
std::optional<double> PlainCoordinate(const std::string& text, double limit) {
    const size_t end = LeadingNumberEnd(text);
    if (end == 0 || text.find_first_not_of(" \t", end) != std::string::npos) return std::nullopt;
    const double value = LeadingNumber(text);
    if (value == 0 || !(std::fabs(value) <= limit)) return std::nullopt;
    return value;
}

} // namespace

BatchAspectSettings DesignAspectSettings() {
    State s;
    ReadChartInput(s, 1);
    BatchAspectSettings a;
    ReadAspectTable(s, a.rows.count, a.rows.angles);
    for (int p = 1; p <= kPointCount; ++p) RefreshPoint(s, p, a.included);
    a.orbs = s.PointOrbs;
    return a;
}

BatchCharts::BatchCharts(const BatchAspectSettings& aspects, std::string programFolder)
    : aspects_(aspects), programFolder_(std::move(programFolder)) {}

bool BatchCharts::AppendLine(const BatchRecord& r, std::string& out) {
    const size_t mark = out.size();
    std::string message = r.error;
    if (message.empty()) {
        try {
            AppendChart(r, out);
            return true;
        } catch (const std::exception& e) {
            message = WithoutCommand(e.what());
        }
    }
    out.resize(mark);
    JsonLine j(out);
    BeginRecordLine(j, r);
    j.Key("error");
    j.String(message);
    j.EndObject();
    out += '\n';
    return false;
}

void BatchCharts::AppendChart(const BatchRecord& r, std::string& out) {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    const std::string& date = Required(r, BatchField::Date);
    const std::string& time = Required(r, BatchField::Time);
    int d[3], t[2];
    if (DigitGroups(date, '.', {1, 1, 4}, {2, 2, 4}, d) && d[0] >= 1 && d[0] <= 31 && d[1] >= 1 &&
        d[1] <= 12 && d[2] >= 1880 && d[2] <= 2050) {
        day = d[0], month = d[1], year = d[2];
    } else {
        ParseDateOption(date, "batch", day, month, year); // says what is wrong
    }
    if (DigitGroups(time, ':', {1, 1}, {2, 2}, t) && t[0] <= 23 && t[1] <= 60) {
        hour = t[0], minute = t[1];
    } else {
        ParseTimeOption(time, "batch", hour, minute);
    }
    const std::string& lat = Required(r, BatchField::Lat);
    const std::string& lon = Required(r, BatchField::Lon);
    char letter = 'P';
    if (const std::string* h = r.Get(BatchField::Houses)) {
        if (h->size() != 1 || HouseSystemCaption((*h)[0])[0] == '\0')
            throw Error("неизвестная система домов «" + *h + "» (одна из P, K, A, M, S, L)");
        letter = (*h)[0];
    }
    if (const std::string* sex = r.Get(BatchField::Sex); sex && *sex != "M" && *sex != "F")
        throw Error("поле «sex» ждёт M или F, а не «" + *sex + "»");
    const BatchReport* report = nullptr;
    if (const std::string* kind = r.Get(BatchField::Report)) {
        for (const BatchReport& k : kReports)
            if (*kind == k.name) report = &k;
        if (!report)
            throw Error("отчёт «" + *kind + "» в пакете не строится (natal, child, waiting)");
    }

    // The parsed date and time lie within the form's fields, so a chart with plain
    // coordinates is read without the form; anything the form warns about goes through it.
    warnings_.clear();
    ChartMoment moment;
    const std::optional<double> latitude = PlainCoordinate(lat, 90);
    const std::optional<double> longitude = PlainCoordinate(lon, 180);
    if (latitude && longitude) {
        moment = ChartMoment{static_cast<double>(year),
                             static_cast<double>(month),
                             static_cast<double>(day),
                             static_cast<double>(hour),
                             static_cast<double>(minute),
                             *latitude,
                             *longitude};
    } else {
        FillChartFields(form_, day, month, year, hour, minute, lat, lon);
        moment = MomentOf(form_, warnings_);
    }
    const Chart chart = ComputeChart(moment, static_cast<HouseSystem>(letter));
    if (!chart.housesDefined)
        warnings_.push_back(UndefinedHouseSystemMessage(letter, moment.latitude));
    ChartMoment folded = moment;
    FoldTimeIntoDay(folded);

    // The report first: when its texts cannot be read the record is an error line.
    report_.clear();
    if (report)
        BuildReport(r, *report, day, month, year, hour, minute, letter, programFolder_, report_);

    JsonLine j(out);
    BeginRecordLine(j, r);
    j.Key("jd");
    j.Number(JulianDay(folded.day, folded.month, folded.year));
    j.Key("house_system");
    j.String(std::string_view(&letter, 1));
    j.Key("bodies");
    j.BeginArray();
    for (int n = 1; n <= kBodyCount; ++n) {
        j.BeginObject();
        j.NameMember("name", kPointNames[n]);
        AppendPlace(j, chart.bodies[n]);
        j.EndObject();
    }
    j.EndArray();
    j.Key("cusps");
    j.BeginArray();
    for (int q = 1; q <= 12; ++q) {
        j.BeginObject();
        j.Key("house");
        j.Integer(q);
        AppendPlace(j, chart.cusps[q]);
        j.EndObject();
    }
    j.EndArray();

    PointLongitudes points{};
    for (int p = 1; p <= kPointCount; ++p) points[p] = chart.Point(p);
    j.Key("aspects");
    j.BeginArray();
    ScanChartAspectPairs(
        points, aspects_.included, aspects_.orbs, aspects_.rows, [&](int p, int q, int k) {
            const double angle = aspects_.rows.angles[k];
            j.BeginObject();
            j.NameMember("p1", kPointNames[p]);
            j.NameMember("p2", kPointNames[q]);
            j.DegreesMember("angle", angle);
            j.DegreesMember("orb", std::fabs(Separation(points[p], points[q]) - angle));
            j.EndObject();
        });
    j.EndArray();
    if (!warnings_.empty()) {
        j.Key("warnings");
        j.BeginArray();
        for (const std::string& w : warnings_) j.String(w);
        j.EndArray();
    }
    if (report) {
        j.Key("report");
        j.BeginArray();
        for (const std::string& line : report_) j.String(line);
        j.EndArray();
    }
    j.EndObject();
    out += '\n';
}

BatchTotals RunBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
    // Big enough that starting the workers costs nothing beside the block (about 20 ms of
    // work), small enough that lines come out steadily from a long input and that the block's
    // lines (about 3 MB) stay in the cache on their way out.
    constexpr size_t kBlock = 1024;
    const int threads = std::max(1, options.threads);
    const BatchAspectSettings aspects = DesignAspectSettings();
    TextFileCache texts;
    BatchReader reader(in, options.format);
    std::vector<BatchCharts> workers;
    for (int t = 0; t < threads; ++t) workers.emplace_back(aspects, options.programFolder);
    std::vector<std::string> buffers(threads);
    std::vector<long> failed(threads);
    std::vector<BatchRecord> block(kBlock);
    BatchTotals totals;
    while (true) {
        size_t count = 0;
        while (count < kBlock && reader.Next(block[count])) ++count;
        if (count == 0) break;
        // Worker t takes the t-th contiguous share, so joining the buffers keeps input order.
        const size_t share = (count + threads - 1) / threads;
        auto work = [&](int t) {
            buffers[t].clear();
            failed[t] = 0;
            const size_t end = std::min(count, (t + 1) * share);
            for (size_t i = t * share; i < end; ++i)
                if (!workers[t].AppendLine(block[i], buffers[t])) ++failed[t];
        };
        if (threads == 1 || count < 2 * static_cast<size_t>(threads)) {
            for (int t = 0; t < threads; ++t) work(t);
        } else {
            std::vector<std::jthread> running;
            for (int t = 1; t < threads; ++t) running.emplace_back(work, t);
            work(0);
        }
        for (int t = 0; t < threads; ++t) {
            out.write(buffers[t].data(), static_cast<std::streamsize>(buffers[t].size()));
            totals.failed += failed[t];
        }
        out.flush();
        totals.charts += static_cast<long>(count);
        if (count < kBlock) break;
    }
    return totals;
}

} // namespace omvera::cli
