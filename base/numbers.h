#pragma once
// Number conversions of the forms. Coordinates and orb fields use "." and never raise;
// integer fields read their lower bound when the text is not an integer.
#include <optional>
#include <string>
#include <string_view>

namespace omvera {

// The leading decimal number of the text ("." as separator, optional sign and exponent,
// leading blanks skipped); 0 when the text does not start with a number.
double LeadingNumber(std::string_view text);
// Where the number LeadingNumber reads ends: the length of the leading blanks and the
// number's text; 0 when the text does not start with a number.
size_t LeadingNumberEnd(std::string_view text);

// Truncation toward zero of a real that becomes an integer field value; values beyond the
// integer range give its nearest end (a field then clamps them to its bound), NaN gives 0.
long long TruncateToInteger(double value);

// The whole text as an integer (blanks around allowed), or nothing.
std::optional<long long> ParseInteger(std::string_view text);

// The whole text as a real number with the given decimal separator, or nothing.
std::optional<double> ParseReal(std::string_view text, char decimalSeparator);

// printf-style helpers used by the fixed-width text lines.
std::string FormatFixed(double value, int width, int decimals);
std::string PadLeft(std::string_view text, size_t width);

} // namespace omvera
