// The chart commands that involve the second chart form TID2: transit and synastry charts,
// the returns, the scan buttons and TID2's own buttons; and the commands that open the
// directions and calendar windows.
#include "app/chart_commands.h"

#include "app/aspect_lines.h"
#include "app/chart_drawing.h"
#include "app/chart_state.h"
#include "app/main_window_model.h"
#include "app/return_search.h"
#include "app/state.h"
#include "drawing/canvas.h"
#include "drawing/glyphs.h"
#include "drawing/wheel.h"
#include "input/second_chart.h"
#include "input/settings_forms.h"

namespace omvera {
namespace {

// Paints the picture's rectangle with the current pen and brush, leaving the text view.
void BlankPicture(Canvas& image) {
    image.Rectangle(0, 0, image.Width(), image.Height());
}

// The picture's caption of chart 2, written beside the wheel.
void WriteChartTitle(Canvas& image, const char* text) {
    image.TextOut(image.Width() - 250, 25, text);
}

// The wheel with chart 1's header, bodies and houses, the frame chart 2 is drawn into.
void DrawFirstChartFrame(State& state, Canvas& image) {
    DrawWheel(state, image);
    DrawChartHeader(state, image, ChartSlot::First);
    DrawHouses(state, image, ChartSlot::First);
}

// Chart 1's frame on a blank picture, then the aspect lines between the two charts.
void DrawFirstChartWithMutualAspects(State& state, Canvas& image) {
    BlankPicture(image);
    DrawFirstChartFrame(state, image);
    DrawMutualAspects(state, image);
}

// Chart 2 from TID2 around chart 1: header, positions, and (with `houses`) its houses.
void DrawSecondChart(State& state, Canvas& image, bool houses) {
    ReadChartInput(state, 2);
    state.ID2.Visible = false;
    DrawChartHeader(state, image, ChartSlot::Second);
    DrawPositionTable(state, image, TablePlace::SecondBeside);
    if (houses) {
        DrawHouses(state, image, ChartSlot::Second);
        DrawHouseTable(state, image, TablePlace::SecondBeside);
    }
}

void StartPartnerChart(State& state, ChartCanvases& c, ChartKindId kind, bool nameIsKind) {
    auto& form = state.Form1;
    LayoutMainWindowAndPicture(state, c.Image1);
    state.ChartKind = kind;
    form.GroupBox1Visible = false;
    ArrangeSecondChartNormal(state.ID2);
    ClearChartImage(state, c.Image1);
    DrawFirstChartFrame(state, c.Image1);
    form.RichEdit1Visible = false;
    form.Image1Visible = true;
    form.ScanVisible = true;
    form.Button4Visible = true;
    if (nameIsKind) state.ID2.Edit1 = ChartKindText(state.ChartKind);
    state.ID2.Label10Visible = false;
    state.ID2.Button4Visible = false;
    state.ID2.Visible = true;
}

void Scan(State& state, ChartCanvases& c, int direction) {
    auto& form = state.Form1;
    if (direction < 0) form.RichEdit1Visible = false;
    LayoutMainWindowAndPicture(state, c.Image1);
    BlankPicture(c.Image1);
    DrawFirstChartFrame(state, c.Image1);
    form.Image1Visible = true;
    form.RichEdit1Visible = false;
    form.Button4Visible = true;
    ReadScanStep(state);
    StepFormMoment(state.ID2, direction * state.ScanStep);
    DrawSecondChart(state, c.Image1, state.ChartKind != ChartKindId::Transit);
    WriteChartTitle(c.Image1, "Транзит");
    DrawMutualAspects(state, c.Image1);
}

} // namespace

// --- Transit and synastry with a partner -------------------------------------------------

void N13Click(State& state, ChartCanvases& c) {
    StartPartnerChart(state, c, ChartKindId::Transit, true);
}
void N14Click(State& state, ChartCanvases& c) {
    StartPartnerChart(state, c, ChartKindId::TransitMedical, true);
}
void N37Click(State& state, ChartCanvases& c) {
    StartPartnerChart(state, c, ChartKindId::SynastryKarma, false);
}
void N38Click(State& state, ChartCanvases& c) {
    StartPartnerChart(state, c, ChartKindId::Erotic, false);
}
void N39Click(State& state, ChartCanvases& c) {
    StartPartnerChart(state, c, ChartKindId::SynastryPartnership, false);
}

// --- Returns, directions, separate calculations ------------------------------------------

void N22Click(State& state, ChartCanvases& c) {
    LayoutMainWindowAndPicture(state, c.Image1);
    state.ChartKind = ChartKindId::Solar;
    state.Form1.GroupBox1Visible = false;
    state.ID2.Edit1 = "Соляр";
    state.ID2.Label10Visible = false;
    state.ID2.Button4Visible = false;
    state.Form1.Button4Visible = true;
    ArrangeSecondChartSolar(state.ID2);
    state.ID2.Visible = true;
}

void N23Click(State& state, ChartCanvases& c) {
    LayoutMainWindowAndPicture(state, c.Image1);
    state.ChartKind = ChartKindId::Lunar;
    state.Form1.GroupBox1Visible = false;
    state.ID2.ListBox1.clear();
    state.ID2.ListBox1Index = -1;
    state.ID2.Edit1 = "Лунар";
    state.Form1.Button4Visible = true;
    ArrangeSecondChartLunar(state.ID2);
    state.ID2.Visible = true;
    state.ID2.Label6Top = state.ID2.Label9Top - 20;
}

void N28Click(State& state, ChartCanvases& c) {
    state.ChartKind = ChartKindId::Direction;
    state.Views.Dat2Visible = true;
    LayoutMainWindowAndPicture(state, c.Image1);
}

void N25Click(State& state, ChartCanvases&) {
    state.ChartKind = ChartKindId::Fatigue;
    state.Form1.GroupBox1Visible = false;
    state.Form1.RichEdit1Lines.clear();
    state.Form1.RichEdit1Visible = true;
    state.Views.KalendarVisible = true;
}

void N12Click(State& state, ChartCanvases&) {
    state.ChartKind = ChartKindId::Transit;
    LoadGlyphs(state);
    state.Form1.Image1Visible = false;
    state.Form1.ScanVisible = false;
    state.Form1.Button4Visible = false;
    state.Form1.RichEdit1Lines.clear();
    state.Views.KalendarVisible = true;
}

void N21Click(State& state, ChartCanvases&) {
    auto& form = state.Form1;
    form.GroupBox1Visible = false;
    form.Image1Visible = false;
    form.RichEdit1Visible = false;
    ArrangeSecondChartNormal(state.ID2);
    state.ID2.Label10Visible = false;
    state.ID2.Button4Visible = false;
    state.ID2.ListBox1Visible = false;
    form.Button4Visible = false;
    state.ID2.Edit1 = "2-я карта";
    state.ID2.Visible = true;
}

// --- Scan buttons ------------------------------------------------------------------------

void Button2Click(State& state, ChartCanvases& c) {
    Scan(state, c, -1);
}
void Button3Click(State& state, ChartCanvases& c) {
    Scan(state, c, +1);
}

// --- Buttons of TID2 ---------------------------------------------------------------------

void SecondChartAddToChart(State& state, ChartCanvases& c) {
    LayoutMainWindowAndPicture(state, c.Image1);
    state.Form1.RichEdit1Visible = false;
    DrawFirstChartWithMutualAspects(state, c.Image1);
    state.Form1.Image1Visible = true;
    state.Form1.RichEdit1Visible = false;
    const bool transit = state.ChartKind == ChartKindId::Transit;
    DrawSecondChart(state, c.Image1, !transit);
    if (transit) WriteChartTitle(c.Image1, "Транзит");
}

void SecondChartSolarReturn(State& state, ChartCanvases& c) {
    SolarReturnSearch(state);
    DrawFirstChartWithMutualAspects(state, c.Image1);
    state.Form1.Image1Visible = true;
    state.Form1.RichEdit1Visible = false;
    DrawSecondChart(state, c.Image1, true);
    WriteChartTitle(c.Image1, "Соляр");
    ArrangeSecondChartNormal(state.ID2);
}

void SecondChartLunarReturn(State& state, ChartCanvases&) {
    state.Form1.RichEdit1Lines.clear();
    state.ID2.ListBox1.clear();
    state.ID2.ListBox1Index = -1;
    state.ID2.ListBox1Visible = true;
    LunarReturnSearch(state);
}

void SecondChartLunarListDblClick(State& state, ChartCanvases& c) {
    auto& f = state.ID2;
    if (f.ListBox1Index < 0 || f.ListBox1Index >= static_cast<int>(f.ListBox1.size())) return;
    LoadLunarListLine(f.ListBox1[f.ListBox1Index], f);
    state.Form1.RichEdit1Visible = false;
    DrawFirstChartWithMutualAspects(state, c.Image1);
    state.Form1.Image1Visible = true;
    DrawSecondChart(state, c.Image1, true);
    WriteChartTitle(c.Image1, "Лунар");
    f.Label6Top = f.Label9Top - 20;
}

} // namespace omvera
