// "Помощь" and "Новолуния Полнолуния затмения" hand the pages below ProgramFolder to the
// desktop's URL handler (here a test handler for file URLs), also after the working
// directory has moved; a missing page is reported with its path.
#include "gui_fixture.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QUrl>

#include <filesystem>

namespace {

// Catches the file URLs handed to the desktop: a text browser's setSource(QUrl) slot
// receives them (and shows the page, which it can).
struct UrlCatcher {
    UrlCatcher() { QDesktopServices::setUrlHandler("file", &browser, "setSource"); }
    ~UrlCatcher() { QDesktopServices::unsetUrlHandler("file"); }
    std::string Take() {
        const std::string path = browser.source().toLocalFile().toStdString();
        browser.setSource(QUrl());
        return path;
    }
    QTextBrowser browser;
};

} // namespace

TEST_F(GuiTest, HelpPagesOpenFromProgramFolder) {
    UrlCatcher catcher;
    const auto saved = std::filesystem::current_path();
    // A save into another folder may have moved the working directory.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    Menu("N30");
    const std::string help = catcher.Take();
    Menu("N42");
    const std::string luna = catcher.Take();
    std::filesystem::current_path(saved);

    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    EXPECT_EQ(std::filesystem::path(help), folder_ / "Dann" / "Help" / "Help.htm");
    EXPECT_EQ(std::filesystem::path(luna), folder_ / "Dann" / "Help" / "luna.htm");
    // The pages the build put there are real pages.
    EXPECT_GT(std::filesystem::file_size(folder_ / "Dann" / "Help" / "Help.htm"), 10000u);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Dann" / "Help" / "luna1990.htm"));
}

TEST_F(GuiTest, MissingHelpPageIsReportedWithItsPath) {
    UrlCatcher catcher;
    std::filesystem::remove(folder_ / "Dann" / "Help" / "Help.htm");
    Menu("N30");
    EXPECT_EQ(catcher.Take(), "");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find((folder_ / "Dann" / "Help" / "Help.htm").string()), std::string::npos)
        << errors[0];
}
