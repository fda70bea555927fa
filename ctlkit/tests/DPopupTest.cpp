// Pop-up menus: building them and where they open.
#include <gtest/gtest.h>

#include <string>

#include "DPopup.h"
#include "TestDialog.h"

namespace {

std::string ItemText(HMENU menu, UINT position)
{
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class DPopupTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(DPopupTest, NothingWithoutAPopup)
{
    DPopup popup(dialog.Handle());
    EXPECT_FALSE(popup.Append("Open", 1));
    EXPECT_FALSE(popup.Insert("Open", 1, 0));
    EXPECT_FALSE(popup.InsertItem("Open", 1));
    EXPECT_EQ(0, popup.Format(10, 10, 0));
    EXPECT_FALSE(popup.SetSel(0));
    EXPECT_EQ(0, popup.GetTotal());
    EXPECT_EQ(0u, popup.GetMenuItemId(0));
}

TEST_F(DPopupTest, Building)
{
    DPopup popup(dialog.Handle());
    ASSERT_TRUE(popup.Create());
    EXPECT_EQ(0, popup.GetTotal());
    EXPECT_TRUE(popup.Append("&Open", 2001));
    EXPECT_TRUE(popup.Append("", 0, MF_SEPARATOR));
    EXPECT_TRUE(popup.InsertItem("&Refresh", 2003));
    EXPECT_TRUE(popup.Insert("&View", 2002, 1));
    ASSERT_EQ(4, popup.GetTotal());

    HMENU menu = popup.GetMenuHandle();
    EXPECT_EQ("&Open", ItemText(menu, 0));
    EXPECT_EQ("&View", ItemText(menu, 1));
    EXPECT_EQ("&Refresh", ItemText(menu, 3));
    EXPECT_EQ(2001u, popup.GetMenuItemId(0));
    EXPECT_EQ(2002u, popup.GetMenuItemId(1));
    EXPECT_EQ(2003u, popup.GetMenuItemId(3));
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(0u, GetMenuState(menu, 3, MF_BYPOSITION));

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

TEST_F(DPopupTest, OpensAtTheOwnersCornerMovedBy)
{
    SetWindowPos(dialog.Handle(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DPopup popup(dialog.Handle());
    ASSERT_TRUE(popup.Create());
    popup.Append("&Open", 2001);
    popup.Append("&View", 2002);

    opened = RECT();
    SetTimer(dialog.Handle(), 1, 100, CloseMenu);
    popup.Format(30, 20, TPM_LEFTALIGN | TPM_TOPALIGN);
    EXPECT_EQ(130, opened.left);
    EXPECT_EQ(100, opened.top);

    // Both 0: at the mouse.
    SetCursorPos(300, 250);
    opened = RECT();
    SetTimer(dialog.Handle(), 1, 100, CloseMenu);
    popup.Format(0, 0, TPM_LEFTALIGN | TPM_TOPALIGN);
    EXPECT_EQ(300, opened.left);
    EXPECT_EQ(250, opened.top);
}

}
