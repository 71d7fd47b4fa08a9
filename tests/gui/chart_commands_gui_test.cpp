// Goes through every chart command and button as a user would, checking the chart kind,
// which areas of the main window are shown, and that nothing fails.
#include "gui_fixture.h"

#include "drawing/ui/picture_widget.h"
#include "input/ui/chart_fields_panel.h"
#include "input/ui/second_chart_window.h"
#include "input/ui/spin_edit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

using namespace omvera;

namespace {

// Shown areas as a string: picture, text, about panel, scan controls, interpretation button.
std::string Areas(TForm1* f) {
    std::string s;
    for (QWidget* w : std::initializer_list<QWidget*>{f->Image1, f->RichEdit1, f->GroupBox1,
                                                      f->Button2, f->Button4})
        s += w->isVisible() ? '+' : '-';
    return s;
}

int InkedPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
}

} // namespace

TEST_F(GuiTest, EveryChartCommandInAUsersOrder) {
    TForm1* f = app().Form1;
    TID2* id2 = app().ID2;
    f->show();
    state().ID1.SetMonthIndex(4);

    Menu("N40"); // natal, adult
    EXPECT_EQ(state().ChartKind, ChartKindId::Radix);
    EXPECT_EQ(Areas(f), "+---+");
    EXPECT_FALSE(id2->isVisible());
    Menu("N41");
    EXPECT_EQ(state().ChartKind, ChartKindId::RadixChild);

    Menu("N13"); // classical transit: chart 1 at once, TID2 opened
    EXPECT_EQ(state().ChartKind, ChartKindId::Transit);
    EXPECT_EQ(Areas(f), "+--++");
    ASSERT_TRUE(id2->isVisible());
    EXPECT_EQ(state().ID2.Edit1, "Транзит");
    EXPECT_FALSE(id2->Button4->isVisible());
    EXPECT_TRUE(id2->Button1->isVisible());
    f->Image1->Bitmap().fill(Qt::white);
    id2->Button1->click(); // "Добавить в карту"
    EXPECT_FALSE(id2->isVisible());
    EXPECT_GT(InkedPixels(f->Image1->Bitmap()), 500);

    // Scanning by ten minutes, then across midnight by hours.
    state().Hsk.RadioButton = {false, false, false, false, true};
    const int minute = state().ID2.SpinEdit4.Value();
    f->Button3->click();
    EXPECT_EQ(state().ID2.SpinEdit4.Value(), (minute + 10) % 60);
    EXPECT_DOUBLE_EQ(state().ScanStep, 1.0 / 144);
    f->Button2->click();
    EXPECT_EQ(state().ID2.SpinEdit4.Value(), minute);
    EXPECT_EQ(Areas(f), "+--++");

    Menu("N14");
    EXPECT_EQ(state().ChartKind, ChartKindId::TransitMedical);
    EXPECT_EQ(state().ID2.Edit1, "Транзит медицинский");
    id2->Button1->click();
    for (const char* item : {"N37", "N38", "N39"}) {
        state().ID2.Edit1 = "Партнер";
        Menu(item);
        EXPECT_EQ(state().ID2.Edit1, "Партнер"); // synastry keeps the partner's name
        EXPECT_TRUE(id2->isVisible());
        id2->Button1->click();
        f->Button3->click();
    }
    EXPECT_EQ(state().ChartKind, ChartKindId::SynastryPartnership);

    Menu("N36");
    EXPECT_EQ(state().ChartKind, ChartKindId::SynastryWaiting);
    EXPECT_EQ(Areas(f), "+--++");
    EXPECT_FALSE(id2->isVisible());

    Menu("N22"); // solar return
    EXPECT_EQ(state().ChartKind, ChartKindId::Solar);
    EXPECT_TRUE(id2->Button3->isVisible());
    EXPECT_FALSE(id2->Fields->ComboBox1->isVisible());
    EXPECT_EQ(id2->Fields->Label3->text().toStdString(), "Выбери год Соляра");
    state().ID2.SpinEdit1.SetValue(2001);
    id2->Button3->click(); // "Расчет Cоляра"
    EXPECT_FALSE(id2->isVisible());
    EXPECT_EQ(state().ID2.SpinEdit1.Value(), 2001);
    EXPECT_TRUE(state().ID2.Button1Visible); // the ordinary arrangement is back
    Menu("N21");                             // "2-й карты" keeps the chart kind
    EXPECT_EQ(state().ChartKind, ChartKindId::Solar);
    EXPECT_EQ(state().ID2.Edit1, "2-я карта");
    EXPECT_EQ(Areas(f).substr(0, 3), "---");
    EXPECT_FALSE(f->Button4->isVisible());

    Menu("N23"); // lunar return
    EXPECT_EQ(state().ChartKind, ChartKindId::Lunar);
    EXPECT_TRUE(id2->ListBox1->isVisible());
    EXPECT_EQ(id2->Label6->y(), state().ID2.Label9Top - 20);
    id2->Button4->click(); // "Расчет Лунара"
    ASSERT_EQ(id2->ListBox1->count(), 3);
    id2->ListBox1->setCurrentRow(1);
    emit id2->ListBox1->itemDoubleClicked(id2->ListBox1->item(1));
    EXPECT_FALSE(id2->isVisible());
    EXPECT_EQ(Areas(f).substr(0, 2), "+-");

    Menu("N28");
    EXPECT_EQ(state().ChartKind, ChartKindId::Direction);
    EXPECT_TRUE(state().Views.Dat2Visible);
    Menu("N25");
    EXPECT_EQ(state().ChartKind, ChartKindId::Fatigue);
    EXPECT_TRUE(f->RichEdit1->isVisible());
    EXPECT_TRUE(state().Views.KalendarVisible);
    Menu("N12");
    EXPECT_EQ(state().ChartKind, ChartKindId::Transit);
    EXPECT_FALSE(f->Image1->isVisible());
    EXPECT_FALSE(f->Button2->isVisible());

    for (const char* item : {"N26", "N27", "N31", "N32", "N33", "N11"}) Menu(item);
    f->Button6->click();
    EXPECT_FALSE(f->Image1->isVisible());
    f->Button5->click();
    EXPECT_TRUE(f->Image1->isVisible());
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(GuiTest, DailyScanMovesTheSecondChartAcrossTheMonthEnd) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N13");
    state().ID2.SetMonthIndex(4);
    state().ID2.SpinEdit2.SetValue(31);
    app().ID2->Button1->click();
    f->Button3->click();
    EXPECT_EQ(state().ID2.SpinEdit2.Value(), 1); // one day on: 1 June
    EXPECT_EQ(state().ID2.Month(), 6);
    EXPECT_EQ(state().ID2.SpinEdit3.Value(), 12);
    EXPECT_EQ(state().ID2.SpinEdit4.Value(), 30);
    EXPECT_TRUE(errors.empty());
}

TEST_F(GuiTest, LunarSearchAtTheEndOfTheRangeReportsAndKeepsItsList) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N23");
    state().ID2.SpinEdit1.SetValue(2050);
    state().ID2.SetMonthIndex(11);
    app().ID2->Button4->click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Лунар не найден"), std::string::npos);
    EXPECT_LE(app().ID2->ListBox1->count(), 2);
}
