// Edit fields: texts, numbers, limits and comparisons.
#include <gtest/gtest.h>

#include <string>

#include "DText.h"
#include "TestDialog.h"

namespace {

class DTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        edit = dialog.Add("EDIT", ES_AUTOHSCROLL, 1050);
        dialog.Add("EDIT", ES_AUTOHSCROLL, 1051, "", 10, 40);
    }

    TestDialog dialog;
    HWND edit = nullptr;
};

TEST_F(DTextTest, TextsAndNumbers)
{
    DText text(dialog.Handle(), 1050);
    EXPECT_TRUE(text.Set("*.txt;*.doc"));
    EXPECT_TRUE(text.Get().Comp("*.txt;*.doc"));
    EXPECT_EQ(11u, text.Get().Size());
    EXPECT_EQ(11u, text.GetSize());

    // An empty text is refused and the field keeps its text.
    EXPECT_FALSE(text.Set(""));
    EXPECT_TRUE(text.Get().Comp("*.txt;*.doc"));

    EXPECT_TRUE(text.Seti(0));
    EXPECT_EQ("0", TestDialog::Text(edit));
    EXPECT_TRUE(text.Seti(4000000000ul));
    EXPECT_EQ("4000000000", TestDialog::Text(edit));
    EXPECT_TRUE(text.Setd(3.14159));
    EXPECT_EQ("3.14", TestDialog::Text(edit));
    EXPECT_TRUE(text.Setd(2.0));
    EXPECT_EQ("2.00", TestDialog::Text(edit));
    EXPECT_TRUE(text.Setd(1e300));
    EXPECT_EQ(304u, TestDialog::Text(edit).size());

    SetWindowTextA(edit, "");
    EXPECT_TRUE(text.Get().isEmpty());
    EXPECT_TRUE(!text);
}

TEST_F(DTextTest, LongTextsComeBackWhole)
{
    std::string long_(5000, 'p');
    long_ += "end";
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, long_.c_str());
    DText text(dialog.Handle(), 1050);
    DName const got = text.Get();
    EXPECT_EQ(long_, std::string(got.Name(), got.Size()));
}

TEST_F(DTextTest, LimitCutsTyping)
{
    DText text(dialog.Handle(), 1050);
    text.SetLimit(4);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abcdefgh"));
    EXPECT_TRUE(text.Get().Comp("abcd"));
}

TEST_F(DTextTest, Comparison)
{
    DText first(dialog.Handle(), 1050);
    DText second(dialog.Handle(), 1051);
    // Two empty fields are not equal: an empty text equals nothing.
    EXPECT_TRUE(first != second);
    first.Set("Notes");
    second.Set("NOTES");
    EXPECT_TRUE(first == second);
    second.Set("Note");
    EXPECT_TRUE(first != second);
    EXPECT_FALSE(!first);
}

TEST_F(DTextTest, MissingField)
{
    DText text(dialog.Handle(), 4711);
    EXPECT_FALSE(text.Set("x"));
    EXPECT_TRUE(text.Get().isEmpty());
    EXPECT_EQ(0u, text.GetSize());
}

}
