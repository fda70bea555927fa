// The "Radix Value" dialog on the virtual display, run modeless: what its
// field takes, the range check with its message box, and the keys.
#include "MainWindowFixture.h"
#include "RadixDialog.h"
#include "RadixDialogIds.h"

namespace {

class RadixDialogTest : public MainWindowFixture
{
protected:
    HWND Field() const { return GetDlgItem(dialog->GetWnd(), IDC_RADIXVALUE); }

    // Types the text over the field's and presses OK.
    void Accept(char const* text) const
    {
        SetWindowTextA(Field(), text);
        SendMessageA(dialog->GetWnd(), WM_COMMAND, IDOK, 0);
    }

    bool KeyOnField(WPARAM key) const
    {
        MSG msg = {};
        msg.hwnd = Field();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }

    std::unique_ptr<RadixDialog> dialog;
};

TEST_F(RadixDialogTest, TwoDigitsAndOnlyDigits)
{
    dialog.reset(new RadixDialog(10));
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ("Radix Value", Text(dialog->GetWnd()));
    EXPECT_EQ("10", Text(Field()));
    EXPECT_EQ(2, SendMessageA(Field(), EM_GETLIMITTEXT, 0, 0));
    EXPECT_TRUE(GetWindowLongPtrA(Field(), GWL_STYLE) & ES_NUMBER);
    SetWindowTextA(Field(), "");
    SendMessageA(Field(), WM_CHAR, 'x', 1);
    SendMessageA(Field(), WM_CHAR, '3', 1);
    SendMessageA(Field(), WM_CHAR, '4', 1);
    SendMessageA(Field(), WM_CHAR, '5', 1);
    EXPECT_EQ("34", Text(Field()));

    // A radix that no conversion knows starts the field at 2.
    dialog.reset(new RadixDialog(37));
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ("2", Text(Field()));
}

TEST_F(RadixDialogTest, OkAcceptsTwoToThirtySix)
{
    dialog.reset(new RadixDialog());
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ("2", Text(Field()));
    // Each refusal says why and keeps the dialog open with its radix.
    char const* const refused[] = {"1", "37", "", "0", "99", "100"};
    for (char const* text : refused) {
        SCOPED_TRACE(text);
        boxes.clear();
        Accept(text);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Cannot computer values not within the range 2 - 36.", boxes[0].text);
        EXPECT_EQ("Invalid Radix", boxes[0].caption);
        EXPECT_TRUE(IsWindow(dialog->GetWnd()));
        EXPECT_EQ(2u, dialog->GetRadix());
    }
    boxes.clear();
    Accept("36");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(nullptr, dialog->GetWnd());
    EXPECT_EQ(36u, dialog->GetRadix());
}

TEST_F(RadixDialogTest, EscapeEndsWithoutTheRadixAndF1DoesNothing)
{
    dialog.reset(new RadixDialog(16));
    ASSERT_TRUE(dialog->Create());
    SetWindowTextA(Field(), "8");
    EXPECT_TRUE(KeyOnField(VK_F1));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(IsWindow(dialog->GetWnd()));
    EXPECT_TRUE(KeyOnField(VK_ESCAPE));
    EXPECT_EQ(nullptr, dialog->GetWnd());
    EXPECT_EQ(16u, dialog->GetRadix());
    EXPECT_TRUE(boxes.empty());
}

}
