#pragma once
// Field model of the main window TForm1: geometry of its controls, which areas are
// visible, and the lines of the text view RichEdit1.
#include "reports/line_sink.h"

#include <string>
#include <vector>

namespace omvera {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct MainWindowModel {
    // Outer size of the main window.
    int Left = 196, Top = 78, Width = 571, Height = 466;

    Rect Image1{8, 16, 529, 345};
    Rect RichEdit1{24, 4, 505, 341};
    Rect Label1{128, 384, 73, 13};
    Rect Button2{128, 400, 25, 17};
    Rect Button3{168, 400, 25, 17};
    Rect Button4{207, 384, 105, 22};
    Rect Button5{336, 384, 75, 25};
    Rect Button6{424, 384, 75, 25};
    Rect GroupBox1{140, 108, 300, 229};

    bool Image1Visible = false;
    bool RichEdit1Visible = false;
    bool ScanVisible = false;     // Label1, Button2, Button3
    bool Button4Visible = false;  // "Интерпретация"
    bool Button5Visible = false;  // "Карта"
    bool Button6Visible = false;  // "Текст"
    bool GroupBox1Visible = true; // the about panel

    // RichEdit1 starts with one empty line.
    std::vector<std::string> RichEdit1Lines{""};
};

// Lays out the main window for its current outer size (Width, Height).
void LayoutMainWindow(MainWindowModel& m);

inline constexpr const char* kVersionLabel = " Омвера 3.46м";

// Appends to the lines of the main window's text view RichEdit1.
class RichEdit1Sink : public LineSink {
  public:
    explicit RichEdit1Sink(MainWindowModel& form) : lines_(form.RichEdit1Lines) {}
    void AddLine(const std::string& utf8) override { lines_.push_back(utf8); }

  private:
    std::vector<std::string>& lines_;
};

} // namespace omvera
