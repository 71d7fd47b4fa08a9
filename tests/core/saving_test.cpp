// "Сохранить как...": the RTF writer's escaping (read back by a small RTF reader), the
// extension rule, the files chosen for each filter, the writing order and failures, and the
// picture's record that the PDF and the printer draw again.
#include "app/chart_commands.h"
#include "app/save_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/rtf_writer.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "drawing/picture_record.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <unistd.h>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

// Reads the paragraphs of a document body as a Unicode reader does (\uN, skipping one
// fallback character; \'XX as Windows-1251 when no \u came before it).
std::vector<std::string> ReadRtfBody(std::string_view rtf) {
    std::vector<std::string> lines(1);
    int skip = 0;
    char32_t high = 0;
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            if (skip)
                --skip;
            else
                lines.back() += c;
            ++i;
            continue;
        }
        const char n = rtf[i + 1];
        if (n == '\\' || n == '{' || n == '}') {
            lines.back() += n;
            i += 2;
        } else if (n == '\'') {
            const std::string byte(
                1, static_cast<char>(std::stoi(std::string(rtf.substr(i + 2, 2)), nullptr, 16)));
            if (skip)
                --skip;
            else
                lines.back() += Cp1251ToUtf8(byte);
            i += 4;
        } else {
            size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const std::string word(rtf.substr(i + 1, j - i - 1));
            size_t k = j;
            if (k < rtf.size() &&
                (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k]))))
                ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
            const std::string number(rtf.substr(j, k - j));
            if (k < rtf.size() && rtf[k] == ' ') ++k;
            if (word == "par") lines.emplace_back();
            if (word == "tab") lines.back() += '\t';
            if (word == "u") {
                int v = std::stoi(number);
                char32_t unit = static_cast<char32_t>(v < 0 ? v + 65536 : v);
                if (unit >= 0xD800 && unit < 0xDC00) {
                    high = unit;
                } else if (unit >= 0xDC00 && unit < 0xE000) {
                    AppendUtf8(lines.back(), 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                } else {
                    AppendUtf8(lines.back(), unit);
                }
                skip = 1;
            }
            i = k;
        }
    }
    return lines;
}

// The body of a document: what follows the header's font size.
std::vector<std::string> ReadRtf(const std::string& doc) {
    const size_t start = doc.find("\\fs23 ");
    const size_t end = doc.rfind('}');
    auto lines = ReadRtfBody(std::string_view(doc).substr(start + 6, end - start - 6));
    // Nothing follows the last paragraph mark.
    EXPECT_EQ(lines.back(), "");
    lines.pop_back();
    return lines;
}

} // namespace

TEST(RtfWriter, EscapesEveryKindOfCharacter) {
    EXPECT_EQ(RtfEscape("a\\b{c}d"), "a\\\\b\\{c\\}d");
    EXPECT_EQ(RtfEscape("a\tb"), "a\\tab b");
    // Cyrillic: Unicode with the Windows-1251 byte as the fallback of older readers.
    EXPECT_EQ(RtfEscape("Аяё"), "\\u1040\\'c0\\u1103\\'ff\\u1105\\'b8");
    EXPECT_EQ(RtfEscape("№"), "\\u8470\\'b9");
    // Outside Windows-1251: Unicode with "?"; beyond the basic plane as a surrogate pair.
    EXPECT_EQ(RtfEscape("☉"), "\\u9737?");
    EXPECT_EQ(RtfEscape("😀"), "\\u-10179?\\u-8704?");
    EXPECT_EQ(RtfEscape("\xEF\xBF\xBD"), "\\u-3?");
    // Control characters are no text; malformed bytes become "?".
    EXPECT_EQ(RtfEscape(std::string("a\rb\nc\0d", 7)), "abcd");
    EXPECT_EQ(RtfEscape("x\xC0y\xE2\x82"), "x?y??");
    // Blanks stay as they are, leading and in runs.
    EXPECT_EQ(RtfEscape("  a   b "), "  a   b ");
}

TEST(RtfWriter, DocumentReadsBackLineForLine) {
    const std::vector<std::string> lines = {
        "Описание карты гороскопа   Иван",
        "",
        "  Солнце в Козероге\t{\\путь}",
        "   ",
        "Знаки ☉ ♂ и 😀 и №5",
        "",
    };
    const std::string doc = RtfDocument(lines, {"Courier", 15});
    EXPECT_EQ(doc.rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
    EXPECT_THAT(doc, testing::HasSubstr("{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset204 Courier;}}"));
    // 15 pixels are 11.25 points: \fs counts half points.
    EXPECT_THAT(doc, testing::HasSubstr("\\fs23 "));
    EXPECT_EQ(doc.substr(doc.size() - 3), "}\r\n");
    int depth = 0;
    for (size_t i = 0; i < doc.size(); ++i) {
        const unsigned char c = doc[i];
        ASSERT_LT(c, 0x80) << "at " << i;
        if (c == '\\') {
            ++i;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            ASSERT_GE(--depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(ReadRtf(doc), lines);
    EXPECT_TRUE(ReadRtf(RtfDocument({}, {"Courier", 15})).empty());
    EXPECT_THAT(RtfDocument({"a", ""}, {"Courier", 15}),
                testing::EndsWith(" a\\par\r\n\\par\r\n}\r\n"));
    EXPECT_THAT(RtfDocument({"x"}, {"Courier", 20}), testing::HasSubstr("\\fs30 "));
}

TEST(SaveAs, ExtensionIsAppendedOnlyWhenMissing) {
    EXPECT_EQ(WithExtension("x", ".rtf"), "x.rtf");
    EXPECT_EQ(WithExtension("x.rtf", ".rtf"), "x.rtf");
    EXPECT_EQ(WithExtension("X.RTF", ".rtf"), "X.RTF");
    EXPECT_EQ(WithExtension("x.bmp", ".rtf"), "x.bmp.rtf");
    EXPECT_EQ(WithExtension("karta.bmp", ".bmp"), "karta.bmp");
    EXPECT_EQ(WithExtension("Karta.Bmp", ".bmp"), "Karta.Bmp");
    EXPECT_EQ(WithExtension("/tmp/dir.rtf/x", ".rtf"), "/tmp/dir.rtf/x.rtf");
    EXPECT_EQ(WithExtension("x.rtfx", ".rtf"), "x.rtfx.rtf");
    EXPECT_EQ(WithExtension("Карта", ".bmp"), "Карта.bmp");
}

TEST(SaveAs, DialogProposalFollowsWhatIsShown) {
    State s;
    PrepareSaveDialog(s); // nothing shown: the dialog keeps its design values
    EXPECT_FALSE(s.Form1.GroupBox1Visible);
    EXPECT_EQ(s.SaveDialog1.FileName, "Noname.rtf");
    EXPECT_EQ(s.SaveDialog1.FilterIndex, 1);
    s.Form1.RichEdit1Visible = true;
    PrepareSaveDialog(s);
    EXPECT_EQ(s.SaveDialog1.FileName, "Shriebe");
    EXPECT_EQ(s.SaveDialog1.FilterIndex, 1);
    s.Form1.Image1Visible = true; // the picture wins
    PrepareSaveDialog(s);
    EXPECT_EQ(s.SaveDialog1.FileName, "Karta");
    EXPECT_EQ(s.SaveDialog1.FilterIndex, 2);
    s.Form1.RichEdit1Visible = false;
    s.SaveDialog1 = {"elsewhere", 5, "/tmp"};
    PrepareSaveDialog(s);
    EXPECT_EQ(s.SaveDialog1.FileName, "Karta");
    EXPECT_EQ(s.SaveDialog1.Folder, "/tmp");
}

TEST(SaveAs, FilesForEachFilterAndVisibility) {
    MainWindowModel m;
    m.RichEdit1Visible = m.Image1Visible = false;
    for (int filter = 1; filter <= 5; ++filter) EXPECT_TRUE(FilesToSave(m, "x", filter).empty());

    auto describe = [&m](const std::string& name, int filter) {
        std::vector<std::string> out;
        for (const SaveFile& f : FilesToSave(m, name, filter))
            out.push_back(f.path + (f.text ? " text" : "") + (f.picture ? " picture" : ""));
        return out;
    };
    using V = std::vector<std::string>;
    m.RichEdit1Visible = true;
    EXPECT_EQ(describe("x", 1), V{"x.rtf text"});
    EXPECT_EQ(describe("x.rtf", 2), V{"x.rtf text"});
    EXPECT_EQ(describe("x", 4), V{"x.rtf text"}); // no PNG of a text
    EXPECT_EQ(describe("x.PDF", 5), V{"x.PDF text"});
    m.Image1Visible = true; // both: the text first, then the picture
    EXPECT_EQ(describe("x", 2), (V{"x.rtf text", "x.bmp picture"}));
    EXPECT_EQ(describe("x.bmp", 3), (V{"x.bmp.rtf text", "x.bmp picture"}));
    EXPECT_EQ(describe("x", 4), (V{"x.rtf text", "x.png picture"}));
    EXPECT_EQ(describe("x", 5), (V{"x.pdf text picture"}));
    m.RichEdit1Visible = false;
    EXPECT_EQ(describe("Karta", 2), V{"Karta.bmp picture"});
    EXPECT_EQ(describe("Karta.png", 4), V{"Karta.png picture"});
    EXPECT_EQ(FilesToSave(m, "k", 4)[0].format, SaveFile::Png);
    EXPECT_EQ(FilesToSave(m, "k", 3)[0].format, SaveFile::Bmp);
}

namespace {

struct FakeEncoders : SaveEncoders {
    Bitmap picture = MakeBitmap(3, 2, 0x123456);
    mutable int calls = 0;
    Bitmap Picture() const override {
        ++calls;
        return picture;
    }
    std::string Png() const override {
        ++calls;
        return "png";
    }
    std::string Pdf(bool text, bool pic) const override {
        ++calls;
        return std::string("pdf") + (text ? " text" : "") + (pic ? " picture" : "");
    }
};

class SaveFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("omvera_saving_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        s_.Form1.RichEdit1Lines = {"Строка {1}", "", "  с отступом"};
        s_.Form1.RichEdit1Visible = s_.Form1.Image1Visible = true;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string In(const char* name) const { return (dir_ / name).string(); }
    fs::path dir_;
    State s_;
    FakeEncoders enc_;
};

} // namespace

TEST_F(SaveFilesTest, BothFilesWhenBothAreShown) {
    SaveFiles(s_, FilesToSave(s_.Form1, In("x"), kFilterBmp), enc_);
    EXPECT_EQ(ReadFileBytes(In("x.rtf")), TextViewRtf(s_.Form1.RichEdit1Lines));
    const Bitmap back = DecodeBmp(ReadFileBytes(In("x.bmp")), "x.bmp");
    EXPECT_EQ(back.Width, 3);
    EXPECT_EQ(back.Height, 2);
    EXPECT_EQ(back.Pixels, enc_.picture.Pixels);
    EXPECT_EQ(ReadRtf(ReadFileBytes(In("x.rtf"))), s_.Form1.RichEdit1Lines);

    SaveFiles(s_, FilesToSave(s_.Form1, In("y.png"), kFilterPng), enc_);
    EXPECT_EQ(ReadFileBytes(In("y.png")), "png");
    EXPECT_TRUE(fs::exists(In("y.png.rtf")));
    SaveFiles(s_, FilesToSave(s_.Form1, In("z"), kFilterPdf), enc_);
    EXPECT_EQ(ReadFileBytes(In("z.pdf")), "pdf text picture");
}

TEST_F(SaveFilesTest, FailedFirstFileStopsTheSave) {
    // A folder where the text file should go: the rename fails after the temporary file.
    fs::create_directories(In("x.rtf"));
    try {
        SaveFiles(s_, FilesToSave(s_.Form1, In("x"), kFilterBmp), enc_);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), testing::HasSubstr(In("x.rtf")));
    }
    EXPECT_FALSE(fs::exists(In("x.bmp")));
    EXPECT_EQ(enc_.calls, 0);
    // Nothing half-written is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    // An existing file is replaced whole.
    WriteFileAtomically(In("old.bmp"), "previous contents");
    s_.Form1.RichEdit1Visible = false;
    SaveFiles(s_, FilesToSave(s_.Form1, In("old"), kFilterBmp), enc_);
    EXPECT_EQ(DecodeBmp(ReadFileBytes(In("old.bmp")), "old.bmp").Pixels, enc_.picture.Pixels);
    // A folder that does not exist.
    EXPECT_THROW(SaveFiles(s_, FilesToSave(s_.Form1, In("no/such/x"), kFilterBmp), enc_), Error);
}

TEST(PictureRecorder, ForwardsAndKeepsWhatIsVisible) {
    RecordingCanvas screen(200, 100);
    PictureRecorder rec(screen);
    rec.SetPenColour(0xFF);
    rec.MoveTo(1, 2);
    rec.LineTo(3, 4);
    rec.Ellipse(5, 6, 7, 8);
    EXPECT_EQ(screen.ops.size(), 2u);
    ASSERT_EQ(rec.Ops().size(), 2u);
    EXPECT_EQ(rec.Ops()[0].x1, 1);
    EXPECT_EQ(rec.Ops()[0].y2, 4);
    EXPECT_EQ(rec.Ops()[0].colour, 0xFFu);
    // A rectangle covering the surface hides everything before it; a smaller one does not.
    rec.Rectangle(1, 0, 200, 100);
    EXPECT_EQ(rec.Ops().size(), 3u);
    rec.Rectangle(0, 0, 200, 100);
    EXPECT_EQ(rec.Ops().size(), 1u);
    {
        const Bitmap glyph = MakeBitmap(2, 2, 0xABCDEF);
        rec.Draw(10, 10, glyph);
        rec.Draw(10, 10, Bitmap{});
    }
    // The recorder keeps its own copy of a glyph.
    ASSERT_EQ(rec.Ops().size(), 2u);
    EXPECT_EQ(rec.Ops()[1].bitmap->At(1, 1), 0xABCDEFu);
    rec.Clear();
    EXPECT_EQ(rec.Ops().size(), 1u);
    EXPECT_EQ(rec.Ops()[0].kind, CanvasOp::Clear);
}

TEST(PictureRecorder, ReplayDrawsTheChartAgain) {
    State s;
    for (int i = 1; i <= 12; ++i) s.Drawing.SignGlyphs[i] = MakeBitmap(2, 2, 0x10 * i);
    for (int i = 1; i <= 16; ++i) s.Drawing.BodyGlyphs[i] = MakeBitmap(3, 1, 0x100 * i);
    RecordingCanvas screen(0, 0), prosm(400, 480), aspq(634, 543);
    PictureRecorder rec(screen);
    ChartCanvases c{rec, prosm, aspq};
    N40Click(s, c);
    N40Click(s, c); // a second chart replaces the first in the record
    RecordingCanvas again(rec.Width(), rec.Height());
    Replay(rec.Ops(), again);
    // What the screen got from the second command on, primitive for primitive.
    const auto& all = screen.ops;
    const std::vector<CanvasOp> second(all.begin() + static_cast<long>(all.size() / 2), all.end());
    ASSERT_EQ(again.ops.size(), second.size());
    for (size_t i = 0; i < second.size(); ++i) {
        EXPECT_EQ(again.ops[i].kind, second[i].kind) << i;
        EXPECT_EQ(again.ops[i].x1, second[i].x1) << i;
        EXPECT_EQ(again.ops[i].y2, second[i].y2) << i;
        EXPECT_EQ(again.ops[i].colour, second[i].colour) << i;
        EXPECT_EQ(again.ops[i].text, second[i].text) << i;
        if (second[i].bitmap) {
            EXPECT_EQ(again.ops[i].bitmap->Pixels, second[i].bitmap->Pixels);
        }
    }
}
