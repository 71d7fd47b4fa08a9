// The synastry reports through the real windows: the menu item, the partner's sex on TID2,
// "Добавить в карту", then "Интерпретация" shows the report in the text view; a missing text
// file is reported with the lines before it kept.
#include "gui_fixture.h"

#include "input/ui/chart_fields_panel.h"
#include "input/ui/second_chart_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <fstream>

using namespace omvera;

namespace {

void WriteSins(const std::filesystem::path& folder, const char* name, const char* text) {
    std::filesystem::create_directories(folder / "Dann" / "Sins");
    std::ofstream(folder / "Dann" / "Sins" / name, std::ios::binary) << text;
}

} // namespace

TEST_F(GuiTest, KarmicReportOfAManAndAWomanFromTheMenu) {
    for (const char* name : {"SinAsp01.txt", "SinDom01.txt"}) WriteSins(folder_, name, "[end]\r\n");
    TForm1* f = app().Form1;
    TID2* id2 = app().ID2;
    f->show();
    Menu("N37"); // "Кармическая"
    ASSERT_TRUE(id2->isVisible());
    id2->Fields->RadioButton2->click(); // the partner is a woman
    id2->Button1->click();              // "Добавить в карту"
    f->Button4->click();                // "Интерпретация"
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(f->RichEdit1->isVisible());
    const std::string text = f->RichEdit1->toPlainText().toStdString();
    EXPECT_NE(text.find("Описание  гороскопа совместимости"), std::string::npos) << text;
    EXPECT_NE(text.find("Женские планеты  аспект        Мужские"), std::string::npos) << text;
    EXPECT_EQ(text.find("Для анализа синастрии"), std::string::npos) << text;
}

TEST_F(GuiTest, WaitingReportWithoutItsTextFileShowsTheErrorAndTheDateLists) {
    std::filesystem::remove(folder_ / "Dann" / "Sins" / "Wzaimn.txt");
    TForm1* f = app().Form1;
    f->show();
    Menu("N36"); // "Ожидаем партнера"
    f->Button4->click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Wzaimn.txt"), std::string::npos) << errors[0];
    const std::string text = f->RichEdit1->toPlainText().toStdString();
    EXPECT_NE(text.find("Лучше всего для гармоничных близких отношений"), std::string::npos);
    EXPECT_NE(text.find("Транзитное  Солнце"), std::string::npos);
}
