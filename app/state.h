#pragma once
// The program's whole state: the chart moment, the computed positions, the shared point
// arrays, the chart kind and the field models of every window. One instance lives as long
// as the program; it is passed by reference to every operation, so a test can start from a
// fresh design state by constructing a new one.
#include "app/main_window_model.h"
#include "app/save_commands.h"
#include "aspects/aspect_settings.h"
#include "astro/chart_moment.h"
#include "base/data_path.h"
#include "astro/directions.h"
#include "base/data_folders.h"
#include "calendars/calendar_form.h"
#include "drawing/drawing_state.h"
#include "input/chart_form.h"
#include "input/chart_kind.h"
#include "input/person_database.h"
#include "input/settings_forms.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace omvera {

using PointArray = std::array<double, 21>; // slots 1..20, index 0 unused

// Windows without field models of their own: whether they are shown, and their captions.
struct ViewWindowsModel {
    bool ProsmVisible = false;
    std::string ProsmCaption = "Радикс";
    bool AspqVisible = false;
    std::string AspqCaption = "Аспекты радикса";
    bool KalendarVisible = false;
    bool Dat2Visible = false;
};

struct State {
    // The folder every data path is built from; set once at start-up.
    std::string ProgramFolder = ".";
    // The folder of the user's own person database when the program is installed (see
    // base/data_folders.h); nullopt: the database is ProgramFolder + "\Dann\Basa.TXT".
    std::optional<std::string> UserFolder;
    // The kind the last chart command set (its text is ChartKindText), None at start.
    ChartKindId ChartKind = ChartKindId::None;
    // Step in days of the scan buttons.
    double ScanStep = 1;

    ChartMoment moment;
    std::array<double, 17> BodyPositions{}; // slots 1..16
    std::array<double, 13> HouseCusps{};    // cusps 1..12
    PointArray FirstPoints{};
    PointArray SecondPoints{};
    PointArray DailyMotion{};
    PointArray DirectedPositions{};
    std::array<double, 13> DirectedCusps{};
    std::array<int, 3> DirectionDate{}; // day, month, year
    // The radix bodies the directed positions were computed from, once a directions
    // computation has completed.
    std::array<double, 17> DirectionRadix{};
    bool DirectionComputed = false;

    // Messages a computation wants the user to see without failing the command (a house
    // system that is not defined at the place, ...). The command boundary shows them once
    // and clears the list.
    std::vector<std::string> Warnings;

    // Aspect work: the colours of the last ReadAspectTable or ReadAspectColours (entry k =
    // aspect row k), the orbs written by RefreshPoint (slot n = point n 1..18; a slot keeps
    // its last value while its point is switched off), and the user's decimal separator,
    // with which the aspect angles are read (set at start-up from the user's locale).
    std::array<std::uint32_t, 10> AspectColours{};
    std::array<double, 19> PointOrbs{};
    char DecimalSeparator = '.';

    // The radix house of each transiting body 1..16 that made an aspect in the last transit
    // aspect list, else 0 (slots up to 30).
    std::array<int, 31> TransitHouseMarks{};
    // The dates of TKalendar's last "Расчет ".
    KalendarDates CalendarDates;

    // Glyph pictures and the wheel centre.
    DrawingState Drawing;

    // Window field models.
    MainWindowModel Form1;
    ChartForm ID1;
    SecondChartForm ID2;
    PersonDatabaseForm Base;
    PlanetSettingsForm PlanUst;
    HouseSystemForm Dom;
    ScanStepForm Hsk;
    AspectSettingsForm AspUst;
    KalendarForm Kalendar;
    DirectionsForm Dat2;
    ViewWindowsModel Views;
    SaveDialogModel SaveDialog1;
};

// ProgramFolder + "\Dann\..." as a path of this platform.
inline std::string DataFile(const State& state, const char* backslashPath) {
    return DataPath(state.ProgramFolder, backslashPath);
}

// Takes the data folder and the person database's folder that the started program found.
void SetDataLocation(State& state, const DataLocation& location);
// The person database file as a path of this platform; an installed program's per-user copy
// is made from the shipped one on first use.
std::string PersonDatabaseFile(const State& state);

} // namespace omvera
