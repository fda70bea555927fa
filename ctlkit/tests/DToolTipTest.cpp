// Tooltips attached to controls, read back from the tooltip window.
#include <gtest/gtest.h>

#include <string>

#include "DToolTip.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

class DToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        start = dialog.Add("BUTTON", BS_PUSHBUTTON, 1064, "&Start Search");
        stop = dialog.Add("BUTTON", BS_PUSHBUTTON, 1065, "S&top Search", 10, 40);
    }

    LRESULT Count() const
    {
        return SendMessageA(tips.GetWnd(), TTM_GETTOOLCOUNT, 0, 0);
    }

    std::string TipOf(HWND tool) const
    {
        char text[512] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = tool;
        info.lpszText = text;
        SendMessageA(tips.GetWnd(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    TestDialog dialog;
    HWND start = nullptr;
    HWND stop = nullptr;
    DToolTip tips{dialog.Handle(), 0};
};

TEST_F(DToolTipTest, DelaysAndWindow)
{
    EXPECT_FALSE(tips.AddTip("no window yet", start));
    ASSERT_TRUE(tips.Create(600, 7000, 0));
    HWND window = tips.GetWnd();
    EXPECT_EQ(600, SendMessageA(window, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(7000, SendMessageA(window, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    tips.SetDelay(100);
    tips.SetStayDelay(2000);
    EXPECT_EQ(100, SendMessageA(window, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(2000, SendMessageA(window, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));

    // Creating again replaces the window.
    ASSERT_TRUE(tips.Create());
    EXPECT_FALSE(IsWindow(window));
    tips.Destroy();
    EXPECT_EQ(nullptr, tips.GetWnd());
}

TEST_F(DToolTipTest, TipsByWindowAndById)
{
    ASSERT_TRUE(tips.Create(600, 7000, 0));
    EXPECT_TRUE(tips.AddTip("Start searching with these options", start));
    EXPECT_TRUE(tips.AddTip("Stop a search that is currently in progress", 1065));
    EXPECT_EQ(1065, tips.GetId());
    EXPECT_EQ(2, Count());
    EXPECT_EQ("Start searching with these options", TipOf(start));
    EXPECT_EQ("Stop a search that is currently in progress", TipOf(stop));

    EXPECT_TRUE(tips.DelTip(start));
    EXPECT_EQ(1, Count());
    EXPECT_TRUE(tips.DelTip(1065));
    EXPECT_EQ(0, Count());

    // Numbers, and the wrapper's own control when no tool is named.
    EXPECT_TRUE(tips.AddTip(0ul, start));
    EXPECT_EQ("0", TipOf(start));
    EXPECT_TRUE(tips.AddTip(1234ul));
    EXPECT_EQ("1234", TipOf(stop));
    EXPECT_TRUE(tips.AddTip(55ul, 1064));
    EXPECT_EQ(3, Count());

    EXPECT_FALSE(tips.AddTip("missing", 4711));
    EXPECT_FALSE(tips.DelTip(4711));
}

TEST_F(DToolTipTest, TipCoversTheClientArea)
{
    ASSERT_TRUE(tips.Create());
    ASSERT_TRUE(tips.AddTip("area", start));
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = start;
    ASSERT_TRUE(SendMessageA(tips.GetWnd(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    RECT client;
    GetClientRect(start, &client);
    EXPECT_TRUE(EqualRect(&client, &info.rect));
    EXPECT_EQ(0u, info.uFlags);
}

TEST(DToolTip, DestroyedWithTheWrapper)
{
    HWND window;
    {
        DToolTip tips;
        ASSERT_TRUE(tips.Create());
        window = tips.GetWnd();
    }
    EXPECT_FALSE(IsWindow(window));
}

}
