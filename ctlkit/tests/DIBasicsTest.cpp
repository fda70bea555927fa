// Addressing, window state, places, fonts, measuring, cursors and resource
// modules of the wrapper base, on real controls.
#include <gtest/gtest.h>

#include "DButton.h"
#include "DStatusWnd.h"
#include "DText.h"
#include "TestDialog.h"
#include "TestResources.h"

namespace {

class DIBasicsTest : public ::testing::Test
{
protected:
    TestDialog dialog;
};

TEST_F(DIBasicsTest, ItemAddressingAndReaddressing)
{
    HWND const first = dialog.Add("EDIT", 0, 1005, "first");
    HWND const second = dialog.Add("EDIT", 0, 1006, "second");
    DText text(dialog.Handle(), 1005);
    EXPECT_EQ(first, text.GetHandle());

    // Indexing with another id talks to that item from then on.
    EXPECT_TRUE(text[1006].Get().Comp("second"));
    EXPECT_EQ(1006, text.GetId());
    EXPECT_TRUE(text.Set("changed"));
    EXPECT_EQ("changed", TestDialog::Text(second));
    EXPECT_EQ("first", TestDialog::Text(first));
    // An explicit id reaches another item without re-addressing.
    EXPECT_TRUE(text.Get(1005).Comp("first"));
    EXPECT_EQ(1006, text.GetId());

    // -1 keeps the stored id; ids below 1 have no handle.
    text.SetId(0xFFFFFFFFul);
    EXPECT_EQ(1006, text.GetId());
    text.SetParent(dialog.Handle(), 1005);
    EXPECT_EQ(1005, text.GetId());
    EXPECT_EQ(nullptr, text.GetHandle(0));
    EXPECT_EQ(0, text.ParentMsg(WM_GETTEXTLENGTH, 4711));

    // Without a parent the wrapper takes the active window.
    SetActiveWindow(dialog.Handle());
    ASSERT_EQ(dialog.Handle(), GetActiveWindow());
    DText active(nullptr, 1005);
    EXPECT_EQ(dialog.Handle(), active.GetParent());
    EXPECT_TRUE(active.Get().Comp("first"));
}

TEST_F(DIBasicsTest, CreatedWindowsAreIndexedAndPlacedInDialogUnits)
{
    DButton buttons(dialog.Handle(), 0);
    EXPECT_EQ(0, buttons.Create("One", BS_PUSHBUTTON, 5, 5, 50, 14, 3001));
    EXPECT_EQ(1, buttons.Created("Two", BS_PUSHBUTTON, 10, 20, 40, 16, 3002));
    EXPECT_EQ(2u, buttons.GetTotalCreated());
    EXPECT_TRUE(buttons.isCreated());
    HWND const one = GetDlgItem(dialog.Handle(), 3001);
    HWND const two = GetDlgItem(dialog.Handle(), 3002);
    ASSERT_TRUE(one && two);
    EXPECT_TRUE(GetWindowLongA(one, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongA(two, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(two, GWL_STYLE) & WS_VISIBLE);
    RECT expected = {10, 20, 50, 36};
    ASSERT_TRUE(buttons.DuToWu(expected));
    RECT const actual = TestDialog::Place(two);
    EXPECT_TRUE(EqualRect(&expected, &actual));

    // Index 0 is a valid created window, unlike item id 0.
    EXPECT_EQ(one, buttons(0).GetHandle());
    EXPECT_TRUE(buttons(1).SetText("Second"));
    EXPECT_EQ("Second", TestDialog::Text(two));
    EXPECT_EQ(nullptr, buttons(2).GetHandle());
    EXPECT_FALSE(buttons(2).SetText("none"));

    // Back to dialog items by id.
    EXPECT_TRUE(buttons[3001].SetText("First"));
    EXPECT_FALSE(buttons.isCreated());
    EXPECT_EQ("First", TestDialog::Text(one));

    // Forgetting the windows leaves them to their parent.
    buttons.DestroyCreation();
    EXPECT_EQ(0u, buttons.GetTotalCreated());
    EXPECT_TRUE(IsWindow(one));
    EXPECT_EQ(-1, buttons.SetCreation(nullptr));
}

TEST_F(DIBasicsTest, WindowState)
{
    HWND const edit = dialog.Add("EDIT", 0, 1010);
    dialog.Add("EDIT", 0, 1011);
    DText text(dialog.Handle(), 1010);

    // The test dialog itself stays hidden, so look at the control's own style.
    auto visible = [edit] { return (GetWindowLongA(edit, GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(text.Hide());                 // it was visible
    EXPECT_FALSE(visible());
    EXPECT_FALSE(text.Hide());
    EXPECT_FALSE(text.Show());                // it was hidden
    EXPECT_TRUE(visible());
    EXPECT_FALSE(text.Disable());             // it was enabled
    EXPECT_FALSE(IsWindowEnabled(edit));
    EXPECT_TRUE(text.Enable());               // it was disabled
    EXPECT_TRUE(IsWindowEnabled(edit));

    EXPECT_TRUE(text.Focus() && text.isFocus() && !text.isFocus(1011));
    EXPECT_TRUE(text.Focus(1011) && !text.isFocus());

    // A missing control makes every call fail.
    EXPECT_FALSE(text.Show(4711) || text.Focus(4711) || text.isFocus(4711) ||
                 text.Redraw(4711) || text.CacheDim(4711) || text.Position(1, 1, 1, 1, 4711));
    EXPECT_TRUE(text.GetDimRect(4711).isEmpty());
}

TEST_F(DIBasicsTest, PositionsAndRectangles)
{
    HWND const edit = dialog.Add("EDIT", 0, 1012, "", 15, 25, 120, 30);
    DText text(dialog.Handle(), 1012);
    RECT screen;
    GetWindowRect(edit, &screen);
    EXPECT_TRUE(text.GetDimRect() == DRect(screen));

    // Arguments given as 0 are taken from the cached dimensions.
    ASSERT_TRUE(text.CacheDim());
    ASSERT_TRUE(text.Position(50, 60, 70, 20));
    ASSERT_TRUE(text.Position(0, 0, 0, 0, -1));
    RECT const back = {15, 25, 135, 55};
    RECT place = TestDialog::Place(edit);
    EXPECT_TRUE(EqualRect(&back, &place));
    ASSERT_TRUE(text.Position(40, 0, 0, 10));
    RECT const mixed = {40, 25, 160, 35};
    place = TestDialog::Place(edit);
    EXPECT_TRUE(EqualRect(&mixed, &place));
}

TEST_F(DIBasicsTest, FontsAndTextMeasuring)
{
    HWND const edit = dialog.Add("EDIT", 0, 1014);
    dialog.Add("STATIC", 0, 1016);
    DText text(dialog.Handle(), 1014);
    HFONT const font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    // No font stands for the system font.
    EXPECT_TRUE(text.SetFont(nullptr));
    EXPECT_EQ(GetStockObject(SYSTEM_FONT),
              reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    EXPECT_FALSE(text.SetFont(font, 4711) || text.Fill(RGB(255, 0, 0), 4711));
    EXPECT_TRUE(text.Fill(RGB(255, 0, 0), 1016));

    // Created windows get the default font.
    text.SetDefFont(font);
    ASSERT_EQ(0, text.Created("", 0, 5, 60, 50, 12, 1015));
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageA(text.GetHandle(), WM_GETFONT, 0, 0)));

    // Measured in the window's own font: a fixed font gives equal widths.
    text.SetNotCreated();
    text.SetId(1014);
    text.SetFont(font);
    SIZE const one = text.GetTextDim("W");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(2 * one.cx, text.GetTextWidth("Wii", 2));
    EXPECT_EQ(3 * one.cx, text.GetTextWidth("Wii", 100));   // cut to the text
    EXPECT_EQ(one.cy, text.GetTextHeight("W", 1, edit));
    EXPECT_EQ(0, text.GetTextWidth("abc", 0));
}

TEST_F(DIBasicsTest, CursorIsRestored)
{
    HCURSOR const arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR const wait = LoadCursorA(nullptr, IDC_WAIT);
    HCURSOR const cross = LoadCursorA(nullptr, IDC_CROSS);
    ::SetCursor(arrow);
    {
        DIBasics basics(dialog.Handle(), 0);
        EXPECT_TRUE(basics.SetCursor(cross));
        EXPECT_EQ(cross, GetCursor());
        EXPECT_FALSE(basics.SetCursor(DName()));
        // The cursor from before the first change comes back.
        basics.RestoreCursor();
        EXPECT_EQ(arrow, GetCursor());
        EXPECT_TRUE(basics.SetCursor(DName("#32514")));
        EXPECT_EQ(wait, GetCursor());
    }
    // Also when the wrapper goes.
    EXPECT_EQ(arrow, GetCursor());
}

TEST_F(DIBasicsTest, ResourceModules)
{
    HINSTANCE const program = GetModuleHandleA(nullptr);
    HINSTANCE const library = GetModuleHandleA("ctlkit.dll");
    ASSERT_NE(nullptr, library);
    EXPECT_EQ(program, DIBasics::GetAppResource());

    DIBasics named(dialog.Handle(), 0);
    EXPECT_EQ(program, named.GetResource());
    EXPECT_FALSE(named.SetResource(DName("missing.dll")));
    EXPECT_FALSE(named.SetResource(DName()));
    EXPECT_TRUE(named.SetResource(DName("ctlkit.dll")));
    EXPECT_EQ(library, named.GetResource());
    EXPECT_EQ(program, DIBasics::GetAppResource());   // a name only records it

    // A handle also becomes the program's current module, until restored.
    DIBasics handled(dialog.Handle(), 0);
    EXPECT_TRUE(handled.SetResource(library));
    EXPECT_EQ(library, DIBasics::GetAppResource());
    DIBasics other(dialog.Handle(), 0);
    EXPECT_EQ(library, other.GetResource());
    handled.RestoreResource();
    EXPECT_EQ(program, DIBasics::GetAppResource());
    EXPECT_EQ(program, other.GetResource());

    // Status texts load from the module in use.
    DStatusWnd status("start", 500, dialog.Handle());
    ASSERT_TRUE(status.SetTextId(IDS_STATUS));
    EXPECT_EQ("Ready to search", TestDialog::Text(status.GetWnd()));
    DStatusWnd fromLibrary("start", 501, dialog.Handle());
    ASSERT_TRUE(fromLibrary.SetResource(DName("ctlkit.dll")));
    EXPECT_TRUE(fromLibrary.SetTextId(IDS_STATUS));
    EXPECT_EQ("start", TestDialog::Text(fromLibrary.GetWnd()));
}

}
