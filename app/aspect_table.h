#pragma once
// The aspect table of TAspUst: reading its angles and colours for a scan, and the dialog's
// "Добавить" and "Удалить".
#include "aspects/aspect_settings.h"

#include <array>
#include <string>

namespace omvera {

struct State;

// AspectColours[k] := colour of swatch k + 1, k = 0..9.
void ReadAspectColours(State& state);

// count := number of rows taking part (the first ten at most); reads the colours, then each
// row in order, selecting it in the list and converting its text with the user's decimal
// separator. The last row read stays selected. A row that is not a number throws Error
// "'<text>' is not a valid floating point value"; that row then stays selected.
void ReadAspectTable(State& state, int& count, std::array<double, kAspectCapacity>& angles);

// "Добавить": appends Edit11 as a new last row when it is not empty. A text that is not a
// number for the user's decimal separator is refused with Error (the table would otherwise
// hold a row that stops every later scan). Returns a note for the dialog when the new row
// lies beyond the tenth, which no scan uses; otherwise an empty text.
std::string AspUstButton1Click(State& state);

// "Удалить": deletes the selected row (nothing without a selection); the rows below move up
// and take the colours of the swatches one place higher. No row is selected afterwards.
void AspUstButton2Click(State& state);

} // namespace omvera
