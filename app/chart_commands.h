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

} // namespace omvera
