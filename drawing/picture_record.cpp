#include "drawing/picture_record.h"

namespace omvera {

void Replay(const std::vector<CanvasOp>& ops, Canvas& target) {
    for (const CanvasOp& op : ops) {
        target.SetPenColour(op.colour);
        switch (op.kind) {
        case CanvasOp::Clear:
            target.Clear();
            break;
        case CanvasOp::Line:
            target.MoveTo(op.x1, op.y1);
            target.LineTo(op.x2, op.y2);
            break;
        case CanvasOp::Rectangle:
            target.Rectangle(op.x1, op.y1, op.x2, op.y2);
            break;
        case CanvasOp::Ellipse:
            target.Ellipse(op.x1, op.y1, op.x2, op.y2);
            break;
        case CanvasOp::Text:
            target.TextOut(op.x1, op.y1, op.text);
            break;
        case CanvasOp::Glyph:
            if (op.bitmap) target.Draw(op.x1, op.y1, *op.bitmap);
            break;
        }
    }
}

void PictureRecorder::Forget() {
    ops_.clear();
    bitmaps_.clear();
}

void PictureRecorder::Add(CanvasOp::Kind kind, int x1, int y1, int x2, int y2, std::string text,
                          const Bitmap* bitmap) {
    ops_.push_back({kind, x1, y1, x2, y2, target_.PenColour(), std::move(text), bitmap});
}

void PictureRecorder::Clear() {
    target_.Clear();
    Forget();
    Add(CanvasOp::Clear, 0, 0, Width(), Height());
}

void PictureRecorder::MoveTo(int x, int y) {
    target_.MoveTo(x, y);
    x_ = x, y_ = y;
}

void PictureRecorder::LineTo(int x, int y) {
    target_.LineTo(x, y);
    Add(CanvasOp::Line, x_, y_, x, y);
    x_ = x, y_ = y;
}

void PictureRecorder::Rectangle(int x1, int y1, int x2, int y2) {
    target_.Rectangle(x1, y1, x2, y2);
    if (x1 <= 0 && y1 <= 0 && x2 >= Width() && y2 >= Height()) Forget();
    Add(CanvasOp::Rectangle, x1, y1, x2, y2);
}

void PictureRecorder::Ellipse(int x1, int y1, int x2, int y2) {
    target_.Ellipse(x1, y1, x2, y2);
    Add(CanvasOp::Ellipse, x1, y1, x2, y2);
}

void PictureRecorder::TextOut(int x, int y, const std::string& text) {
    target_.TextOut(x, y, text);
    Add(CanvasOp::Text, x, y, x, y, text);
}

void PictureRecorder::Draw(int x, int y, const Bitmap& bitmap) {
    target_.Draw(x, y, bitmap);
    if (bitmap.Empty()) return;
    bitmaps_.push_back(bitmap);
    Add(CanvasOp::Glyph, x, y, x + bitmap.Width, y + bitmap.Height, {}, &bitmaps_.back());
}

} // namespace omvera
