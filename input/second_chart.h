#pragma once
// The second chart form's arrangements, the moment of a form as a Julian day and back,
// and the lines of the lunar return list.
#include <string>

namespace omvera {

struct ChartForm;
struct SecondChartForm;

void ArrangeSecondChartNormal(SecondChartForm& form);
void ArrangeSecondChartSolar(SecondChartForm& form);
void ArrangeSecondChartLunar(SecondChartForm& form);

// J(form): the Julian day of the form's date and Greenwich time.
double FormMoment(const ChartForm& form);

// Writes a moment into the form's year, month, day, hour and minute (every write clamped).
// Day, hour and minute are truncated, of the moment plus one millisecond, so that a moment
// that is a whole minute up to rounding error shows that minute and not the one before.
void WriteMomentToForm(ChartForm& form, double jd);
// The same for the date alone (year, month, day); hour and minute stay.
void WriteDateToForm(ChartForm& form, double jd);

// The scan buttons' move of the second chart: its moment plus `days` (negative: back),
// written back into the form.
void StepFormMoment(ChartForm& form, double days);

// One line of the lunar return list: day (3), ".", month (2), ".", year (4), three blanks,
// hour (2), ":", minute (2); the minute is the fraction of the hour rounded, so it can be 60.
std::string LunarListLine(double jd);
// Parses a list line into the form's date and time fields.
void LoadLunarListLine(const std::string& line, ChartForm& form);

} // namespace omvera
