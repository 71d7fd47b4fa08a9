#include "gui_fixture.h"

#include "app/window_registry.h"
#include "drawing/ui/picture_widget.h"
#include "input/ui/chart_fields_panel.h"
#include "input/ui/first_chart_window.h"
#include "input/ui/person_database_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

using namespace omvera;

TEST_F(GuiTest, CreatesTheTwelveWindowsInOrder) {
    const auto windows = app().Windows();
    ASSERT_EQ(windows.size(), 12u);
    const char* captions[] = {"Омвера ",
                              "Дома",
                              "Установка Аспектов",
                              "Исходные-Данные",
                              "2 -я Карта",
                              "Включение Планет и Орбисы",
                              "Радикс",
                              "Аспекты радикса",
                              "База данных",
                              "Календарь",
                              "Дата2",
                              "Шаг"};
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(windows[i]->objectName().toStdString(), kWindowRegistry[i].ClassName);
        EXPECT_EQ(windows[i]->windowTitle().toStdString(), captions[i]);
        EXPECT_FALSE(windows[i]->isVisible());
    }
    EXPECT_EQ(windows[3]->size(), QSize(436, 368)); // TID1 at its design size
}

TEST_F(GuiTest, MenuTreeHasEveryItemInOrder) {
    QMenuBar* bar = app().Form1->menuBar();
    QStringList top;
    for (QAction* a : bar->actions()) top << a->text();
    EXPECT_EQ(top.join('|').toStdString(),
              "Карта|Данные|Установки|Отдельные расчеты|Справка|Посмотреть|Помощь");
    for (const auto& item : kMenuTree) {
        QAction* a = app().Form1->MenuItem(item.Name);
        ASSERT_NE(a, nullptr) << item.Name;
        EXPECT_EQ(a->text().toStdString(), item.Caption);
    }
    // Order inside a submenu: "Карта" holds Радикс, Добавить карту, Сохранить как...,
    // Печать (Ctrl+P), Выход.
    QStringList card;
    for (QAction* a : app().Form1->MenuItem("N1")->menu()->actions()) card << a->text();
    EXPECT_EQ(card.join('|').toStdString(), "Радикс|Добавить карту|Сохранить как...|Печать|Выход");
    EXPECT_EQ(app().Form1->MenuItem("N43")->shortcut(), QKeySequence(QKeySequence::Print));
    // Every item that is no submenu runs exactly one command.
    EXPECT_EQ(MenuWiringFaults(), std::vector<std::string>{});
    QStringList synastry;
    for (QAction* a : app().Form1->MenuItem("N34")->menu()->actions()) synastry << a->text();
    EXPECT_EQ(synastry.join('|').toStdString(),
              "Ожидаем партнера|Кармическая|Эротическая|Партнерство");
}

TEST_F(GuiTest, StartShowsOnlyTheAboutPanel) {
    TForm1* f = app().Form1;
    f->show();
    EXPECT_TRUE(f->GroupBox1->isVisible());
    EXPECT_EQ(f->Label2->text().toStdString(), " Омвера 3.46м");
    EXPECT_FALSE(f->Image1->isVisible());
    EXPECT_FALSE(f->RichEdit1->isVisible());
    EXPECT_FALSE(f->Button4->isVisible());
    EXPECT_FALSE(f->Button2->isVisible());
    EXPECT_EQ(f->RichEdit1->font().pixelSize(), 15);
    EXPECT_EQ(state().ChartKind, ChartKindId::None);
}

TEST_F(GuiTest, ResizingLaysOutTheMainWindow) {
    TForm1* f = app().Form1;
    f->show();
    f->resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(f->Image1->geometry(), QRect(8, 16, 700, 470));
    EXPECT_EQ(f->RichEdit1->geometry(), QRect(24, 4, 700, 470));
    EXPECT_EQ(f->Button4->y(), 510);
    EXPECT_EQ(f->Button6->y(), 510);
    EXPECT_EQ(f->Label1->y(), 494);
    EXPECT_EQ(f->GroupBox1->pos(), QPoint(250, 185));
    f->resize(120, 110); // no minimum size: the picture gets an empty area
    QApplication::processEvents();
    EXPECT_EQ(state().Form1.Image1.height, f->height() - 130);
}

TEST_F(GuiTest, AboutAndReferenceListsAndExit) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N18"); // "Время"
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(f->RichEdit1->isVisible());
    EXPECT_FALSE(f->GroupBox1->isVisible());
    EXPECT_GT(f->RichEdit1->document()->blockCount(), 20);
    Menu("N19"); // "Координаты"
    EXPECT_TRUE(f->RichEdit1->toPlainText().contains(QStringLiteral("Москва")));
    Menu("N17");
    EXPECT_TRUE(f->GroupBox1->isVisible());
    EXPECT_TRUE(f->RichEdit1->isVisible()); // the about panel changes nothing else

    std::filesystem::remove(folder_ / "Dann" / "Times.TXT");
    const auto before = f->RichEdit1->toPlainText();
    Menu("N18");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Times.TXT"), std::string::npos);
    EXPECT_EQ(f->RichEdit1->toPlainText(), before);

    // The help items are tested with a URL handler of their own (help_menu_test.cpp), saving
    // with the dialogs answered by the test (saving_gui_test.cpp).

    Menu("N11"); // a second window open when the program ends
    ASSERT_TRUE(app().ID1->isVisible());
    Menu("N35");
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(app().ID1->isVisible());
}

TEST_F(GuiTest, FirstChartAndDatabaseEndToEnd) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N11");
    TID1* id1 = app().ID1;
    ASSERT_TRUE(id1->isVisible());
    EXPECT_EQ(id1->Fields->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(id1->Fields->ComboBox1->placeholderText().toStdString(), "Выбери месяц");

    // Typing goes into the model the computations read.
    id1->Fields->Edit1->setText("Иван Петров");
    emit id1->Fields->Edit1->textEdited("Иван Петров");
    id1->Fields->ComboBox1->setCurrentIndex(2);
    emit id1->Fields->ComboBox1->activated(2);
    EXPECT_EQ(state().ID1.Month(), 3);
    id1->Fields->Edit2->setText("56.1");
    emit id1->Fields->Edit2->textEdited("56.1");

    std::filesystem::remove(folder_ / "Dann" / "Basa.TXT");
    id1->Button3->click(); // "Сохранить" creates the missing database
    EXPECT_TRUE(errors.empty()) << errors.front();
    TBase* base = app().Base;
    ASSERT_TRUE(base->isVisible());
    ASSERT_EQ(base->ListBox1->count(), 1);
    EXPECT_EQ(base->ListBox1->item(0)->text().toStdString(),
              "М ; 15. 3.1980 12:30 56.1 92.45 Иван Петров");

    // Load it into the second chart.
    id1->Button1->click(); // "На Сейчас" overwrites the first chart
    EXPECT_EQ(state().ID1.Edit1, "Сейчас ");
    base->RadioButton2->setChecked(true);
    base->ListBox1->setCurrentRow(0);
    emit base->ListBox1->itemDoubleClicked(base->ListBox1->item(0));
    EXPECT_FALSE(base->isVisible());
    EXPECT_EQ(state().ID2.Edit1, "Иван Петров");
    EXPECT_EQ(state().ID2.Edit2, "56.1");
    EXPECT_EQ(state().ID2.Month(), 3);

    // Delete without saving keeps the file; the next "Открыть" shows the line again.
    id1->Button2->click();
    base->ListBox1->setCurrentRow(0);
    base->Button1->click();
    EXPECT_EQ(base->ListBox1->count(), 0);
    id1->Button2->click();
    EXPECT_EQ(base->ListBox1->count(), 1);
    // Deleting with nothing selected does nothing.
    base->ListBox1->setCurrentRow(-1);
    base->Button1->click();
    EXPECT_EQ(base->ListBox1->count(), 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(GuiTest, ExitClosesEveryWindowAndEndsTheProgram) {
    TForm1* f = app().Form1;
    f->show();
    Menu("N11"); // TID1
    Menu("N24"); // TBase
    Menu("N29"); // THsk
    ASSERT_TRUE(app().ID1->isVisible());
    // The event loop must end by itself once "Выход" is chosen; the timer only stops a test
    // whose program would run on.
    bool ranOn = false;
    QTimer::singleShot(0, f, [this] { Menu("N35"); });
    QTimer::singleShot(3000, qApp, [&ranOn] {
        ranOn = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(ranOn);
    EXPECT_FALSE(f->isVisible());
    for (QWidget* w : app().Windows())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_FALSE(state().ID1.Visible);
    EXPECT_FALSE(state().Base.Visible);
}
