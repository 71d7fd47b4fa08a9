// Start-up over a data folder that is not as shipped: the program comes up, and what it could
// not read is named once in the start-up message.
#include "app/ui/application.h"
#include "app/ui/main_window.h"

#include <QString>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

TEST(StartUp, GlyphPathThatIsAFolderIsReportedNotFatal) {
    const fs::path folder =
        fs::temp_directory_path() / ("omvera-startup-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(std::string(OMVERA_BUILD_DIR) + "/Dann", folder / "Dann", fs::copy_options::recursive);
    fs::remove(folder / "Dann" / "Sol.bmp");
    fs::create_directories(folder / "Dann" / "Sol.bmp");
    std::vector<std::string> errors, warnings;
    {
        std::unique_ptr<omvera::Application> app;
        ASSERT_NO_THROW(app = std::make_unique<omvera::Application>(folder.string()));
        app->ShowError = [&](QWidget*, const QString& m) { errors.push_back(m.toStdString()); };
        app->ShowWarning = [&](QWidget*, const QString& m) { warnings.push_back(m.toStdString()); };
        app->RunCommand(app->Form1, [] {}); // what the program does once its window is up
        EXPECT_TRUE(app->state().Drawing.BodyGlyphs[1].Empty());
        EXPECT_FALSE(app->state().Drawing.BodyGlyphs[2].Empty());
    }
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], testing::HasSubstr("Sol.bmp"));
    EXPECT_THAT(warnings[0], testing::Not(testing::HasSubstr("Luna.bmp")));
    fs::remove_all(folder);
}
