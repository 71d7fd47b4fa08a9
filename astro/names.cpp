#include "astro/names.h"

#include <cmath>
#include <cstring>

namespace omvera {

const std::array<const char*, 19> PointNames = {
    "",       "Солнце", "Луна",   "Меркурий", "Венера", "Марс",       "Юпитер",
    "Сатурн", "Уран",   "Нептун", "Плутон",   "Хирон",  "Прозерпина", "ВУз",
    "Кету",   "Селена", "Лилит",  "Asc",      "MC"};

const char* AspectPointName(int point) {
    return point == 13 ? "ВУЗ" : PointNames[point];
}

const std::array<const char*, 13> SignNames = {"",        "Овен",    "Телец", "Близнецы", "Рак",
                                               "Лев",     "Дева",    "Весы",  "Скорпион", "Стрелец",
                                               "Козерог", "Водолей", "Рыбы"};

const std::array<const char*, 13> SignNamesLocative = {
    "",      "Овне",      "Тельце",   "Близнецах", "Раке",    "Льве", "Деве",
    "Весах", "Скорпионе", "Стрельце", "Козероге",  "Водолее", "Рыбах"};

int SignOf(double longitude) {
    double L = std::fmod(longitude, 360.0);
    if (L < 0) L += 360;
    if (!(L >= 0 && L < 360)) L = 0; // NaN and the 360 that fmod leaves of -0.0...
    const int sign = static_cast<int>(L / 30) + 1;
    return sign > 12 ? 12 : sign;
}

namespace {

bool InHouse(double p, double a, double b, bool lowerInclusive) {
    const bool aboveLower = lowerInclusive ? a <= p : a < p;
    if (a >= b) return (aboveLower && p < 360) || (0 <= p && p < b);
    return aboveLower && p < b;
}

} // namespace

int HouseOf(double longitude, const std::array<double, 13>& cusps, bool lowerInclusive) {
    int house = 0;
    for (int h = 1; h <= 11; ++h)
        if (InHouse(longitude, cusps[h], cusps[h + 1], lowerInclusive)) house = h;
    if (InHouse(longitude, cusps[12], cusps[1], lowerInclusive)) house = 12;
    return house;
}

std::string HouseNumberKey(int house) {
    return " " + std::to_string(house) + " ";
}
std::string HouseHeaderKey(int house) {
    return "&" + std::to_string(house) + " ";
}
std::string HouseColonKey(int house) {
    return " " + std::to_string(house) + ": ";
}

const std::array<const char*, 13> SignRulerNames = {
    "",           "Марс    ",   "Венера    ", "Меркурий  ", "Луна      ",
    "Солнце    ", "Меркурий  ", "Венера    ", "Плутон    ", "Юпитер    ",
    "Сатурн    ", "Уран      ", "Нептун    "};

const std::array<const char*, 11> PaddedBodyNames = {
    "",           "Солнце    ", "Луна      ", "Меркурий  ", "Венера    ", "Марс    ",
    "Юпитер    ", "Сатурн    ", "Уран      ", "Нептун    ", "Плутон    "};

int SignRuler(int sign) {
    if (sign < 1 || sign > 12) return 0;
    for (int b = 1; b <= 10; ++b)
        if (std::strcmp(SignRulerNames[sign], PaddedBodyNames[b]) == 0) return b;
    return 0;
}

const std::array<AspectKey, 5> NatalAspects = {
    {{0, " 0"}, {60, "60"}, {90, "90"}, {120, "120"}, {180, "180"}}};

const std::array<const char*, 17> UpperCaseBodyNames = {
    "",       "СОЛНЦЕ", "ЛУНА",  "МЕРКУРИЙ",   "ВЕНЕРА", "МАРС", "ЮПИТЕР", "САТУРН", "УРАН",
    "НЕПТУН", "ПЛУТОН", "ХИРОН", "ПРОЗЕРПИНА", "ВУз",    "Кету", "Селена", "Лилит"};

const std::array<const char*, 11> GenitiveNames = {"",        "Солнца ",  "Луны ",    "Меркурия ",
                                                   "Венеры ", "Марса ",   "Юпитера ", "Сатурна ",
                                                   "Урана ",  "Нептуна ", "Плутона "};

const std::array<const char*, 11> GenitiveColonNames = {
    "",         "Солнца:",  "Луны:",  "Меркурия:", "Венеры:", "Марса:",
    "Юпитера:", "Сатурна:", "Урана:", "Нептуна:",  "Плутона:"};

const std::array<const char*, 13> RomanHouseKeys = {"",    " I ",  " II ",  " III ",  " IV ",
                                                    " V ", " VI ", " VII ", " VIII ", " IX ",
                                                    " X ", " XI ", " XII "};

const std::array<const char*, 13> RomanColonKeys = {
    "",      " I:",    " II:", " III:", " IV:", " V:",  " VI:",
    " VII:", " VIII:", " IX:", " X:",   " XI:", " XII:"};

const std::array<AspectKey, 5> ProgressionAspects = {
    {{0, "0"}, {60, "60"}, {90, "90"}, {120, "120"}, {180, "180"}}};

const std::array<const char*, 17> MovingBodyTags = {
    "",        "[+SOL]",  "[+SEL]",  "[+MER]",    "[+VEN]",  "[+MARS]",
    "[+JUP]",  "[+SAT]",  "[+URAN]", "[+NEP]",    "[+PLUT]", "[+HIR]",
    "[+PROZ]", "[+RAHU]", "[+KETU]", "[+SELENA]", "[+LILIT]"};

const std::array<const char*, 19> RadixPointTags = {
    "",       "[SOL]",    "[SEL]",   "[MER]",  "[VEN]", "[MARS]", "[JUP]",
    "[SAT]",  "[URAN]",   "[NEP]",   "[PLUT]", "[HIR]", "[PROZ]", "[RAHU]",
    "[KETU]", "[SELENA]", "[LILIT]", "[H1]",   "[H10]"};

const std::array<const char*, 13> RadixHouseTags = {"",      "[H1]",  "[H2]", "[H3]", "[H4]",
                                                    "[H5]",  "[H6]",  "[H7]", "[H8]", "[H9]",
                                                    "[H10]", "[H11]", "[H12]"};

const std::array<const char*, 13> DirectedHouseTags = {
    "",      "[+H1]", "[+H2]", "[+H3]",  "[+H4]",  "[+H5]", "[+H6]",
    "[+H7]", "[+H8]", "[+H9]", "[+H10]", "[+H11]", "[+H12]"};

const std::array<AspectKey, 5> TransitAspects = {
    {{0, "[0"}, {60, "60"}, {90, "90"}, {120, "120"}, {180, "180"}}};

const std::array<AspectKey, 6> MajorDirectionAspects = {
    {{0, "[0"}, {60, "60"}, {72, "72"}, {90, "90"}, {120, "120"}, {180, "180"}}};

const std::array<AspectKey, 16> DirectionAspects = {{{0, "[0"},
                                                     {30, "30"},
                                                     {36, "36"},
                                                     {40, "40"},
                                                     {45, "45"},
                                                     {60, "60"},
                                                     {72, "72"},
                                                     {80, ",80"},
                                                     {90, "90"},
                                                     {100, "100"},
                                                     {108, "108"},
                                                     {120, "120"},
                                                     {135, "135"},
                                                     {144, "144"},
                                                     {150, "150"},
                                                     {180, "180"}}};

const std::array<AspectKey, 6> SynastryAspects = {
    {{0, ".000."}, {60, ".060."}, {90, ".090."}, {120, ".120."}, {180, ".180."}, {150, ".150."}}};

std::string BodyCode(int n) {
    std::string code = std::to_string(n);
    return code.size() < 2 ? "0" + code : code;
}

std::string HouseCode(int h) {
    return "h" + BodyCode(h);
}

const std::array<const char*, 19> DateScanLabels = {
    "",           "Солнце    ", "Луна      ", "Меркурий  ", "Венера    ",
    "Марс    ",   "Юпитер    ", "Сатурн\t  ", "Уран      ", "Нептун    ",
    "Плутон    ", "Хирон     ", "Прозерпина", "Раху      ", "Кету      ",
    "Селена    ", "Лилит     ", "Asc      ",  "MC        "};

const std::array<const char*, 7> WeekdayNames = {"суббота", "воскресенье", "понедельник", "вторник",
                                                 "среда",   "четверг",     "пятница"};

const char* HouseSystemCaption(char letter) {
    for (size_t i = 1; i < kHouseSystemChoices.size(); ++i)
        if (kHouseSystemChoices[i].letter == letter) return kHouseSystemChoices[i].caption;
    return "";
}

const std::array<const char*, 13> kWheelHouseLabels = {"",     "Asc ", "II  ", "III ",  "IV  ",
                                                       "V   ", "VI  ", "VII ", "VIII ", "IX  ",
                                                       "MC  ", "XI  ", "XII "};

const char* HouseSystemName(char letter) {
    switch (letter) {
    case 'P':
        return " Плацидуса";
    case 'K':
        return " Коха";
    case 'A':
        return " Равнодомная от Асц";
    case 'M':
        return " Равнодомная от МС";
    case 'S':
        return " Равнодомная от Солнца";
    case 'L':
        return " Равнодомная от Луны";
    default:
        return "";
    }
}

const std::array<const char*, 21> BodyLabels = {
    "",      "Солн ", "Луна ", "Мерк ", "Вен  ", "Марс ", "Юпит ",
    "Сату ", "Уран ", "Непт ", "Плут ", "Хирон", "Проз ", "Раху ",
    "Кету ", "Сел  ", "Лил  ", "01",    "02",    "03",    "04"};

const std::array<const char*, 13> HouseLabels = {"",    "Асц",  "II", "III", "IV", "V",  "VI",
                                                 "VII", "VIII", "IX", "MC",  "XI", "XII"};

const char* WeekdayName(double d, double m, double y) {
    const auto Int = [](double x) { return std::trunc(x); };
    double n = 365 * y + d + 31 * (m - 1);
    if (m > 2)
        n = n - Int(0.4 * m + 2.3) + Int(y / 4) - Int((Int(y / 100) + 1) * 0.75);
    else
        n = n + Int((y - 1) / 4) - Int(Int((y - 1) / 100 + 1) * 3 / 4);
    if (!(n >= 0 && n < 1e15)) return "";
    const double w = std::trunc(n - Int(n / 7) * 7);
    return w >= 0 && w < 7 ? WeekdayNames[static_cast<int>(w)] : "";
}

} // namespace omvera
