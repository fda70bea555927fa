// Pages on a tab strip: titles from their templates, made when first shown,
// told when they are shown and hidden, and laid out inside the strip.
#include <gtest/gtest.h>

#include <string>

#include "DPropertyPage.h"
#include "DPropertySheet.h"
#include "DialogResources.h"
#include "HeldKeys.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

class CountingPage : public DPropertyPage
{
public:
    explicit CountingPage(unsigned id) : DPropertyPage(id) {}
    int shown = 0;
    int hidden = 0;
    int inits = 0;

    void OnSetActive() override { ++shown; }
    void OnKillActive() override { ++hidden; }

protected:
    bool OnInit() override
    {
        ++inits;
        return false;
    }
};

class DPropertySheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (CountingPage* page : {&first, &second, &third})
            ASSERT_TRUE(sheet.AddPage(page));
        RECT const place = {10, 20, 410, 320};
        ASSERT_TRUE(sheet.Create(host.Handle(), place, 1500));
    }

    TestDialog host;
    CountingPage first{IDD_PAGE_EX};
    CountingPage second{IDD_PAGE_PLAIN};
    CountingPage third{IDD_PAGE_EX};
    DPropertySheet sheet;
};

TEST_F(DPropertySheetTest, ShowingPagesInTurn)
{
    ASSERT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(1, sheet.GetTabControl().GetIndex());
    ASSERT_NE(nullptr, second.GetWnd());
    EXPECT_EQ(sheet.GetWnd(), GetParent(second.GetWnd()));
    // Shown, without a caption of its own.
    EXPECT_EQ(WS_VISIBLE, GetWindowLongPtrA(second.GetWnd(), GWL_STYLE) & (WS_VISIBLE | WS_CAPTION));
    EXPECT_EQ(1, second.inits);
    EXPECT_EQ(1, second.shown);
    EXPECT_EQ(nullptr, first.GetWnd());

    ASSERT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(1, second.hidden);
    EXPECT_FALSE(GetWindowLongPtrA(second.GetWnd(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(1, first.shown);

    // Showing the page already shown changes nothing; a page is made once.
    ASSERT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(1, first.shown);
    EXPECT_EQ(0, first.hidden);
    ASSERT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(1, second.inits);
    EXPECT_EQ(2, second.shown);
    EXPECT_EQ(1, first.hidden);

    EXPECT_FALSE(sheet.SetActivePage(3));
    EXPECT_EQ(1, sheet.GetActiveIndex());
}

TEST_F(DPropertySheetTest, ClickOnATabShowsItsPage)
{
    ASSERT_TRUE(sheet.SetActivePage(0));
    HWND const strip = sheet.GetTabWnd();
    SendMessageA(strip, TCM_SETCURSEL, 2, 0);
    NMHDR change = {strip, DPropertySheet::TabId, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(sheet.GetWnd(), WM_NOTIFY, DPropertySheet::TabId, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(2, sheet.GetActiveIndex());
    EXPECT_EQ(1, third.shown);
    EXPECT_EQ(1, first.hidden);
}

// A key pressed on a window, as the message loop hands it to the sheet.
MSG KeyDown(HWND window, WPARAM key)
{
    MSG msg = {};
    msg.hwnd = window;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    return msg;
}

TEST_F(DPropertySheetTest, ControlKeysTurnThePagesRoundTheEnds)
{
    ASSERT_TRUE(sheet.SetActivePage(0));
    HWND const edit = GetDlgItem(first.GetWnd(), IDC_PAGEEDIT);
    SetFocus(edit);
    ASSERT_EQ(edit, GetFocus());
    {
        HeldKeys const control{VK_CONTROL};
        EXPECT_TRUE(sheet.TranslateKey(KeyDown(edit, VK_TAB)));
        EXPECT_EQ(1, sheet.GetActiveIndex());
        // That page has no control: its tab takes the focus off the page
        // that was hidden.
        EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
        EXPECT_TRUE(sheet.TranslateKey(KeyDown(GetFocus(), VK_NEXT)));
        EXPECT_EQ(2, sheet.GetActiveIndex());
        // The strip had the focus and keeps it.
        EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
        EXPECT_TRUE(sheet.TranslateKey(KeyDown(GetFocus(), VK_NEXT)));
        EXPECT_EQ(0, sheet.GetActiveIndex());
        EXPECT_TRUE(sheet.TranslateKey(KeyDown(GetFocus(), VK_PRIOR)));
        EXPECT_EQ(2, sheet.GetActiveIndex());
        {
            HeldKeys const shift{VK_SHIFT};
            EXPECT_TRUE(sheet.TranslateKey(KeyDown(GetFocus(), VK_TAB)));
            EXPECT_EQ(1, sheet.GetActiveIndex());
        }
        // Other keys and other messages are not the sheet's.
        EXPECT_FALSE(sheet.TranslateKey(KeyDown(GetFocus(), VK_HOME)));
        MSG up = KeyDown(GetFocus(), VK_TAB);
        up.message = WM_KEYUP;
        EXPECT_FALSE(sheet.TranslateKey(up));
        EXPECT_EQ(1, sheet.GetActiveIndex());
    }
    // Without Ctrl, Tab and Page Down belong to the controls.
    EXPECT_FALSE(sheet.TranslateKey(KeyDown(GetFocus(), VK_TAB)));
    EXPECT_FALSE(sheet.TranslateKey(KeyDown(GetFocus(), VK_NEXT)));
    EXPECT_EQ(1, sheet.GetActiveIndex());
}

TEST_F(DPropertySheetTest, FocusMovesToTheFirstControlOfThePageShown)
{
    ASSERT_TRUE(sheet.SetActivePage(1));
    SetFocus(sheet.GetTabWnd());
    {
        HeldKeys const control{VK_CONTROL};
        ASSERT_TRUE(sheet.TranslateKey(KeyDown(GetFocus(), VK_NEXT)));
    }
    EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
    // From a control on the page, Ctrl+Page Up lands on the first control
    // of the page before, and a page shown by the program takes the focus
    // with it too.
    HWND const thirdEdit = GetDlgItem(third.GetWnd(), IDC_PAGEEDIT);
    SetFocus(thirdEdit);
    {
        HeldKeys const control{VK_CONTROL};
        ASSERT_TRUE(sheet.TranslateKey(KeyDown(thirdEdit, VK_PRIOR)));
    }
    EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
    ASSERT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
    SetFocus(thirdEdit);
    ASSERT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(GetDlgItem(first.GetWnd(), IDC_PAGEEDIT), GetFocus());
    // A focus outside the sheet stays where it is.
    HWND const outside = host.Add("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1600, "Outside");
    SetFocus(outside);
    ASSERT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(outside, GetFocus());
}

TEST_F(DPropertySheetTest, APageMovesTheFocusInTheOrderOfTheWholeWindow)
{
    ASSERT_TRUE(sheet.SetActivePage(0));
    HWND const edit = GetDlgItem(first.GetWnd(), IDC_PAGEEDIT);
    SetFocus(edit);
    // As a multi-line edit field asks its parent on Tab: the page's only
    // control does not take the focus back, the window's next one does,
    // the tab strip, which lies below the page.
    SendMessageA(first.GetWnd(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(sheet.GetTabWnd(), GetFocus());
    SendMessageA(first.GetWnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    EXPECT_EQ(edit, GetFocus());
}

TEST_F(DPropertySheetTest, PagesFillTheStripAndFollowItsSize)
{
    ASSERT_TRUE(sheet.SetActivePage(0));
    ASSERT_TRUE(sheet.SetActivePage(1));
    HWND const strip = sheet.GetTabWnd();
    for (int growth : {0, 120}) {
        sheet.SetSize(400 + growth, 300 + growth / 2);
        RECT const stripPlace = TestDialog::Place(strip);
        EXPECT_EQ(400 + growth, stripPlace.right - stripPlace.left);
        EXPECT_EQ(300 + growth / 2, stripPlace.bottom - stripPlace.top);
        RECT area;
        GetClientRect(strip, &area);
        SendMessageA(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        // Hidden pages follow too, so that they fit when shown again.
        for (HWND page : {first.GetWnd(), second.GetWnd()}) {
            RECT const pagePlace = TestDialog::Place(page);
            EXPECT_TRUE(EqualRect(&area, &pagePlace)) << growth;
        }
    }
}

}
