// The simple control wrappers on real controls: edit fields, list and combo
// boxes, progress and track bars, labels, tab strips, buttons and check
// boxes; one message per operation, read back from the control.
#include <gtest/gtest.h>

#include <string>

#include "DButton.h"
#include "DCheckBox.h"
#include "DComboBox.h"
#include "DListBox.h"
#include "DProgressBar.h"
#include "DSlider.h"
#include "DStatic.h"
#include "DTabControl.h"
#include "DText.h"
#include "TestDialog.h"

namespace {

class SimpleControlsTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(SimpleControlsTest, EditFields)
{
    HWND const edit = dialog.Add("EDIT", ES_AUTOHSCROLL, 1050);
    dialog.Add("EDIT", ES_AUTOHSCROLL, 1051, "", 10, 40);
    DText text(dialog.Handle(), 1050);
    DText second(dialog.Handle(), 1051);
    // Two empty fields are not equal: an empty text equals nothing.
    EXPECT_TRUE(!text && text != second);
    EXPECT_TRUE(text.Set("*.txt;*.doc"));
    EXPECT_TRUE(text.Get().Comp("*.txt;*.doc"));
    EXPECT_EQ(11u, text.GetSize());
    // An empty text is refused and the field keeps its text.
    EXPECT_FALSE(text.Set(""));
    EXPECT_TRUE(text.Get().Comp("*.txt;*.doc"));
    // Only what the user types marks a field changed; Clear empties it.
    HWND const other = GetDlgItem(dialog.Handle(), 1051);
    second.Set("set");
    EXPECT_FALSE(second.isModified());
    SendMessageA(other, WM_CHAR, 'x', 1);
    EXPECT_TRUE(second.isModified());
    second.SetUnmodified();
    EXPECT_FALSE(second.isModified());
    SendMessageA(other, WM_CHAR, 'y', 1);
    EXPECT_TRUE(second.Clear());
    EXPECT_TRUE(!second && !second.isModified());
    second.Set("*.TXT;*.DOC");
    EXPECT_TRUE(text == second);
    second.Set("*.txt");
    EXPECT_TRUE(text != second);

    EXPECT_TRUE(text.Seti(4000000000ul));
    EXPECT_EQ("4000000000", TestDialog::Text(edit));
    EXPECT_TRUE(text.Setd(2.0));
    EXPECT_EQ("2.00", TestDialog::Text(edit));
    EXPECT_TRUE(text.Setd(1e300));
    EXPECT_EQ(304u, TestDialog::Text(edit).size());

    // Long texts come back whole; a limit cuts typing.
    std::string const long_ = std::string(5000, 'p') + "end";
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, long_.c_str());
    EXPECT_EQ(long_, std::string(text.Get().Name(), text.Get().Size()));
    SetWindowTextA(edit, "");
    text.SetLimit(4);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abcdefgh"));
    EXPECT_TRUE(text.Get().Comp("abcd"));

    EXPECT_FALSE(text.Set("x", 4711));
    EXPECT_EQ(0u, text.GetSize(4711));
}

TEST_F(SimpleControlsTest, ListBoxes)
{
    HWND const list = dialog.Add("LISTBOX", WS_HSCROLL, 1070, "", 10, 10, 60, 100);
    DListBox box(dialog.Handle(), 1070);
    EXPECT_FALSE(box.Add("") || box.Insert("", 0) || box.Add("x", false, 4711));
    EXPECT_TRUE(box.Add("C:\\") && box.Add("D:\\Data", true));
    EXPECT_EQ(1u, box.GetIndex());
    EXPECT_TRUE(box.Merge("Removed", "E:\\Old"));
    EXPECT_TRUE(box.GetText(2).Comp("Removed E:\\Old"));
    EXPECT_TRUE(box.GetText(3).isEmpty());
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(0u, box.GetIndex());          // nothing selected reads as 0

    // Adding widens the horizontal extent, never narrows it.
    box.Add("a much longer line than the list is wide");
    LRESULT const wide = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_EQ(box.GetTextWidth("a much longer line than the list is wide"), wide);
    box.Add("short");
    EXPECT_EQ(wide, SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
}

class ComboBoxTest : public SimpleControlsTest
{
protected:
    void Fill(std::initializer_list<char const*> items)
    {
        for (char const* item : items)
            box.Add(item);
        box.SetSel(0);
    }
    void Type(char const* text) { SetWindowTextA(combo, text); }

    HWND const combo =
        dialog.Add("COMBOBOX", CBS_DROPDOWN | WS_VSCROLL, 1060, "", 10, 10, 150, 200);
    DComboBox box{dialog.Handle(), 1060};
};

TEST_F(ComboBoxTest, ItemsAndSelection)
{
    EXPECT_FALSE(box.Add("") || box.Insert("", 0) || box.Add("x", false, 4711));
    EXPECT_TRUE(box.Add("Bytes") && box.Add("KB") && box.Add("MB", true));
    // -1 and -2 stand for the selection.
    EXPECT_TRUE(box.Get(0xFFFFFFFFul).Comp("MB") && box.Get(0xFFFFFFFEul).Comp("MB"));
    EXPECT_TRUE(box.Get(3).isEmpty());
    // Past the end selects the first item.
    EXPECT_TRUE(box.SetSel(99));
    EXPECT_EQ(0u, box.GetSel());
    EXPECT_TRUE(box.Del(0));
    EXPECT_EQ(-1, box.GetIndex());
    EXPECT_EQ(0u, box.GetSel());           // nothing selected reads as 0
    EXPECT_TRUE(box.Get(0xFFFFFFFFul).isEmpty());
    EXPECT_EQ(-1, box.FindTextA("x", 4711));
    EXPECT_TRUE(box.GetEditBox(4711).isEmpty());
}

TEST_F(ComboBoxTest, SelectCaseMatchesByPosition)
{
    Fill({"alpha", "apple", "banana", "cherry"});
    EXPECT_EQ(2, box.FindTextA("BANANA"));    // whole texts, any capitals
    EXPECT_EQ(-1, box.FindTextA("banan"));
    EXPECT_EQ(-1, box.FindTextA(""));
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
    for (char const* none : {"x", ""}) {
        Type(none);
        EXPECT_FALSE(box.SelectCase());
        EXPECT_EQ(3, box.GetIndex());
    }
}

TEST_F(ComboBoxTest, RangeTextForMonths)
{
    Fill({"March", "September", "October", "December"});
    Type("mar");
    EXPECT_EQ(0u, box.RangeText(3));
    EXPECT_TRUE(box.GetEditBox().Comp("March"));
    Type("october");
    EXPECT_EQ(2u, box.RangeText(3));
    // An exact match beyond max falls back to the first three characters.
    Type("December");
    EXPECT_EQ(3u, box.RangeText(1));
    // Shorter texts compare only their own length.
    Type("s");
    EXPECT_EQ(1u, box.RangeText(3));
    // No match: the selection stays and its text comes back.
    Type("xyz");
    EXPECT_EQ(1u, box.RangeText(3));
    EXPECT_TRUE(box.GetEditBox().Comp("September"));
}

TEST_F(ComboBoxTest, RangeValueForDays)
{
    for (int day = 1; day <= 31; ++day)
        box.Add(DName(day));
    box.SetSel(0);
    struct { char const* typed; unsigned long index; } const cases[] = {
        {"45", 30}, {"0", 0}, {"17", 16},
        {"123", 11},    // cut to the length of max first: "123" reads as 12
        {"a5b", 4},
    };
    for (auto const& c : cases) {
        Type(c.typed);
        EXPECT_EQ(c.index, box.RangeValue(1, 31)) << c.typed;
        EXPECT_EQ(int(c.index), box.GetIndex()) << c.typed;
    }
    EXPECT_TRUE(box.GetEditBox().Comp("5"));
}

// Progress bars keep their whole 32-bit range: a walk may meet far more
// than 65,535 entries.
TEST_F(SimpleControlsTest, ProgressBarsAbove65535)
{
    HWND const bar = dialog.Add(PROGRESS_CLASSA, 0, 1080);
    DProgressBar progress(dialog.Handle(), 1080);
    for (unsigned long max : {65536ul, 2000000000ul, 100ul}) {
        EXPECT_TRUE(progress.SetRange(max));
        EXPECT_EQ(max, progress.GetRange()) << max;
        EXPECT_EQ(0, SendMessageA(bar, PBM_GETRANGE, TRUE, 0)) << max;
    }
    progress.SetRange(174000);
    progress.SetPos(150000);
    EXPECT_EQ(150000u, progress.SetPos(200000));    // the position before
    EXPECT_EQ(174000u, progress.GetPos());           // past the end stays at the end

    DProgressBar constructed(90000, 80000, dialog.Handle(), 1080);
    EXPECT_EQ(90000, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(80000, SendMessageA(bar, PBM_GETPOS, 0, 0));
    EXPECT_FALSE(progress.SetRange(10, 4711));
}

TEST_F(SimpleControlsTest, SlidersAndLabels)
{
    dialog.Add(TRACKBAR_CLASSA, 0, 1090, "", 10, 10, 200, 30);
    DSlider slider(dialog.Handle(), 1090);
    // Line and page sizes answer with the size before.
    slider.SetLineSize(7);
    EXPECT_EQ(7, slider.SetLineSize(3));
    slider.SetPageSize(40);
    EXPECT_EQ(40, slider.SetPageSize(50));

    HWND const text = dialog.Add("STATIC", SS_LEFT, 1092, "Searching...", 10, 50);
    DStatic label(dialog.Handle(), 1092);
    EXPECT_TRUE(label.Modify(""));    // a label may be cleared
    EXPECT_EQ("", TestDialog::Text(text));
    EXPECT_FALSE(label.Modify("x", 4711));
}

TEST_F(SimpleControlsTest, TabStrips)
{
    HWND const tabs = dialog.Add(WC_TABCONTROLA, 0, 1094, "", 10, 10, 250, 100);
    DTabControl tab(dialog.Handle(), 1094);
    EXPECT_EQ(0, tab.Add("File Names"));
    EXPECT_EQ(1, tab.Insert("Dates", 1));
    EXPECT_TRUE(tab.SetText("Dates and Times", 1));
    EXPECT_TRUE(tab.GetText(1).Comp("Dates and Times"));
    EXPECT_TRUE(tab.GetText(7).isEmpty());
    EXPECT_FALSE(tab.SetText("None", 7) || tab.Del(5));
    EXPECT_EQ(0, tab.SetIndex(1));    // the tab before
    // A long label comes back cut, never past the buffer.
    tab.Add(std::string(400, 'L').c_str());
    EXPECT_EQ(255u, tab.GetText(2).Size());

    NMHDR change = {tabs, 1094, static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_TRUE(tab.isChange(reinterpret_cast<LPARAM>(&change)));
    NMHDR other = change;
    other.code = static_cast<UINT>(TCN_SELCHANGING);
    EXPECT_FALSE(tab.isChange(reinterpret_cast<LPARAM>(&other)));
    other = change;
    other.hwndFrom = dialog.Handle();
    EXPECT_FALSE(tab.isChange(reinterpret_cast<LPARAM>(&other)) || tab.isChange(0));
}

TEST_F(SimpleControlsTest, ButtonTextsClicksAndImages)
{
    HWND const button = dialog.Add("BUTTON", BS_PUSHBUTTON, IDOK, "Start");
    DButton wrapper(dialog.Handle(), IDOK);
    EXPECT_TRUE(wrapper.SetText("&Stop"));
    // An empty text is refused before the control is asked.
    EXPECT_FALSE(wrapper.SetText(""));
    EXPECT_EQ("&Stop", TestDialog::Text(button));
    EXPECT_FALSE(wrapper.SetText("x", 4711));
    // A click reaches the parent as a command.
    HWND const check = dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1020, "Check", 10, 40);
    EXPECT_TRUE(wrapper.SetClicked(1020));
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(wrapper.SetClicked(4711));

    dialog.Add("BUTTON", BS_PUSHBUTTON | BS_ICON, 1021);
    dialog.Add("BUTTON", BS_PUSHBUTTON | BS_BITMAP, 1022, "", 10, 40);
    HICON const icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
    HBITMAP const bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HBITMAP const first = CreateBitmap(8, 8, 1, 1, nullptr);
    HBITMAP const second = CreateBitmap(8, 8, 1, 1, nullptr);
    BITMAP described;
    {
        DButton images(dialog.Handle(), 1021);
        EXPECT_TRUE(images.SetIcon(icon, true) && images.isIcon(icon));
        EXPECT_TRUE(images.SetBitmap(bitmap, false, 1022));
        EXPECT_TRUE(images.isBitmap(bitmap, 1022) && !images.isImage(nullptr, 1022));

        // Owning another image drops the first.
        DButton owner(dialog.Handle(), 1022);
        owner.SetBitmap(first, true);
        owner.SetBitmap(second, true);
        EXPECT_EQ(0, GetObjectA(first, sizeof described, &described));
        EXPECT_NE(0, GetObjectA(second, sizeof described, &described));
        owner.DestroyImage();
        EXPECT_EQ(0, GetObjectA(second, sizeof described, &described));
    }
    // The owned icon went with the wrapper; the bitmap it did not own stays.
    ICONINFO info;
    EXPECT_FALSE(GetIconInfo(icon, &info));
    EXPECT_NE(0, GetObjectA(bitmap, sizeof described, &described));
    DeleteObject(bitmap);
}

TEST_F(SimpleControlsTest, CheckBoxes)
{
    HWND const box = dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1030, "Hidden");
    dialog.Add("BUTTON", BS_AUTOCHECKBOX, 1031, "System", 10, 40);
    DCheckBox check(dialog.Handle(), 1030);
    DCheckBox other(dialog.Handle(), 1031);
    EXPECT_TRUE(check.isOff() && check == other);
    EXPECT_TRUE(check.SetState(true));
    EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(check.isOn() && check.GetState() && check != other);
    check.Flip();
    EXPECT_TRUE(check.isOff());
    check.SetOn(1031);
    EXPECT_TRUE(check.isOn(1031) && check.isOff());
    // An indeterminate box counts as on.
    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_TRUE(check.isOn());

    // Made by the wrapper: the plain forms with an edge, the "d" forms without.
    DCheckBox boxes(dialog.Handle(), 0);
    ASSERT_EQ(0, boxes.CreateRadio("Radio", 5, 20, 60, 10, 1041));
    ASSERT_EQ(1, boxes.CreateGroupd("Groupd", 70, 35, 60, 30, 1045));
    HWND const radio = boxes(0).GetHandle(), group = boxes(1).GetHandle();
    EXPECT_EQ(BS_AUTORADIOBUTTON, GetWindowLongA(radio, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(BS_GROUPBOX, GetWindowLongA(group, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(GetWindowLongA(radio, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongA(group, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

}
