#pragma once
// The astronomical engine's entry points: body positions and house cusps for the chart
// moment held in the state.
#include <array>

namespace omvera {

struct State;
struct HouseSystemForm;

// Computes body n (1..16) for state.moment into state.BodyPositions[n]. Folds the clock
// time into the day field first. Bodies 13 and 14 are written by body 2 only.
void ComputeBody(State& state, int n);

// Fills cusps[1..12] for the chart of form `kind` (1, 3: TID1; 2, 4: TID2) in the house
// system `letter`. Letters S and L compute body 1 or 2 from state.moment, so callers load
// the same chart with ReadChartInput first. When the system is not defined at that moment
// and place the cusps are still finite and a message is added to state.Warnings.
void ComputeHouses(State& state, int kind, char letter, std::array<double, 13>& cusps);

// The house-system letter chosen on TDOM; `letter` is left as it was when none is chosen.
void CurrentHouseSystem(const HouseSystemForm& form, char& letter);

} // namespace omvera
