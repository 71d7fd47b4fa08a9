#include "input/form_warnings.h"

#include "base/numbers.h"
#include "input/chart_form.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace omvera {
namespace {

// The text as the message quotes it: at most 20 characters, the rest marked "…".
std::string Quoted(const std::string& text) {
    size_t pos = 0, chars = 0;
    while (pos < text.size() && chars < 20) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
        ++chars;
    }
    return "«" + text.substr(0, pos) + (pos < text.size() ? "…" : "") + "»";
}

std::string Trimmed(std::string_view text) {
    const size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    const size_t e = text.find_last_not_of(" \t");
    return std::string(text.substr(b, e - b + 1));
}

// The power of ten of a number's first significant digit ("123.4" -> 2, "0.05" -> -2,
// "1e-400" -> -400), for a number too large or too small for a double; the exponent is read
// with a cap, so no length of digits overflows it.
long DecimalExponent(const std::string& number) {
    const size_t e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        for (; i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000L);
        if (negative) exponent = -exponent;
    }
    const size_t point = mantissa.find('.');
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return exponent;
    const size_t intEnd = point == std::string::npos ? mantissa.size() : point;
    const long shift =
        first < intEnd ? static_cast<long>(intEnd - first - 1) : -static_cast<long>(first - intEnd);
    return exponent + shift;
}

// fieldName: "широта"/"долгота" as the subject, fieldIn: "в широте"/"в долготе".
void CheckCoordinate(const std::string& text, double limit, const char* subject,
                     const char* fieldIn, const std::string& head, std::vector<std::string>& out) {
    const size_t end = LeadingNumberEnd(text);
    if (end == 0) {
        out.push_back(head + fieldIn + " " + Quoted(text) + " нет числа; взято 0.");
        return;
    }
    const std::string number = Trimmed(std::string_view(text).substr(0, end));
    const double value = LeadingNumber(text);
    const bool hasNonZeroDigit =
        number.substr(0, number.find_first_of("eE")).find_first_of("123456789") !=
        std::string::npos;
    if (value == 0 && hasNonZeroDigit) {
        out.push_back(head + subject + " " + Quoted(text) + " — слишком " +
                      (DecimalExponent(number) > 0 ? "большое" : "малое") + " число; взято 0.");
        return;
    }
    if (std::fabs(value) > limit)
        out.push_back(head + subject + " " + Quoted(number) + " за пределами от -" +
                      FormatFixed(limit, 0, 0) + " до " + FormatFixed(limit, 0, 0) +
                      " градусов; расчет выполнен с этим числом как есть.");
    const std::string rest = Trimmed(std::string_view(text).substr(end));
    if (rest.empty()) return;
    if (rest[0] == ',')
        out.push_back(head + fieldIn + " " + Quoted(text) +
                      " запятая; прочитано только число до нее: " + number +
                      ". Градусы и минуты разделяет точка.");
    else
        out.push_back(head + fieldIn + " " + Quoted(text) + " после числа стоит " + Quoted(rest) +
                      "; это не учтено, взято число " + number + ".");
}

void CheckSpin(const SpinField& field, const char* label, const std::string& head,
               std::vector<std::string>& out) {
    const auto typed = ParseInteger(field.Text);
    const std::string range =
        " от " + std::to_string(field.MinValue) + " до " + std::to_string(field.MaxValue);
    if (!typed || *typed != field.Value())
        out.push_back(head + "в поле «" + label + "» " + Quoted(field.Text) +
                      " не целое число из пределов" + range + "; взято " +
                      std::to_string(field.MinValue) + ".");
    else if (*typed < field.MinValue || *typed > field.MaxValue)
        out.push_back(head + "в поле «" + label + "» число " + std::to_string(*typed) +
                      " за пределами" + range + "; расчет выполнен с этим числом как есть.");
}

} // namespace

std::vector<std::string> UnreadableFormInput(const ChartForm& form, const char* formName) {
    std::vector<std::string> out;
    const std::string head = std::string("Окно «") + formName + "»: ";
    CheckSpin(form.SpinEdit1, "Год", head, out);
    if (form.Month() == 0)
        out.push_back(head + "месяц не выбран (" + kMonthPrompt +
                      "); карта рассчитана для месяца 0.");
    CheckSpin(form.SpinEdit2, "День", head, out);
    CheckSpin(form.SpinEdit3, "Час", head, out);
    CheckSpin(form.SpinEdit4, "Минуты", head, out);
    CheckCoordinate(form.Edit2, 90, "широта", "в широте", head, out);
    CheckCoordinate(form.Edit3, 180, "долгота", "в долготе", head, out);
    return out;
}

void AddWarningOnce(std::vector<std::string>& warnings, std::string message) {
    if (std::find(warnings.begin(), warnings.end(), message) == warnings.end())
        warnings.push_back(std::move(message));
}

void NoteUnreadableFormInput(const ChartForm& form, const char* formName,
                             std::vector<std::string>& warnings) {
    for (auto& m : UnreadableFormInput(form, formName)) AddWarningOnce(warnings, std::move(m));
}

} // namespace omvera
