// "Местное время..." on both chart forms: town search, old-style date, the two readings at
// a clock change, a manual offset, and the form's fields filled in its own notation.
#include "gui_fixture.h"

#include "input/ui/chart_fields_panel.h"
#include "input/ui/first_chart_window.h"
#include "input/ui/local_time_dialog.h"
#include "input/ui/second_chart_window.h"
#include "input/ui/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace omvera;

namespace {

LocalTimeDialog* OpenedDialog(QWidget* window, QPushButton* button) {
    button->click();
    QCoreApplication::processEvents();
    return window->findChild<LocalTimeDialog*>();
}

// What typing does to the field (QTest's key clicks know only ASCII letters).
void Type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->textEdited(text);
}

} // namespace

TEST_F(GuiTest, LocalTimeFillsTheFirstFormFromAnOldStyleDateInPetersburg) {
    TID1* id1 = app().ID1;
    id1->show();
    ASSERT_EQ(id1->Button4->text(), "Местное время...");
    LocalTimeDialog* d = OpenedDialog(id1, id1->Button4);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->FillButton->isEnabled()); // no town yet

    Type(d->PlaceEdit, "Ленинград");
    ASSERT_GT(d->PlaceList->count(), 0);
    EXPECT_EQ(d->PlaceList->item(0)->text(), "Санкт-Петербург (Ленинград) — Россия");
    EXPECT_EQ(d->ZoneLabel->text(), "Широта 59.56, долгота 30.19, часовой пояс Europe/Moscow");
    Type(d->DateEdit, "09.01.1905");
    Type(d->TimeEdit, "12:00");
    d->OldStyleBox->setChecked(true);
    EXPECT_EQ(d->OldStyleLabel->text(),
              "Старый стиль 09.01.1905 = новый стиль 22.01.1905 (+13 дн.)");
    EXPECT_TRUE(d->ResultLabel->text().startsWith("22.01.1905 09:59 по Гринвичу — UTC+2:01:15"))
        << d->ResultLabel->text().toStdString();
    EXPECT_TRUE(d->ResultLabel->text().contains("местное среднее солнечное время"));
    EXPECT_FALSE(d->FirstReading->isVisible());

    d->FillButton->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(errors.empty()) << errors.front();
    const ChartForm& f = state().ID1;
    EXPECT_EQ(f.SpinEdit1.Value(), 1905);
    EXPECT_EQ(f.ComboBox1, 0);
    EXPECT_EQ(f.SpinEdit2.Value(), 22);
    EXPECT_EQ(f.SpinEdit3.Value(), 9);
    EXPECT_EQ(f.SpinEdit4.Value(), 59);
    EXPECT_EQ(f.Edit2, "59.56");
    EXPECT_EQ(f.Edit3, "30.19");
    // The window shows what it now holds.
    EXPECT_EQ(id1->Fields->Edit2->text(), "59.56");
    EXPECT_EQ(id1->Fields->SpinEdit2->Edit()->text(), "22");
    EXPECT_EQ(id1->Fields->ComboBox1->currentText(), "Январь");
}

TEST_F(GuiTest, LocalTimeOffersBothReadingsOfAClockChangeOnTheSecondForm) {
    TID2* id2 = app().ID2;
    id2->show();
    EXPECT_TRUE(id2->Button5->isVisible());
    LocalTimeDialog* d = OpenedDialog(id2, id2->Button5);
    ASSERT_NE(d, nullptr);
    Type(d->PlaceEdit, "moscow");
    ASSERT_GE(d->PlaceList->count(), 2);
    EXPECT_EQ(d->PlaceList->item(0)->text(), "Москва (Moscow) — Россия");
    Type(d->DateEdit, "29.09.1985");
    Type(d->TimeEdit, "02:30");
    EXPECT_TRUE(d->FirstReading->isVisible());
    EXPECT_TRUE(d->SecondReading->isVisible());
    EXPECT_TRUE(d->ResultLabel->text().contains("дважды"));
    EXPECT_TRUE(d->FirstReading->text().startsWith("28.09.1985 22:30 по Гринвичу — UTC+4"));
    EXPECT_TRUE(d->SecondReading->text().startsWith("28.09.1985 23:30 по Гринвичу — UTC+3"));
    EXPECT_TRUE(d->FirstReading->isChecked());
    d->SecondReading->setChecked(true);
    d->FillButton->click();
    QCoreApplication::processEvents();
    const SecondChartForm& f = state().ID2;
    EXPECT_EQ(f.SpinEdit1.Value(), 1985);
    EXPECT_EQ(f.ComboBox1, 8);
    EXPECT_EQ(f.SpinEdit2.Value(), 28);
    EXPECT_EQ(f.SpinEdit3.Value(), 23);
    EXPECT_EQ(f.SpinEdit4.Value(), 30);
    EXPECT_EQ(f.Edit2, "55.45");
    EXPECT_EQ(f.Edit3, "37.37");
    EXPECT_EQ(f.Edit1, "Транзит"); // the name is not the dialog's business

    // The return arrangements ask no time: the button goes with "На сейчас".
    state().ID2.Button2Visible = false;
    id2->SyncFromModel();
    EXPECT_FALSE(id2->Button5->isVisible());
}

TEST_F(GuiTest, LocalTimeManualOffsetAndMistakes) {
    TID1* id1 = app().ID1;
    id1->show();
    const ChartForm before = state().ID1;
    LocalTimeDialog* d = OpenedDialog(id1, id1->Button4);
    ASSERT_NE(d, nullptr);
    Type(d->PlaceEdit, "Сидней");
    ASSERT_GT(d->PlaceList->count(), 0);
    Type(d->DateEdit, "15.01.2000");
    Type(d->TimeEdit, "12:00");
    EXPECT_TRUE(d->ResultLabel->text().startsWith("15.01.2000 01:00 по Гринвичу — UTC+11"))
        << d->ResultLabel->text().toStdString();
    EXPECT_TRUE(d->ResultLabel->text().contains("летнее время"));
    // A date that does not exist, then one Julian-only date as new style.
    Type(d->DateEdit, "29.02.1900");
    EXPECT_FALSE(d->FillButton->isEnabled());
    EXPECT_TRUE(d->ResultLabel->text().startsWith("Нет такой даты"));
    d->OldStyleBox->setChecked(true);
    EXPECT_TRUE(d->FillButton->isEnabled());
    d->OldStyleBox->setChecked(false);
    Type(d->DateEdit, "15.01.2000");
    d->ManualBox->setChecked(true);
    Type(d->OffsetEdit, "пять");
    EXPECT_FALSE(d->FillButton->isEnabled());
    Type(d->OffsetEdit, "+5");
    EXPECT_TRUE(d->ResultLabel->text().startsWith("15.01.2000 07:00 по Гринвичу — UTC+5"));
    // Cancel leaves the form as it was.
    d->CancelButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(state().ID1.SpinEdit1.Value(), before.SpinEdit1.Value());
    EXPECT_EQ(state().ID1.Edit2, before.Edit2);
}
