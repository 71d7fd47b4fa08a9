#include "drawing/recording_canvas.h"

namespace omvera {

void RecordingCanvas::LineTo(int x, int y) {
    ops.push_back({CanvasOp::Line, x_, y_, x, y, pen_, {}, nullptr});
    x_ = x, y_ = y;
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    ops.push_back({CanvasOp::Rectangle, x1, y1, x2, y2, pen_, {}, nullptr});
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    ops.push_back({CanvasOp::Ellipse, x1, y1, x2, y2, pen_, {}, nullptr});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    ops.push_back({CanvasOp::Text, x, y, x, y, pen_, text, nullptr});
}

void RecordingCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    ops.push_back({CanvasOp::Glyph, x, y, x + bitmap.Width, y + bitmap.Height, pen_, {}, &bitmap});
}

std::vector<CanvasOp> RecordingCanvas::Only(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    for (const auto& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& op : ops)
        if (op.kind == CanvasOp::Text) out.push_back(op.text);
    return out;
}

} // namespace omvera
