#include "app/main_window_model.h"

namespace omvera {

void LayoutMainWindow(MainWindowModel& m) {
    const int W = m.Width, H = m.Height;
    m.RichEdit1.height = H - 130;
    m.Image1.height = H - 130;
    m.RichEdit1.width = W - 100;
    m.Image1.width = W - 100;
    for (Rect* b : {&m.Button2, &m.Button3, &m.Button4, &m.Button5, &m.Button6}) b->top = H - 90;
    m.Label1.top = H - 106;
    // Integer halves truncated toward zero, as W / 2 - width / 2 in real arithmetic.
    m.GroupBox1.left = static_cast<int>(W / 2.0 - m.GroupBox1.width / 2.0);
    m.GroupBox1.top = static_cast<int>(H / 2.0 - m.GroupBox1.height / 2.0);
}

} // namespace omvera
