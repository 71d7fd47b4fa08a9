#pragma once
// The saved and printed forms that need Qt: PNG through Qt's image writer, and paged
// documents (a PDF file, a printer) holding the chart picture as vectors on the first page
// and the text view's lines in its monospace font on the pages after it.
#include "drawing/recording_canvas.h"

#include <QFont>
#include <QImage>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace omvera {

struct PagedDocument {
    // The text view's lines; none when the text is not part of the document.
    const std::vector<std::string>* Lines = nullptr;
    // The chart picture's primitives and size; none when the picture is not part of it.
    const std::vector<CanvasOp>* Picture = nullptr;
    int PictureWidth = 0, PictureHeight = 0;
    QFont PictureFont; // the font the picture's texts were drawn in
};

// The text view's font at its screen size, for a device of any resolution.
QFont TextViewFont();

// Paints the document on `device`: the picture scaled to the page's width (and height) on
// the first page, then the lines, one paragraph a line, wrapped at the page's width. Throws
// Error when the device cannot be painted on.
void PaintDocument(QPagedPaintDevice& device, const PagedDocument& doc);

// The bytes of a PDF file (A4) of the document.
std::string PdfBytes(const PagedDocument& doc);
// The bytes of a compressed PNG file of the image.
std::string PngBytes(const QImage& image);

} // namespace omvera
