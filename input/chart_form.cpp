#include "input/chart_form.h"

#include "base/numbers.h"
#include "input/form_warnings.h"

#include <ctime>

namespace omvera {

LocalNow CurrentLocalTime() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

void SetFormToNow(ChartForm& form, const LocalNow& now, const std::string& name) {
    form.SpinEdit1.SetValue(now.Year);
    form.SpinEdit2.SetValue(now.Day);
    form.SetMonthIndex(now.Month - 1);
    form.Edit1 = name;
    form.SpinEdit3.SetValue(now.Hour);
    form.SpinEdit4.SetValue(now.Minute);
}

void ReadChartForm(const ChartForm& form, ChartMoment& m) {
    m.year = form.SpinEdit1.Value();
    m.month = form.Month();
    m.day = form.SpinEdit2.Value();
    m.hour = form.SpinEdit3.Value();
    m.minute = form.SpinEdit4.Value();
    m.latitude = LeadingNumber(form.Edit2);
    m.longitude = LeadingNumber(form.Edit3);
}

ChartMoment MomentOf(const ChartForm& form) {
    ChartMoment m;
    ReadChartForm(form, m);
    return m;
}

ChartMoment MomentOf(const ChartForm& form, std::vector<std::string>& warnings) {
    NoteUnreadableFormInput(form, kFirstChartFormName, warnings);
    return MomentOf(form);
}

ChartMoment MomentOf(const SecondChartForm& form, std::vector<std::string>& warnings) {
    NoteUnreadableFormInput(form, kSecondChartFormName, warnings);
    return MomentOf(form);
}

} // namespace omvera
