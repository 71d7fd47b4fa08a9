#pragma once
// The canvas of the Qt views: draws with QPainter into an off-screen QImage (the bitmap of a
// PictureWidget), so what is drawn survives repaints. Lines and rings are antialiased; the
// geometry is the core's, to the pixel.
#include "drawing/canvas.h"

#include <QFont>
#include <QImage>

namespace omvera {

class PainterCanvas : public Canvas {
  public:
    // Draws into `image`, which the canvas grows as SetSize asks (never shrinks it). The
    // drawing size starts as the image's size.
    explicit PainterCanvas(QImage& image);

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
    QImage& image_;
    int width_, height_;
    std::uint32_t pen_ = 0;
    int x_ = 0, y_ = 0;
};

// A QImage copy of a core bitmap.
QImage ToQImage(const Bitmap& bitmap);
// A core bitmap of a QImage (any format).
Bitmap FromQImage(const QImage& image);

} // namespace omvera
