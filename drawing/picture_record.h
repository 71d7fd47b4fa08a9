#pragma once
// The chart picture as drawing primitives, so that it can be drawn again at another scale:
// the PDF file and the printer get the wheel as vectors instead of the screen's pixels.
#include "drawing/recording_canvas.h"

#include <deque>
#include <vector>

namespace omvera {

// Draws recorded primitives on `target` in their order, each with its pen colour.
void Replay(const std::vector<CanvasOp>& ops, Canvas& target);

// A canvas that draws on `target` and records what stays visible: a Clear, or a rectangle
// covering the whole surface (how a chart command blanks the picture), forgets everything
// drawn before it, so the record of a long session stays the size of one picture.
class PictureRecorder : public Canvas {
  public:
    explicit PictureRecorder(Canvas& target) : target_(target) {}

    int Width() const override { return target_.Width(); }
    int Height() const override { return target_.Height(); }
    void SetSize(int width, int height) override { target_.SetSize(width, height); }
    void Clear() override;
    void SetPenColour(std::uint32_t colour) override { target_.SetPenColour(colour); }
    std::uint32_t PenColour() const override { return target_.PenColour(); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Draw(int x, int y, const Bitmap& bitmap) override;

    // The primitives still visible, in drawing order. Glyph operations point to the
    // recorder's own copies of the bitmaps.
    const std::vector<CanvasOp>& Ops() const { return ops_; }

  private:
    void Forget();
    void Add(CanvasOp::Kind kind, int x1, int y1, int x2, int y2, std::string text = {},
             const Bitmap* bitmap = nullptr);

    Canvas& target_;
    std::vector<CanvasOp> ops_;
    std::deque<Bitmap> bitmaps_; // a deque keeps the addresses of earlier copies
    int x_ = 0, y_ = 0;
};

} // namespace omvera
