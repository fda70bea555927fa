// The status line: its window, texts, numbers and position read-outs; and
// notification-area icons, which wine keeps in its own tray window.
#include <gtest/gtest.h>

#include <string>

#include "DStatusWnd.h"
#include "DSystemTray.h"
#include "TestDialog.h"
#include "TestResources.h"

#include <shellapi.h>

namespace {

class DStatusWndTest : public ::testing::Test
{
protected:
    std::string Shown() const { return TestDialog::Text(status.GetWnd()); }

    TestDialog dialog;
    DStatusWnd status{"Ready", 600, dialog.Handle()};
};

TEST_F(DStatusWndTest, MadeAtOnceAndReplaced)
{
    HWND const window = status.GetWnd();
    EXPECT_EQ(window, GetDlgItem(dialog.Handle(), 600));
    EXPECT_EQ("Ready", Shown());

    // A second window replaces the first.
    ASSERT_TRUE(status.Make("Again", 601));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(status.GetWnd(), GetDlgItem(dialog.Handle(), 601));
    EXPECT_EQ("Again", Shown());
    status.Destroy();
    EXPECT_EQ(nullptr, GetDlgItem(dialog.Handle(), 601));
    EXPECT_FALSE(status.SetText("nowhere"));

    // Made later with the stored parent and id; gone with the wrapper.
    HWND later;
    {
        DStatusWnd scoped(dialog.Handle(), 610);
        EXPECT_FALSE(scoped.SetText("none yet"));
        ASSERT_TRUE(scoped.Make("made"));
        later = scoped.GetWnd();
        EXPECT_EQ(later, GetDlgItem(dialog.Handle(), 610));
    }
    EXPECT_FALSE(IsWindow(later));
}

TEST_F(DStatusWndTest, Texts)
{
    EXPECT_TRUE(status.SetText("Searching..."));
    EXPECT_FALSE(status.SetText(""));
    EXPECT_TRUE(status.SetWord(1234));
    // 0 has an empty text, so nothing changes.
    EXPECT_FALSE(status.SetWord(0));
    EXPECT_EQ("1234", Shown());
    EXPECT_TRUE(status.MergeText("Checking", "C:\\Data\\a.txt", false));
    EXPECT_EQ("Checking C:\\Data\\a.txt.", Shown());
    EXPECT_TRUE(status.MergeText("Removed from list item", "old", true));
    EXPECT_EQ("Removed from list item \"old\".", Shown());

    // A missing string changes nothing; strings are read up to 1,024 characters.
    EXPECT_TRUE(status.SetTextId(IDS_STATUS));
    EXPECT_TRUE(status.SetTextId(9999));
    EXPECT_EQ("Ready to search", Shown());
    EXPECT_TRUE(status.SetTextId(IDS_LONG));
    std::string const shown = Shown();
    ASSERT_EQ(1024u, shown.size());
    EXPECT_EQ('j', shown.back());            // character 1,024 of the cycle a..z

    unsigned long const none = 0xFFFFFFFFul;
    struct { unsigned long a, b, c, d, e, f, g, h; char const* text; } const cases[] = {
        {10, 20, none, none, none, 0, none, none, "(10, 20) "},
        {1, 2, none, 4, 5, 6, 7, 8, "(1, 2, 4) (5, 6, 7, 8) "},
        // a, b and f are always written, even as -1.
        {none, none, none, none, 9, none, none, none, "(4294967295, 4294967295) (9, 4294967295) "},
    };
    for (auto const& c : cases) {
        EXPECT_TRUE(status.SetCords(c.a, c.b, c.c, c.d, c.e, c.f, c.g, c.h));
        EXPECT_EQ(c.text, Shown());
    }
}

TEST_F(DStatusWndTest, TrayIconsOnePerId)
{
    // Wine's tray window closes, slowly, whenever its last icon goes: one
    // icon stays for the whole test.
    HICON const icon = LoadIconA(nullptr, IDI_APPLICATION);
    TestDialog keeper;
    DSystemTray keep(keeper.Handle(), icon, "", 1);
    EXPECT_EQ(1191, DSystemTray::CallbackMessage);
    {
        DSystemTray tray(dialog.Handle());
        EXPECT_TRUE(tray.AddIcon(icon, "Hunterly", 7));
        EXPECT_TRUE(tray.AddIcon(icon, std::string(300, 't').c_str(), 8));   // long tips are cut
        // A second add with the same id is refused before the shell is asked:
        // even with the icon gone behind the wrapper's back.
        NOTIFYICONDATAA data = {};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = dialog.Handle();
        data.uID = 7;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
        EXPECT_FALSE(tray.AddIcon(icon, "Hunterly", 7) || tray.ModifyIcon(icon, "", 7));
        EXPECT_TRUE(tray.ModifyIcon(nullptr, "Searching", 8));
        EXPECT_FALSE(tray.ModifyIcon(nullptr, "", 8) || tray.ModifyIcon(icon, "", 99));
        // Removing forgets the id even when the shell no longer has it.
        EXPECT_FALSE(tray.RemoveIcon(7));
        EXPECT_TRUE(tray.AddIcon(icon, "again", 7) && tray.RemoveIcon(7));
        EXPECT_FALSE(tray.RemoveIcon(7));
        // The shell already holds id 8 for this window.
        EXPECT_FALSE(DSystemTray(dialog.Handle()).AddIcon(icon, "", 8));
    }
    // The wrapper removed its icons.
    DSystemTray later(dialog.Handle());
    EXPECT_TRUE(later.AddIcon(icon, "", 8));
}

}
