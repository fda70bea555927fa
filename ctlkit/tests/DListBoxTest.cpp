// List boxes: items, selection and the horizontal extent.
#include <gtest/gtest.h>

#include "DListBox.h"
#include "TestDialog.h"

namespace {

class DListBoxTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(DListBoxTest, ItemsAndSelection)
{
    HWND list = dialog.Add("LISTBOX", WS_HSCROLL | LBS_NOTIFY, 1070, "", 10, 10, 100, 100);
    DListBox box(dialog.Handle(), 1070);
    EXPECT_FALSE(box.Add(""));
    EXPECT_TRUE(box.Add("C:\\"));
    EXPECT_TRUE(box.Add("D:\\Data", true));
    EXPECT_EQ(2u, box.GetSize());
    EXPECT_EQ(1u, box.GetIndex());
    EXPECT_TRUE(box.GetText(1).Comp("D:\\Data"));
    EXPECT_TRUE(box.GetText(2).isEmpty());

    EXPECT_TRUE(box.Merge("Removed", "E:\\Old"));
    EXPECT_TRUE(box.GetText(2).Comp("Removed E:\\Old"));

    EXPECT_TRUE(box.Insert("A:\\", 0));
    EXPECT_FALSE(box.Insert("", 0));
    EXPECT_TRUE(box.GetText(0).Comp("A:\\"));
    EXPECT_TRUE(box.SetCurSel(3));
    EXPECT_EQ(3u, box.GetIndex());
    EXPECT_TRUE(box.isSel(3));
    EXPECT_FALSE(box.isSel(0));

    EXPECT_TRUE(box.Del(0));
    EXPECT_EQ(3u, box.GetSize());

    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(0u, box.GetIndex());          // nothing selected reads as 0
    EXPECT_TRUE(box.Reset());
    EXPECT_EQ(0u, box.GetSize());
}

TEST_F(DListBoxTest, AddWidensTheExtentOnly)
{
    HWND list = dialog.Add("LISTBOX", WS_HSCROLL, 1071, "", 10, 10, 60, 100);
    DListBox box(dialog.Handle(), 1071);
    box.Add("a much longer line than the list is wide");
    LRESULT const wide = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_EQ(box.GetTextWidth("a much longer line than the list is wide"), wide);
    box.Add("short");
    EXPECT_EQ(wide, SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
}

TEST_F(DListBoxTest, MultipleSelection)
{
    dialog.Add("LISTBOX", LBS_EXTENDEDSEL, 1072, "", 10, 10, 100, 100);
    DListBox box(dialog.Handle(), 1072);
    for (char const* item : {"one", "two", "three"})
        box.Add(item);
    EXPECT_TRUE(box.SetMulSel(0, true));
    EXPECT_TRUE(box.SetMulSel(2, true));
    EXPECT_EQ(2u, box.GetTotalSelected());
    EXPECT_TRUE(box.isSel(2));
    EXPECT_TRUE(box.SetMulSel(0, false));
    EXPECT_EQ(1u, box.GetTotalSelected());

    for (int i = 0; i < 20; ++i)
        box.Add("more");
    EXPECT_TRUE(box.SetTopIndex(5));
    EXPECT_EQ(5, SendMessageA(box.GetHandle(), LB_GETTOPINDEX, 0, 0));
}

TEST_F(DListBoxTest, CreatedAndMissing)
{
    DListBox box(dialog.Handle(), 0);
    ASSERT_EQ(0, box.Create("", LBS_STANDARD, 5, 5, 80, 60, 1073));
    EXPECT_TRUE(box(0).Add("created"));
    EXPECT_TRUE(box[1073].GetText(0).Comp("created"));

    DListBox missing(dialog.Handle(), 4711);
    EXPECT_FALSE(missing.Add("x"));
    EXPECT_EQ(0u, missing.GetSize());
    EXPECT_TRUE(missing.GetText(0).isEmpty());
}

}
