#include "input/chart_form.h"

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
