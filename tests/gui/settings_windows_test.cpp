// The settings windows through their real widgets: TPlanUst's presets and select-all toggle,
// TDOM's choice reaching the next natal chart's house table, THsk's choice reaching
// ReadScanStep.
#include "gui_fixture.h"

#include "app/chart_state.h"
#include "app/state.h"
#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"
#include "drawing/wheel.h"
#include "input/settings_forms.h"
#include "input/ui/house_system_window.h"
#include "input/ui/planet_settings_window.h"
#include "input/ui/scan_step_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace omvera;

namespace {

QStringList OrbTexts(const TPlanUst* w) {
    QStringList out;
    for (int i = 1; i <= 17; ++i) out << w->Edit[i]->text();
    return out;
}

QStringList Column(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

const QStringList kRadix = Column({"10", "10", "6", "6", "5", "3", "3", "2", "2", "1", "1", "0.5",
                                   "0.5", "0.5", "0.5", "5", "5"});
const QStringList kTransit = Column({"1.2", "6.5", "1.1", "1.1", "1.6", "1.5", "1.5", "0.5", "0.5",
                                     "0.5", "0.5", "0.5", "0.5", "0.5", "0.5", "1", "1"});
const QStringList kDirections =
    Column({"2", "1.5", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
const QStringList kSynastry =
    Column({"10", "10", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6", "6"});

std::vector<bool> Checks(const TPlanUst* w) {
    std::vector<bool> out;
    for (int i = 1; i <= 17; ++i) out.push_back(w->CheckBox[i]->isChecked());
    return out;
}

// Makes the window the active one as a click on it would.
void Activate(QWidget* w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

} // namespace

TEST_F(GuiTest, PlanetSettingsStartInTheirDesignState) {
    Menu("N7"); // "Установки" / "Планеты"
    TPlanUst* w = app().PlanUst;
    ASSERT_TRUE(w->isVisible());
    EXPECT_FALSE(app().Form1->GroupBox1->isVisible());
    const char* captions[] = {"Солнце",      "Луна",   "Меркурий", "Венера", "Марс",  "Юпитер",
                              "Сатурн",      "Уран",   "Нептун",   "Плутон", "Хирон", "Прозерпина",
                              "Раху и Кету", "Селена", "Лилит",    "Asc",    "Mc"};
    for (int i = 1; i <= 17; ++i) {
        EXPECT_EQ(w->CheckBox[i]->text().toStdString(), captions[i - 1]);
        EXPECT_EQ(w->CheckBox[i]->objectName(), QStringLiteral("CheckBox%1").arg(i));
        EXPECT_EQ(w->Edit[i]->objectName(), QStringLiteral("Edit%1").arg(i));
        EXPECT_EQ(w->CheckBox[i]->isChecked(), i <= 7 || i >= 16) << i;
    }
    EXPECT_EQ(OrbTexts(w), kRadix);
    EXPECT_EQ(w->Label1->text().toStdString(), "Орбисы");
    EXPECT_EQ(w->Label2->text().toStdString(), "Орбисы");
    EXPECT_EQ(w->Button1->text().toStdString(), "Радикс");
    EXPECT_TRUE(w->Button1->font().bold());
    EXPECT_EQ(w->Button1->palette().color(QPalette::ButtonText), QColor(0x80, 0, 0));
    EXPECT_EQ(w->Button2->text().toStdString(), "Транзит");
    EXPECT_EQ(w->Button4->text().toStdString(), "Дирекции");
    EXPECT_EQ(w->Button5->text().toStdString(), "Синастрия");
    EXPECT_TRUE(w->Button3->text().isEmpty());
    EXPECT_EQ(w->Button3->geometry(), QRect(0, 0, 17, 17));
    // No two controls overlap.
    std::vector<QRect> boxes;
    for (int i = 1; i <= 17; ++i)
        boxes.push_back(w->CheckBox[i]->geometry()), boxes.push_back(w->Edit[i]->geometry());
    for (QWidget* b : {static_cast<QWidget*>(w->Button1), static_cast<QWidget*>(w->Button2),
                       static_cast<QWidget*>(w->Button3), static_cast<QWidget*>(w->Button4),
                       static_cast<QWidget*>(w->Button5)})
        boxes.push_back(b->geometry());
    for (size_t a = 0; a < boxes.size(); ++a) {
        EXPECT_TRUE(w->rect().contains(boxes[a])) << a;
        for (size_t b = a + 1; b < boxes.size(); ++b)
            EXPECT_FALSE(boxes[a].intersects(boxes[b])) << a << " " << b;
    }
}

TEST_F(GuiTest, PlanetPresetsWriteTheOrbColumnsAndKeepTheChecks) {
    Menu("N7");
    TPlanUst* w = app().PlanUst;
    w->CheckBox[10]->click(); // Pluto on, Sun off: the presets must leave them so
    w->CheckBox[1]->click();
    EXPECT_TRUE(state().PlanUst.CheckBox[10]);
    EXPECT_FALSE(state().PlanUst.CheckBox[1]);
    const auto checks = Checks(w);

    w->Button2->click();
    EXPECT_EQ(OrbTexts(w), kTransit);
    EXPECT_EQ(state().PlanUst.Edit[2], "6.5");
    w->Button4->click();
    EXPECT_EQ(OrbTexts(w), kDirections);
    w->Button5->click();
    EXPECT_EQ(OrbTexts(w), kSynastry);
    w->Button2->click();
    w->Button1->click(); // "Радикс" after "Транзит" restores the design orbs exactly
    EXPECT_EQ(OrbTexts(w), kRadix);
    EXPECT_EQ(state().PlanUst.Edit[12], "0.5");
    EXPECT_EQ(Checks(w), checks);

    // Typing an orb goes straight into the model the aspect scan reads.
    QTest::keyClicks(w->Edit[3], "x");
    EXPECT_EQ(state().PlanUst.Edit[3], "6x");
    w->Button1->click();
    EXPECT_EQ(w->Edit[3]->text().toStdString(), "6");
    EXPECT_TRUE(errors.empty());
}

TEST_F(GuiTest, SelectAllToggleRestartsOnActivation) {
    Menu("N7");
    TPlanUst* w = app().PlanUst;
    Activate(w);
    EXPECT_TRUE(state().PlanUst.SelectAllNext);
    w->Button3->click(); // first press after activation: all set
    EXPECT_EQ(Checks(w), std::vector<bool>(17, true));
    w->Button3->click(); // even though all were set, the second press clears all
    EXPECT_EQ(Checks(w), std::vector<bool>(17, false));
    for (int i = 1; i <= 17; ++i) EXPECT_FALSE(state().PlanUst.CheckBox[i]);
    w->Button3->click();
    EXPECT_EQ(Checks(w), std::vector<bool>(17, true));
    // Another window takes the focus, then TPlanUst again: the next press sets all, even
    // though all are set already.
    app().Form1->show();
    Activate(app().Form1);
    Activate(w);
    EXPECT_TRUE(state().PlanUst.SelectAllNext);
    w->Button3->click();
    EXPECT_EQ(Checks(w), std::vector<bool>(17, true));
    w->Button3->click();
    EXPECT_EQ(Checks(w), std::vector<bool>(17, false));
}

TEST_F(GuiTest, HouseSystemChoiceReachesTheNextNatalChart) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N8"); // "Установки" / "Дома"
    TDOM* dom = app().DOM;
    ASSERT_TRUE(dom->isVisible());
    // The screen order from the top, Placidus chosen.
    std::vector<QRadioButton*> shown(dom->RadioButton.begin() + 1, dom->RadioButton.end());
    std::sort(shown.begin(), shown.end(),
              [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
    QStringList captions, names;
    for (QRadioButton* b : shown) captions << b->text(), names << b->objectName();
    EXPECT_EQ(captions.join('|').toStdString(),
              "Плацидус|Кох|Равнодомные от МС|Равнодомные от АСЦ|Равнодомные от Солнца|"
              "Равнодомные от Луны ");
    EXPECT_EQ(names.join(' ').toStdString(),
              "RadioButton3 RadioButton4 RadioButton1 RadioButton2 RadioButton5 RadioButton6");
    EXPECT_TRUE(dom->RadioButton[3]->isChecked());

    // The house table of the picture (its twelve rows, inside the picture's frame), and the
    // same rows as the core draws them for a letter.
    auto table = [f](const QImage& image, int w) {
        return image.copy(w - 120, 45, 118, f->Image1Canvas().Height() - 46);
    };
    auto expected = [&](char letter) {
        const int w = f->Image1Canvas().Width(), h = f->Image1Canvas().Height();
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        PainterCanvas canvas(image);
        canvas.Font = f->Image1Canvas().Font;
        ReadChartInput(state(), 1);
        CuspLongitudes cusps{};
        ComputeHouses(state(), 1, letter, cusps);
        DrawHouseTableAt(canvas, 1, letter, cusps);
        return table(image, w);
    };

    Menu("N40");
    ASSERT_TRUE(errors.empty()) << errors.front();
    const int w = f->Image1Canvas().Width();
    const QImage placidus = table(f->Image1->Bitmap(), w);
    EXPECT_EQ(placidus, expected('P'));

    dom->RadioButton[4]->click(); // "Кох"
    EXPECT_TRUE(state().Dom.RadioButton[4]);
    EXPECT_FALSE(state().Dom.RadioButton[3]);
    Menu("N40");
    const QImage koch = table(f->Image1->Bitmap(), w);
    EXPECT_NE(koch, placidus);
    EXPECT_EQ(koch, expected('K'));

    dom->RadioButton[1]->click(); // "Равнодомные от МС"
    Menu("N40");
    char letter = 0;
    CurrentHouseSystem(state().Dom, letter);
    EXPECT_EQ(letter, 'M');
    EXPECT_EQ(table(f->Image1->Bitmap(), w), expected('M'));
    EXPECT_TRUE(dom->RadioButton[1]->isChecked());
    EXPECT_FALSE(dom->RadioButton[4]->isChecked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(GuiTest, ScanStepChoiceReachesReadScanStep) {
    Menu("N29"); // "Установки" / "Шаг сканирования"
    THsk* w = app().Hsk;
    ASSERT_TRUE(w->isVisible());
    const char* captions[] = {"7 суток", "1 сутки", "1 час", "10 минут"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w->RadioButton[i]->text().toStdString(), captions[i - 1]);
        EXPECT_EQ(w->RadioButton[i]->isChecked(), i == 2);
        if (i > 1) {
            EXPECT_GT(w->RadioButton[i]->y(), w->RadioButton[i - 1]->y());
        }
    }
    const double steps[] = {7, 1, 1.0 / 24, 10.0 / 1440};
    for (int i : {4, 1, 3, 2}) {
        w->RadioButton[i]->click();
        state().ScanStep = -1;
        ReadScanStep(state());
        EXPECT_EQ(state().ScanStep, steps[i - 1]) << i;
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(w->RadioButton[j]->isChecked(), i == j);
    }
}
