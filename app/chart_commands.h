#pragma once
// The chart commands of the main menu and the main window's buttons. Each sets ChartKind,
// lays out the main window, sets which of its areas are visible and draws in a fixed order
// on the canvases it is given. A failing step throws Error; what was drawn before stays.
namespace omvera {

class Canvas;
struct State;

// The drawing surfaces of the commands: the picture Image1 of the main window, the view
// window TProsm and the grid window TAspq.
struct ChartCanvases {
    Canvas& Image1;
    Canvas& Prosm;
    Canvas& Aspq;
};

// Hides the text view and paints the picture's rectangle with the canvas's current pen and
// the white brush, which blanks it.
void ClearChartImage(State& state, Canvas& image);
// LayoutMainWindow, then the picture's canvas takes the size of Image1.
void LayoutMainWindowAndPicture(State& state, Canvas& image);

// --- Natal chart ---------------------------------------------------------------------
// "Взрослый" and "Детский": the wheel, chart 1's header, positions, houses, house column
// and aspect lines; picture and interpretation button shown, text and scan controls hidden.
void N40Click(State& state, ChartCanvases& canvases);
void N41Click(State& state, ChartCanvases& canvases);

// --- View window TProsm --------------------------------------------------------------
// "Радикс" and "Транзит": chart 1's or chart 2's position and house columns.
void N26Click(State& state, ChartCanvases& canvases);
void N27Click(State& state, ChartCanvases& canvases);

// --- Grid window TAspq ---------------------------------------------------------------
// "Аспекты Радикса" (reloads the glyphs first), "Аспекты Транзита", "Взаимные Аспекты".
void N31Click(State& state, ChartCanvases& canvases);
void N32Click(State& state, ChartCanvases& canvases);
void N33Click(State& state, ChartCanvases& canvases);

// --- Picture and text switch ---------------------------------------------------------
// "Карта": picture shown, text hidden, layout. "Текст": picture hidden, text shown.
void Button5Click(State& state, ChartCanvases& canvases);
void Button6Click(State& state, ChartCanvases& canvases);

// --- Transit and synastry with a partner -------------------------------------------------
// Chart 1 is drawn at once; chart 2 follows with "Добавить в карту" of TID2.
void N13Click(State& state, ChartCanvases& canvases); // "Классический"
void N14Click(State& state, ChartCanvases& canvases); // "Медицинский"
void N37Click(State& state, ChartCanvases& canvases); // "Кармическая"
void N38Click(State& state, ChartCanvases& canvases); // "Эротическая"
void N39Click(State& state, ChartCanvases& canvases); // "Партнерство"
// "Ожидаем партнера": chart 1 alone, with the scan controls.
void N36Click(State& state, ChartCanvases& canvases);

// --- Returns, directions, separate calculations ------------------------------------------
void N22Click(State& state, ChartCanvases& canvases); // "Соляр": TID2 in its solar arrangement
void N23Click(State& state, ChartCanvases& canvases); // "Лунар": TID2 in its lunar arrangement
void N28Click(State& state, ChartCanvases& canvases); // "Дирекции": shows TDat2
void N25Click(State& state, ChartCanvases& canvases); // "Расчет усталости": shows TKalendar
void N12Click(State& state, ChartCanvases& canvases); // "Таблица транзитов": shows TKalendar
void N21Click(State& state, ChartCanvases& canvases); // "2-й карты"

// --- Scan buttons ------------------------------------------------------------------------
// "<" and ">": chart 2 one scan step back or forward, drawn around chart 1.
void Button2Click(State& state, ChartCanvases& canvases);
void Button3Click(State& state, ChartCanvases& canvases);

// --- Buttons of TID2 ---------------------------------------------------------------------
void SecondChartAddToChart(State& state, ChartCanvases& canvases); // "Добавить в карту"
void SecondChartSolarReturn(State& state, ChartCanvases& canvases); // "Расчет Cоляра"
void SecondChartLunarReturn(State& state, ChartCanvases& canvases); // "Расчет Лунара"
// Double-click on a found lunar return (nothing happens without a selected line).
void SecondChartLunarListDblClick(State& state, ChartCanvases& canvases);

} // namespace omvera
