// A toolbar made from a bitmap resource and a list of commands, with the
// texts of its tooltips taken from string resources.
#include <gtest/gtest.h>

#include "DToolBar.h"
#include "DialogResources.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

class DToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(bar.Create(900)); }

    TestDialog dialog;
    DToolBar bar{dialog.Handle(), 0};
};

TEST_F(DToolBarTest, ButtonsAndSeparators)
{
    EXPECT_EQ(bar.GetWnd(), GetDlgItem(dialog.Handle(), 900));
    ASSERT_TRUE(bar.AddBitmap(IDB_TESTBAR));
    EXPECT_FALSE(bar.AddBitmap(4711));
    unsigned long const commands[] = {IDS_TIP_FIRST, 0, 0, IDS_TIP_SECOND};
    ASSERT_TRUE(bar.SetButtons(commands, 4));
    ASSERT_EQ(4u, bar.GetCount());
    EXPECT_EQ(static_cast<unsigned long>(IDS_TIP_FIRST), bar.GetCommand(0));
    EXPECT_EQ(static_cast<unsigned long>(IDS_TIP_SECOND), bar.GetCommand(3));
    EXPECT_EQ(0ul, bar.GetCommand(9));
    EXPECT_FALSE(bar.isSeparator(0));
    EXPECT_TRUE(bar.isSeparator(1));
    EXPECT_TRUE(bar.isSeparator(2));
    EXPECT_FALSE(bar.isSeparator(3));
    EXPECT_FALSE(bar.isSeparator(9));

    // Each button shows the image of its own slot.
    TBBUTTON button = {};
    SendMessageA(bar.GetWnd(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(3, button.iBitmap);
}

TEST_F(DToolBarTest, PlacedAsHighAsItsButtons)
{
    unsigned long const commands[] = {IDS_TIP_FIRST, IDS_TIP_SECOND};
    ASSERT_TRUE(bar.AddBitmap(IDB_TESTBAR));
    ASSERT_TRUE(bar.SetButtons(commands, 2));
    long const height = bar.GetHeight();
    EXPECT_GE(height, 15);
    ASSERT_TRUE(bar.Place(7, 3, 250));
    RECT place;
    GetWindowRect(bar.GetWnd(), &place);
    MapWindowPoints(HWND_DESKTOP, dialog.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(7, place.left);
    EXPECT_EQ(3, place.top);
    EXPECT_EQ(250, place.right - place.left);
    EXPECT_EQ(height, place.bottom - place.top);
}

TEST_F(DToolBarTest, TooltipTextIsTheCommandsString)
{
    HWND const tips = reinterpret_cast<HWND>(SendMessageA(bar.GetWnd(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(nullptr, tips);
    NMTTDISPINFOA request = {};
    request.hdr = {tips, IDS_TIP_SECOND, static_cast<UINT>(TTN_GETDISPINFOA)};
    ASSERT_TRUE(bar.SetTipText(&request.hdr));
    ASSERT_TRUE(IS_INTRESOURCE(request.lpszText));
    char text[64] = "";
    LoadStringA(request.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(request.lpszText)),
                text, sizeof text);
    EXPECT_STREQ("Second command", text);

    // Requests of other tooltips, and other notifications, are not the bar's.
    NMTTDISPINFOA foreign = request;
    foreign.hdr.hwndFrom = dialog.Handle();
    EXPECT_FALSE(bar.SetTipText(&foreign.hdr));
    NMTTDISPINFOA shown = request;
    shown.hdr.code = static_cast<UINT>(TTN_SHOW);
    EXPECT_FALSE(bar.SetTipText(&shown.hdr));
    EXPECT_FALSE(bar.SetTipText(nullptr));
}

}
