#include "app/chart_commands.h"

#include "app/aspect_lines.h"
#include "app/chart_drawing.h"
#include "app/chart_state.h"
#include "app/main_window_model.h"
#include "app/state.h"
#include "drawing/canvas.h"
#include "drawing/glyphs.h"
#include "drawing/separation_grid.h"
#include "drawing/wheel.h"

namespace omvera {

void ClearChartImage(State& state, Canvas& image) {
    state.Form1.RichEdit1Visible = false;
    image.Rectangle(0, 0, image.Width(), image.Height());
}

void LayoutMainWindowAndPicture(State& state, Canvas& image) {
    LayoutMainWindow(state.Form1);
    image.SetSize(state.Form1.Image1.width, state.Form1.Image1.height);
}

// --- Natal chart ---------------------------------------------------------------------

namespace {

// Chart 1 alone: wheel, header, positions, houses, house column and aspect lines. Only
// "Ожидаем партнера" keeps the scan controls.
void DrawNatalChart(State& state, ChartCanvases& c, ChartKindId kind, bool scanControls = false) {
    auto& form = state.Form1;
    LayoutMainWindowAndPicture(state, c.Image1);
    state.ChartKind = kind;
    form.GroupBox1Visible = false;
    ClearChartImage(state, c.Image1);
    DrawWheel(state, c.Image1);
    DrawChartHeader(state, c.Image1, ChartSlot::First);
    DrawPositionTable(state, c.Image1, TablePlace::FirstBeside);
    DrawHouses(state, c.Image1, ChartSlot::First);
    DrawHouseTable(state, c.Image1, TablePlace::FirstBeside);
    DrawChartAspects(state, c.Image1);
    form.Image1Visible = true;
    form.RichEdit1Visible = false;
    form.ScanVisible = scanControls;
    form.Button4Visible = true;
}

} // namespace

void N40Click(State& state, ChartCanvases& canvases) {
    DrawNatalChart(state, canvases, ChartKindId::Radix);
}

void N41Click(State& state, ChartCanvases& canvases) {
    DrawNatalChart(state, canvases, ChartKindId::RadixChild);
}

void N36Click(State& state, ChartCanvases& canvases) {
    DrawNatalChart(state, canvases, ChartKindId::SynastryWaiting, true);
}

// --- View window TProsm --------------------------------------------------------------

namespace {

void ShowProsm(State& state, ChartCanvases& c, const char* caption, TablePlace selector) {
    state.Views.ProsmCaption = caption;
    state.Views.ProsmVisible = true;
    c.Prosm.Clear(); // showing the window repaints it
    DrawPositionTable(state, c.Prosm, selector);
    DrawHouseTable(state, c.Prosm, selector);
}

} // namespace

void N26Click(State& state, ChartCanvases& canvases) {
    ShowProsm(state, canvases, "Радикс", TablePlace::FirstInView);
}

void N27Click(State& state, ChartCanvases& canvases) {
    ShowProsm(state, canvases, "Транзит", TablePlace::SecondInView);
}

// --- Grid window TAspq ---------------------------------------------------------------

namespace {

void ShowAspq(State& state, ChartCanvases& c, const char* caption) {
    state.Views.AspqCaption = caption;
    state.Views.AspqVisible = true;
    c.Aspq.Clear(); // showing the window repaints it
    DrawGridHeaders(state, c.Aspq);
}

} // namespace

void N31Click(State& state, ChartCanvases& canvases) {
    LoadGlyphs(state);
    ShowAspq(state, canvases, "Аспекты радикса");
    DrawSeparationGrid(state, canvases.Aspq, ChartSlot::First);
}

void N32Click(State& state, ChartCanvases& canvases) {
    ShowAspq(state, canvases, "Аспекты Транзита");
    DrawSeparationGrid(state, canvases.Aspq, ChartSlot::Second);
}

void N33Click(State& state, ChartCanvases& canvases) {
    ShowAspq(state, canvases, "Аспекты взаимные");
    DrawMutualGrid(state, canvases.Aspq);
}

// --- Picture and text switch ---------------------------------------------------------

void Button5Click(State& state, ChartCanvases& canvases) {
    state.Form1.Image1Visible = true;
    state.Form1.RichEdit1Visible = false;
    LayoutMainWindowAndPicture(state, canvases.Image1);
}

void Button6Click(State& state, ChartCanvases&) {
    state.Form1.Image1Visible = false;
    state.Form1.RichEdit1Visible = true;
}

} // namespace omvera
