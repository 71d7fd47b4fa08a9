#pragma once
// Menu commands of the application shell that only show windows, lists and the about panel.
namespace omvera {

struct State;

void N11Click(State& state); // "1-й карты"
void N17Click(State& state); // "О программе"
void N18Click(State& state); // "Время": the time-zone list in the text view
void N19Click(State& state); // "Координаты": the city list in the text view
void N24Click(State& state); // "База данных"
void N7Click(State& state);  // "Планеты"
void N8Click(State& state);  // "Дома"
void N9Click(State& state);  // "Аспекты"
void N29Click(State& state); // "Шаг сканирования"

} // namespace omvera
