#pragma once
// The person database window's operations over the program state: the list TBase, the chart
// forms TID1 and TID2, and the database file the started program uses (its own
// "Dann\Basa.TXT", or an installed program's per-user copy).
namespace omvera {

struct State;

// "Открыть" of TID1 and the menu item "База данных" (input/person_database.h says what each
// does).
void OpenPersonDatabase(State& state);
// "Сохранить" of TID1.
void AppendPersonFromFirstChart(State& state);
// "Удалить запись".
void DeleteSelectedPerson(State& state);
// "Сохранить изменения".
void SavePersonDatabase(State& state);
// Double-click on a line.
void LoadSelectedPerson(State& state);

} // namespace omvera
