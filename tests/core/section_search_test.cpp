#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "reports/line_cipher.h"
#include "reports/section_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace omvera;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

namespace {

class SectionSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("omvera_sections_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes UTF-8 lines as a Windows-1251 CR LF file, enciphered when a key is given.
    std::string File(const Lines& lines, const char* key = nullptr) {
        const std::string path = (dir_ / ("t" + std::to_string(++count_) + ".txt")).string();
        std::string bytes;
        for (const auto& l : lines) {
            const std::string plain = Utf8ToCp1251OrThrow(l);
            bytes += key ? EncodeLine(plain, key) : plain;
            bytes += "\r\n";
        }
        WriteFileAtomically(path, bytes);
        return path;
    }

    Lines Print(const std::string& path, const std::vector<SectionKey>& keys,
                TitleMode title = TitleMode::FirstCharBlank, char marker = '&') {
        VectorLineSink sink;
        PrintSections(sink, path, StoredForm::Plain, "", marker, title, keys);
        return sink.lines;
    }

    Lines Brackets(const std::string& path, const std::vector<std::string>& keys) {
        VectorLineSink sink;
        PrintBracketSections(sink, path, keys);
        return sink.lines;
    }

    std::filesystem::path dir_;
    int count_ = 0;
};

// Sections A, B, C with two body lines each, an unmatched section and the closing line.
const Lines kThree = {"вступление", "&A солнце", "a1", "a2",      "&B луна", "b1",
                      "",           "&X",        "x1", "&C марс", "c1",      "&"};

} // namespace

TEST_F(SectionSearch, PrintsMatchingSectionsInFileOrderOncePerHeader) {
    const auto f = File(kThree);
    const Lines ac = {" A солнце", "a1", "a2", " C марс", "c1"};
    // Key order does not matter; a header matching two keys is printed once.
    EXPECT_EQ(Print(f, {{"&C"}, {"&A"}}), ac);
    EXPECT_EQ(Print(f, {{"&A"}, {"солнце"}, {"&C"}, {"A"}}), ac);
    // Adjacent matching sections follow each other without a line lost, whichever key of the
    // list the second header matches.
    const Lines ab = {" A солнце", "a1", "a2", " B луна", "b1", ""};
    EXPECT_EQ(Print(f, {{"&A"}, {"&B"}}), ab);
    EXPECT_EQ(Print(f, {{"&B"}, {"&A"}}), ab);
    EXPECT_EQ(Print(f, {{"&B"}, {"&A"}, {"&C"}}),
              (Lines{" A солнце", "a1", "a2", " B луна", "b1", "", " C марс", "c1"}));
    // Every header of a run of adjacent sections.
    EXPECT_EQ(Print(f, {{"&"}}),
              (Lines{" A солнце", "a1", "a2", " B луна", "b1", "", " X", "x1", " C марс", "c1"}));
    // The unmatched section is skipped with its body; nothing before the first header shows.
    EXPECT_THAT(Print(f, {{"вступление"}}), IsEmpty());
    EXPECT_THAT(Print(f, {}), IsEmpty());
}

TEST_F(SectionSearch, EqualHeadersAreAllPrinted) {
    const auto f = File({"&S", "one", "&T", "no", "&S", "two", "&"});
    EXPECT_EQ(Print(f, {{"S"}}), (Lines{" S", "one", " S", "two"}));
}

TEST_F(SectionSearch, KeysOfSeveralStringsNeedThemAll) {
    const auto f =
        File({"[01.090.05]", "квадрат", "[01.060.05]", "секстиль", "[05.090.01]", "обратный", "["});
    EXPECT_EQ(Print(f, {{"[01", ".090.", "05]"}}, TitleMode::BlankTitle, '['),
              (Lines{" ", "квадрат"}));
    EXPECT_EQ(Print(f, {{"[01", "05]"}}, TitleMode::BlankTitle, '['),
              (Lines{" ", "квадрат", " ", "секстиль"}));
    // The marker is required as well: this file's marker is "[", so "&" headers don't exist.
    EXPECT_THAT(Print(f, {{"01"}}, TitleMode::BlankTitle, '&'), IsEmpty());
}

TEST_F(SectionSearch, SubstringsAreExactAndCaseSensitive) {
    const auto f = File({"& 11 дом", "одиннадцать", "& 10 дом", "десять", "& 1 дом", "один", "&"});
    EXPECT_EQ(Print(f, {{" 1 "}}), (Lines{"  1 дом", "один"}));
    EXPECT_EQ(Print(f, {{" 11 "}}), (Lines{"  11 дом", "одиннадцать"}));
    EXPECT_EQ(Print(f, {{" 1 ", "Дом"}}), Lines{});
    const auto g = File({"[SELENA]", "селена", "[+SOL]", "плюс", "[SOL] солнце", "солнце", "["});
    EXPECT_THAT(Brackets(g, {"[SEL]"}), IsEmpty());
    EXPECT_EQ(Brackets(g, {"[SOL]"}), (Lines{" солнце", "солнце"}));
    EXPECT_EQ(Brackets(g, {"SOL]"}), (Lines{"", "плюс", " солнце", "солнце"}));
}

TEST_F(SectionSearch, TheLastLineIsNeverAHeader) {
    EXPECT_EQ(Print(File({"&A", "a", "&A"}), {{"A"}}), (Lines{" A", "a"}));
    // Reached by a section's body, checked against the remaining keys of the same pass.
    EXPECT_EQ(Print(File({"&A", "a", "&B"}), {{"A"}, {"B"}}), (Lines{" A", "a"}));
    EXPECT_THAT(Print(File({"&A"}), {{"A"}}), IsEmpty());
    EXPECT_THAT(Print(File({"text", "&A"}), {{"A"}}), IsEmpty());
    EXPECT_THAT(Print(File({}), {{""}}), IsEmpty());
}

TEST_F(SectionSearch, AFileEndingInsideASectionEndsItAtTheEnd) {
    EXPECT_EQ(Print(File({"&A", "a1", "a2"}), {{"A"}}), (Lines{" A", "a1", "a2"}));
    EXPECT_EQ(Print(File({"&B", "b", "&A", "a1"}), {{"A"}, {"B"}}), (Lines{" B", "b", " A", "a1"}));
    // No line end after the last line, LF-only line ends.
    const std::string path = (dir_ / "lf.txt").string();
    WriteFileAtomically(path, "&A\na1\na2");
    EXPECT_EQ(Print(path, {{"A"}}), (Lines{" A", "a1", "a2"}));
}

TEST_F(SectionSearch, TitleModes) {
    const auto f = File({"Солнце & Лев", "текст", "&"});
    // The first character is blanked whatever it is; the marker stays when it is not first.
    EXPECT_EQ(Print(f, {{"Лев"}}), (Lines{" олнце & Лев", "текст"}));
    EXPECT_EQ(Print(f, {{"Лев"}}, TitleMode::BlankTitle), (Lines{" ", "текст"}));
    const auto g = File({"[h01.z05][x] Асцендент во Льве", "лев", "[ab] one bracket", "one",
                         "[no closing", "none", "["});
    EXPECT_EQ(Brackets(g, {"[h01.z05]"}), (Lines{" Асцендент во Льве", "лев"}));
    EXPECT_EQ(Brackets(g, {"[ab]"}), (Lines{" one bracket", "one"}));
    EXPECT_EQ(Brackets(g, {"[no"}), (Lines{"[no closing", "none"}));
}

TEST_F(SectionSearch, EncipheredFilePrintsItsPlainText) {
    std::string longLine; // lines of any length are read whole
    for (int i = 0; i < 700; ++i) longLine += "ж";
    const Lines plain = {"&Солнце в Овне «огонь» — №1", "тело\tс табуляцией…", longLine, "", "&"};
    const auto f = File(plain, RadixKey);
    EXPECT_NE(ReadFileBytes(f), ReadFileBytes(File(plain)));
    VectorLineSink sink;
    PrintSections(sink, f, StoredForm::Enciphered, RadixKey, '&', TitleMode::FirstCharBlank,
                  std::vector<SectionKey>{{"Овне", "№1"}});
    EXPECT_EQ(sink.lines,
              (Lines{" Солнце в Овне «огонь» — №1", "тело\tс табуляцией…", longLine, ""}));
    EXPECT_THAT(ListSectionHeaders(f, StoredForm::Enciphered, RadixKey, '&'),
                ElementsAre("&Солнце в Овне «огонь» — №1"));
    EXPECT_THROW(PrintSections(sink, f, StoredForm::Enciphered, "", '&', TitleMode::FirstCharBlank,
                               std::vector<SectionKey>{{"x"}}),
                 Error);
}

TEST_F(SectionSearch, KeysWithoutAFixedLimit) {
    Lines file;
    std::vector<std::string> keys;
    Lines expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string k = "[k" + std::to_string(i) + "]";
        file.push_back(k + " заголовок");
        file.push_back("текст " + std::to_string(i));
        if (i % 3 == 0) {
            keys.push_back(k);
            expected.push_back(" заголовок");
            expected.push_back("текст " + std::to_string(i));
        }
    }
    file.push_back("[");
    EXPECT_EQ(keys.size(), 334u);
    EXPECT_THAT(Brackets(File(file), keys), ElementsAreArray(expected));
}

TEST_F(SectionSearch, AKeyThatNoWindows1251LineCanHoldMatchesNothing) {
    const auto f = File({"&A", "a", "&"});
    EXPECT_THAT(Print(f, {{"A", "\xF0\x9F\x98\x80"}}), IsEmpty());
    EXPECT_EQ(Print(f, {{"A", "\xF0\x9F\x98\x80"}, {"A"}}), (Lines{" A", "a"}));
}

TEST_F(SectionSearch, AMissingFileFailsNamingItAndKeepsEarlierLines) {
    State state;
    AppendingLineSink sink(state.Form1.RichEdit1Lines);
    sink.AddLine("Описание карты гороскопа   ");
    const std::string missing = (dir_ / "PLZODIAC.txt").string();
    try {
        PrintSections(sink, missing, StoredForm::Enciphered, RadixKey, '&',
                      TitleMode::FirstCharBlank, std::vector<SectionKey>{{"A"}});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr(missing));
    }
    EXPECT_THROW(PrintBracketSections(sink, missing, std::vector<std::string>{"[A]"}), Error);
    EXPECT_THAT(state.Form1.RichEdit1Lines, ElementsAre("", "Описание карты гороскопа   "));
}

TEST(StripThroughMark, DeletesThroughTheFirstOccurrence) {
    std::string s = "[a][b] текст";
    StripThroughMark("]", s);
    EXPECT_EQ(s, "[b] текст");
    StripThroughMark("]", s);
    EXPECT_EQ(s, " текст");
    StripThroughMark("]", s);
    EXPECT_EQ(s, " текст");
    StripThroughMark("", s);
    EXPECT_EQ(s, " текст");
    s = "ab]]";
    StripThroughMark("]]", s);
    EXPECT_EQ(s, "");
}

TEST_F(SectionSearch, CrOnlyAndMixedLineEndsReadAsLines) {
    const std::string path = (dir_ / "cr.txt").string();
    WriteFileAtomically(path, Utf8ToCp1251OrThrow("&A\rтекст\r\n&B\nb\r&\r"));
    EXPECT_EQ(Print(path, {{"A"}, {"B"}}), (Lines{" A", "текст", " B", "b"}));
    const std::string enc = (dir_ / "cr_enc.txt").string();
    WriteFileAtomically(enc, EncodeLine(Utf8ToCp1251OrThrow("&A"), RadixKey) + "\r" +
                                 EncodeLine(Utf8ToCp1251OrThrow("строка"), RadixKey) + "\r" +
                                 EncodeLine("&", RadixKey) + "\r");
    VectorLineSink sink;
    PrintSections(sink, enc, StoredForm::Enciphered, RadixKey, '&', TitleMode::FirstCharBlank,
                  std::vector<SectionKey>{{"A"}});
    EXPECT_EQ(sink.lines, (Lines{" A", "строка"}));
}
