#pragma once
// The chart forms convert their texts without raising errors, and the chart is computed from
// what the conversion reads. These messages tell the user where that differs from what was
// typed: no month chosen, a coordinate without a leading number, out of range or with a
// comma, an integer field whose text was replaced by the field's lower bound or lies outside
// the field's range.
#include <string>
#include <vector>

namespace omvera {

struct ChartForm;

// The window captions the messages name.
inline constexpr const char* kFirstChartFormName = "Исходные-Данные";
inline constexpr const char* kSecondChartFormName = "2 -я Карта";

// The messages for one form, in field order; empty when every field reads as typed.
std::vector<std::string> UnreadableFormInput(const ChartForm& form, const char* formName);

// Adds the message to the list unless it is already there.
void AddWarningOnce(std::vector<std::string>& warnings, std::string message);

// Adds the form's messages to the list, each once: a command that reads a form many times
// tells the user once.
void NoteUnreadableFormInput(const ChartForm& form, const char* formName,
                             std::vector<std::string>& warnings);

} // namespace omvera
