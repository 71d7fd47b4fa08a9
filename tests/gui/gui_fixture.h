#pragma once
// A fresh application with its twelve windows for each test, over a private data folder.
#include "app/ui/application.h"
#include "app/ui/main_window.h"

#include <QAction>
#include <QString>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("omvera-gui-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::copy(std::string(OMVERA_BUILD_DIR) + "/Dann", folder_ / "Dann",
                              std::filesystem::copy_options::recursive);
        app_ = std::make_unique<omvera::Application>(folder_.string());
        app_->ShowError = [this](QWidget*, const QString& m) { errors.push_back(m.toStdString()); };
        app_->ShowWarning = [this](QWidget*, const QString& m) {
            warnings.push_back(m.toStdString());
        };
    }
    void TearDown() override {
        app_.reset();
        std::filesystem::remove_all(folder_);
    }
    omvera::Application& app() { return *app_; }
    omvera::State& state() { return app_->state(); }
    // Chooses a menu item as the user would.
    void Menu(const char* name) {
        QAction* a = app_->Form1->MenuItem(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    std::vector<std::string> errors, warnings;
    std::filesystem::path folder_;

  private:
    std::unique_ptr<omvera::Application> app_;
};
