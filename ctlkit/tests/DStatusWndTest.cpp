// The status line: its window, texts, numbers and position read-outs.
#include <gtest/gtest.h>

#include <string>

#include "DStatusWnd.h"
#include "TestDialog.h"
#include "TestResources.h"

#include <commctrl.h>

namespace {

class DStatusWndTest : public ::testing::Test
{
protected:
    std::string Shown() const
    {
        return TestDialog::Text(status.GetWnd());
    }

    TestDialog dialog;
    DStatusWnd status{"Ready", 600, dialog.Handle()};
};

TEST_F(DStatusWndTest, MadeAtOnce)
{
    HWND window = status.GetWnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(window, GetDlgItem(dialog.Handle(), 600));
    EXPECT_EQ(dialog.Handle(), GetParent(window));
    char className[64];
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(STATUSCLASSNAMEA, className);
    LONG const style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ("Ready", Shown());

    // A second window replaces the first.
    ASSERT_TRUE(status.Make("Again", 601));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(status.GetWnd(), GetDlgItem(dialog.Handle(), 601));
    EXPECT_EQ("Again", Shown());

    status.Destroy();
    EXPECT_EQ(nullptr, status.GetWnd());
    EXPECT_EQ(nullptr, GetDlgItem(dialog.Handle(), 601));
    EXPECT_FALSE(status.SetText("nowhere"));
}

TEST_F(DStatusWndTest, DestroyedWithTheWrapper)
{
    HWND window;
    {
        DStatusWnd scoped("scoped", 602, dialog.Handle());
        window = scoped.GetWnd();
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(DStatusWndTest, Texts)
{
    EXPECT_TRUE(status.SetText("Searching..."));
    EXPECT_EQ("Searching...", Shown());
    EXPECT_FALSE(status.SetText(""));
    EXPECT_EQ("Searching...", Shown());

    EXPECT_TRUE(status.SetWord(1234));
    EXPECT_EQ("1234", Shown());
    // 0 has an empty text, so nothing changes.
    EXPECT_FALSE(status.SetWord(0));
    EXPECT_EQ("1234", Shown());

    EXPECT_TRUE(status.MergeText("Checking", "C:\\Data\\a.txt", false));
    EXPECT_EQ("Checking C:\\Data\\a.txt.", Shown());
    EXPECT_TRUE(status.MergeText("Removed from list item", "old", true));
    EXPECT_EQ("Removed from list item \"old\".", Shown());

    EXPECT_TRUE(status.SetTextId(IDS_STATUS));
    EXPECT_EQ("Ready to search", Shown());
    // A missing string changes nothing.
    EXPECT_TRUE(status.SetTextId(9999));
    EXPECT_EQ("Ready to search", Shown());
    // Strings are read up to 1,024 characters.
    EXPECT_TRUE(status.SetTextId(IDS_LONG));
    std::string const shown = Shown();
    ASSERT_EQ(1024u, shown.size());
    EXPECT_EQ("abcd", shown.substr(0, 4));
    EXPECT_EQ('j', shown.back());            // character 1,024 of the cycle a..z
}

TEST_F(DStatusWndTest, Cords)
{
    unsigned long const none = 0xFFFFFFFFul;
    struct Case
    {
        unsigned long a, b, c, d, e, f, g, h;
        char const* text;
    } const cases[] = {
        {10, 20, none, none, none, 0, none, none, "(10, 20) "},
        {1, 2, 3, 4, 5, 6, none, none, "(1, 2, 3, 4) (5, 6) "},
        {1, 2, none, 4, 5, 6, 7, 8, "(1, 2, 4) (5, 6, 7, 8) "},
        {0, 0, 0, none, 0, 0, none, 0, "(0, 0, 0) (0, 0, 0) "},
        // a, b and f are always written, even as -1.
        {none, none, none, none, 9, none, none, none, "(4294967295, 4294967295) (9, 4294967295) "},
    };
    for (auto const& c : cases) {
        EXPECT_TRUE(status.SetCords(c.a, c.b, c.c, c.d, c.e, c.f, c.g, c.h));
        EXPECT_EQ(c.text, Shown());
    }
}

TEST(DStatusWnd, MakeTakesStoredParentAndId)
{
    TestDialog dialog;
    DStatusWnd status(dialog.Handle(), 610);
    EXPECT_EQ(nullptr, status.GetWnd());
    EXPECT_FALSE(status.SetText("none yet"));
    ASSERT_TRUE(status.Make("made"));
    EXPECT_EQ(status.GetWnd(), GetDlgItem(dialog.Handle(), 610));
}

}
