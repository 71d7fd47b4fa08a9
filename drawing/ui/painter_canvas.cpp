#include "drawing/ui/painter_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace omvera {

namespace {

QColor PenQColor(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QPen PenOf(std::uint32_t colour) {
    QPen pen(PenQColor(colour));
    pen.setWidthF(1.0);
    return pen;
}

void SetCanvasFont(QFont& font) {
    // The chart's texts stand in cells laid out for a narrow 8-point sans serif: header lines
    // 15 pixels apart, rows 25 apart, the "r" marker 3 pixels before a row's degrees. A
    // semi-condensed sans serif 11 pixels high (13 pixels a line) fits them; "MS Sans Serif"
    // itself is rarely installed.
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("MS Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
}

} // namespace

PainterCanvas::PainterCanvas(QImage& image)
    : image_(&image), width_(image.width()), height_(image.height()) {
    SetCanvasFont(Font);
}

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height)
    : painter_(&painter), width_(std::max(width, 0)), height_(std::max(height, 0)) {
    SetCanvasFont(Font);
}

template <class F> void PainterCanvas::Paint(F&& paint) {
    if (painter_) {
        painter_->save();
        paint(*painter_);
        painter_->restore();
        return;
    }
    if (image_->isNull()) return;
    QPainter p(image_);
    paint(p);
}

void PainterCanvas::SetSize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (!image_) return;
    QImage& image = *image_;
    if (image.width() >= width_ && image.height() >= height_ && !image.isNull()) return;
    QImage grown(std::max({width_, image.width(), 1}), std::max({height_, image.height(), 1}),
                 QImage::Format_RGB32);
    grown.fill(Qt::white);
    if (!image.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, image);
    }
    image = std::move(grown);
}

void PainterCanvas::Clear() {
    if (image_) {
        if (!image_->isNull()) image_->fill(Qt::white);
        return;
    }
    Paint([this](QPainter& p) { p.fillRect(QRectF(0, 0, width_, height_), Qt::white); });
}

void PainterCanvas::LineTo(int x, int y) {
    Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(PenOf(pen_));
        // Pixel centres, so horizontal and vertical lines stay one pixel wide.
        p.drawLine(QPointF(x_ + 0.5, y_ + 0.5), QPointF(x + 0.5, y + 0.5));
    });
    x_ = x, y_ = y;
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    Paint([&](QPainter& p) {
        p.setPen(PenOf(pen_));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    });
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(PenOf(pen_));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    });
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const QString s = QString::fromUtf8(text);
    Paint([&](QPainter& p) {
        p.setFont(Font);
        const QFontMetrics fm(Font, p.device());
        const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
        // The white brush covers the text's cell except its first column, which is the left
        // side bearing of nearly every glyph: a narrow text just before it (the "r" marker)
        // keeps its last column.
        p.fillRect(box.adjusted(1, 0, 0, 0), Qt::white);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    });
}

void PainterCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    Paint([&](QPainter& p) { p.drawImage(x, y, ToQImage(bitmap)); });
}

QImage ToQImage(const Bitmap& b) {
    QImage img(b.Width, b.Height, QImage::Format_RGB32);
    for (int y = 0; y < b.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < b.Width; ++x) line[x] = 0xFF000000u | b.At(x, y);
    }
    return img;
}

Bitmap FromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap b = MakeBitmap(rgb.width(), rgb.height(), 0xFFFFFF);
    for (int y = 0; y < b.Height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < b.Width; ++x) b.At(x, y) = line[x] & 0xFFFFFF;
    }
    return b;
}

} // namespace omvera
