// The number and coordinate readers of the forms: the leading-number reading of coordinates
// and orbs, whole-text integers and reals (aspect angles with "." or ","), the coordinate
// and field warnings of the chart forms, the direction date and the lunar list lines.
// Besides not failing, the readers must agree with each other.
#include "astro/chart_moment.h"
#include "astro/directions.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "fuzz_check.h"
#include "input/chart_form.h"
#include "input/form_warnings.h"
#include "input/second_chart.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace omvera;

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

void CheckNumberReaders(const std::string& text) {
    const double leading = LeadingNumber(text);
    FUZZ_CHECK(std::isfinite(leading), "LeadingNumber of «" + text + "»");
    const size_t end = LeadingNumberEnd(text);
    FUZZ_CHECK(end <= text.size(), "LeadingNumberEnd of «" + text + "»");
    // The number ends where LeadingNumberEnd says: the text cut there reads the same.
    FUZZ_CHECK(Same(LeadingNumber(text.substr(0, end)), leading), "cut «" + text + "»");
    if (end == 0) FUZZ_CHECK(leading == 0, "no number but a value in «" + text + "»");

    // A text that is wholly a number reads as that number everywhere.
    if (const auto real = ParseReal(text, '.')) {
        FUZZ_CHECK(std::isfinite(*real), "ParseReal of «" + text + "»");
        FUZZ_CHECK(Same(*real, leading), "ParseReal and LeadingNumber of «" + text + "»");
    }
    if (const auto whole = ParseInteger(text)) {
        const auto real = ParseReal(text, '.');
        FUZZ_CHECK(real.has_value(), "an integer that is not a real: «" + text + "»");
        if (std::llabs(*whole) < (1LL << 53))
            FUZZ_CHECK(*real == static_cast<double>(*whole), "integer «" + text + "»");
    }
    // With "," as separator the same text with its points and commas swapped reads alike.
    std::string swapped = text;
    for (char& c : swapped) c = c == '.' ? ',' : c == ',' ? '.' : c;
    const auto comma = ParseReal(swapped, ',');
    const auto point = ParseReal(text, '.');
    FUZZ_CHECK(comma.has_value() == point.has_value() && (!comma || *comma == *point),
               "decimal comma of «" + swapped + "»");

    // Every finite number written with fixed decimals reads back.
    if (std::isfinite(leading)) {
        const std::string written = FormatFixed(leading, 7, 2);
        FUZZ_CHECK(ParseReal(written, '.').has_value(), "written «" + written + "»");
    }
    (void)TruncateToInteger(leading);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const std::string a = in.Text(64);
    const std::string b = in.Text(64);
    const std::string c = in.Rest();
    for (const std::string* t : {&a, &b, &c}) CheckNumberReaders(*t);

    // A chart form with typed texts in every field: reading it never fails, and every field
    // whose text is not read as typed is named in a warning.
    ChartForm form;
    form.Edit2 = a;
    form.Edit3 = b;
    form.SpinEdit1.Type(c);
    form.SpinEdit2.Type(a);
    form.SpinEdit3.Type(b);
    form.SpinEdit4.Type(c);
    std::vector<std::string> warnings;
    const ChartMoment m = MomentOf(form, warnings);
    FUZZ_CHECK(std::isfinite(m.latitude) && std::isfinite(m.longitude), "coordinates");
    FUZZ_CHECK(!warnings.empty(), "no month chosen, yet no warning");
    form.SetMonthIndex(0);
    form.SpinEdit1.SetValue(1980);
    form.SpinEdit2.SetValue(1);
    form.SpinEdit3.SetValue(0);
    form.SpinEdit4.SetValue(0);
    // A coordinate reads as typed when, blanks and tabs around it aside, it is wholly a number
    // within its range.
    auto asTyped = [](const std::string& text, double limit) {
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) return false;
        const std::string t = text.substr(first, text.find_last_not_of(" \t") - first + 1);
        const auto v = ParseReal(t, '.');
        return v && std::fabs(*v) <= limit;
    };
    // Each coordinate alone: warned about exactly when it is not read as typed.
    form.Edit2 = a;
    form.Edit3 = "0";
    FUZZ_CHECK(UnreadableFormInput(form, kFirstChartFormName).empty() == asTyped(a, 90),
               "warnings for the latitude «" + a + "»");
    form.Edit2 = "0";
    form.Edit3 = b;
    FUZZ_CHECK(UnreadableFormInput(form, kFirstChartFormName).empty() == asTyped(b, 180),
               "warnings for the longitude «" + b + "»");

    try {
        const CalendarDay d = ParseDirectionDate(c);
        FUZZ_CHECK(d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31,
                   "direction date «" + c + "»");
    } catch (const Error&) {
    }

    SecondChartForm second;
    LoadLunarListLine(c, second);
    for (const SpinField* f :
         {&second.SpinEdit1, &second.SpinEdit2, &second.SpinEdit3, &second.SpinEdit4})
        FUZZ_CHECK(f->Value() >= f->MinValue && f->Value() <= f->MaxValue, "lunar list line");
    return 0;
}
