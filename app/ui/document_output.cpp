#include "app/ui/document_output.h"

#include "app/save_commands.h"
#include "base/errors.h"
#include "drawing/picture_record.h"
#include "drawing/ui/painter_canvas.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace omvera {

QFont TextViewFont() {
    QFont font(QString::fromStdString(kTextViewFont.Family));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // Points, so a device of another resolution shows it at the screen's size.
    font.setPointSizeF(kTextViewFont.PixelHeight * 72.0 / 96.0);
    return font;
}

namespace {

void PaintPicture(QPainter& p, const QRectF& page, const PagedDocument& doc) {
    if (doc.PictureWidth <= 0 || doc.PictureHeight <= 0) return;
    const double scale =
        std::min(page.width() / doc.PictureWidth, page.height() / doc.PictureHeight);
    p.save();
    p.scale(scale, scale);
    p.setClipRect(QRectF(0, 0, doc.PictureWidth, doc.PictureHeight));
    PainterCanvas canvas(p, doc.PictureWidth, doc.PictureHeight);
    canvas.Font = doc.PictureFont;
    Replay(*doc.Picture, canvas);
    p.restore();
}

// The lines page after page; `first` is true while nothing is on the current page.
void PaintLines(QPainter& p, QPagedPaintDevice& device, const QRectF& devicePage,
                const std::vector<std::string>& lines, bool first) {
    // The lines are laid out in screen pixels (96 a inch) with the view's pixel font, and the
    // painter scales them to the device: laid out on a device of another resolution, Qt
    // measures the font at one resolution and the page at another, and the lines wrap short
    // of the page's width.
    const double scale = device.logicalDpiX() / 96.0;
    const QRectF page(0, 0, devicePage.width() / scale, devicePage.height() / scale);
    QTextDocument text;
    QFont font = TextViewFont();
    font.setPixelSize(kTextViewFont.PixelHeight);
    text.setDefaultFont(font);
    text.setDocumentMargin(0);
    QStringList joined;
    for (const std::string& l : lines) joined << QString::fromUtf8(l);
    text.setPlainText(joined.join(QChar('\n')));
    text.setPageSize(page.size());
    const int pages = std::max(text.pageCount(), 1);
    // The lines of each page, drawn one by one: drawing a page's rectangle would draw a
    // paragraph that runs on to the next page whole, clipped, and its hidden lines would stay
    // in the file's text.
    struct PageLine {
        QTextLayout* layout;
        int line;
    };
    std::vector<std::vector<PageLine>> onPage(static_cast<size_t>(pages));
    for (QTextBlock b = text.begin(); b.isValid(); b = b.next()) {
        QTextLayout* layout = b.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            // By the line's middle: the layout puts a line's top on a page's edge, which a
            // rounding error could move to the page before.
            const QTextLine line = layout->lineAt(i);
            const double middle = layout->position().y() + line.y() + line.height() / 2;
            const int k = std::clamp(static_cast<int>(middle / page.height()), 0, pages - 1);
            onPage[static_cast<size_t>(k)].push_back({layout, i});
        }
    }
    for (int k = 0; k < pages; ++k) {
        if (!first && !device.newPage()) throw Error("Не удается начать новую страницу");
        first = false;
        p.save();
        p.scale(scale, scale);
        p.translate(0, -k * page.height());
        p.setPen(Qt::black);
        for (const PageLine& l : onPage[static_cast<size_t>(k)])
            l.layout->lineAt(l.line).draw(&p, l.layout->position());
        p.restore();
    }
}

} // namespace

void PaintDocument(QPagedPaintDevice& device, const PagedDocument& doc) {
    QPainter p;
    if (!p.begin(&device)) throw Error("Не удается начать печать документа");
    // The painter's origin is the printable area's top-left corner.
    const QRectF page(0, 0, device.width(), device.height());
    bool first = true;
    if (doc.Picture) {
        PaintPicture(p, page, doc);
        first = false;
    }
    if (doc.Lines) PaintLines(p, device, page, *doc.Lines, first);
    p.end();
}

std::string PdfBytes(const PagedDocument& doc) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("Омвера"));
        pdf.setCreator(QStringLiteral("Омвера"));
        PaintDocument(pdf, doc);
    }
    return bytes.toStdString();
}

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // For PNG, Qt maps quality 0..100 onto zlib's levels 9..0: 0 gives the smallest file, and
    // a wheel is mostly white.
    writer.setQuality(0);
    if (!writer.write(image))
        throw Error("Не удается записать рисунок в формате PNG: " +
                    writer.errorString().toStdString());
    return bytes.toStdString();
}

} // namespace omvera
