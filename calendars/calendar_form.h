#pragma once
// Field model of TKalendar ("Календарь"): the two date fields (texts in the short date format
// "ДД.ММ.ГГГГ"), the red warning label, and the dates the last "Расчет " took from them.
#include <cstdint>
#include <string>

namespace omvera {

struct KalendarForm {
    std::string DateEdit1;     // "Дата 1"
    std::string DateEdit2;     // "Дата2"
    bool Label5Visible = true; // "Дата 2 должна быть позже чем Дата1"
};

// Date 1 and Date 2 as the last click on "Расчет " read them; the fatigue calendar reads them.
struct KalendarDates {
    std::uint16_t Day1 = 0, Month1 = 0, Year1 = 0;
    std::uint16_t Day2 = 0, Month2 = 0, Year2 = 0;
};

} // namespace omvera
