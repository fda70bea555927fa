// Combo boxes: items, selection and the matching of typed texts.
#include <gtest/gtest.h>

#include "DComboBox.h"
#include "TestDialog.h"

namespace {

char const* const Months[] = {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"};

class DComboBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        combo = dialog.Add("COMBOBOX", CBS_DROPDOWN | WS_VSCROLL, 1060, "", 10, 10, 150, 200);
    }

    void Type(char const* text)
    {
        SetWindowTextA(combo, text);
    }

    TestDialog dialog;
    HWND combo = nullptr;
    DComboBox box{nullptr, 0};
};

TEST_F(DComboBoxTest, ItemsAndSelection)
{
    box.SetParent(dialog.Handle(), 1060);
    EXPECT_FALSE(box.Add(""));
    EXPECT_EQ(0u, box.GetTotal());
    EXPECT_TRUE(box.Add("Bytes"));
    EXPECT_TRUE(box.Add("KB"));
    EXPECT_TRUE(box.Add("MB", true));
    EXPECT_EQ(3u, box.GetTotal());
    EXPECT_EQ(2, box.GetIndex());
    EXPECT_TRUE(box.Get(0xFFFFFFFFul).Comp("MB"));
    EXPECT_TRUE(box.Get(0xFFFFFFFEul).Comp("MB"));
    EXPECT_TRUE(box.GetEditBox().Comp("MB"));

    EXPECT_TRUE(box.Insert("GB", 1, true));
    EXPECT_TRUE(box.Get(1).Comp("GB"));
    EXPECT_EQ(1u, box.GetSel());
    EXPECT_FALSE(box.Insert("", 0));

    // Past the end selects the first item.
    EXPECT_TRUE(box.SetSel(99));
    EXPECT_EQ(0u, box.GetSel());
    EXPECT_TRUE(box.Get(3).Comp("MB"));
    EXPECT_TRUE(box.Get(4).isEmpty());

    EXPECT_TRUE(box.Del(0));
    EXPECT_TRUE(box.Get(0).Comp("GB"));
    EXPECT_EQ(-1, box.GetIndex());
    EXPECT_EQ(0u, box.GetSel());           // nothing selected reads as 0
    EXPECT_TRUE(box.Get(0xFFFFFFFFul).isEmpty());

    EXPECT_TRUE(box.Reset());
    EXPECT_EQ(0u, box.GetTotal());
}

TEST_F(DComboBoxTest, FindTextIgnoresCase)
{
    box.SetParent(dialog.Handle(), 1060);
    for (char const* month : Months)
        box.Add(month);
    EXPECT_EQ(2, box.FindTextA("MARCH"));
    EXPECT_EQ(11, box.FindTextA("december"));
    EXPECT_EQ(-1, box.FindTextA("Marc"));
    EXPECT_EQ(-1, box.FindTextA(""));
}

TEST_F(DComboBoxTest, SelectCaseMatchesByPosition)
{
    box.SetParent(dialog.Handle(), 1060);
    for (char const* item : {"alpha", "apple", "banana", "cherry"})
        box.Add(item);
    box.SetSel(2);

    // The first item sharing the first typed character wins.
    Type("ap");
    EXPECT_TRUE(box.SelectCase());
    EXPECT_EQ(0, box.GetIndex());

    Type("B");
    EXPECT_TRUE(box.SelectCase());
    EXPECT_EQ(2, box.GetIndex());

    // Only when no item shares the first character is the second tried.
    Type("xh");
    EXPECT_TRUE(box.SelectCase());
    EXPECT_EQ(3, box.GetIndex());

    Type("x");
    EXPECT_FALSE(box.SelectCase());
    EXPECT_EQ(3, box.GetIndex());

    Type("");
    EXPECT_FALSE(box.SelectCase());
    EXPECT_EQ(3, box.GetIndex());
}

TEST_F(DComboBoxTest, RangeTextForMonths)
{
    box.SetParent(dialog.Handle(), 1060);
    for (char const* month : Months)
        box.Add(month);
    box.SetSel(0);

    Type("mar");
    EXPECT_EQ(2u, box.RangeText(11));
    EXPECT_EQ(2, box.GetIndex());
    EXPECT_TRUE(box.GetEditBox().Comp("March"));

    Type("october");
    EXPECT_EQ(9u, box.RangeText(11));

    // An exact match beyond max falls back to the first three characters.
    Type("December");
    EXPECT_EQ(11u, box.RangeText(5));

    // Shorter texts compare only their own length.
    Type("s");
    EXPECT_EQ(8u, box.RangeText(11));

    // No match: the selection stays and its text comes back.
    Type("xyz");
    EXPECT_EQ(8u, box.RangeText(11));
    EXPECT_EQ(8, box.GetIndex());
    EXPECT_TRUE(box.GetEditBox().Comp("September"));
}

TEST_F(DComboBoxTest, RangeValueForDays)
{
    box.SetParent(dialog.Handle(), 1060);
    for (int day = 1; day <= 31; ++day)
        box.Add(DName(day));
    box.SetSel(0);

    Type("45");
    EXPECT_EQ(30u, box.RangeValue(1, 31));
    EXPECT_EQ(30, box.GetIndex());
    EXPECT_TRUE(box.GetEditBox().Comp("31"));

    Type("0");
    EXPECT_EQ(0u, box.RangeValue(1, 31));
    EXPECT_EQ(0, box.GetIndex());

    Type("17");
    EXPECT_EQ(16u, box.RangeValue(1, 31));

    // Cut to the length of max first: "123" reads as 12.
    Type("123");
    EXPECT_EQ(11u, box.RangeValue(1, 31));

    Type("a5b");
    EXPECT_EQ(4u, box.RangeValue(1, 31));
}

TEST_F(DComboBoxTest, CreatedCombo)
{
    box.SetParent(dialog.Handle(), 0);
    ASSERT_EQ(0, box.Create("", CBS_DROPDOWNLIST, 5, 5, 80, 60, 1061));
    ASSERT_EQ(1, box.Created("", CBS_DROPDOWNLIST, 5, 25, 80, 60, 1062));
    EXPECT_TRUE(box(1).Add("one", true));
    EXPECT_EQ(1u, box[1062].GetTotal());
    EXPECT_EQ(0u, box(0).GetTotal());

    // A missing control refuses everything.
    box.SetId(4711);
    EXPECT_FALSE(box.Add("x"));
    EXPECT_FALSE(box.Insert("x", 0));
    EXPECT_FALSE(box.Del(0));
    EXPECT_FALSE(box.Reset());
    EXPECT_FALSE(box.SetSel(0));
    EXPECT_EQ(-1, box.FindTextA("x"));
    EXPECT_TRUE(box.GetEditBox().isEmpty());
}

}
