// The help commands find their pages below ProgramFolder whatever the working directory has
// become, and say which file is missing or could not be shown; the lunation pages are
// Windows-1251 pages, one per decade, reachable from the year index.
#include "app/help_commands.h"
#include "app/lunation_pages.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

class HelpCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("omvera-help-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "program" / "Dann" / "Help");
        fs::create_directories(root_ / "elsewhere");
        for (const char* name : {"Help.htm", "luna.htm"})
            std::ofstream(root_ / "program" / "Dann" / "Help" / name) << "<html></html>";
        state_.ProgramFolder = (root_ / "program").string();
        saved_ = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(saved_);
        fs::remove_all(root_);
    }
    fs::path root_, saved_;
    State state_;
};

std::string Message(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST_F(HelpCommands, PagesComeFromProgramFolderNotTheWorkingDirectory) {
    // A save into another folder may move the working directory; the help stays put.
    fs::current_path(root_ / "elsewhere");
    std::string opened;
    auto open = [&](const std::string& p) {
        opened = p;
        return true;
    };
    N30Click(state_, open);
    EXPECT_EQ(fs::path(opened), root_ / "program" / "Dann" / "Help" / "Help.htm");
    N42Click(state_, open);
    EXPECT_EQ(fs::path(opened), root_ / "program" / "Dann" / "Help" / "luna.htm");
}

TEST_F(HelpCommands, MissingPageAndFailedBrowserNameTheFile) {
    fs::remove(root_ / "program" / "Dann" / "Help" / "luna.htm");
    bool called = false;
    auto open = [&](const std::string&) {
        called = true;
        return true;
    };
    const std::string missing = Message([&] { N42Click(state_, open); });
    EXPECT_FALSE(called) << "a missing page is not handed to the browser";
    EXPECT_NE(missing.find("Не найдена страница справки"), std::string::npos) << missing;
    EXPECT_NE(missing.find((root_ / "program" / "Dann" / "Help" / "luna.htm").string()),
              std::string::npos)
        << missing;

    const std::string failed =
        Message([&] { N30Click(state_, [](const std::string&) { return false; }); });
    EXPECT_NE(failed.find("Не удалось запустить браузер"), std::string::npos) << failed;
    EXPECT_NE(failed.find((root_ / "program" / "Dann" / "Help" / "Help.htm").string()),
              std::string::npos)
        << failed;
}

TEST(LunationPages, IndexAndDecadePages) {
    const auto pages = LunationPages(1880, 2050);
    // The index and 18 decades, 1880s to the 2050s (which holds 2050 alone).
    ASSERT_EQ(pages.size(), 19u);
    EXPECT_EQ(pages.front().name, "luna.htm");
    EXPECT_EQ(pages[1].name, "luna1880.htm");
    EXPECT_EQ(pages.back().name, "luna2050.htm");
    const std::string& index = pages.front().html;
    EXPECT_NE(index.find("charset=windows-1251"), std::string::npos);
    for (const auto& p : pages) {
        if (p.name == "luna.htm") continue;
        // Every decade page is linked from the index, and every page stays light.
        EXPECT_NE(index.find("href=\"" + p.name + "\""), std::string::npos) << p.name;
        EXPECT_LT(p.html.size(), 200000u) << p.name;
    }
    EXPECT_NE(index.find("luna1990.htm#y1999"), std::string::npos);
    EXPECT_EQ(pages.back().html.find("y2051"), std::string::npos);

    std::string nineties;
    for (const auto& p : pages)
        if (p.name == "luna1990.htm") nineties = p.html;
    // The total solar eclipse of 1999 on its row: phase time, position, kind, greatest eclipse.
    EXPECT_NE(nineties.find("<tr class=\"s\"><td>1999-08-11</td><td>11:08</td><td>Новолуние</td>"
                            "<td>18°21' Лев</td><td>полное солнечное затмение</td><td>11:03</td>"),
              std::string::npos);
    EXPECT_NE(nineties.find("id=\"y1999\""), std::string::npos);
    EXPECT_EQ(nineties.find("id=\"y2000\""), std::string::npos);
}

TEST(LunationPages, RowsAndTextLines) {
    const auto table = Lunations(2024, 2024);
    const auto lines = LunationTableLines(table);
    ASSERT_EQ(lines.size(), table.size() + 1);
    EXPECT_EQ(lines[0].rfind("Дата (UT)", 0), 0u);
    bool found = false;
    for (const auto& l : lines)
        found |= l == "2024-04-08 18:21 Новолуние   19°24' Овен      "
                      "полное солнечное затмение, 18:18";
    EXPECT_TRUE(found);
    // A greatest eclipse on another date than its phase carries its own date.
    Lunation l = table.front();
    l.eclipse = EclipseKind::LunarPenumbral;
    l.eclipseJdUT = l.jdUT + 1;
    EXPECT_EQ(RowOf(l).eclipseTime.size(), 16u);
}

TEST(LunationPages, WrittenAsWindows1251WithCrLf) {
    const fs::path folder =
        fs::temp_directory_path() / ("omvera-luna-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    WriteLunationPages(folder.string(), 1999, 2000);
    ASSERT_TRUE(fs::exists(folder / "luna.htm"));
    ASSERT_TRUE(fs::exists(folder / "luna1990.htm"));
    ASSERT_TRUE(fs::exists(folder / "luna2000.htm"));
    const std::string bytes = ReadFileBytes((folder / "luna1990.htm").string());
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    // "Новолуние" in Windows-1251.
    EXPECT_NE(bytes.find("\xCD\xEE\xE2\xEE\xEB\xF3\xED\xE8\xE5"), std::string::npos);
    EXPECT_EQ(Cp1251ToUtf8(bytes).find("18°21' Лев") != std::string::npos, true);
    fs::remove_all(folder);
}
