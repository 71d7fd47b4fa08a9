#pragma once
// Every name table of the program in one place: point and sign names in the forms the charts,
// forms and reports use, and the key strings with which the reports find their sections.
// Tables indexed by a body, point, sign or house number keep index 0 unused.
#include <array>
#include <string>

namespace omvera {

// Point names 1..18 ("Солнце" ... "Лилит", "Asc", "MC"); body 13 is "ВУз".
extern const std::array<const char*, 19> PointNames;
// The same names as the aspect files of the natal report write them: body 13 is "ВУЗ".
const char* AspectPointName(int point);

// Sign names 1..12: nominative ("Овен") and locative ("Овне", as in "Солнце в Овне").
extern const std::array<const char*, 13> SignNames;
extern const std::array<const char*, 13> SignNamesLocative;

// The sign 1..12 of a longitude (30(k-1) <= L < 30k). A longitude of exactly 360 (the engine
// can deliver it) counts as 0, Aries; anything outside 0..360 is brought into the turn first.
int SignOf(double longitude);

// The house 1..12 of a point among cusps 1..12, 0 when it falls in none: houses 1..11 from
// cusp h to cusp h+1 (across 0 degrees when cusp h >= cusp h+1), then house 12 from cusp 12 to
// cusp 1, a later house overwriting an earlier one. `lowerInclusive` false makes the lower
// bound exclusive (the return report's houses of return cusps).
int HouseOf(double longitude, const std::array<double, 13>& cusps, bool lowerInclusive = true);

// House key strings of the natal report: " 7 ", "&7 ", " 7: ".
std::string HouseNumberKey(int house);
std::string HouseHeaderKey(int house);
std::string HouseColonKey(int house);

// Ruler of each sign 1..12 as the padded name group 5 of the natal report prints
// ("Марс    " has 8 characters, every other name 10), and the padded names of bodies 1..10
// the ruler is looked up among.
extern const std::array<const char*, 13> SignRulerNames;
extern const std::array<const char*, 11> PaddedBodyNames;
// The body 1..10 ruling a sign 1..12 (found by the padded names, as the report does).
int SignRuler(int sign);

struct AspectKey {
    double angle;
    const char* key;
};
// The natal report's aspects: 0 " 0", 60, 90, 120, 180.
extern const std::array<AspectKey, 5> NatalAspects;

// Return reports: upper-case names of bodies 1..16, genitive names of bodies 1..10 with a
// trailing blank and with a colon, roman house keys " I " and " I:".
extern const std::array<const char*, 17> UpperCaseBodyNames;
extern const std::array<const char*, 11> GenitiveNames;
extern const std::array<const char*, 11> GenitiveColonNames;
extern const std::array<const char*, 13> RomanHouseKeys;
extern const std::array<const char*, 13> RomanColonKeys;
// The solar return's progressed aspects: 0, 60, 90, 120, 180, each written in its shortest
// form in the progression lines.
extern const std::array<AspectKey, 5> ProgressionAspects;

// Transit and directions files: tags of moving bodies 1..16 ("[+SOL]"), of radix points
// 1..18 ("[SOL]" ... "[LILIT]", "[H1]", "[H10]"), of radix houses ("[H1]".."[H12]") and
// directed houses ("[+H1]".."[+H12]").
extern const std::array<const char*, 17> MovingBodyTags;
extern const std::array<const char*, 19> RadixPointTags;
extern const std::array<const char*, 13> RadixHouseTags;
extern const std::array<const char*, 13> DirectedHouseTags;
// The transit report's fixed aspects: 0 "[0", 60, 90, 120, 180.
extern const std::array<AspectKey, 5> TransitAspects;
// Directions: the six major and the sixteen aspects with their keys.
extern const std::array<AspectKey, 6> MajorDirectionAspects;
extern const std::array<AspectKey, 16> DirectionAspects;

// Synastry: aspects in their order (150 last) with their codes, body codes "01".."16" and
// house codes "h01".."h12".
extern const std::array<AspectKey, 6> SynastryAspects;
std::string BodyCode(int n);
std::string HouseCode(int h);

// The partner-waiting report's date lists: the label that ends a line, by point 1..18, padded
// with blanks ("Марс    " has 8 characters, "Asc      " 9, Saturn's label holds a tab).
// Points 12..14 are named after the bodies compared: "Прозерпина", "Раху      ", "Кету      ".
extern const std::array<const char*, 19> DateScanLabels;

// Weekday names, index 0 Saturday.
extern const std::array<const char*, 7> WeekdayNames;
// The weekday of a Gregorian date by the program's day count (Int = truncation toward zero):
// N = 365y + d + 31(m - 1), then for m > 2: N - Int(0.4m + 2.3) + Int(y / 4)
// - Int((Int(y / 100) + 1) * 0.75), else N + Int((y - 1) / 4) - Int(Int((y - 1) / 100 + 1) * 3 /
// 4); the name of N mod 7. A day count that is not a finite positive number gives "".
const char* WeekdayName(double day, double month, double year);

// House systems: TDOM's choices by radio button (index 0 unused) with their captions and
// letters, and the names the wheel's house column shows.
struct HouseSystemChoice {
    const char* caption;
    char letter;
};
inline constexpr std::array<HouseSystemChoice, 7> kHouseSystemChoices = {{
    {"", 0},
    {"Равнодомные от МС", 'M'},
    {"Равнодомные от АСЦ", 'A'},
    {"Плацидус", 'P'},
    {"Кох", 'K'},
    {"Равнодомные от Солнца", 'S'},
    {"Равнодомные от Луны ", 'L'},
}};

// The caption of the choice with this letter; empty for an unknown letter.
const char* HouseSystemCaption(char letter);
// 5.1 house labels, blanks included ("Asc ", "II  ", ... "XII ").
extern const std::array<const char*, 13> kWheelHouseLabels;
// The house-system name shown in the house column (with its leading blank), "" for a letter
// that names no system.
const char* HouseSystemName(char letter);

// The chart listing's labels: 20 short labels (slots 1..20; index 0 unused), the 16 bodies
// five characters each, then "01".."04".
extern const std::array<const char*, 21> BodyLabels;
// 12 cusp labels (slots 1..12; index 0 unused).
extern const std::array<const char*, 13> HouseLabels;

} // namespace omvera
