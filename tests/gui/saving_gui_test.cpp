// "Сохранить как..." and "Печать" on the real main window, the dialogs answered by the test:
// the proposed names and filters, the files each choice writes, a failing first file, the
// PNG's pixels, and the PDF and printed text read back with pdftotext.
#include "gui_fixture.h"

#include "app/save_commands.h"
#include "base/text_file.h"
#include "drawing/bitmap.h"
#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

#include <QGroupBox>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <gmock/gmock.h>

#include <cstdio>
#include <sstream>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

bool HavePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// The words of a PDF's text, in order (pdftotext wraps long lines as the page does).
std::vector<std::string> PdfWords(const fs::path& pdf) {
    const fs::path txt = pdf.string() + ".txt";
    const std::string cmd = "pdftotext -enc UTF-8 '" + pdf.string() + "' '" + txt.string() + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::istringstream in(ReadFileBytes(txt.string()));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::vector<std::string> Words(const std::vector<std::string>& lines) {
    std::vector<std::string> words;
    for (const auto& l : lines) {
        std::istringstream in(l);
        for (std::string w; in >> w;) words.push_back(w);
    }
    return words;
}

class SavingTest : public GuiTest {
  protected:
    // Answers the save dialog with a name in the test's folder and a filter; records what the
    // dialog proposed.
    void Answer(const std::string& name, int filter, bool accept = true) {
        app().Form1->RunSaveDialog = [=, this](SaveDialogModel& d) {
            proposed = d;
            d.FileName = (folder_ / name).string();
            d.FilterIndex = filter;
            return accept;
        };
    }
    QImage Picture() {
        TForm1* f = app().Form1;
        return f->Image1->Bitmap().copy(0, 0, f->Image1Canvas().Width(),
                                        f->Image1Canvas().Height());
    }
    bool Exists(const char* name) const { return fs::exists(folder_ / name); }
    SaveDialogModel proposed;
};

} // namespace

TEST_F(SavingTest, TextIsSavedAsRtfUnderTheTypedName) {
    app().Form1->show();
    Menu("N41");                   // "Детский"
    app().Form1->Button4->click(); // "Интерпретация"
    ASSERT_TRUE(errors.empty()) << errors.front();
    Answer("x.rtf", kFilterRtf);
    Menu("N4");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(proposed.FileName, "Shriebe");
    EXPECT_EQ(proposed.FilterIndex, 1);
    EXPECT_TRUE(Exists("x.rtf"));
    EXPECT_FALSE(Exists("x.rtf.rtf"));
    EXPECT_EQ(ReadFileBytes((folder_ / "x.rtf").string()),
              TextViewRtf(state().Form1.RichEdit1Lines));
    // The dialog remembers the choice, the about panel stays hidden.
    EXPECT_EQ(state().SaveDialog1.FileName, (folder_ / "x.rtf").string());
    EXPECT_FALSE(app().Form1->GroupBox1->isVisible());
}

TEST_F(SavingTest, PictureIsSavedAsItsPixels) {
    app().Form1->show();
    Menu("N17"); // the about panel over the picture
    Menu("N40");
    Menu("N17");
    ASSERT_TRUE(app().Form1->GroupBox1->isVisible());
    Answer("karta", kFilterBmp);
    Menu("N4");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_FALSE(app().Form1->GroupBox1->isVisible());
    EXPECT_EQ(proposed.FileName, "Karta");
    EXPECT_EQ(proposed.FilterIndex, 2);
    const Bitmap bmp = DecodeBmp(ReadFileBytes((folder_ / "karta.bmp").string()), "karta.bmp");
    EXPECT_EQ(bmp.Pixels, FromQImage(Picture()).Pixels);
    EXPECT_EQ(bmp.Width, 471);

    // PNG: compressed, and the same pixels.
    Answer("karta.PNG", kFilterPng);
    Menu("N4");
    const fs::path png = folder_ / "karta.PNG";
    const QImage back(QString::fromStdString(png.string()));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(FromQImage(back).Pixels, bmp.Pixels);
    EXPECT_LT(fs::file_size(png), fs::file_size(folder_ / "karta.bmp") / 5);

    // Cancelling writes nothing.
    Answer("cancelled", kFilterBmp, false);
    Menu("N4");
    EXPECT_FALSE(Exists("cancelled.bmp"));
}

TEST_F(SavingTest, BothShownWritesBothAndAFailedFirstStops) {
    app().Form1->show();
    Menu("N41"); // "Детский"
    app().Form1->Button4->click();
    state().Form1.Image1Visible = true; // text and picture at once
    app().SyncAll();
    Answer("both", kFilterAll);
    Menu("N4");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(proposed.FileName, "Karta");
    EXPECT_TRUE(Exists("both.rtf"));
    EXPECT_TRUE(Exists("both.bmp"));

    fs::create_directories(folder_ / "fails.rtf");
    Answer("fails", kFilterBmp);
    Menu("N4");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], testing::HasSubstr("fails.rtf"));
    EXPECT_FALSE(Exists("fails.bmp"));
    EXPECT_FALSE(Exists("fails.rtf.tmp~"));
}

TEST_F(SavingTest, PdfHoldsTheWheelAndTheReport) {
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    app().Form1->show();
    Menu("N41"); // "Детский"
    app().Form1->Button4->click();
    state().Form1.Image1Visible = true;
    app().SyncAll();
    Answer("both", kFilterPdf);
    Menu("N4");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_FALSE(Exists("both.rtf"));
    const std::vector<std::string> words = PdfWords(folder_ / "both.pdf");
    // The report's words in order after the picture's texts.
    const std::vector<std::string> report = Words(state().Form1.RichEdit1Lines);
    ASSERT_GT(report.size(), 100u);
    ASSERT_GE(words.size(), report.size());
    EXPECT_EQ(std::vector<std::string>(words.end() - static_cast<long>(report.size()), words.end()),
              report);
    EXPECT_GT(words.size(), report.size() + 20); // the wheel's header and columns
}

TEST_F(SavingTest, PrintingPaintsWhatIsShown) {
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    app().Form1->show();
    const fs::path out = folder_ / "printed.pdf";
    int asked = 0;
    app().Form1->RunPrintDialog = [&](QPrinter& p) {
        ++asked;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(out.string()));
        return true;
    };
    Menu("N43"); // nothing shown: nothing to print
    EXPECT_EQ(asked, 0);
    Menu("N41"); // "Детский"
    app().Form1->Button4->click();
    Menu("N43");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(asked, 1);
    const auto got = PdfWords(out), want = Words(state().Form1.RichEdit1Lines);
    size_t i = 0;
    while (i < got.size() && i < want.size() && got[i] == want[i]) ++i;
    EXPECT_EQ(i, want.size()) << "from word " << i << ": " << (i < got.size() ? got[i] : "")
                              << " / " << (i < want.size() ? want[i] : "") << " of " << got.size()
                              << " / " << want.size();
    EXPECT_EQ(state().ChartKind, ChartKindId::RadixChild); // printing changes nothing
}
