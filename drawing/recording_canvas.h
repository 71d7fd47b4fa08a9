#pragma once
// A canvas that draws nothing and records every primitive with its coordinates and the pen
// colour at the time, so the drawing code can be checked without looking at pixels.
#include "drawing/canvas.h"

#include <string>
#include <vector>

namespace omvera {

struct CanvasOp {
    enum Kind { Clear, Line, Rectangle, Ellipse, Text, Glyph } kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line: from, to; boxes: corners; Text, Glyph: at x1, y1
    std::uint32_t colour = 0;           // pen colour when drawn
    std::string text;                   // Text only
    const Bitmap* bitmap = nullptr;     // Glyph only
};

class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(int width = 529, int height = 345) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetSize(int width, int height) override {
        width_ = width > 0 ? width : 0;
        height_ = height > 0 ? height : 0;
    }
    void Clear() override {
        ops.push_back({CanvasOp::Clear, 0, 0, width_, height_, pen_, {}, nullptr});
    }
    void SetPenColour(std::uint32_t colour) override { pen_ = colour; }
    std::uint32_t PenColour() const override { return pen_; }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Draw(int x, int y, const Bitmap& bitmap) override;

    std::vector<CanvasOp> ops;

    // The recorded operations of one kind, in drawing order.
    std::vector<CanvasOp> Only(CanvasOp::Kind kind) const;
    // The texts drawn, in order.
    std::vector<std::string> Texts() const;

  private:
    int width_, height_;
    std::uint32_t pen_ = 0;
    int x_ = 0, y_ = 0;
};

} // namespace omvera
