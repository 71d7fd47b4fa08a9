#include "app/main_window_model.h"
#include "app/state.h"
#include "input/chart_form.h"

#include <gtest/gtest.h>

using namespace omvera;

TEST(SpinField, WritesClampReadsDoNot) {
    ChartForm f;
    f.SpinEdit1.SetValue(1700);
    EXPECT_EQ(f.SpinEdit1.Value(), 1880);
    f.SpinEdit1.SetValue(3000);
    EXPECT_EQ(f.SpinEdit1.Value(), 2050);
    f.SpinEdit4.SetValue(60);
    EXPECT_EQ(f.SpinEdit4.Value(), 60);
    f.SpinEdit4.SetValue(61);
    EXPECT_EQ(f.SpinEdit4.Value(), 60);
    f.SpinEdit2.SetValue(-4);
    EXPECT_EQ(f.SpinEdit2.Value(), 1);

    // A typed value outside the range is read as typed.
    f.SpinEdit3.Type("45");
    EXPECT_EQ(f.SpinEdit3.Value(), 45);
    // A text that is not an integer reads as the lower bound.
    f.SpinEdit3.Type("12a");
    EXPECT_EQ(f.SpinEdit3.Value(), 0);
    f.SpinEdit2.Type("");
    EXPECT_EQ(f.SpinEdit2.Value(), 1);
    f.SpinEdit1.Type("19805");
    EXPECT_EQ(f.SpinEdit1.Text, "1980"); // at most four characters
}

TEST(ChartForms, DesignValues) {
    State s;
    EXPECT_EQ(s.ID1.Edit1, "");
    EXPECT_EQ(s.ID1.SpinEdit1.Value(), 1980);
    EXPECT_EQ(s.ID1.ComboBox1, -1);
    EXPECT_EQ(s.ID1.Month(), 0);
    EXPECT_EQ(s.ID1.SpinEdit2.Value(), 15);
    EXPECT_EQ(s.ID1.SpinEdit3.Value(), 12);
    EXPECT_EQ(s.ID1.SpinEdit4.Value(), 30);
    EXPECT_EQ(s.ID1.Edit2, "56.01");
    EXPECT_EQ(s.ID1.Edit3, "92.45");
    EXPECT_TRUE(s.ID1.RadioButton1);
    EXPECT_EQ(s.ID2.Edit1, "Транзит");
    EXPECT_STREQ(ChartKindText(s.ChartKind), "");
    EXPECT_DOUBLE_EQ(s.ScanStep, 1);
}

TEST(ChartForms, NowOverwritesDateAndTimeOnly) {
    ChartForm f;
    f.Edit2 = "10.00";
    f.SetMan(false);
    SetFormToNow(f, LocalNow{2026, 12, 8, 9, 7}, "Сейчас ");
    EXPECT_EQ(f.Edit1, "Сейчас ");
    EXPECT_EQ(f.SpinEdit1.Value(), 2026);
    EXPECT_EQ(f.Month(), 12);
    EXPECT_EQ(f.SpinEdit2.Value(), 8);
    EXPECT_EQ(f.SpinEdit3.Value(), 9);
    EXPECT_EQ(f.SpinEdit4.Value(), 7);
    EXPECT_EQ(f.Edit2, "10.00");
    EXPECT_TRUE(f.RadioButton2);
}

TEST(MainWindowLayout, FollowsTheWindowSize) {
    MainWindowModel m;
    LayoutMainWindow(m);
    EXPECT_EQ(m.Image1, (Rect{8, 16, 471, 336}));
    EXPECT_EQ(m.RichEdit1, (Rect{24, 4, 471, 336}));
    EXPECT_EQ(m.Button4.top, 376);
    EXPECT_EQ(m.Label1.top, 360);
    EXPECT_EQ(m.GroupBox1.left, 135); // trunc(285.5 - 150)
    EXPECT_EQ(m.GroupBox1.top, 118);  // trunc(233 - 114.5)

    // Below 130 x 100 the picture gets zero or negative sizes, applied unchanged.
    m.Width = 90;
    m.Height = 120;
    LayoutMainWindow(m);
    EXPECT_EQ(m.Image1.width, -10);
    EXPECT_EQ(m.Image1.height, -10);
    EXPECT_EQ(m.Button2.top, 30);
    EXPECT_EQ(m.GroupBox1.left, -105);
    EXPECT_EQ(m.GroupBox1.top, -54); // trunc(60 - 114.5) = trunc(-54.5)
}
