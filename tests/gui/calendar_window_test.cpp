// TKalendar through its widgets: opened by "Таблица транзитов" and "Расчет усталости" with
// today's dates, typed dates, "Расчет " filling the main window's text view, a bad date
// reported by the standard error box, and the calendar button writing a chosen day.
#include "gui_fixture.h"

#include "calendars/ui/calendar_window.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace omvera;

namespace {

QString Today(int plusDays = 0) {
    return QDate::currentDate().addDays(plusDays).toString(QStringLiteral("dd.MM.yyyy"));
}

void TypeInto(QLineEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClicks(e, text);
}

} // namespace

TEST_F(GuiTest, CalendarWindowRunsTheTransitTable) {
    TForm1* f = app().Form1;
    TKalendar* k = app().Kalendar;
    f->show();
    EXPECT_EQ(k->windowTitle(), QStringLiteral("Календарь"));
    Menu("N12");
    ASSERT_TRUE(k->isVisible());
    EXPECT_EQ(state().ChartKind, ChartKindId::Transit);
    EXPECT_EQ(k->DateEdit1->text(), Today());
    EXPECT_EQ(k->DateEdit2->text(), Today(7));
    EXPECT_EQ(k->Label5->text(), QStringLiteral("Дата 2 должна быть позже чем Дата1"));
    EXPECT_TRUE(k->Label5->font().bold());
    EXPECT_EQ(k->Button3->text(), QStringLiteral("Расчет "));

    TypeInto(k->DateEdit1, "04.03.2024");
    TypeInto(k->DateEdit2, "05.03.2024");
    QTest::mouseClick(k->Button3, Qt::LeftButton);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_FALSE(k->isVisible());
    EXPECT_FALSE(k->Label5->isVisibleTo(k));
    ASSERT_TRUE(f->RichEdit1->isVisible());
    const QString text = f->RichEdit1->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Транзиты на Радикс "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("5.03.2024  вторник")));
    EXPECT_TRUE(text.contains(QStringLiteral("6.03.2024  среда")));
    EXPECT_EQ(state().ID2.SpinEdit2.Value(), 6);
}

TEST_F(GuiTest, CalendarWindowReportsABadDateAndRunsTheFatigueCalendar) {
    TForm1* f = app().Form1;
    TKalendar* k = app().Kalendar;
    f->show();
    Menu("N25");
    ASSERT_TRUE(k->isVisible());
    EXPECT_EQ(state().ChartKind, ChartKindId::Fatigue);
    TypeInto(k->DateEdit2, "31.02.2024");
    QTest::mouseClick(k->Button3, Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("«Дата2»"), std::string::npos) << errors[0];
    EXPECT_TRUE(k->isVisible());
    EXPECT_TRUE(f->RichEdit1->toPlainText().isEmpty());

    // Date 2 before Date 1: the label stays shown (in the hidden dialog), 200 days listed.
    TypeInto(k->DateEdit1, "01.01.2000");
    TypeInto(k->DateEdit2, "01.01.1999");
    QTest::mouseClick(k->Button3, Qt::LeftButton);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(k->isVisible());
    EXPECT_TRUE(k->Label5->isVisibleTo(k));
    const QStringList lines = f->RichEdit1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2 + 200);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Дни усталости организма ")));
}

TEST_F(GuiTest, CalendarButtonWritesTheChosenDay) {
    app().Form1->show();
    TKalendar* k = app().Kalendar;
    Menu("N25");
    QTest::mouseClick(k->DateEdit1Button, Qt::LeftButton);
    auto* popup = k->findChild<QCalendarWidget*>("Calendar");
    ASSERT_NE(popup, nullptr);
    emit popup->clicked(QDate(2024, 2, 29));
    EXPECT_EQ(k->DateEdit1->text(), QStringLiteral("29.02.2024"));
    EXPECT_EQ(state().Kalendar.DateEdit1, "29.02.2024");
}
