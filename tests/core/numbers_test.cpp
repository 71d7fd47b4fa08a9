#include "app/chart_state.h"
#include "app/state.h"
#include "aspects/points.h"
#include "astro/chart_moment.h"
#include "base/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace omvera;

namespace {

// Switches LC_NUMERIC to a locale whose decimal separator is a comma, as the GUI toolkit does
// at start-up for a Russian user, and back to "C" at the end. When the system has no such
// locale one is compiled into the build directory with localedef; without localedef the
// tests that need it are skipped.
class CommaLocale {
  public:
    CommaLocale() {
        for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8"})
            if (Use(name)) return;
        const std::string dir = OMVERA_BUILD_DIR "/test-locales";
        if (!std::filesystem::exists(dir + "/ru_RU.UTF-8")) {
            std::filesystem::create_directories(dir);
            const std::string command =
                "localedef -i ru_RU -f UTF-8 '" + dir + "/ru_RU.UTF-8' >/dev/null 2>&1";
            if (std::system(command.c_str()) != 0) return;
        }
        setenv("LOCPATH", dir.c_str(), 1);
        locpathSet_ = true;
        Use("ru_RU.UTF-8");
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
        if (locpathSet_) unsetenv("LOCPATH");
    }
    bool active() const { return active_; }

  private:
    bool Use(const char* name) {
        if (!std::setlocale(LC_NUMERIC, name)) return false;
        active_ = std::localeconv()->decimal_point[0] == ',';
        if (!active_) std::setlocale(LC_NUMERIC, "C");
        return active_;
    }
    bool active_ = false;
    bool locpathSet_ = false;
};

} // namespace

TEST(Numbers, FormatFixedWritesWhatPrintfWritesInTheCLocale) {
    std::setlocale(LC_NUMERIC, "C");
    for (double v : {0.0, -0.0, 0.05, -0.04, 2.675, 56.01, 359.999, 360.0, 1e15 + 0.5, -1234.5678})
        for (int width : {0, 5, 6, 12})
            for (int decimals : {0, 1, 2, 5}) {
                char expected[64];
                std::snprintf(expected, sizeof expected, "%*.*f", width, decimals, v);
                EXPECT_EQ(FormatFixed(v, width, decimals), expected) << v << ' ' << decimals;
            }
}

TEST(Numbers, TooLargeOrTooSmallValuesAreNoNumbers) {
    EXPECT_EQ(LeadingNumber("1e400"), 0);
    EXPECT_EQ(LeadingNumber("-1e400 deg"), 0);
    EXPECT_FALSE(ParseReal("1e400", '.'));
    EXPECT_DOUBLE_EQ(LeadingNumber("+5.5e1x"), 55);
    EXPECT_DOUBLE_EQ(*ParseReal(" -22.5 ", '.'), -22.5);
    EXPECT_DOUBLE_EQ(*ParseReal(".5", '.'), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("5."), 5);
}

// Orb fields and coordinates are read with "." and the texts the program writes use "."
// whatever the user's locale; only aspect angles follow the user's separator, explicitly.
TEST(Numbers, PointStaysTheSeparatorUnderACommaLocale) {
    CommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is available";

    EXPECT_DOUBLE_EQ(LeadingNumber("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("56.01"), 56.01);
    EXPECT_DOUBLE_EQ(LeadingNumber("-92.45"), -92.45);
    EXPECT_EQ(LeadingNumber("0,5"), 0); // the comma is not a separator of these fields
    EXPECT_DOUBLE_EQ(*ParseReal("22,5", ','), 22.5);
    EXPECT_DOUBLE_EQ(*ParseReal("22.5", '.'), 22.5);
    EXPECT_FALSE(ParseReal("22.5", ','));
    EXPECT_EQ(FormatFixed(56.01, 6, 2), " 56.01");
    EXPECT_EQ(FormatFixed(-0.3, 0, 2), "-0.30");

    State state;
    state.ID1.SetMonthIndex(0);
    state.ID1.Edit2 = "56.01";
    state.ID1.Edit3 = "92.45";
    ReadChartInput(state, 1);
    EXPECT_DOUBLE_EQ(state.moment.latitude, 56.01);
    EXPECT_DOUBLE_EQ(state.moment.longitude, 92.45);

    // The nodes' orb "0.5" of the planets dialog.
    state.PlanUst.CheckBox[13] = true;
    PointIncluded included{};
    RefreshPoint(state, AscendingNode, included);
    EXPECT_EQ(included[AscendingNode], 1);
    EXPECT_DOUBLE_EQ(state.PointOrbs[AscendingNode], 0.5);

    // The house warning names the latitude with a point, as the command line prints it.
    state.ID1.Edit2 = "89.99";
    std::array<double, 13> cusps{};
    ComputeHouses(state, 1, 'P', cusps);
    ASSERT_EQ(state.Warnings.size(), 1u);
    EXPECT_NE(state.Warnings[0].find("(широта 89.99)"), std::string::npos) << state.Warnings[0];
}
