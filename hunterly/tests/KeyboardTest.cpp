// The main window used from the keyboard as a native property sheet is:
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page Up turn the pages,
// the focus starts on the first control of the page shown, Tab reaches
// every control of every page in reading order, and the "&" letters of the
// captions act. Keys go through the window's message filter as its loop
// hands them over; Ctrl and Shift are held in the thread's key state.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "HeldKeys.h"
#include "MainWindowFixture.h"
#include "PropStatisticsIds.h"
#include "StatusLog.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

class KeyboardTest : public MainWindowFixture
{
protected:
    // The control that has the focus: a combo box for the edit field
    // inside it.
    static HWND Focus()
    {
        HWND const focus = GetFocus();
        HWND const parent = focus ? GetParent(focus) : nullptr;
        return parent && ClassOf(parent) == "ComboBox" ? parent : focus;
    }

    // A key pressed where the focus is; false when nothing took it.
    static bool Press(WPARAM key)
    {
        MSG msg = {};
        msg.hwnd = GetFocus();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }

    // Alt and a letter, as the loop hands over the system character.
    static bool Alt(char letter)
    {
        MSG msg = {};
        msg.hwnd = GetFocus();
        msg.message = WM_SYSCHAR;
        msg.wParam = static_cast<WPARAM>(letter);
        msg.lParam = 1 << 29;   // the Alt key is down
        return DDialog::FilterMessage(msg);
    }

    static std::string ClassOf(HWND window)
    {
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        return name;
    }

    HWND PageWnd(unsigned index) const { return window->GetSheet().GetPage(index)->GetWnd(); }

    // The first control that Tab reaches on the page.
    HWND First(unsigned index) const
    {
        HWND const first = GetNextDlgTabItem(PageWnd(index), nullptr, FALSE);
        return first ? first : window->GetSheet().GetTabWnd();
    }

    // Controls a user works with, on the page and the pages inside it,
    // as they stand now: shown and enabled.
    static void Controls(HWND parent, std::vector<HWND>& found)
    {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            LONG_PTR const style = GetWindowLongPtrA(child, GWL_STYLE);
            if ((style & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE)
                continue;
            if (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
                Controls(child, found);
                continue;
            }
            std::string const kind = ClassOf(child);
            bool const group = kind == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX;
            bool const radio = kind == "Button" && ((style & BS_TYPEMASK) == BS_RADIOBUTTON ||
                                                    (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON);
            // Tab reaches one button of a radio group; arrows the others.
            if ((kind == "Button" && !group && (!radio || (style & WS_TABSTOP))) ||
                kind == "ComboBox" || kind == "Edit" || kind == "ListBox" ||
                kind == WC_LISTVIEWA || kind == WC_TABCONTROLA || kind == TRACKBAR_CLASSA)
                found.push_back(child);
        }
    }

    // The controls in the order Tab visits them, from the focus round to
    // it again.
    static std::vector<HWND> TabCycle(bool backwards = false)
    {
        std::unique_ptr<HeldKeys> shift(backwards ? new HeldKeys{VK_SHIFT} : nullptr);
        std::vector<HWND> cycle{Focus()};
        for (int i = 0; i < 200; ++i) {
            Press(VK_TAB);
            if (Focus() == cycle.front())
                return cycle;
            cycle.push_back(Focus());
        }
        ADD_FAILURE() << "Tab never came round";
        return cycle;
    }

    static RECT ScreenPlace(HWND control)
    {
        RECT r;
        GetWindowRect(control, &r);
        return r;
    }

    // The group box of the page that holds the control; null for none.
    static HWND GroupOf(HWND control)
    {
        RECT const place = ScreenPlace(control);
        POINT const middle = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        HWND const parent = GetParent(control);
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT const frame = ScreenPlace(child);
            if (ClassOf(child) == "Button" &&
                (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                PtInRect(&frame, middle))
                return child;
        }
        return nullptr;
    }

    // Within a group, or a page without groups, the next control never
    // lies wholly above the last, nor wholly left of it on the same row.
    static void ExpectReadingOrder(std::vector<HWND> const& controls)
    {
        for (size_t i = 1; i < controls.size(); ++i) {
            HWND const last = controls[i - 1];
            HWND const next = controls[i];
            if (GetParent(last) != GetParent(next) || GroupOf(last) != GroupOf(next))
                continue;
            RECT const a = ScreenPlace(last);
            RECT const b = ScreenPlace(next);
            EXPECT_FALSE(b.bottom <= a.top) << "control " << GetDlgCtrlID(next) << " above "
                                            << GetDlgCtrlID(last);
            bool const sameRow = b.top < a.bottom && a.top < b.bottom;
            EXPECT_FALSE(sameRow && b.right <= a.left)
                << "control " << GetDlgCtrlID(next) << " left of " << GetDlgCtrlID(last);
        }
    }
};

TEST_F(KeyboardTest, FocusStartsOnTheFirstControlOfThePageShown)
{
    Start();
    EXPECT_EQ(First(MainWindow::FileNamesPage), Focus());
    // The stored page when settings are remembered.
    window.reset();
    Put(SharedFlags::Key, "Active", MainWindow::DatesPage);
    Start();
    EXPECT_EQ(MainWindow::DatesPage, Shown());
    EXPECT_EQ(First(MainWindow::DatesPage), Focus());
}

TEST_F(KeyboardTest, ControlKeysTurnThePagesAndTheFocusFollows)
{
    MainWindow& main = Start();
    HWND const strip = main.GetSheet().GetTabWnd();
    // The key pressed on the first control of the page shown: the page
    // comes and its first control takes the focus; the summary gives it
    // to its grid.
    auto const turn = [this](WPARAM key, int page) {
        SetFocus(First(static_cast<unsigned>(Shown())));
        EXPECT_TRUE(Press(key));
        EXPECT_EQ(page, Shown());
        HWND const summaryGrid = GetDlgItem(PageWnd(MainWindow::StatisticsPage), IDC_OPTIONGRID);
        EXPECT_EQ(page == MainWindow::StatisticsPage ? summaryGrid : First(static_cast<unsigned>(page)),
                  Focus())
            << page;
    };
    {
        HeldKeys const control{VK_CONTROL};
        unsigned const pages = main.GetSheet().GetPageCount();
        for (unsigned step = 1; step <= pages; ++step)
            turn(VK_TAB, static_cast<int>(step % pages));
        turn(VK_PRIOR, MainWindow::StatisticsPage);
        turn(VK_PRIOR, MainWindow::ResultsPage);
        turn(VK_NEXT, MainWindow::StatisticsPage);
        {
            HeldKeys const shift{VK_SHIFT};
            turn(VK_TAB, MainWindow::ResultsPage);
            turn(VK_TAB, MainWindow::ContainingPage);
        }

        // From the start button too; the page's first control takes the
        // focus.
        SetFocus(Item(IDC_STARTSEARCH));
        EXPECT_TRUE(Press(VK_NEXT));
        EXPECT_EQ(MainWindow::ResultsPage, Shown());
        EXPECT_EQ(GetDlgItem(PageWnd(MainWindow::ResultsPage), IDC_RESULTLIST), Focus());

        // The tab strip keeps the focus, as arrows on it would.
        SetFocus(strip);
        EXPECT_TRUE(Press(VK_PRIOR));
        EXPECT_EQ(MainWindow::ContainingPage, Shown());
        EXPECT_EQ(strip, Focus());
    }
    // Without Ctrl, Tab moves the focus and leaves the page.
    SetFocus(First(MainWindow::ContainingPage));
    EXPECT_TRUE(Press(VK_TAB));
    EXPECT_EQ(MainWindow::ContainingPage, Shown());
    EXPECT_NE(First(MainWindow::ContainingPage), Focus());

    // A page the program shows takes the focus from the page it hides.
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    SetFocus(First(MainWindow::DatesPage));
    Command(IDM_REPORT);
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    EXPECT_EQ(First(MainWindow::ResultsPage), Focus());
}

TEST_F(KeyboardTest, TabReachesEveryControlOfEveryPageInReadingOrder)
{
    MainWindow& main = Start();
    // Tests in use, so that the controls that go with them are enabled.
    main.GetCriteria().containingMode = PropContaining::CompleteText;
    main.GetCriteria().attributeMode = DirectoryListingSpec::AttributeAny;
    main.GetCriteria().sizeMode = DirectoryListingSpec::SizeRange;
    main.GetCriteria().writtenMode = DirectoryListingSpec::PassGreater;
    std::set<HWND> const window = {Item(IDC_STARTSEARCH), Item(IDC_STOPSEARCH),
                                   main.GetSheet().GetTabWnd()};
    for (unsigned page = 0; page < main.GetSheet().GetPageCount(); ++page) {
        SCOPED_TRACE(page);
        main.GetSheet().SetActivePage(page);
        main.GetSheet().FocusPage();
        std::vector<HWND> const cycle = TabCycle();
        // The window's own controls come round once, after the page's.
        std::vector<HWND> expected;
        Controls(PageWnd(page), expected);
        ASSERT_EQ(expected.size() + window.size(), cycle.size());
        std::vector<HWND> const onPage(cycle.begin(), cycle.begin() + expected.size());
        EXPECT_EQ(std::set<HWND>(expected.begin(), expected.end()),
                  std::set<HWND>(onPage.begin(), onPage.end()));
        EXPECT_EQ(window, std::set<HWND>(cycle.begin() + expected.size(), cycle.end()));
        ExpectReadingOrder(onPage);

        // Shift+Tab goes the same way back.
        std::vector<HWND> back = TabCycle(true);
        std::reverse(back.begin() + 1, back.end());
        EXPECT_EQ(cycle, back);
    }
}

TEST_F(KeyboardTest, AltLettersStartAndStopASearch)
{
    TempFolder tree;
    ASSERT_TRUE(TempFolder::Put(tree.Path("a.txt"), "alpha"));
    MainWindow& main = Start({tree.Dir()});
    PropResults& results = main.GetResultsPage();
    // The stop comes while the walk shows its first folder.
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    log.trigger = tree.Dir();
    bool stopped = false;
    log.action = [&stopped] { stopped = Alt('t'); };
    ASSERT_TRUE(Alt('S'));
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    ASSERT_TRUE(PumpUntil([&results] { return !results.isWorkerRunning(); }));
    EXPECT_TRUE(stopped);
    EXPECT_EQ(1, log.Count("Please wait while cleaning up for abort..."));
    EXPECT_EQ(0u, results.GetResults().Size());
}

TEST_F(KeyboardTest, EveryCaptionLetterIsUniqueAndActs)
{
    MainWindow& main = Start();
    // Tests in use, so that the boxes that go with them are enabled.
    main.GetCriteria().containingMode = PropContaining::CompleteText;
    main.GetCriteria().attributeMode = DirectoryListingSpec::AttributeAny;
    for (unsigned page = 0; page < main.GetSheet().GetPageCount(); ++page) {
        SCOPED_TRACE(page);
        main.GetSheet().SetActivePage(page);
        // The letters of the page shown and of the window around it.
        std::vector<HWND> labelled;
        for (HWND parent : {main.GetWnd(), PageWnd(page)}) {
            std::vector<HWND> all;
            for (HWND child = GetWindow(parent, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                all.push_back(child);
            for (HWND child : all)
                if (Text(child).find('&') != std::string::npos &&
                    (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE))
                    labelled.push_back(child);
        }
        std::set<char> letters;
        for (HWND control : labelled) {
            std::string const text = Text(control);
            size_t const at = text.find('&');
            ASSERT_LT(at + 1, text.size()) << text;
            char const letter = static_cast<char>(tolower(static_cast<unsigned char>(text[at + 1])));
            EXPECT_TRUE(letters.insert(letter).second) << "twice: " << letter << " in " << text;
            // A label hands the focus to the control after it; a check box
            // flips, and back again, while it is enabled. Buttons are
            // pressed by the tests of what they do.
            SetFocus(First(page));
            LONG_PTR const kind = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
            if (ClassOf(control) == "Static") {
                Alt(letter);
                EXPECT_EQ(GetNextDlgTabItem(main.GetWnd(), control, FALSE), Focus()) << text;
            } else if (ClassOf(control) == "Button" && IsWindowEnabled(control) &&
                       (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX)) {
                LRESULT const before = SendMessageA(control, BM_GETCHECK, 0, 0);
                Alt(letter);
                EXPECT_NE(before, SendMessageA(control, BM_GETCHECK, 0, 0)) << text;
                Alt(letter);
                EXPECT_EQ(before, SendMessageA(control, BM_GETCHECK, 0, 0)) << text;
            }
        }
    }
}

}
