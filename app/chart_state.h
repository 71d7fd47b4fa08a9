#pragma once
// The engine's procedural entry points over the program state: each reads the chart forms
// and fills the state's arrays (BodyPositions, the moment, PointOrbs, Warnings) from the plain
// computations of astro/chart.h, so what the windows show is left in the state exactly as the
// commands leave it. Everything below app/ computes on plain values instead.
#include "astro/chart.h"
#include "input/settings_forms.h"

#include <array>

namespace omvera {

struct State;

// As aspects/points.h declares it (slot n: point n takes part in a scan).
using PointIncluded = std::array<unsigned char, 19>;

// Copies the form into state.moment: kinds 1 and 3 read TID1, kinds 2 and 4 read TID2; any
// other kind changes nothing.
void ReadChartInput(State& state, int kind);

// Computes body n (1..16) for state.moment into state.BodyPositions[n]. Folds the clock
// time into the day field first. Bodies 13 and 14 are written by body 2 only.
void ComputeBody(State& state, int n);

// Bodies 1..16 of state.moment into BodyPositions (the moment's clock time folded into its
// day, as ComputeBody leaves it).
void ComputeAllBodies(State& state);

// Fills cusps[1..12] for the chart of form `kind` (1, 3: TID1; 2, 4: TID2) in the house
// system `letter`. Letters S and L compute body 1 or 2 from state.moment, so callers load
// the same chart with ReadChartInput first. When the system is not defined at that moment
// and place the cusps are still finite and a message is added to state.Warnings.
void ComputeHouses(State& state, int kind, char letter, std::array<double, 13>& cusps);

// The chart of form `kind` (1, 3: TID1; 2, 4: TID2) in `system`, computed once: the form is
// read into state.moment, the bodies are left in BodyPositions and an undefined house system
// adds its message to Warnings, as ReadChartInput, ComputeAllBodies and ComputeHouses in turn
// would leave them.
Chart LoadChart(State& state, int kind, HouseSystem system);

// The system chosen on TDOM (Placidus when none is chosen), as its letter.
char CurrentHouseLetter(const State& state);

// Daily motions of chart n: bodies into FirstPoints, the same a day later into SecondPoints,
// their difference (wrapped across 0°) into DailyMotion; the chart moment is read again
// afterwards. n = 3 uses chart 1's form, n = 4 chart 2's.
void ComputeDailyMotion(State& state, int n);

// Clears included[point]; when the point's switch is checked, computes the body for the
// current chart moment (points 1..16), reads its orb field ("." as separator; a text that is
// not a number gives its leading numeric part, else 0) into state.PointOrbs[point] and sets
// included[point]. Numbers outside 1..18 only clear the flag (when they have a slot).
void RefreshPoint(State& state, int point, PointIncluded& included);

// Sets state.ScanStep from THsk, testing RadioButton1 to RadioButton4 in turn; ScanStep
// keeps its value when none is chosen.
void ReadScanStep(State& state);

} // namespace omvera
