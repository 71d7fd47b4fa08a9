// The settings windows' buttons: orb presets, the select-all toggle, the house-system and
// scan-step choices.
#include "app/chart_state.h"
#include "app/state.h"
#include "input/settings_forms.h"

#include <gtest/gtest.h>

using namespace omvera;

TEST(PlanetSettings, StartState) {
    PlanetSettingsForm f;
    for (int i = 1; i <= 17; ++i) EXPECT_EQ(f.CheckBox[i], i <= 7 || i >= 16) << i;
    EXPECT_EQ(f.Edit[1], "10");
    EXPECT_EQ(f.Edit[5], "5");
    EXPECT_EQ(f.Edit[12], "0.5");
    EXPECT_EQ(f.Edit[17], "5");
    EXPECT_TRUE(f.SelectAllNext);
}

TEST(PlanetSettings, PresetColumns) {
    PlanetSettingsForm f;
    f.CheckBox[9] = true;
    PlanUstButton2Click(f);
    const char* transit[18] = {"",    "1.2", "6.5", "1.1", "1.1", "1.6", "1.5", "1.5", "0.5",
                               "0.5", "0.5", "0.5", "0.5", "0.5", "0.5", "0.5", "1",   "1"};
    for (int i = 1; i <= 17; ++i) EXPECT_EQ(f.Edit[i], transit[i]) << i;
    PlanUstButton4Click(f);
    EXPECT_EQ(f.Edit[1], "2");
    EXPECT_EQ(f.Edit[2], "1.5");
    for (int i = 3; i <= 17; ++i) EXPECT_EQ(f.Edit[i], "1") << i;
    PlanUstButton5Click(f);
    EXPECT_EQ(f.Edit[1], "10");
    EXPECT_EQ(f.Edit[2], "10");
    EXPECT_EQ(f.Edit[3], "6");
    EXPECT_EQ(f.Edit[4], "6");
    for (int i = 5; i <= 17; ++i) EXPECT_EQ(f.Edit[i], "6") << i;
    // "Транзит" then "Радикс" restores the starting orbs exactly.
    PlanUstButton2Click(f);
    PlanUstButton1Click(f);
    const PlanetSettingsForm atStart;
    EXPECT_EQ(f.Edit, atStart.Edit);
    // Presets leave the check boxes alone.
    EXPECT_TRUE(f.CheckBox[9]);
    EXPECT_FALSE(f.CheckBox[8]);
}

TEST(PlanetSettings, SelectAllToggle) {
    PlanetSettingsForm f;
    for (int i = 1; i <= 17; ++i) f.CheckBox[i] = true;
    FormActivate(f);
    PlanUstButton3Click(f); // first press after activation checks all, even when all are set
    for (int i = 1; i <= 17; ++i) EXPECT_TRUE(f.CheckBox[i]);
    EXPECT_FALSE(f.SelectAllNext);
    PlanUstButton3Click(f);
    for (int i = 1; i <= 17; ++i) EXPECT_FALSE(f.CheckBox[i]);
    EXPECT_TRUE(f.SelectAllNext);
    PlanUstButton3Click(f);
    EXPECT_FALSE(f.SelectAllNext);
    // Activating the window again makes the next press a select-all.
    FormActivate(f);
    f.CheckBox[3] = false;
    PlanUstButton3Click(f);
    EXPECT_TRUE(f.CheckBox[3]);
}

TEST(HouseSystemDialog, LettersAndCaptions) {
    HouseSystemForm f;
    char letter = '?';
    CurrentHouseSystem(f, letter);
    EXPECT_EQ(letter, 'P');
    const char letters[7] = {0, 'M', 'A', 'P', 'K', 'S', 'L'};
    for (int i = 1; i <= 6; ++i) {
        ASSERT_TRUE(ChooseHouseSystem(f, letters[i]));
        for (int j = 1; j <= 6; ++j) EXPECT_EQ(f.RadioButton[j], i == j);
        CurrentHouseSystem(f, letter);
        EXPECT_EQ(letter, letters[i]);
    }
    EXPECT_FALSE(ChooseHouseSystem(f, 'Q'));
    EXPECT_TRUE(f.RadioButton[6]);
    EXPECT_STREQ(HouseSystemCaption('L'), "Равнодомные от Луны ");
    EXPECT_STREQ(HouseSystemCaption('P'), "Плацидус");
    EXPECT_STREQ(HouseSystemCaption('Q'), "");

    // Nothing chosen: the caller's value stays.
    HouseSystemForm none;
    none.RadioButton.fill(false);
    letter = 'Z';
    CurrentHouseSystem(none, letter);
    EXPECT_EQ(letter, 'Z');
}

TEST(ScanStepDialog, ReadScanStep) {
    State s;
    ReadScanStep(s);
    EXPECT_DOUBLE_EQ(s.ScanStep, 1);
    const double steps[5] = {0, 7, 1, 1.0 / 24, 1.0 / 144};
    for (int i = 1; i <= 4; ++i) {
        s.Hsk.RadioButton.fill(false);
        s.Hsk.RadioButton[i] = true;
        ReadScanStep(s);
        EXPECT_DOUBLE_EQ(s.ScanStep, steps[i]);
    }
    s.Hsk.RadioButton.fill(false);
    ReadScanStep(s);
    EXPECT_DOUBLE_EQ(s.ScanStep, 1.0 / 144);
}
