// A toolbar made from a bitmap resource and a list of commands, with the
// texts of its tooltips taken from string resources; and tooltips attached
// to controls, read back from the tooltip window.
#include <gtest/gtest.h>

#include <string>

#include "DToolBar.h"
#include "DToolTip.h"
#include "DialogResources.h"
#include "TestDialog.h"

namespace {

class DToolBarTest : public ::testing::Test
{
protected:
    TestDialog dialog;
    DToolBar bar{dialog.Handle(), 0};
};

TEST_F(DToolBarTest, ButtonsSeparatorsAndPlace)
{
    ASSERT_TRUE(bar.Create(900));
    EXPECT_EQ(bar.GetWnd(), GetDlgItem(dialog.Handle(), 900));
    ASSERT_TRUE(bar.AddBitmap(IDB_TESTBAR));
    EXPECT_FALSE(bar.AddBitmap(4711));
    unsigned long const commands[] = {IDS_TIP_FIRST, 0, 0, IDS_TIP_SECOND};
    ASSERT_TRUE(bar.SetButtons(commands, 4));
    ASSERT_EQ(4u, bar.GetCount());
    EXPECT_EQ(static_cast<unsigned long>(IDS_TIP_SECOND), bar.GetCommand(3));
    EXPECT_EQ(0ul, bar.GetCommand(9));
    EXPECT_TRUE(!bar.isSeparator(0) && bar.isSeparator(1) && bar.isSeparator(2));
    EXPECT_FALSE(bar.isSeparator(3) || bar.isSeparator(9));
    // Each button shows the image of its own slot.
    TBBUTTON button = {};
    SendMessageA(bar.GetWnd(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(3, button.iBitmap);

    // Placed as high as its buttons.
    long const height = bar.GetHeight();
    EXPECT_GE(height, 15);
    ASSERT_TRUE(bar.Place(7, 3, 250));
    RECT const place = TestDialog::Place(bar.GetWnd());
    RECT const expected = {7, 3, 257, 3 + height};
    EXPECT_TRUE(EqualRect(&expected, &place));
}

TEST_F(DToolBarTest, TooltipTextIsTheCommandsString)
{
    ASSERT_TRUE(bar.Create(900));
    HWND const tips = reinterpret_cast<HWND>(SendMessageA(bar.GetWnd(), TB_GETTOOLTIPS, 0, 0));
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
    NMTTDISPINFOA shown = request;
    shown.hdr.code = static_cast<UINT>(TTN_SHOW);
    EXPECT_FALSE(bar.SetTipText(&foreign.hdr) || bar.SetTipText(&shown.hdr) ||
                 bar.SetTipText(nullptr));
}

TEST_F(DToolBarTest, TipsByWindowAndById)
{
    HWND const start = dialog.Add("BUTTON", BS_PUSHBUTTON, 1064, "&Start Search");
    HWND const stop = dialog.Add("BUTTON", BS_PUSHBUTTON, 1065, "S&top Search", 10, 40);
    DToolTip tips(dialog.Handle(), 0);
    auto tipOf = [&tips](HWND tool) {
        char text[512] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = tool;
        info.lpszText = text;
        SendMessageA(tips.GetWnd(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        return std::string(text);
    };
    EXPECT_FALSE(tips.AddTip("no window yet", start));
    ASSERT_TRUE(tips.Create());
    HWND const window = tips.GetWnd();

    EXPECT_TRUE(tips.AddTip("Start searching with these options", start));
    EXPECT_TRUE(tips.AddTip(0ul, 1065));
    EXPECT_EQ("Start searching with these options", tipOf(start));
    EXPECT_EQ("0", tipOf(stop));
    // The tip covers the tool's client area.
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = start;
    ASSERT_TRUE(SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    RECT client;
    GetClientRect(start, &client);
    EXPECT_TRUE(EqualRect(&client, &info.rect));
    EXPECT_TRUE(tips.DelTip(start) && tips.DelTip(1065));
    EXPECT_EQ(0, SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));

    // The mouse over an editable combo box's text meets its edit part: the
    // tip is there too, and goes with the box's. A list-only box has none.
    HWND const box = dialog.Add("COMBOBOX", CBS_DROPDOWN, 1066, "", 10, 70);
    HWND const edit = GetWindow(box, GW_CHILD);
    ASSERT_NE(nullptr, edit);
    EXPECT_TRUE(tips.AddTip("Select or enter the file size", box));
    EXPECT_EQ("Select or enter the file size", tipOf(box));
    EXPECT_EQ("Select or enter the file size", tipOf(edit));
    EXPECT_TRUE(tips.DelTip(1066));
    EXPECT_EQ(0, SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
    HWND const list = dialog.Add("COMBOBOX", CBS_DROPDOWNLIST, 1067, "", 10, 100);
    EXPECT_TRUE(tips.AddTip("Select how to treat the file size", list));
    EXPECT_EQ(1, SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_TRUE(tips.DelTip(list));
    EXPECT_FALSE(tips.AddTip("missing", 4711) || tips.DelTip(4711));

    // Creating again replaces the window; the wrapper takes it when it goes.
    ASSERT_TRUE(tips.Create());
    EXPECT_FALSE(IsWindow(window));
    HWND last;
    {
        DToolTip scoped;
        ASSERT_TRUE(scoped.Create());
        last = scoped.GetWnd();
    }
    EXPECT_FALSE(IsWindow(last));
}

}
