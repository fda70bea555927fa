// Notification-area icons; wine keeps them in its own tray window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DSystemTray.h"
#include "TestDialog.h"

#include <shellapi.h>

namespace {

class DSystemTrayTest : public ::testing::Test
{
protected:
    // Wine's tray window closes, slowly, whenever its last icon goes: one
    // icon stays for the whole suite.
    static void SetUpTestSuite()
    {
        keeperWindow = std::make_unique<TestDialog>();
        keeper = std::make_unique<DSystemTray>(keeperWindow->Handle(),
                                               LoadIconA(nullptr, IDI_APPLICATION), "", 1);
    }

    static void TearDownTestSuite()
    {
        keeper.reset();
        keeperWindow.reset();
    }

    static std::unique_ptr<TestDialog> keeperWindow;
    static std::unique_ptr<DSystemTray> keeper;

    TestDialog dialog;
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
};

std::unique_ptr<TestDialog> DSystemTrayTest::keeperWindow;
std::unique_ptr<DSystemTray> DSystemTrayTest::keeper;

TEST_F(DSystemTrayTest, OneIconPerId)
{
    EXPECT_EQ(1191, DSystemTray::CallbackMessage);
    DSystemTray tray(dialog.Handle());
    EXPECT_TRUE(tray.AddIcon(icon, "Hunterly", 7));
    EXPECT_TRUE(tray.AddIcon(icon, "", 8));

    // A second add with the same id is refused before the shell is asked:
    // even with the icon gone behind the wrapper's back.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = dialog.Handle();
    data.uID = 7;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_FALSE(tray.AddIcon(icon, "Hunterly", 7));
    EXPECT_FALSE(tray.ModifyIcon(icon, "", 7));

    EXPECT_TRUE(tray.ModifyIcon(nullptr, "Searching", 8));
    EXPECT_TRUE(tray.ModifyIcon(icon, "", 8));
    EXPECT_FALSE(tray.ModifyIcon(nullptr, "", 8));
    EXPECT_FALSE(tray.ModifyIcon(icon, "", 99));

    // Removing forgets the id even when the shell no longer has it.
    EXPECT_FALSE(tray.RemoveIcon(7));
    EXPECT_TRUE(tray.AddIcon(icon, "again", 7));
    EXPECT_TRUE(tray.RemoveIcon(7));
    EXPECT_FALSE(tray.RemoveIcon(7));
}

TEST_F(DSystemTrayTest, LongTipsAreCut)
{
    DSystemTray tray(dialog.Handle());
    std::string tip(300, 't');
    EXPECT_TRUE(tray.AddIcon(icon, tip.c_str(), 9));
    EXPECT_TRUE(tray.ModifyIcon(nullptr, tip.c_str(), 9));
}

TEST_F(DSystemTrayTest, WrapperRemovesItsIcons)
{
    {
        DSystemTray tray(dialog.Handle(), icon, "at once", 11);
        DSystemTray other(dialog.Handle());
        // The shell already holds id 11 for this window.
        EXPECT_FALSE(other.AddIcon(icon, "", 11));
        EXPECT_TRUE(other.AddIcon(icon, "", 12));
    }
    DSystemTray later(dialog.Handle());
    EXPECT_TRUE(later.AddIcon(icon, "", 11));
    EXPECT_TRUE(later.AddIcon(icon, "", 12));
}

}
