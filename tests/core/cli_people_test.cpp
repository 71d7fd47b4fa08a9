// omvera-cli people and the command line's handling of bad input: records listed, shown,
// added and deleted through the database's own code; unreadable files and fields named in
// Russian; argument errors in Russian with exit status 2.
#include "base/text_file.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;
using omvera_test::RunCli;
using omvera_test::RunResult;

namespace {

class CliPeople : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir / "Dann"); }
    std::string Db() const { return (dir / "Dann" / "Basa.TXT").string(); }
    void WriteDb(const std::string& utf8) {
        std::ofstream(Db(), std::ios::binary) << omvera::Utf8ToCp1251OrThrow(utf8);
    }
    // Runs omvera-cli with the arguments (a shell command line), the folder given.
    RunResult Cli(const std::string& arguments, bool withFolder = true) const {
        return RunCli(arguments + (withFolder ? " --folder '" + dir.str() + "'" : ""));
    }
    omvera_test::TestFolder dir{"omvera-cli-people"};
};

const char* const kPlace = " --date 5.3.1980 --time 9:5 --lat 56.01 --lon 92.45";

} // namespace

TEST_F(CliPeople, AddListShowDelete) {
    WriteDb("");
    RunResult r = Cli(std::string("people add") + kPlace + " --name 'Сейчас ' --sex M");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1  М ;  5. 3.1980 9:5 56.01 92.45 Сейчас \n");
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(Cli("people add --date 23.11.1995 --time 18:60 --lat -5.30 --lon -0.30 "
                  "--name 'Анна Мария' --sex F")
                  .status,
              0);
    EXPECT_EQ(omvera::ReadFileBytes(Db()),
              omvera::Utf8ToCp1251OrThrow("М ;  5. 3.1980 9:5 56.01 92.45 Сейчас \r\n"
                                          "Ж ; 23.11.1995 18:60 -5.30 -0.30 Анна Мария\r\n"));

    r = Cli("people list");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "   1  М ;  5. 3.1980 9:5 56.01 92.45 Сейчас \n"
                     "   2  Ж ; 23.11.1995 18:60 -5.30 -0.30 Анна Мария\n");
    r = Cli("people list --json");
    EXPECT_EQ(r.out, "{\"records\": [\"М ;  5. 3.1980 9:5 56.01 92.45 Сейчас \", "
                     "\"Ж ; 23.11.1995 18:60 -5.30 -0.30 Анна Мария\"]}\n");

    r = Cli("people show 2 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"name\": \"Анна Мария\", \"year\": 1995, \"month\": 11, \"day\": 23, "
                     "\"hour\": 18, \"minute\": 60, \"lat\": \"-5.30\", \"lon\": \"-0.30\", "
                     "\"sex\": \"F\"}\n");
    r = Cli("people show 1");
    EXPECT_THAT(r.out, HasSubstr("Месяц: Март\n"));
    EXPECT_THAT(r.out, HasSubstr("Пол: Мужчина\n"));

    r = Cli("people delete 1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Сейчас"));
    EXPECT_EQ(omvera::ReadFileBytes(Db()),
              omvera::Utf8ToCp1251OrThrow("Ж ; 23.11.1995 18:60 -5.30 -0.30 Анна Мария\r\n"));
}

TEST_F(CliPeople, CrashReproducersEndCleanly) {
    // A record whose latitude is 40,000 digits long: shown without overflowing the stack.
    WriteDb("М ; 5. 3.1980 9:5 " + std::string(40000, '9') + ".12 92.45 Long\r\n");
    RunResult r = Cli("people show 1 --json");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"name\": \"Long\""));
    // The CR-only database lists every record and a delete keeps the others.
    std::ofstream(Db(), std::ios::binary)
        << omvera::Utf8ToCp1251OrThrow("М ;  5. 3.1980 9:5 56.01 92.45 A\rЖ ;  6. 4.1981 "
                                       "10:6 56.01 92.45 B\rМ ;  7. 5.1982 11:7 1.00 2.00 C\r");
    EXPECT_THAT(Cli("people list").out, HasSubstr("   3  М ;  7. 5.1982"));
    ASSERT_EQ(Cli("people delete 2").status, 0);
    EXPECT_EQ(omvera::SplitLines(omvera::ReadFileBytes(Db())).size(), 2u);
    // A database that is a folder, a sections file that is a folder: Russian messages, status 1.
    fs::remove(Db());
    fs::create_directories(Db());
    r = Cli("people list");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("это папка, а не файл"));
    EXPECT_THAT(r.err, Not(HasSubstr("basic_filebuf")));
    r = Cli("sections '" + (dir / "Dann").string() + "' --marker '&'", false);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("это папка, а не файл"));
}

TEST_F(CliPeople, BadInputIsRefusedOrNamed) {
    WriteDb("М ;  5. 3.1980 9:5 56.01 92.45 A\r\n");
    struct Case {
        const char* args;
        int status;
        const char* inErr;
    };
    EXPECT_EQ(Cli("people", false).status, 2);
    EXPECT_THAT(Cli("people", false).err, HasSubstr("нужно действие"));
    const Case cases[] = {
        {"people rename 1", 2, "неизвестное действие «rename»"},
        {"people show", 2, "нужен номер записи"},
        {"people show x", 2, "«x» не целое число"},
        {"people show 0", 2, "«0» не целое число от 1"},
        {"people show 2", 1, "нет записи с номером 2"},
        {"people delete 9", 1, "нет записи с номером 9"},
        {"people list --colour", 2, "неизвестный параметр «--colour»"},
        {"people add --date 5.3.1980 --time 9:5 --lat 1 --lon 2 --sex X", 2, "M или F"},
        {"people add --time 9:5 --lat 1 --lon 2", 2, "нужен параметр --date"},
        {"people add --date 5.13.1980 --time 9:5 --lat 1 --lon 2", 2, "месяц вне пределов"},
        {"nonsense", 2, "неизвестная команда «nonsense»"},
    };
    for (const Case& c : cases) {
        const RunResult r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.inErr)) << c.args;
    }
    // A record too long for the file's line format is refused and nothing is written.
    RunResult r = Cli(std::string("people add") + kPlace + " --name " + std::string(101, 'x'));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("имя длиннее 100 знаков"));
    EXPECT_EQ(omvera::SplitLines(omvera::ReadFileBytes(Db())).size(), 1u);
    // Fields the form reads otherwise than given are stored as given, and named.
    r = Cli("people add --date 5.3.1980 --time 9:5 --lat 56,01 --lon abc --name W");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("запятая"));
    EXPECT_THAT(r.err, HasSubstr("в долготе «abc» нет числа"));
    r = Cli("people show 2 --json");
    EXPECT_THAT(r.out, HasSubstr("\"lat\": \"56,01\""));
    EXPECT_THAT(r.out, HasSubstr("\"warnings\": [\"Окно «Исходные-Данные»: в широте"));
}

TEST_F(CliPeople, ChartNamesWhatItCouldNotRead) {
    const RunResult r =
        Cli("chart --date 15.1.1980 --time 12:30 --lat 56,01 --lon 200 --json", false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"warnings\": [\"Окно «Исходные-Данные»: в широте «56,01» "
                                 "запятая"));
    EXPECT_THAT(r.out, HasSubstr("долгота «200» за пределами от -180 до 180"));
    EXPECT_THAT(r.err, HasSubstr("Предупреждение: Окно «Исходные-Данные»: в широте"));
}
