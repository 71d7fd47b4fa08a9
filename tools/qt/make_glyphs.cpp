// Renders the 28 glyph pictures of the chart wheel ("Dann\<name>.bmp": 12 signs, 16 bodies)
// into a folder, normally data/Dann of the source tree. Symbols come from DejaVu Sans where
// the font has them; Proserpina, Selena and any symbol the font lacks are drawn as shapes.
// Every glyph is scaled into the same box, so the set looks even on the wheel.
// Usage: QT_QPA_PLATFORM=offscreen make_glyphs OUT_DIR [FONT_FILE]
#include "base/text_file.h"
#include "drawing/bitmap.h"
#include "drawing/glyphs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <cstdio>
#include <string>

using namespace omvera;

namespace {

constexpr int kSize = 16;        // glyph bitmap side in pixels
constexpr double kBox = 13.0;    // the symbol's largest extent inside the bitmap
constexpr double kStroke = 1.35; // line width of the drawn shapes

// Colours by element for the signs (fire, earth, air, water); one ink for the bodies.
const QColor kFire(0xC0, 0x10, 0x10), kEarth(0x10, 0x70, 0x10), kAir(0xA0, 0x68, 0x00),
    kWater(0x10, 0x40, 0xC0), kBody(0x10, 0x18, 0x60);

QColor SignColour(int sign) {
    switch ((sign - 1) % 4) {
    case 0:
        return kFire;
    case 1:
        return kEarth;
    case 2:
        return kAir;
    default:
        return kWater;
    }
}

// Fits a path into the glyph box, centred, keeping its proportions.
QPainterPath Fit(const QPainterPath& path) {
    const QRectF r = path.boundingRect();
    const double scale = kBox / std::max(r.width(), r.height());
    QTransform t;
    t.translate(kSize / 2.0, kSize / 2.0);
    t.scale(scale, scale);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(path);
}

// A path for a character of the font, or an empty path when the font lacks it.
QPainterPath FontPath(const QRawFont& font, char32_t ucs4) {
    if (!font.isValid() || !font.supportsCharacter(ucs4)) return {};
    const QString text = QString::fromUcs4(&ucs4, 1);
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    if (indexes.isEmpty() || indexes[0] == 0) return {};
    return font.pathForGlyph(indexes[0]);
}

// Outline strokes in a 0..100 design square, turned into a filled path.
QPainterPath Stroked(const QPainterPath& outline, double width) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(outline);
}

// Proserpina: an upward crescent holding a dot, over a cross.
QPainterPath Proserpina() {
    QPainterPath p;
    p.moveTo(20, 10);
    p.arcTo(QRectF(20, -20, 60, 60), 180, 180); // the cup
    p.moveTo(50, 40);
    p.lineTo(50, 100);
    p.moveTo(30, 75);
    p.lineTo(70, 75);
    QPainterPath out = Stroked(p, 10);
    out.addEllipse(QPointF(50, 16), 6, 6);
    return out;
}

// Selena, the white moon: an open (outlined) crescent turned the other way from Lilith's
// filled one, over a cross.
QPainterPath Selena() {
    QPainterPath c;
    c.addEllipse(QRectF(15, 0, 70, 70));
    QPainterPath bite;
    bite.addEllipse(QRectF(2, 4, 60, 60));
    QPainterPath crescent = Stroked(c.subtracted(bite), 8);
    QPainterPath cross;
    cross.moveTo(55, 70);
    cross.lineTo(55, 100);
    cross.moveTo(38, 86);
    cross.lineTo(72, 86);
    return crescent.united(Stroked(cross, 9));
}

// A stand-in for any symbol the font lacks: the body's number in a ring.
QPainterPath Fallback(const QRawFont& font, int number) {
    QPainterPath p;
    p.addEllipse(QRectF(0, 0, 100, 100));
    QPainterPath ring = Stroked(p, 9);
    QPainterPath digits;
    QFont f("DejaVu Sans");
    f.setPixelSize(52);
    (void)font;
    digits.addText(0, 0, f, QString::number(number));
    const QRectF r = digits.boundingRect();
    digits.translate(50 - r.center().x(), 50 - r.center().y());
    return ring.united(digits);
}

Bitmap Render(const QPainterPath& shape, const QColor& ink) {
    QImage img(kSize, kSize, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(Fit(shape), ink);
    p.end();
    Bitmap b = MakeBitmap(kSize, kSize, 0xFFFFFF);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) b.At(x, y) = img.pixel(x, y) & 0xFFFFFF;
    return b;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_glyphs OUT_DIR [FONT_FILE]\n");
        return 2;
    }
    const std::string out = argv[1];
    const QString fontFile =
        argc > 2 ? QString::fromLocal8Bit(argv[2])
                 : QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const QRawFont font(fontFile, 100);
    if (!font.isValid())
        std::fprintf(stderr, "make_glyphs: cannot load %s; drawing all shapes\n",
                     fontFile.toLocal8Bit().constData());

    // Signs: U+2648 (Aries) ... U+2653 (Pisces).
    // Bodies: Sun, Moon, Mercury ... Pluto, Chiron, (Proserpina), both nodes, (Selena), Lilith.
    const char32_t bodies[17] = {0,      0x2609, 0x263D, 0x263F, 0x2640, 0x2642,
                                 0x2643, 0x2644, 0x2645, 0x2646, 0x2647, 0x26B7,
                                 0,      0x260A, 0x260B, 0,      0x26B8};
    int failures = 0;
    auto save = [&](const char* name, const Bitmap& b) {
        const std::string path = out + "/" + name + ".bmp";
        try {
            WriteFileAtomically(path, EncodeBmp(b));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "make_glyphs: %s\n", e.what());
            ++failures;
        }
    };
    for (int s = 1; s <= 12; ++s) {
        QPainterPath path = FontPath(font, 0x2648 + s - 1);
        if (path.isEmpty()) path = Fallback(font, s);
        save(kSignGlyphNames[s], Render(path, SignColour(s)));
    }
    for (int b = 1; b <= 16; ++b) {
        QPainterPath path;
        if (b == 12)
            path = Proserpina();
        else if (b == 15)
            path = Selena();
        else
            path = FontPath(font, bodies[b]);
        if (path.isEmpty()) {
            std::fprintf(stderr, "make_glyphs: the font lacks the symbol of %s; drawing it\n",
                         kBodyGlyphNames[b]);
            path = Fallback(font, b);
        }
        save(kBodyGlyphNames[b], Render(path, kBody));
    }
    return failures ? 1 : 0;
}
