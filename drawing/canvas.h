#pragma once
// The drawing surface of the chart picture, the view window TProsm and the grid window
// TAspq. The drawing code of the core writes only through this interface; the Qt views
// provide a painter over an off-screen image, the tests a recording canvas and the
// command-line companion a software raster.
#include "drawing/bitmap.h"

#include <cstdint>
#include <string>

namespace omvera {

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Size of the drawing surface in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Gives the surface a new size; what is drawn stays in place, new parts are white.
    // Negative sizes count as 0.
    virtual void SetSize(int width, int height) = 0;

    // Paints the whole surface white (a window's repaint).
    virtual void Clear() = 0;

    // Pen colour as a Windows colour value (0x00BBGGRR); black at start.
    virtual void SetPenColour(std::uint32_t colour) = 0;
    virtual std::uint32_t PenColour() const = 0;
    // Line from the current position to (x, y), which becomes the current position. As on
    // a raster canvas, the end point itself is not drawn.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Rectangle and ellipse within the box from (x1, y1) to (x2, y2), the right and bottom
    // edges excluded: outlined with the pen and filled with the white brush.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // UTF-8 text in the canvas font (black) on the white brush, top-left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Copies the bitmap unchanged (no transparency, no scaling) with its top-left corner at
    // (x, y). An empty bitmap draws nothing.
    virtual void Draw(int x, int y, const Bitmap& bitmap) = 0;
};

} // namespace omvera
