#include "app/shell_commands.h"

#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/text_file.h"

namespace omvera {
namespace {

// The settings windows open over an empty main window.
void HideMainAreasForSettings(MainWindowModel& m) {
    m.Image1Visible = false;
    m.RichEdit1Visible = false;
    m.GroupBox1Visible = false;
    m.Button4Visible = false;
}

void ShowReferenceList(State& state, const char* path) {
    auto& m = state.Form1;
    m.Image1Visible = false;
    m.GroupBox1Visible = false;
    m.Button4Visible = false;
    // Read first: a missing file leaves the view as it was.
    auto lines = ReadTextLines(DataFile(state, path));
    m.RichEdit1Lines = std::move(lines);
    m.RichEdit1Visible = true;
}

} // namespace

void N11Click(State& state) {
    auto& m = state.Form1;
    m.Image1Visible = false;
    m.RichEdit1Visible = false;
    m.GroupBox1Visible = false;
    m.Button4Visible = false;
    state.ID1.Visible = true;
}

void N17Click(State& state) {
    state.Form1.GroupBox1Visible = true;
}

void N18Click(State& state) {
    ShowReferenceList(state, "\\Dann\\Times.TXT");
}

void N19Click(State& state) {
    ShowReferenceList(state, "\\Dann\\Gorod.TXT");
}

void N24Click(State& state) {
    state.Form1.GroupBox1Visible = false;
    OpenPersonDatabase(state);
}

void N7Click(State& state) {
    HideMainAreasForSettings(state.Form1);
    state.PlanUst.Visible = true;
}

void N8Click(State& state) {
    HideMainAreasForSettings(state.Form1);
    state.Dom.Visible = true;
}

void N9Click(State& state) {
    HideMainAreasForSettings(state.Form1);
    state.AspUst.Visible = true;
}

void N29Click(State& state) {
    state.Hsk.Visible = true;
}

} // namespace omvera
