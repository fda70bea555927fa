// Menu bars loaded from resources, with check marks by command id, and
// pop-up menus: building them and where they open.
#include <gtest/gtest.h>

#include <string>

#include "DMenu.h"
#include "DPopup.h"
#include "TestDialog.h"
#include "TestResources.h"

namespace {

class DMenuTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(DMenuTest, LoadSetsTheWindowMenu)
{
    DMenu menu(MAKEINTRESOURCEA(IDR_TESTMENU), dialog.Handle());
    ASSERT_TRUE(menu.isValid() && !!menu);
    EXPECT_EQ(menu.GetMenuHandle(), GetMenu(dialog.Handle()));
    // Loading again replaces the menu; the window never holds a destroyed one.
    HMENU const first = menu.GetMenuHandle();
    ASSERT_TRUE(menu.Load(IDR_TESTMENU));
    EXPECT_FALSE(IsMenu(first));
    EXPECT_EQ(menu.GetMenuHandle(), GetMenu(dialog.Handle()));
    EXPECT_FALSE(menu.Load(4711) || menu.SetHandle(nullptr));
    EXPECT_TRUE(IsMenu(menu.GetMenuHandle()));

    menu.Destroy();
    EXPECT_TRUE(!menu);
    EXPECT_EQ(nullptr, GetMenu(dialog.Handle()));
    EXPECT_FALSE(menu.SetCheck(IDM_OPEN) || menu.isChecked(IDM_OPEN));
}

TEST_F(DMenuTest, OwnershipOfTheMenu)
{
    // Taken over with its own id, the menu goes with the wrapper.
    HMENU const loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TESTMENU));
    {
        DMenu menu(loaded, dialog.Handle(), IDM_REMEMBER);
        EXPECT_EQ(loaded, GetMenu(dialog.Handle()));
        EXPECT_TRUE(menu.isChecked() && menu.Flip() && menu.isUnchecked());
    }
    EXPECT_FALSE(IsMenu(loaded));
    EXPECT_EQ(nullptr, GetMenu(dialog.Handle()));

    // A window takes its menu with it; the wrapper lets the stale handle be.
    DMenu menu;
    {
        TestDialog other;
        menu.SetParent(other.Handle());
        ASSERT_TRUE(menu.Load(IDR_TESTMENU));
    }
    EXPECT_FALSE(IsMenu(menu.GetMenuHandle()));
    menu.Destroy();
    EXPECT_FALSE(menu.isValid());
}

TEST_F(DMenuTest, PopupsAreBuiltAndReplaced)
{
    DPopup popup(dialog.Handle());
    EXPECT_FALSE(popup.Append("Open", 1) || popup.InsertItem("Open", 1) || popup.SetSel(0));
    EXPECT_EQ(0, popup.Format(10, 10, 0));
    ASSERT_TRUE(popup.Create());
    EXPECT_TRUE(popup.Append("&Open", 2001));
    EXPECT_TRUE(popup.Append("", 0, MF_SEPARATOR));
    EXPECT_TRUE(popup.InsertItem("&Refresh", 2003));
    EXPECT_TRUE(popup.Insert("&View", 2002, 1));
    ASSERT_EQ(4, popup.GetTotal());
    HMENU const menu = popup.GetMenuHandle();
    // Inserted at a position, or at the top; the separator in between.
    EXPECT_EQ(2002u, popup.GetMenuItemId(1));
    EXPECT_EQ(2003u, popup.GetMenuItemId(3));
    EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);

    // A new pop-up replaces the old one.
    ASSERT_TRUE(popup.Create());
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(0, popup.GetTotal());
    popup.DestroyPopup();
    EXPECT_EQ(nullptr, popup.GetMenuHandle());
}

// Runs inside the open menu's loop: notes where the menu is and closes it.
RECT opened;

void CALLBACK CloseMenu(HWND owner, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(owner, timer);
    if (HWND menu = FindWindowA("#32768", nullptr))
        GetWindowRect(menu, &opened);
    EndMenu();
}

TEST_F(DMenuTest, PopupOpensAtTheOwnersCornerMovedByOrAtTheMouse)
{
    SetWindowPos(dialog.Handle(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DPopup popup(dialog.Handle());
    ASSERT_TRUE(popup.Create());
    popup.Append("&Open", 2001);
    SetCursorPos(300, 250);
    POINT const at[] = {{30, 20}, {0, 0}};
    POINT const expected[] = {{130, 100}, {300, 250}};
    for (int i = 0; i < 2; ++i) {
        opened = RECT();
        SetTimer(dialog.Handle(), 1, 100, CloseMenu);
        popup.Format(at[i].x, at[i].y, TPM_LEFTALIGN | TPM_TOPALIGN);
        EXPECT_EQ(expected[i].x, opened.left) << i;
        EXPECT_EQ(expected[i].y, opened.top) << i;
    }
}

}
