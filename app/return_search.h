#pragma once
// Solar and lunar return searches. They work through the second chart form's fields, so
// every sample is truncated to the whole minute and clamped to the fields' ranges.
namespace omvera {

struct State;

// Fills TID2 with the moment in its chosen year when the Sun is back on its natal
// longitude (natal chart from TID1; the return place stays as TID2 holds it).
void SolarReturnSearch(State& state);

// Adds three successive lunar returns to TID2's list, the first one found from 30 days
// before the chosen moment on. Throws Error when the search bound is reached; the lines
// found until then stay.
void LunarReturnSearch(State& state);

// Angle helpers of the searches: `a` moved by whole turns to within 180° of `reference`.
double SameTurn(double a, double reference);

} // namespace omvera
