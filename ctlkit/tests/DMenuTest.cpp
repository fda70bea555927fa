// Menu bars loaded from resources, with check marks by command id.
#include <gtest/gtest.h>

#include "DMenu.h"
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
    ASSERT_TRUE(menu.isValid());
    EXPECT_FALSE(!menu);
    EXPECT_EQ(menu.GetMenuHandle(), GetMenu(dialog.Handle()));
    EXPECT_TRUE(menu.Redraw());

    // Loading again replaces the menu; the window never holds a destroyed one.
    HMENU const first = menu.GetMenuHandle();
    ASSERT_TRUE(menu.Load(IDR_TESTMENU));
    EXPECT_NE(first, menu.GetMenuHandle());
    EXPECT_FALSE(IsMenu(first));
    EXPECT_EQ(menu.GetMenuHandle(), GetMenu(dialog.Handle()));

    EXPECT_FALSE(menu.Load(4711));
    EXPECT_FALSE(menu.SetHandle(nullptr));
    EXPECT_TRUE(IsMenu(menu.GetMenuHandle()));

    menu.Destroy();
    EXPECT_FALSE(menu.isValid());
    EXPECT_TRUE(!menu);
    EXPECT_EQ(nullptr, GetMenu(dialog.Handle()));
    EXPECT_FALSE(menu.SetCheck(IDM_OPEN));
    EXPECT_FALSE(menu.isChecked(IDM_OPEN));

    DMenu empty(static_cast<char const*>(nullptr), dialog.Handle());
    EXPECT_FALSE(empty.isValid());
}

TEST_F(DMenuTest, CheckMarks)
{
    DMenu menu(MAKEINTRESOURCEA(IDR_TESTMENU), dialog.Handle());
    EXPECT_TRUE(menu.isUnchecked(IDM_OPEN));
    EXPECT_TRUE(menu.isChecked(IDM_REMEMBER));
    // Checked and greyed is not exactly MF_CHECKED.
    EXPECT_FALSE(menu.GetState(IDM_GREYED));
    EXPECT_TRUE(menu.isUnchecked(IDM_GREYED));

    EXPECT_TRUE(menu.SetCheck(IDM_OPEN));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              GetMenuState(GetMenu(dialog.Handle()), IDM_OPEN, MF_BYCOMMAND));
    EXPECT_TRUE(menu.SetUncheck(IDM_OPEN));
    EXPECT_TRUE(menu.isUnchecked(IDM_OPEN));
    EXPECT_TRUE(menu.SetState(true, IDM_OPEN));
    EXPECT_TRUE(menu.isChecked(IDM_OPEN));
    EXPECT_TRUE(menu.Flip(IDM_OPEN));
    EXPECT_TRUE(menu.isUnchecked(IDM_OPEN));
    EXPECT_TRUE(menu.Flip(IDM_OPEN));
    EXPECT_TRUE(menu.isChecked(IDM_OPEN));
    EXPECT_FALSE(menu.SetCheck(4711));
    EXPECT_FALSE(menu.isChecked(4711));
}

TEST_F(DMenuTest, TakesOverAMenuWithItsOwnId)
{
    HMENU loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TESTMENU));
    {
        DMenu menu(loaded, dialog.Handle(), IDM_REMEMBER);
        EXPECT_EQ(loaded, GetMenu(dialog.Handle()));
        EXPECT_TRUE(menu.isChecked());
        EXPECT_TRUE(menu.Flip());
        EXPECT_TRUE(menu.isUnchecked());
    }
    // The wrapper destroyed the menu and took it off the window.
    EXPECT_FALSE(IsMenu(loaded));
    EXPECT_EQ(nullptr, GetMenu(dialog.Handle()));
}

TEST(DMenu, OutlivingItsWindow)
{
    DMenu menu;
    {
        TestDialog dialog;
        menu.SetParent(dialog.Handle());
        ASSERT_TRUE(menu.Load(IDR_TESTMENU));
    }
    // The window took its menu with it; the wrapper lets the stale handle be.
    EXPECT_FALSE(IsMenu(menu.GetMenuHandle()));
    menu.Destroy();
    EXPECT_FALSE(menu.isValid());
}

}
