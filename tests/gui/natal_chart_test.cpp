// "Взрослый" through the menu of the real main window: the picture is drawn and is a chart,
// not a blank area.
#include "gui_fixture.h"

#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <set>

using namespace omvera;

TEST_F(GuiTest, AdultNatalChartDrawsTheWheel) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N40"); // "Карта" / "Радикс" / "Взрослый"
    ASSERT_TRUE(errors.empty()) << errors.front();
    // Every glyph loaded; the one message says that the first form has no month chosen.
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "Окно «Исходные-Данные»: месяц не выбран (Выбери месяц); карта "
                           "рассчитана для месяца 0.");
    EXPECT_EQ(state().ChartKind, ChartKindId::Radix);
    EXPECT_TRUE(f->Image1->isVisible());
    EXPECT_FALSE(f->RichEdit1->isVisible());
    EXPECT_TRUE(f->Button4->isVisible());
    EXPECT_FALSE(f->GroupBox1->isVisible());

    // The picture at the main window's design size.
    const int w = f->Image1Canvas().Width(), h = f->Image1Canvas().Height();
    EXPECT_EQ(QSize(w, h), f->Image1->size());
    const QImage picture = f->Image1->Bitmap().copy(0, 0, w, h);
    int inked = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
            if (p != 0xFFFFFF) ++inked, colours.insert(p);
        }
    EXPECT_GT(inked, w * h / 50); // rings, marks, glyphs, texts and lines
    EXPECT_LT(inked, w * h / 2);
    // Black rings and texts, purple and blue and green cusps, red and green rings.
    for (QRgb c : {0x000000u, 0x800080u, 0x0000FFu, 0x008000u, 0xFF0000u})
        EXPECT_TRUE(colours.count(c)) << std::hex << c;

    // The wheel's centre lies at a third of the width; the rings cross the horizontal
    // through it, so ink lies on both sides of the centre within the outer radius.
    const int cx = w / 3, cy = h / 2, r = static_cast<int>(0.46 * h);
    auto inkBetween = [&](int x0, int x1) {
        int n = 0;
        for (int x = x0; x < x1; ++x) n += (picture.pixel(x, cy) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    };
    EXPECT_GT(inkBetween(cx - r - 2, cx), 3);
    EXPECT_GT(inkBetween(cx, cx + r + 2), 3);
    // The position and house columns at the right hold text.
    int columnInk = 0;
    for (int y = 45; y < h - 20; ++y)
        for (int x = w - 220; x < w; ++x) columnInk += (picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(columnInk, 500);

    // "Текст" then "Карта": the picture keeps what was drawn.
    f->Button6->click();
    EXPECT_FALSE(f->Image1->isVisible());
    f->Button5->click();
    EXPECT_TRUE(f->Image1->isVisible());
    EXPECT_EQ(f->Image1->Bitmap().copy(0, 0, w, h), picture);
}

TEST_F(GuiTest, InterpretationShowsTheNatalReportInTheTextView) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N40");
    f->Button4->click();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(f->RichEdit1->isVisible());
    EXPECT_FALSE(f->Image1->isVisible());
    EXPECT_FALSE(f->Button4->isVisible());
    EXPECT_TRUE(f->Button5->isVisible() && f->Button6->isVisible());
    const QString text = f->RichEdit1->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Описание карты гороскопа")));
    EXPECT_TRUE(text.contains(QStringLiteral("Аспекты планет показывают")));
    // Every group printed sections of the shipped texts: the planets in signs start right
    // after their title.
    const auto& lines = state().Form1.RichEdit1Lines;
    const auto title = std::find(lines.begin(), lines.end(), "Положение Планет в знаках зодиака");
    ASSERT_NE(title, lines.end());
    ASSERT_LT(title + 2, lines.end());
    EXPECT_EQ((title + 2)->rfind(" Солнце в ", 0), 0u) << *(title + 2);
    EXPECT_GT(lines.size(), 500u);

    // "Детский": the child's report has no houses of the planets.
    Menu("N41");
    f->Button4->click();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_FALSE(f->RichEdit1->toPlainText().contains(QStringLiteral("Положение Планет в домах")));
    EXPECT_TRUE(f->RichEdit1->toPlainText().contains(QStringLiteral("Положение Домов в знаках")));
}
