// The person database on disk: files from other systems, links, permissions, a failing
// disk and other writers. No record may be lost except the one the user deleted.
#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "input/person_database.h"
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace omvera;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

class DatabaseSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir / "Dann");
        s.ProgramFolder = dir.string();
    }
    std::string Db() const { return (dir / "Dann" / "Basa.TXT").string(); }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Only the database (and what a test put there) is left in the folder: no temporary file.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir / "Dann"))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Record(const char* name) {
        return Utf8ToCp1251OrThrow(std::string("М ;  5. 3.1980 9:5 56.01 92.45 ") + name);
    }
    omvera_test::TestFolder folder{"omvera-safety"};
    fs::path dir = folder.path();
    State s;
};

} // namespace

TEST_F(DatabaseSafety, EveryLineEndReadsAsALine) {
    const std::string cases[] = {
        Record("A") + "\r" + Record("B") + "\r" + Record("C") + "\r",   // CR only
        Record("A") + "\n" + Record("B") + "\n" + Record("C"),          // LF, no last end
        Record("A") + "\r\n" + Record("B") + "\r" + Record("C") + "\n", // mixed
    };
    for (const std::string& bytes : cases) {
        Write(Db(), bytes);
        OpenPersonDatabase(s);
        ASSERT_EQ(s.Base.ListBox1.size(), 3u);
        EXPECT_EQ(s.Base.ListBox1[1], "М ;  5. 3.1980 9:5 56.01 92.45 B");
        // Deleting one and saving keeps the other two, now with CR LF.
        s.Base.ListBox1Index = 0;
        DeleteSelectedPerson(s);
        SavePersonDatabase(s);
        EXPECT_EQ(ReadFileBytes(Db()), Record("B") + "\r\n" + Record("C") + "\r\n");
    }
    EXPECT_EQ(SplitLines("a\r\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
}

TEST_F(DatabaseSafety, SymbolicLinkIsWrittenThrough) {
    const fs::path real = dir / "elsewhere" / "people.txt";
    fs::create_directories(real.parent_path());
    Write(real.string(), Record("A") + "\r\n");
    fs::create_symlink(fs::relative(real, dir / "Dann"), Db());
    s.ID1.Edit1 = "B";
    AppendPersonFromFirstChart(s);
    EXPECT_TRUE(fs::is_symlink(Db()));
    EXPECT_EQ(ReadFileBytes(real.string()),
              Record("A") + "\r\n" + Utf8ToCp1251OrThrow(s.Base.ListBox1[1]) + "\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Basa.TXT"});
}

TEST_F(DatabaseSafety, HardLinkStaysSharedAndModeIsKept) {
    Write(Db(), Record("A") + "\r\n" + Record("B") + "\r\n");
    ::chmod(Db().c_str(), 0600);
    const std::string other = (dir / "backup-name.txt").string();
    fs::create_hard_link(Db(), other);
    OpenPersonDatabase(s);
    s.Base.ListBox1Index = 1;
    DeleteSelectedPerson(s);
    SavePersonDatabase(s);
    EXPECT_EQ(fs::hard_link_count(Db()), 2u);
    EXPECT_EQ(ReadFileBytes(other), Record("A") + "\r\n");
    EXPECT_EQ(fs::status(Db()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Basa.TXT"});

    // A single-link file is replaced by renaming and keeps its mode as well.
    fs::remove(other);
    ::chmod(Db().c_str(), 0640);
    AppendPersonFromFirstChart(s);
    struct stat st {};
    ASSERT_EQ(::stat(Db().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(DatabaseSafety, ReadOnlyFileIsRefused) {
    Write(Db(), Record("A") + "\r\n");
    ::chmod(Db().c_str(), 0444);
    OpenPersonDatabase(s);
    s.Base.ListBox1Index = 0;
    DeleteSelectedPerson(s);
    try {
        SavePersonDatabase(s);
        ADD_FAILURE() << "a read-only database was replaced";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("только для чтения"));
    }
    EXPECT_THROW(AppendPersonFromFirstChart(s), Error);
    EXPECT_EQ(ReadFileBytes(Db()), Record("A") + "\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Basa.TXT"});
}

TEST_F(DatabaseSafety, FailedWriteKeepsTheOldFileAndNoTemporary) {
    Write(Db(), Record("old") + "\r\n");
    OpenPersonDatabase(s);
    s.Base.ListBox1.assign(1000, "М ;  5. 3.1980 9:5 56.01 92.45 new record");
    // The disk refuses to take more than a few bytes (a full disk, a quota).
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        SavePersonDatabase(s);
    } catch (const Error& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_THAT(message, HasSubstr("Ошибка записи файла"));
    EXPECT_THAT(message, HasSubstr("Basa.TXT"));
    EXPECT_EQ(ReadFileBytes(Db()), Record("old") + "\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Basa.TXT"});
}

TEST_F(DatabaseSafety, ASaveDoesNotOverwriteAnotherWritersRecords) {
    Write(Db(), Record("A") + "\r\n" + Record("B") + "\r\n" + Record("C") + "\r\n");
    State other;
    other.ProgramFolder = s.ProgramFolder;
    OpenPersonDatabase(s);
    OpenPersonDatabase(other);
    // The other window deletes A and saves; this one still shows A and deletes C.
    other.Base.ListBox1Index = 0;
    DeleteSelectedPerson(other);
    SavePersonDatabase(other);
    s.Base.ListBox1Index = 2;
    DeleteSelectedPerson(s);
    try {
        SavePersonDatabase(s);
        ADD_FAILURE() << "a stale list overwrote the other window's save";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("изменен другим окном или программой"));
    }
    EXPECT_EQ(ReadFileBytes(Db()), Record("B") + "\r\n" + Record("C") + "\r\n");
    // Opened again, the save goes through.
    OpenPersonDatabase(s);
    s.Base.ListBox1Index = 1;
    DeleteSelectedPerson(s);
    SavePersonDatabase(s);
    EXPECT_EQ(ReadFileBytes(Db()), Record("B") + "\r\n");
    // An append in between counts as a change too; the appending window's own list is fresh.
    OpenPersonDatabase(other);
    AppendPersonFromFirstChart(s);
    EXPECT_THROW(SavePersonDatabase(other), Error);
    EXPECT_NO_THROW(SavePersonDatabase(s));
}

TEST_F(DatabaseSafety, ListThatLostLinesIsNotWritten) {
    Write(Db(), Record("A") + "\r\n" + Record("B") + "\r\n");
    OpenPersonDatabase(s);
    s.Base.ListBox1.pop_back(); // not through "Удалить запись"
    EXPECT_THROW(SavePersonDatabase(s), Error);
    EXPECT_EQ(SplitLines(ReadFileBytes(Db())).size(), 2u);
}

TEST_F(DatabaseSafety, ConcurrentAppendsLoseNothing) {
    Write(Db(), "");
    constexpr int kWriters = 4, kEach = 25;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([this, w] {
            State mine;
            mine.ProgramFolder = s.ProgramFolder;
            for (int i = 0; i < kEach; ++i) {
                mine.ID1.Edit1 = "writer " + std::to_string(w) + " record " + std::to_string(i);
                AppendPersonFromFirstChart(mine);
            }
        });
    for (auto& t : writers) t.join();
    const auto lines = ReadTextLines(Db());
    ASSERT_EQ(lines.size(), static_cast<size_t>(kWriters * kEach));
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kEach; ++i)
            EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                                   [&](const std::string& l) {
                                       return l.ends_with(" writer " + std::to_string(w) +
                                                          " record " + std::to_string(i));
                                   }),
                      lines.end())
                << w << " " << i;
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Basa.TXT"});
}

TEST_F(DatabaseSafety, UnreadableFilesAreNamedInRussian) {
    fs::create_directories(Db()); // a folder where the database should be
    try {
        OpenPersonDatabase(s);
        ADD_FAILURE() << "a folder opened as the database";
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("Basa.TXT"));
        EXPECT_THAT(e.what(), HasSubstr("это папка, а не файл"));
    }
    EXPECT_THROW(AppendPersonFromFirstChart(s), Error);
    EXPECT_TRUE(fs::is_directory(Db()));
    try {
        ReadFileBytes((dir / "no-such-file").string());
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("не найден"));
    }
    EXPECT_FALSE(ReadFileBytesIfPresent((dir / "no-such-file").string()).has_value());
    EXPECT_THROW(WriteFileAtomically((dir / "Dann").string(), "x"), Error);
}
