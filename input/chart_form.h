#pragma once
// Field models of the two chart input forms: TID1 ("Исходные-Данные", chart 1) and TID2
// ("2 -я Карта", chart 2). The fields are the storage of the chart data; every computation
// reads them afresh. The Qt windows are views over these models.
#include "astro/chart_moment.h"
#include "input/spin_field.h"

#include <array>
#include <string>
#include <vector>

namespace omvera {

inline const std::array<const char*, 12> kMonthNames = {"Январь",   "Февраль", "Март",   "Апрель",
                                                        "Май",      "Июнь",    "Июль",   "Август",
                                                        "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
inline constexpr const char* kMonthPrompt = "Выбери месяц";

// The most characters the text fields take: a name, and a coordinate ("-179.59" needs 7).
// Every field at its longest still makes a database line of at most kPersonRecordMaxLength.
inline constexpr size_t kNameMaxLength = 100;
inline constexpr size_t kCoordinateMaxLength = 20;

struct ChartForm {
    std::string Edit1;                        // name
    SpinField SpinEdit1{1880, 2050, 1980, 4}; // year
    int ComboBox1 = -1;                       // chosen month index, -1: none chosen
    SpinField SpinEdit2{1, 31, 15};           // day
    SpinField SpinEdit3{0, 23, 12};           // hour, Greenwich time
    SpinField SpinEdit4{0, 60, 30};           // minute, Greenwich time
    std::string Edit2 = "56.01";              // latitude, "Градус.Мин"
    std::string Edit3 = "92.45";              // longitude
    bool RadioButton1 = true;                 // "Мужчина"
    bool RadioButton2 = false;                // "Женщина"

    bool Visible = false; // the window is shown

    void SetMan(bool man) {
        RadioButton1 = man;
        RadioButton2 = !man;
    }
    // The month as ReadChartInput takes it: chosen index + 1, 0 when none is chosen.
    int Month() const { return ComboBox1 + 1; }
    // Writing the month list's index the way a list does: out-of-range indexes choose none.
    void SetMonthIndex(long long index) {
        ComboBox1 = (index >= 0 && index < 12) ? static_cast<int>(index) : -1;
    }
};

// The moment and place the form holds, read as every computation reads it (the day whole,
// the clock time apart, the coordinates from their leading numbers).
ChartMoment MomentOf(const ChartForm& form);
void ReadChartForm(const ChartForm& form, ChartMoment& moment);

struct SecondChartForm;
// The same, adding to `warnings` (each message once) what the form holds but is not read as
// typed (input/form_warnings.h). The overload is chosen by the form's type, so the message
// names the right window: TID1 for a ChartForm, TID2 for a SecondChartForm.
ChartMoment MomentOf(const ChartForm& form, std::vector<std::string>& warnings);
ChartMoment MomentOf(const SecondChartForm& form, std::vector<std::string>& warnings);

// The local clock "now", as the "На Сейчас" buttons take it.
struct LocalNow {
    int Year, Month, Day, Hour, Minute;
};
LocalNow CurrentLocalTime();
// "На Сейчас": local clock into the Greenwich fields unchanged, seconds dropped.
void SetFormToNow(ChartForm& form, const LocalNow& now, const std::string& name);

// TID2 adds its arrangements (labels, visibility) and the list of found lunar returns.
struct SecondChartForm : ChartForm {
    SecondChartForm() { Edit1 = "Транзит"; }
    std::string Label3 = "Месяц";
    std::string Label4 = "День   ";
    std::string Label5 = "Час";
    std::string Label6 = "Время по гринвичу";
    int Label6Top = 133;
    int Label9Top = 200; // "Долгота"
    std::string Label7 = "Минуты";
    bool ComboBox1Visible = true;
    bool SpinEdit2Visible = true, SpinEdit3Visible = true, SpinEdit4Visible = true;
    bool Button1Visible = true;  // "Добавить в карту"
    bool Button2Visible = true;  // "На сейчас"
    bool Button3Visible = false; // "Расчет Cоляра"
    bool Button4Visible = true;  // "Расчет Лунара"
    bool Label10Visible = false; // "Выбери год и месяц Лунара"
    bool ListBox1Visible = false;
    std::vector<std::string> ListBox1; // found lunar returns
    int ListBox1Index = -1;
};

} // namespace omvera
