// The control wrappers on real controls: one row per wrapper, what it sends
// read back from the control; then the wrappers' own logic that has caught
// faults: 32-bit progress ranges, long texts, the combo box's matching of
// typed text, owned images and the restored cursor.
#include <gtest/gtest.h>

#include <functional>
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

int const Id = 1050;
int const Other = 1051;

std::string Of(DName const& text)
{
    return text.isEmpty() ? std::string() : std::string(text.Name(), text.Size());
}

TEST(Wrappers, EachOnItsControl)
{
    struct Row
    {
        char const* what;
        char const* windowClass;
        unsigned long style;
        // Drives the control (id Id, beside an edit field Other) and reads it back.
        std::function<std::string(HWND parent, HWND control)> run;
        std::string expected;
    };
    auto number = [](LRESULT v) { return std::to_string(v); };
    Row const rows[] = {
        {"text", "EDIT", 0,
         [](HWND p, HWND c) { DText(p, Id).Set("*.txt;*.doc"); return TestDialog::Text(c); },
         "*.txt;*.doc"},
        {"empty text refused", "EDIT", 0,
         [](HWND p, HWND c) {
             DText t(p, Id);
             t.Set("kept");
             return std::to_string(t.Set("")) + TestDialog::Text(c);
         },
         "0kept"},
        {"number", "EDIT", 0,
         [](HWND p, HWND c) { DText(p, Id).Seti(4000000000ul); return TestDialog::Text(c); },
         "4000000000"},
        {"decimal", "EDIT", 0,
         [](HWND p, HWND c) { DText(p, Id).Setd(2.0); return TestDialog::Text(c); }, "2.00"},
        {"readdressed", "EDIT", 0,
         [](HWND p, HWND) {
             DText t(p, Id);
             t[Other].Set("other");
             return Of(DText(p, Other).Get()) + std::to_string(t.GetId());
         },
         "other1051"},
        {"hidden", "EDIT", 0,
         [number](HWND p, HWND c) {
             DText(p, Id).Hide();
             return number(GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE);
         },
         "0"},
        {"list box", "LISTBOX", 0,
         [](HWND p, HWND) {
             DListBox box(p, Id);
             box.Add("C:\\");
             box.Merge("Removed", "E:\\Old");
             return Of(box.GetText(1));
         },
         "Removed E:\\Old"},
        {"combo box", "COMBOBOX", CBS_DROPDOWN,
         [](HWND p, HWND) {
             DComboBox box(p, Id);
             box.Add("Bytes");
             box.Add("MB", true);
             return Of(box.Get(0xFFFFFFFFul));    // -1: the selection
         },
         "MB"},
        {"slider", TRACKBAR_CLASSA, 0,
         [number](HWND p, HWND) {
             DSlider slider(p, Id);
             slider.SetLineSize(7);
             return number(slider.SetLineSize(3));    // the size before
         },
         "7"},
        {"label", "STATIC", 0,
         [](HWND p, HWND c) { DStatic(p, Id).Modify(""); return TestDialog::Text(c); }, ""},
        {"tab strip", WC_TABCONTROLA, 0,
         [](HWND p, HWND) {
             DTabControl tab(p, Id);
             tab.Add("File Names");
             tab.Insert("Dates", 1);
             tab.SetText("Dates and Times", 1);
             tab.Add(std::string(400, 'L').c_str());    // comes back cut to the buffer
             return Of(tab.GetText(1)) + std::to_string(tab.GetText(2).Size());
         },
         "Dates and Times255"},
        {"button", "BUTTON", BS_PUSHBUTTON,
         [](HWND p, HWND c) { DButton(p, Id).SetText("&Stop"); return TestDialog::Text(c); },
         "&Stop"},
        {"check box", "BUTTON", BS_AUTOCHECKBOX,
         [number](HWND p, HWND c) {
             DCheckBox(p, Id).SetState(true);
             return number(SendMessageA(c, BM_GETCHECK, 0, 0));
         },
         "1"},
        {"indeterminate is on", "BUTTON", BS_AUTO3STATE,
         [](HWND p, HWND c) {
             SendMessageA(c, BM_SETCHECK, BST_INDETERMINATE, 0);
             return std::to_string(DCheckBox(p, Id).isOn());
         },
         "1"},
        {"click", "BUTTON", BS_AUTOCHECKBOX,
         [number](HWND p, HWND c) {
             DButton(p, Other).SetClicked(Id);
             return number(SendMessageA(c, BM_GETCHECK, 0, 0));
         },
         "1"},
    };
    for (Row const& row : rows) {
        TestDialog dialog;
        HWND const control = dialog.Add(row.windowClass, row.style, Id, "", 10, 10, 200, 100);
        dialog.Add("EDIT", 0, Other, "", 10, 120);
        EXPECT_EQ(row.expected, row.run(dialog.Handle(), control)) << row.what;
    }
}

// A walk may meet far more than 65,535 entries.
TEST(Wrappers, ProgressBarsKeepTheWhole32BitRange)
{
    TestDialog dialog;
    HWND const bar = dialog.Add(PROGRESS_CLASSA, 0, Id);
    DProgressBar progress(dialog.Handle(), Id);
    for (unsigned long max : {65536ul, 2000000000ul, 100ul}) {
        EXPECT_TRUE(progress.SetRange(max));
        EXPECT_EQ(max, progress.GetRange()) << max;
        EXPECT_EQ(0, SendMessageA(bar, PBM_GETRANGE, TRUE, 0)) << max;
    }
    progress.SetRange(174000);
    progress.SetPos(150000);
    EXPECT_EQ(150000u, progress.SetPos(200000));    // the position before
    EXPECT_EQ(174000u, progress.GetPos());           // past the end stays at the end
}

TEST(Wrappers, LongTextsComeBackWhole)
{
    TestDialog dialog;
    HWND const edit = dialog.Add("EDIT", ES_AUTOHSCROLL, Id);
    DText text(dialog.Handle(), Id);
    std::string const long_ = std::string(5000, 'p') + "end";
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, long_.c_str());
    EXPECT_EQ(long_, Of(text.Get()));
    EXPECT_TRUE(text.Setd(1e300));
    EXPECT_EQ(304u, TestDialog::Text(edit).size());
}

// The page reads a field back only when the user changed it, and Clear
// empties it where Set refuses an empty text.
TEST(Wrappers, OnlyTypingMarksAFieldChanged)
{
    TestDialog dialog;
    HWND const edit = dialog.Add("EDIT", 0, Id);
    DText text(dialog.Handle(), Id);
    text.Set("set");
    EXPECT_FALSE(text.isModified());
    SendMessageA(edit, WM_CHAR, 'x', 1);
    EXPECT_TRUE(text.isModified());
    text.SetUnmodified();
    EXPECT_FALSE(text.isModified());
    SendMessageA(edit, WM_CHAR, 'y', 1);
    EXPECT_TRUE(text.Clear());
    EXPECT_TRUE(!text && !text.isModified());
}

class ComboBoxTest : public ::testing::Test
{
protected:
    void Fill(std::initializer_list<char const*> items)
    {
        for (char const* item : items)
            box.Add(item);
        box.SetSel(0);
    }
    void Type(char const* text) { SetWindowTextA(combo, text); }

    TestDialog dialog;
    HWND const combo =
        dialog.Add("COMBOBOX", CBS_DROPDOWN | WS_VSCROLL, Id, "", 10, 10, 150, 200);
    DComboBox box{dialog.Handle(), Id};
};

TEST_F(ComboBoxTest, SelectCaseMatchesByPosition)
{
    Fill({"alpha", "apple", "banana", "cherry"});
    EXPECT_EQ(2, box.FindTextA("BANANA"));    // whole texts, any capitals
    EXPECT_EQ(-1, box.FindTextA("banan"));
    // The first item sharing the first typed character wins.
    Type("ap");
    EXPECT_TRUE(box.SelectCase());
    EXPECT_EQ(0, box.GetIndex());
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

TEST_F(ComboBoxTest, RangeTextForMonthsAndRangeValueForDays)
{
    Fill({"March", "September", "October", "December"});
    struct { char const* typed; unsigned max; unsigned long index; } const months[] = {
        {"mar", 3, 0}, {"october", 3, 2},
        {"December", 1, 3},    // an exact match beyond max: the first three characters
        {"s", 3, 1},           // shorter texts compare only their own length
        {"xyz", 3, 1},         // no match: the selection stays
    };
    for (auto const& m : months) {
        Type(m.typed);
        EXPECT_EQ(m.index, box.RangeText(m.max)) << m.typed;
    }
    EXPECT_TRUE(box.GetEditBox().Comp("September"));

    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int day = 1; day <= 31; ++day)
        box.Add(DName(day));
    box.SetSel(0);
    struct { char const* typed; unsigned long index; } const days[] = {
        {"45", 30}, {"0", 0}, {"17", 16},
        {"123", 11},    // cut to the length of max first: "123" reads as 12
        {"a5b", 4},
    };
    for (auto const& d : days) {
        Type(d.typed);
        EXPECT_EQ(d.index, box.RangeValue(1, 31)) << d.typed;
        EXPECT_EQ(int(d.index), box.GetIndex()) << d.typed;
    }
}

TEST(Wrappers, OwnedImagesGoWithTheirButton)
{
    TestDialog dialog;
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

TEST(Wrappers, CursorIsRestored)
{
    TestDialog dialog;
    HCURSOR const arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR const cross = LoadCursorA(nullptr, IDC_CROSS);
    ::SetCursor(arrow);
    {
        DIBasics basics(dialog.Handle(), 0);
        EXPECT_TRUE(basics.SetCursor(cross));
        EXPECT_EQ(cross, GetCursor());
        // The cursor from before the first change comes back.
        basics.RestoreCursor();
        EXPECT_EQ(arrow, GetCursor());
        EXPECT_TRUE(basics.SetCursor(DName("#32514")));
        EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), GetCursor());
    }
    // Also when the wrapper goes.
    EXPECT_EQ(arrow, GetCursor());
}

}  // namespace
