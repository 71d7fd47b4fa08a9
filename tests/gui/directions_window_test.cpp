// "Дирекции" through the menu of the real main window: the dialog TDat2, its date field,
// calendar and aspect choice, "Расчет" drawing the directed chart, "Интерпретация" printing
// the directions report.
#include "gui_fixture.h"

#include "astro/ui/directions_window.h"
#include "base/text_file.h"
#include "drawing/ui/picture_widget.h"
#include "input/chart_form.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

using namespace omvera;

namespace {

int InkedPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

bool HasLine(const State& s, const std::string& line) {
    const auto& l = s.Form1.RichEdit1Lines;
    return std::find(l.begin(), l.end(), line) != l.end();
}

} // namespace

TEST_F(GuiTest, DirectionsDialogComputesDrawsAndReports) {
    TForm1* f = app().Form1;
    TDat2* dat2 = app().Dat2;
    f->show();
    state().ID1.Edit1 = "Анна";
    state().ID1.SetMonthIndex(4); // 15 May 1980

    Menu("N28");
    EXPECT_EQ(state().ChartKind, ChartKindId::Direction);
    ASSERT_TRUE(dat2->isVisible());
    EXPECT_EQ(dat2->windowTitle(), "Дата2");
    EXPECT_TRUE(dat2->RadioButton[1]->isChecked());
    EXPECT_FALSE(dat2->RadioButton[2]->isChecked());
    EXPECT_EQ(dat2->RadioButton[2]->text(), "16 основных аспектов");
    EXPECT_EQ(dat2->Button1->text(), "Расчет");

    // Each activation shows today's date, in four-digit years.
    const LocalNow now = CurrentLocalTime();
    state().Dat2.DateEdit1 = "01.01.2002";
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(dat2, &activate);
    const QString today = QDate(now.Year, now.Month, now.Day).toString("dd.MM.yyyy");
    EXPECT_EQ(dat2->DateEdit1->text(), today);
    EXPECT_EQ(state().Dat2.DateEdit1, today.toStdString());

    // The calendar button's pick lands in the field.
    dat2->CalendarButton->click();
    EXPECT_TRUE(dat2->Calendar->isVisible());
    emit dat2->Calendar->clicked(QDate(2010, 3, 5));
    EXPECT_FALSE(dat2->Calendar->isVisible());
    EXPECT_EQ(dat2->DateEdit1->text(), "05.03.2010");

    // Typing a date that is no date: the radix wheel, an error, no line.
    dat2->DateEdit1->clear();
    QTest::keyClicks(dat2->DateEdit1, "31.02.2010");
    EXPECT_EQ(state().Dat2.DateEdit1, "31.02.2010");
    state().Form1.RichEdit1Lines = {""};
    dat2->Button1->click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("не дата"), std::string::npos) << errors[0];
    EXPECT_EQ(state().Form1.RichEdit1Lines, std::vector<std::string>{""});
    EXPECT_FALSE(dat2->isVisible());

    // A real date: the directed chart drawn and listed.
    Menu("N28");
    dat2->DateEdit1->clear();
    QTest::keyClicks(dat2->DateEdit1, "15.05.2010");
    dat2->RadioButton[2]->click();
    EXPECT_TRUE(state().Dat2.RadioButton2);
    EXPECT_FALSE(state().Dat2.RadioButton1);
    f->Image1->Bitmap().fill(Qt::white);
    dat2->Button1->click();
    ASSERT_EQ(errors.size(), 1u) << errors.back();
    EXPECT_FALSE(dat2->isVisible());
    EXPECT_TRUE(f->Image1->isVisible());
    EXPECT_TRUE(f->Button4->isVisible());
    EXPECT_FALSE(f->RichEdit1->isVisible());
    EXPECT_GT(InkedPixels(f->Image1->Bitmap()), 500);
    EXPECT_TRUE(HasLine(state(), "Приращение =    30.00"));
    EXPECT_TRUE(HasLine(state(), " Расчет аспектов дирекционных к радикс"));
    EXPECT_EQ(state().DirectionDate, (std::array<int, 3>{15, 5, 2010}));

    // "Интерпретация": the report in the sixteen-aspect mode over a text file of our own.
    std::string bytes;
    for (const char* l : {"[+SOL]30[SOL]", "Солнце в полусекстиле", "[конец"})
        bytes += EncodeLine(Utf8ToCp1251OrThrow(l), DirectionKey) + "\r\n";
    std::filesystem::create_directories(folder_ / "Dann" / "Direc");
    WriteFileAtomically((folder_ / "Dann" / "Direc" / "Direkc.TXT").string(), bytes);
    f->Button4->click();
    ASSERT_EQ(errors.size(), 1u) << errors.back();
    EXPECT_TRUE(f->RichEdit1->isVisible());
    EXPECT_FALSE(f->Image1->isVisible());
    const auto& lines = state().Form1.RichEdit1Lines;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "   Дирекция Анна  на  15.05.2010");
    EXPECT_TRUE(HasLine(state(), "Описание Дирекций гороскопа   Анна"));
    EXPECT_TRUE(HasLine(state(), "Солнце в полусекстиле")); // 29.9986 from its radix place
    EXPECT_FALSE(HasLine(state(), "Аспекты дирекционных домов к радиксным планетам"));
    EXPECT_TRUE(f->RichEdit1->toPlainText().contains("Дирекция Анна"));
}
