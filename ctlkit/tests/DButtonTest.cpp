// Push buttons and check boxes on real windows.
#include <gtest/gtest.h>

#include "DButton.h"
#include "DCheckBox.h"
#include "TestDialog.h"

namespace {

class DButtonTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(DButtonTest, TextAndClick)
{
    HWND button = dialog.Add("BUTTON", BS_PUSHBUTTON, IDOK, "Start");
    DButton wrapper(dialog.Handle(), IDOK);
    EXPECT_TRUE(wrapper.SetText("&Stop"));
    EXPECT_EQ("&Stop", TestDialog::Text(button));
    // An empty text is refused before the control is asked.
    EXPECT_FALSE(wrapper.SetText(""));
    EXPECT_EQ("&Stop", TestDialog::Text(button));
    EXPECT_FALSE(wrapper.SetText("x", 4711));

    // A click reaches the parent as a command.
    HWND check = dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1020, "Check", 10, 40);
    EXPECT_TRUE(wrapper.SetClicked(1020));
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(wrapper.SetClicked(4711));
}

TEST_F(DButtonTest, ImagesAndOwnership)
{
    dialog.Add("BUTTON", BS_PUSHBUTTON | BS_ICON, 1021);
    dialog.Add("BUTTON", BS_PUSHBUTTON | BS_BITMAP, 1022, "", 10, 40);
    HICON icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HICON shared = LoadIconA(nullptr, IDI_QUESTION);
    {
        DButton wrapper(dialog.Handle(), 1021);
        EXPECT_TRUE(wrapper.SetIcon(icon, true));
        EXPECT_EQ(icon, wrapper.GetImage(true));
        EXPECT_TRUE(wrapper.isIcon(icon));
        EXPECT_TRUE(wrapper.isImage(icon));
        EXPECT_FALSE(wrapper.isBitmap(bitmap));

        EXPECT_TRUE(wrapper.SetBitmap(bitmap, false, 1022));
        EXPECT_TRUE(wrapper.isBitmap(bitmap, 1022));
        EXPECT_TRUE(wrapper.isImage(bitmap, 1022));
        EXPECT_FALSE(wrapper.isImage(nullptr, 1022));
        EXPECT_FALSE(wrapper.SetIcon(shared, false, true, 4711));
    }
    // The owned icon went with the wrapper; the bitmap it did not own stays.
    ICONINFO info;
    EXPECT_FALSE(GetIconInfo(icon, &info));
    BITMAP described;
    EXPECT_NE(0, GetObjectA(bitmap, sizeof described, &described));
    DeleteObject(bitmap);
}

TEST_F(DButtonTest, OwningAnotherImageDropsTheFirst)
{
    dialog.Add("BUTTON", BS_PUSHBUTTON | BS_BITMAP, 1023);
    HBITMAP first = CreateBitmap(8, 8, 1, 1, nullptr);
    HBITMAP second = CreateBitmap(8, 8, 1, 1, nullptr);
    DButton wrapper(dialog.Handle(), 1023);
    wrapper.SetBitmap(first, true);
    wrapper.SetBitmap(second, true);
    BITMAP described;
    EXPECT_EQ(0, GetObjectA(first, sizeof described, &described));
    EXPECT_NE(0, GetObjectA(second, sizeof described, &described));
    wrapper.DestroyImage();
    EXPECT_EQ(0, GetObjectA(second, sizeof described, &described));
}

TEST_F(DButtonTest, CheckBoxStates)
{
    HWND box = dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1030, "Hidden");
    dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1031, "System", 10, 40);
    DCheckBox check(dialog.Handle(), 1030);
    EXPECT_TRUE(check.isOff());
    EXPECT_TRUE(check.SetState(true));
    EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(check.isOn());
    EXPECT_TRUE(check.GetState());
    EXPECT_FALSE(check.SetState(false));
    EXPECT_TRUE(check.isOff());
    check.Flip();
    EXPECT_TRUE(check.isOn());
    check.Flip();
    EXPECT_TRUE(check.isOff());
    check.SetOn(1031);
    EXPECT_TRUE(check.isOn(1031));
    check.SetOff(1031);
    EXPECT_TRUE(check.isOff(1031));

    // An indeterminate box counts as on.
    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_TRUE(check.isOn());

    DCheckBox other(dialog.Handle(), 1031);
    EXPECT_TRUE(check != other);
    other.SetOn();
    EXPECT_TRUE(check == other);
}

TEST_F(DButtonTest, CreatedCheckBoxes)
{
    DCheckBox boxes(dialog.Handle(), 0);
    ASSERT_EQ(0, boxes.CreateCheck("Check", 5, 5, 60, 10, 1040));
    ASSERT_EQ(1, boxes.CreateRadio("Radio", 5, 20, 60, 10, 1041));
    ASSERT_EQ(2, boxes.CreateGroup("Group", 5, 35, 60, 30, 1042));
    ASSERT_EQ(3, boxes.CreateCheckd("Checkd", 70, 5, 60, 10, 1043));
    ASSERT_EQ(4, boxes.CreateRadiod("Radiod", 70, 20, 60, 10, 1044));
    ASSERT_EQ(5, boxes.CreateGroupd("Groupd", 70, 35, 60, 30, 1045));

    struct Case { int index; LONG type; bool edge; } const cases[] = {
        {0, BS_AUTOCHECKBOX, true}, {1, BS_AUTORADIOBUTTON, true}, {2, BS_GROUPBOX, true},
        {3, BS_AUTOCHECKBOX, false}, {4, BS_AUTORADIOBUTTON, false}, {5, BS_GROUPBOX, false},
    };
    for (auto const& c : cases) {
        HWND window = boxes(c.index).GetHandle();
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(c.type, GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) << c.index;
        EXPECT_EQ(c.edge, (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0)
            << c.index;
    }
    EXPECT_EQ("Radiod", TestDialog::Text(GetDlgItem(dialog.Handle(), 1044)));
    boxes(0).SetOn();
    EXPECT_TRUE(boxes[1040].isOn());
}

}
