#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "input/person_database.h"
#include "tests/core/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir / "Dann");
        s.ProgramFolder = dir.string();
    }
    std::string Db() const { return (dir / "Dann" / "Basa.TXT").string(); }
    void WriteDb(const std::string& bytes) { std::ofstream(Db(), std::ios::binary) << bytes; }
    omvera_test::TestFolder folder{"omvera-db"};
    fs::path dir = folder.path();
    State s;
};

ChartForm Form(int d, int mIndex, int y, int h, int mi, const char* lat, const char* lon,
               const char* name, bool man = true) {
    ChartForm f;
    f.SpinEdit2.SetValue(d);
    f.SetMonthIndex(mIndex);
    f.SpinEdit1.SetValue(y);
    f.SpinEdit3.SetValue(h);
    f.SpinEdit4.SetValue(mi);
    f.Edit2 = lat;
    f.Edit3 = lon;
    f.Edit1 = name;
    f.SetMan(man);
    return f;
}

} // namespace

TEST(PersonRecord, FormatCharacterForCharacter) {
    EXPECT_EQ(BuildPersonRecord(Form(5, 2, 1980, 9, 5, "56.01", "92.45", "Сейчас ")),
              "М ;  5. 3.1980 9:5 56.01 92.45 Сейчас ");
    EXPECT_EQ(BuildPersonRecord(Form(23, 10, 1995, 18, 60, "-5.30", "-0.30", "Анна Мария", false)),
              "Ж ; 23.11.1995 18:60 -5.30 -0.30 Анна Мария");
    ChartForm noMonth = Form(15, -1, 1980, 12, 30, "56.01", "92.45", "");
    noMonth.RadioButton1 = noMonth.RadioButton2 = false;
    EXPECT_EQ(BuildPersonRecord(noMonth), "15. 0.1980 12:30 56.01 92.45 ");
}

TEST(PersonRecord, RoundTripKeepsEveryField) {
    const ChartForm cases[] = {
        Form(5, 2, 1980, 9, 5, "56.01", "92.45", "Сейчас "),
        Form(31, 11, 2050, 23, 60, "-5.30", "-0.30", "  Имя  с   блан ками ", false),
        Form(1, 0, 1880, 0, 0, "56.1", "9.5", "Typed 56.1"),
        Form(10, 6, 1961, 6, 7, "51.40", "139.12", ""),
    };
    for (const ChartForm& original : cases) {
        ChartForm loaded;
        loaded.SetMan(!original.RadioButton1);
        LoadPersonRecord(BuildPersonRecord(original), loaded);
        EXPECT_EQ(loaded.SpinEdit2.Value(), original.SpinEdit2.Value());
        EXPECT_EQ(loaded.ComboBox1, original.ComboBox1);
        EXPECT_EQ(loaded.SpinEdit1.Value(), original.SpinEdit1.Value());
        EXPECT_EQ(loaded.SpinEdit3.Value(), original.SpinEdit3.Value());
        EXPECT_EQ(loaded.SpinEdit4.Value(), original.SpinEdit4.Value());
        // Coordinates survive exactly as typed: 56.1 must not come back as 56.01.
        EXPECT_EQ(loaded.Edit2, original.Edit2);
        EXPECT_EQ(loaded.Edit3, original.Edit3);
        EXPECT_EQ(loaded.Edit1, original.Edit1);
        EXPECT_EQ(loaded.RadioButton1, original.RadioButton1);
    }
}

TEST(PersonRecord, LoadingClampsAndNormalisesMinutes) {
    ChartForm f;
    LoadPersonRecord("Ж ; 45.13.1700 25:61 +7.05 007.5 Кто-то", f);
    EXPECT_EQ(f.SpinEdit2.Value(), 31);
    EXPECT_EQ(f.ComboBox1, -1); // month 13 has no list item
    EXPECT_EQ(f.SpinEdit1.Value(), 1880);
    EXPECT_EQ(f.SpinEdit3.Value(), 23);
    EXPECT_EQ(f.SpinEdit4.Value(), 60);
    EXPECT_EQ(f.Edit2, "7.05");  // two minute digits: degrees and minutes rewritten
    EXPECT_EQ(f.Edit3, "007.5"); // anything else: as typed
    EXPECT_EQ(f.Edit1, "Кто-то");
    EXPECT_TRUE(f.RadioButton2);

    // Numbers beyond every integer range clamp to the field's nearest bound.
    ChartForm big;
    LoadPersonRecord("М ; 1e300.-1e300.99999999999999999999 -1e30:1e19 56.01 92.45 X", big);
    EXPECT_EQ(big.SpinEdit2.Value(), 31);
    EXPECT_EQ(big.ComboBox1, -1);
    EXPECT_EQ(big.SpinEdit1.Value(), 2050);
    EXPECT_EQ(big.SpinEdit3.Value(), 0);
    EXPECT_EQ(big.SpinEdit4.Value(), 60);

    // A typed year below 1000 is saved right-aligned with a leading blank; the time after
    // it still loads into the hour and minute fields.
    ChartForm typed = Form(5, 2, 1980, 9, 5, "56.01", "92.45", "N");
    typed.SpinEdit1.Type("999");
    const std::string record = BuildPersonRecord(typed);
    EXPECT_EQ(record, "М ;  5. 3. 999 9:5 56.01 92.45 N");
    ChartForm back;
    LoadPersonRecord(record, back);
    EXPECT_EQ(back.SpinEdit1.Value(), 1880);
    EXPECT_EQ(back.SpinEdit3.Value(), 9);
    EXPECT_EQ(back.SpinEdit4.Value(), 5);
    EXPECT_EQ(back.Edit1, "N");

    // A line that is not a record is parsed as far as it goes and never crashes.
    ChartForm g;
    for (const char* junk : {"", "М", "абв", "1.2.3.4.5.6", ":::: . . .", "М ; x.y.z a:b"})
        LoadPersonRecord(junk, g);
}

TEST_F(DatabaseTest, SaveCreatesTheFileAndAppends) {
    s.ID1 = Form(5, 2, 1980, 9, 5, "56.01", "92.45", "Сейчас ");
    AppendPersonFromFirstChart(s);
    AppendPersonFromFirstChart(s); // twice: two identical lines
    EXPECT_TRUE(s.Base.Visible);
    ASSERT_EQ(s.Base.ListBox1.size(), 2u);
    const std::string bytes = ReadFileBytes(Db());
    const std::string line = Utf8ToCp1251OrThrow("М ;  5. 3.1980 9:5 56.01 92.45 Сейчас ") + "\r\n";
    EXPECT_EQ(bytes, line + line);
}

TEST_F(DatabaseTest, ForeignLinesSurviveByteForByte) {
    // LF-only and CR LF lines, the byte 0x98 Windows-1251 leaves undefined, a lone CR (a line
    // end of its own: files from older systems end every line so).
    const std::string foreign = "just a note\r\nstrange \x98\xff bytes\nmid\rline\r\n";
    WriteDb(foreign);
    OpenPersonDatabase(s);
    ASSERT_EQ(s.Base.ListBox1.size(), 4u);
    SavePersonDatabase(s);
    EXPECT_EQ(ReadFileBytes(Db()), "just a note\r\nstrange \x98\xff bytes\r\nmid\r\nline\r\n");
}

TEST_F(DatabaseTest, RefusedRecordWritesNothing) {
    WriteDb("line one\r\n");
    s.ID1.Edit1 = "Name with \xe2\x82\xac sign? no: \xe4\xb8\xad"; // a CJK character
    EXPECT_THROW(AppendPersonFromFirstChart(s), Error);
    s.ID1.Edit1 = "two\nlines";
    EXPECT_THROW(AppendPersonFromFirstChart(s), Error);
    EXPECT_EQ(ReadFileBytes(Db()), "line one\r\n");
}

TEST_F(DatabaseTest, LeftoverTemporaryDoesNotBlockTheSave) {
    WriteDb("old record\r\n");
    OpenPersonDatabase(s);
    s.Base.ListBox1.push_back("new record");
    // What an interrupted save of an older version left behind: every write now takes a
    // temporary name of its own.
    fs::create_directories(Db() + ".tmp~");
    SavePersonDatabase(s);
    EXPECT_EQ(ReadFileBytes(Db()), "old record\r\nnew record\r\n");
}

TEST_F(DatabaseTest, OpenFailsWithoutFileAndKeepsTheList) {
    s.Base.ListBox1 = {"kept"};
    EXPECT_THROW(OpenPersonDatabase(s), Error);
    EXPECT_EQ(s.Base.ListBox1, std::vector<std::string>{"kept"});
}

TEST_F(DatabaseTest, DeleteAndLoadNeedASelection) {
    WriteDb(Utf8ToCp1251OrThrow(
        "М ; 12. 4.1961 6:7 51.40 39.12 Первый\r\nЖ ;  5. 3.1980 9:5 56.01 92.45 Вторая\r\n"));
    OpenPersonDatabase(s);
    DeleteSelectedPerson(s); // nothing selected: nothing happens
    LoadSelectedPerson(s);
    EXPECT_EQ(s.Base.ListBox1.size(), 2u);
    EXPECT_TRUE(s.Base.Visible);

    s.Base.ListBox1Index = 1;
    s.Base.RadioButton1 = false;
    s.Base.RadioButton2 = true;
    LoadSelectedPerson(s);
    EXPECT_FALSE(s.Base.Visible);
    EXPECT_EQ(s.ID2.Edit1, "Вторая");
    EXPECT_EQ(s.ID2.SpinEdit2.Value(), 5);
    EXPECT_TRUE(s.ID2.RadioButton2);
    EXPECT_EQ(s.ID1.Edit1, ""); // the first chart is untouched

    s.Base.ListBox1Index = 0;
    DeleteSelectedPerson(s);
    EXPECT_EQ(s.Base.ListBox1.size(), 1u);
    // The file changes only on "Сохранить изменения".
    EXPECT_EQ(ReadTextLines(Db()).size(), 2u);
    SavePersonDatabase(s);
    EXPECT_EQ(ReadTextLines(Db()).size(), 1u);
}

TEST(TextFile, Cp1251RoundTripOfEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1251ToUtf8("\xc0\xff\xa8\xb8\xb9\xab\xbb\x96\x97\x85"), "АяЁё№«»–—…");
    std::string out;
    EXPECT_FALSE(Utf8ToCp1251("\xe4\xb8\xad", out));
    EXPECT_FALSE(Utf8ToCp1251("\xd0", out)); // cut multi-byte character
}
