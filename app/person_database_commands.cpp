#include "app/person_database_commands.h"

#include "app/state.h"
#include "input/person_database.h"

namespace omvera {

void OpenPersonDatabase(State& state) {
    OpenPersonDatabase(state.Base, PersonDatabaseFile(state));
}

void AppendPersonFromFirstChart(State& state) {
    AppendPersonFromFirstChart(state.Base, state.ID1, PersonDatabaseFile(state));
}

void DeleteSelectedPerson(State& state) {
    DeleteSelectedPerson(state.Base);
}

void SavePersonDatabase(State& state) {
    SavePersonDatabase(state.Base, PersonDatabaseFile(state));
}

void LoadSelectedPerson(State& state) {
    LoadSelectedPerson(state.Base, state.ID1, state.ID2);
}

} // namespace omvera
