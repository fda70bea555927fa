// Track bars, labels and tab controls: one message per operation, read back.
#include <gtest/gtest.h>

#include <string>

#include "DSlider.h"
#include "DStatic.h"
#include "DTabControl.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

class SimpleControlsTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(SimpleControlsTest, SliderOperations)
{
    dialog.Add(TRACKBAR_CLASSA, TBS_ENABLESELRANGE | TBS_FIXEDLENGTH, 1090, "", 10, 10, 200, 30);
    DSlider slider(dialog.Handle(), 1090);
    slider.SetRange(20, 400);
    EXPECT_EQ(20, slider.GetRangeMin());
    EXPECT_EQ(400, slider.GetRangeMax());
    slider.SetPos(250);
    EXPECT_EQ(250, slider.GetPos());
    slider.SetPos(1000);
    EXPECT_EQ(400, slider.GetPos());

    // Line and page sizes answer with the size before.
    slider.SetLineSize(7);
    EXPECT_EQ(7, slider.SetLineSize(3));
    EXPECT_EQ(3, slider.GetLineSize());
    slider.SetPageSize(40);
    EXPECT_EQ(40, slider.SetPageSize(50));
    EXPECT_EQ(50, slider.GetPageSize());

    slider.SetSel(100, 300);
    EXPECT_EQ(100, slider.GetSelStart());
    EXPECT_EQ(300, slider.GetSelEnd());
    slider.ClearSel();
    EXPECT_EQ(slider.GetSelStart(), slider.GetSelEnd());
    slider.SetThumbLength(15);
    EXPECT_EQ(15u, slider.GetThumbLength());

    DSlider created(dialog.Handle(), 0);
    ASSERT_EQ(0, created.Create(0, 5, 60, 100, 15, 1091));
    created(0).SetRangeMax(9);
    EXPECT_EQ(9, created[1091].GetRangeMax());
}

TEST_F(SimpleControlsTest, StaticLabels)
{
    DStatic label(dialog.Handle(), 0);
    ASSERT_EQ(0, label.Create("Searching...", SS_LEFT, 5, 5, 100, 10, 1092));
    ASSERT_EQ(1, label.Created("", SS_LEFT, 5, 20, 100, 10, 1093));
    EXPECT_EQ("Searching...", TestDialog::Text(label(0).GetHandle()));
    EXPECT_TRUE(label.Modify("Done"));
    EXPECT_EQ("Done", TestDialog::Text(label.GetHandle()));
    // A label may be cleared.
    EXPECT_TRUE(label.Modify(""));
    EXPECT_EQ("", TestDialog::Text(label.GetHandle()));
    EXPECT_FALSE(label[4711].Modify("x"));
}

TEST_F(SimpleControlsTest, TabControl)
{
    HWND tabs = dialog.Add(WC_TABCONTROLA, 0, 1094, "", 10, 10, 250, 100);
    DTabControl tab(dialog.Handle(), 1094);
    EXPECT_EQ(0, tab.Add("File Names"));
    EXPECT_EQ(1, tab.Add("Attributes"));
    EXPECT_EQ(1, tab.Insert("Dates", 1));
    EXPECT_EQ(3u, tab.GetSize());
    EXPECT_TRUE(tab.GetText(1).Comp("Dates"));
    EXPECT_TRUE(tab.GetText(2).Comp("Attributes"));
    EXPECT_TRUE(tab.GetText(7).isEmpty());
    EXPECT_TRUE(tab.SetText("Dates and Times", 1));
    EXPECT_TRUE(tab.GetText(1).Comp("Dates and Times"));
    EXPECT_FALSE(tab.SetText("None", 7));

    EXPECT_EQ(0, tab.GetIndex());
    EXPECT_EQ(0, tab.SetIndex(2));
    EXPECT_EQ(2, tab.GetIndex());
    tab.SetFocus(1);
    EXPECT_EQ(1, SendMessageA(tabs, TCM_GETCURFOCUS, 0, 0));

    EXPECT_TRUE(tab.Del(0));
    EXPECT_EQ(2u, tab.GetSize());
    EXPECT_FALSE(tab.Del(5));

    // A long label comes back cut, never past the buffer.
    std::string long_(400, 'L');
    tab.Add(long_.c_str());
    EXPECT_EQ(255u, tab.GetText(2).Size());

    NMHDR change = {tabs, 1094, static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_TRUE(tab.isChange(reinterpret_cast<LPARAM>(&change)));
    NMHDR other = change;
    other.code = static_cast<UINT>(TCN_SELCHANGING);
    EXPECT_FALSE(tab.isChange(reinterpret_cast<LPARAM>(&other)));
    other = change;
    other.hwndFrom = dialog.Handle();
    EXPECT_FALSE(tab.isChange(reinterpret_cast<LPARAM>(&other)));
    EXPECT_FALSE(tab.isChange(0));
}

}
