#pragma once
// The canvas of the Qt views: draws with QPainter into an off-screen QImage (the bitmap of a
// PictureWidget), so what is drawn survives repaints. Lines and rings are antialiased; the
// geometry is the core's, to the pixel. Over a painter of a PDF file or a printer it draws
// the same primitives as vectors at the painter's scale.
#include "drawing/canvas.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace omvera {

class PainterCanvas : public Canvas {
  public:
    // Draws into `image`, which the canvas grows as SetSize asks (never shrinks it). The
    // drawing size starts as the image's size.
    explicit PainterCanvas(QImage& image);
    // Draws with `painter` (which stays the caller's) on a surface of the given size in the
    // painter's logical coordinates.
    PainterCanvas(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetSize(int width, int height) override;
    void Clear() override;
    void SetPenColour(std::uint32_t colour) override { pen_ = colour; }
    std::uint32_t PenColour() const override { return pen_; }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Draw(int x, int y, const Bitmap& bitmap) override;

    // The canvas font (black text on the white brush).
    QFont Font;

  private:
    // Runs `paint` with a painter on the surface: the caller's (state saved and restored) or
    // one on the image. Nothing happens without a surface.
    template <class F> void Paint(F&& paint);

    QImage* image_ = nullptr;
    QPainter* painter_ = nullptr;
    int width_, height_;
    std::uint32_t pen_ = 0;
    int x_ = 0, y_ = 0;
};

// A QImage copy of a core bitmap.
QImage ToQImage(const Bitmap& bitmap);
// A core bitmap of a QImage (any format).
Bitmap FromQImage(const QImage& image);

} // namespace omvera
