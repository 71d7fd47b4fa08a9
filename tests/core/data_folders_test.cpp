// Where the program finds its data folder and the person database: run from its own folder,
// installed under a prefix, or neither; and the installed program's per-user database, which
// must start as a copy of the shipped one and never write below the installation.
#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/data_folders.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "input/person_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

class DataFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("omvera-folders-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "prefix" / "share" / "omvera" / "Dann");
        fs::create_directories(root / "work");
    }
    void TearDown() override { fs::remove_all(root); }

    std::string Exe() const { return (root / "prefix" / "bin" / "omvera").string(); }
    std::string Installed() const { return (root / "prefix" / "share" / "omvera").string(); }
    std::string Work() const { return (root / "work").string(); }
    std::string User() const { return (root / "home" / ".local" / "share" / "omvera").string(); }
    std::string Shipped() const { return Installed() + "/Dann/Basa.TXT"; }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) { return ReadFileBytes(path); }

    fs::path root;
};

} // namespace

TEST(UserDataFolder, FollowsTheDesktopRulesForTheUsersDataDirectory) {
    EXPECT_EQ(UserDataFolder("/x/data", "/home/u"), "/x/data/omvera");
    // A relative XDG_DATA_HOME is invalid and ignored; so is an empty one.
    EXPECT_EQ(UserDataFolder("rel/data", "/home/u"), "/home/u/.local/share/omvera");
    EXPECT_EQ(UserDataFolder("", "/home/u"), "/home/u/.local/share/omvera");
    EXPECT_EQ(UserDataFolder(nullptr, "/home/u"), "/home/u/.local/share/omvera");
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
    EXPECT_EQ(UserDataFolder(nullptr, ""), "");
}

TEST_F(DataFoldersTest, LocatesTheDataFolderFromTheCurrentFolderOrTheInstallation) {
    // Neither the current folder nor the installation beside an unrelated executable: the
    // current folder, as the program always did (missing files are reported when read).
    DataLocation d = LocateData((root / "elsewhere" / "omvera").string(), Work(), User());
    EXPECT_EQ(d.programFolder, Work());
    EXPECT_FALSE(d.userFolder.has_value());
    d = LocateData("", Work(), User());
    EXPECT_EQ(d.programFolder, Work());
    EXPECT_FALSE(d.userFolder.has_value());

    // Installed: the data folder relative to the executable, the database in the user's.
    d = LocateData(Exe(), Work(), User());
    EXPECT_EQ(d.programFolder, Installed());
    ASSERT_TRUE(d.userFolder.has_value());
    EXPECT_EQ(*d.userFolder, User());
    // The drawing companion in the private folder of helper programs finds it too.
    fs::create_directories(root / "prefix" / "libexec" / "omvera");
    d = LocateData((root / "prefix" / "libexec" / "omvera" / "omvera-cli-qt").string(), Work(),
                   User());
    EXPECT_EQ(d.programFolder, Installed());
    EXPECT_TRUE(d.userFolder.has_value());
    // A path with ".." in it is normalised, so messages name the real folder.
    d = LocateData((root / "prefix" / "bin" / ".." / "bin" / "omvera").string(), Work(), User());
    EXPECT_EQ(d.programFolder, Installed());

    // Started from its own folder with a Dann beside it: that folder holds everything, even
    // when an installation exists.
    fs::create_directories(root / "work" / "Dann");
    d = LocateData(Exe(), Work(), User());
    EXPECT_EQ(d.programFolder, Work());
    EXPECT_FALSE(d.userFolder.has_value());

    // A file named Dann is no data folder.
    fs::remove_all(root / "work" / "Dann");
    Write(Work() + "/Dann", "x");
    EXPECT_EQ(LocateData(Exe(), Work(), User()).programFolder, Installed());
}

TEST_F(DataFoldersTest, DatabaseOfAProgramRunFromItsOwnFolderIsTheShippedFile) {
    EXPECT_EQ(PersonDatabaseFile(DataLocation{Work(), std::nullopt}), Work() + "/Dann/Basa.TXT");
    EXPECT_FALSE(fs::exists(User()));
}

TEST_F(DataFoldersTest, PerUserDatabaseIsCopiedOnceFromTheShippedOne) {
    const std::string shipped = "М ;  5. 3.1980 9:5 56.01 92.45 Первый\r\n";
    Write(Shipped(), shipped);
    const DataLocation d{Installed(), User()};

    const std::string file = PersonDatabaseFile(d);
    EXPECT_EQ(file, User() + "/Basa.TXT");
    EXPECT_EQ(Read(file), shipped);
    // No temporary file of the copy is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(User()), fs::directory_iterator()), 1);

    // Once there, the user's file is theirs: a later call, even after the shipped file
    // changed (an upgrade), keeps it as it is.
    Write(file, "mine\r\n");
    Write(Shipped(), "upgraded\r\n");
    EXPECT_EQ(PersonDatabaseFile(d), file);
    EXPECT_EQ(Read(file), "mine\r\n");
}

TEST_F(DataFoldersTest, PerUserDatabaseWithoutAShippedOneIsLeftToTheFirstSave) {
    const std::string file = PersonDatabaseFile(DataLocation{Installed(), User()});
    EXPECT_EQ(file, User() + "/Basa.TXT");
    EXPECT_TRUE(fs::is_directory(User()));
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(DataFoldersTest, PerUserDatabaseWithoutAUsableFolderIsRefused) {
    Write(Shipped(), "x\r\n");
    // No home known.
    EXPECT_THROW(PersonDatabaseFile(DataLocation{Installed(), std::string()}), Error);
    // The user's folder is a file.
    fs::create_directories(root / "home");
    Write((root / "home" / "file").string(), "x");
    EXPECT_THROW(PersonDatabaseFile(DataLocation{Installed(), (root / "home" / "file").string()}),
                 Error);
    EXPECT_EQ(Read(Shipped()), "x\r\n");
}

TEST_F(DataFoldersTest, InstalledProgramReadsAndWritesOnlyTheUsersCopy) {
    const std::string shipped = EncodeTextLines({"Ж ; 23.11.1995 18:30 -5.30 -0.30 Анна"});
    Write(Shipped(), shipped);
    State s;
    SetDataLocation(s, LocateData(Exe(), Work(), User()));
    ASSERT_EQ(s.ProgramFolder, Installed());

    OpenPersonDatabase(s);
    ASSERT_EQ(s.Base.ListBox1.size(), 1u);
    EXPECT_EQ(s.Base.ListBox1[0], "Ж ; 23.11.1995 18:30 -5.30 -0.30 Анна");

    s.ID1.Edit1 = "Борис";
    s.ID1.Edit2 = "56.01";
    s.ID1.Edit3 = "92.45";
    AppendPersonFromFirstChart(s);
    s.Base.ListBox1Index = 0;
    DeleteSelectedPerson(s);
    SavePersonDatabase(s);

    // The user's copy holds the edits; the installation is untouched, with no lock or
    // temporary file beside the shipped database.
    const auto lines = DecodeTextLines(Read(User() + "/Basa.TXT"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Борис"), std::string::npos);
    EXPECT_EQ(Read(Shipped()), shipped);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(Installed() + "/Dann"), fs::directory_iterator()), 1);
}
