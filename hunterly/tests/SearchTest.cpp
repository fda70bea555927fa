// Searches started from the main window's button over trees the tests
// build: the texts on the status line, the start button, the result list
// and its rows, stopping, optimizing for speed, a second start while a run
// holds the list, and closing the window while a search runs.
#include <functional>
#include <string>
#include <vector>

#include "DReg.h"
#include "MainWindowFixture.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

// Every text the status line is given, with the start button's state at
// that moment, seen on the window thread as the worker's texts arrive.
class StatusLog
{
public:
    std::vector<std::string> texts;
    std::vector<bool> startEnabled;
    // Run on the window thread when a text beginning so arrives.
    std::string trigger;
    std::function<void()> action;

    StatusLog(HWND status, HWND start) : status(status), start(start)
    {
        current = this;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }

    ~StatusLog()
    {
        if (IsWindow(status))
            SetWindowLongPtrA(status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        current = nullptr;
    }

    bool Has(std::string const& text) const
    {
        for (std::string const& seen : texts)
            if (seen == text)
                return true;
        return false;
    }

    unsigned Count(std::string const& text) const
    {
        unsigned n = 0;
        for (std::string const& seen : texts)
            n += seen == text;
        return n;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        StatusLog* log = current;
        bool const text = message == WM_SETTEXT || (message == SB_SETTEXTA && LOWORD(wparam) == 0);
        if (log && text && lparam) {
            std::string const line = reinterpret_cast<char const*>(lparam);
            log->texts.push_back(line);
            log->startEnabled.push_back(IsWindowEnabled(log->start) != 0);
            if (log->action && !log->trigger.empty() && line.rfind(log->trigger, 0) == 0) {
                std::function<void()> const once = log->action;
                log->action = nullptr;
                once();
            }
        }
        return CallWindowProcA(log ? log->original : DefWindowProcA, window, message, wparam,
                               lparam);
    }

    static StatusLog* current;
    HWND status;
    HWND start;
    WNDPROC original = nullptr;
};

StatusLog* StatusLog::current = nullptr;

class SearchTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(tree.isMade());
        // Six entries, three of them "*.txt", one on each level.
        ASSERT_TRUE(TempFolder::Put(tree.Path("a.txt"), "alpha"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("b.log"), "beta"));
        ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\c.txt"), "gamma"));
        ASSERT_TRUE(CreateDirectoryA(tree.Path("sub\\deeper").c_str(), nullptr));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\deeper\\d.txt"), "delta"));
        GetCurrentDirectoryA(sizeof folderBefore, folderBefore);
    }

    // The window set to search the tree for "*.txt".
    MainWindow& StartOnTree()
    {
        MainWindow& main = Start({tree.Dir()});
        main.GetCriteria().names.InsertRight(DName("*.txt"));
        return main;
    }

    PropResults& Page() const { return window->GetResultsPage(); }
    DFileLoad& Results() const { return Page().GetResults(); }
    HWND List() const { return GetDlgItem(Page().GetWnd(), IDC_RESULTLIST); }

    void Click(int id) const
    {
        SendMessageA(window->GetWnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(id)));
    }

    // Answers the window thread's messages until done, as its loop would.
    static bool PumpUntil(std::function<bool()> const& done, DWORD limit = 30000)
    {
        DWORD const start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > limit)
                return false;
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!DDialog::FilterMessage(msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    static void PumpFor(DWORD ms)
    {
        PumpUntil([] { return false; }, ms);
    }

    bool WaitForSearch() const
    {
        PropResults const& page = Page();
        return PumpUntil([&page] { return !page.isWorkerRunning(); });
    }

    std::string FoundText() const
    {
        return "Found " + std::to_string(Results().GetTotalMatches()) + " matches in "
               + std::to_string(Results().GetTotalSearchMilliseconds() / 1000) + " seconds.";
    }

    std::string Cell(int row, int column) const
    {
        char text[MAX_PATH] = "";
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return text;
    }

    std::string CurrentFolder() const
    {
        char now[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof now, now);
        return now;
    }

    TempFolder tree;
    char folderBefore[MAX_PATH] = "";
};

TEST_F(SearchTest, SearchFillsTheResultsPage)
{
    MainWindow& main = StartOnTree();
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());

    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    ASSERT_LE(3u, log.texts.size());
    EXPECT_EQ("Please wait while gathering information...", log.texts[0]);
    EXPECT_EQ("Searching...", log.texts[1]);
    EXPECT_EQ(FoundText(), log.texts.back());
    EXPECT_EQ("Found 3 matches in ", log.texts.back().substr(0, 19));
    // Disabled from before the first text to the last.
    EXPECT_FALSE(log.startEnabled[0]);
    EXPECT_FALSE(log.startEnabled.back());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
    EXPECT_FALSE(Page().isSearchRunning());
    // The walk made every folder current in turn; the search put it back.
    EXPECT_EQ(folderBefore, CurrentFolder());
    // The count of every entry below the folder is the progress range.
    EXPECT_EQ(6, SendMessageA(Item(IDC_PROGRESS), PBM_GETRANGE, FALSE, 0));

    // Breadth first, as rows of the list.
    std::string const paths[] = {tree.Path("a.txt"), tree.Path("sub\\c.txt"),
                                 tree.Path("sub\\deeper\\d.txt")};
    char const* const names[] = {"a.txt", "c.txt", "d.txt"};
    ASSERT_EQ(3u, Results().Size());
    EXPECT_EQ(3, ListView_GetItemCount(List()));
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_STREQ(paths[i].c_str(), Results()[i].GetFullPath().Name());
        EXPECT_EQ(names[i], Cell(static_cast<int>(i), 0)) << i;
        EXPECT_EQ(paths[i], Cell(static_cast<int>(i), 1)) << i;
    }

    // Left with results, the page marks its tab.
    DTabControl& tabs = main.GetSheet().GetTabControl();
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(tabs.GetText(MainWindow::ResultsPage).Comp("Results*"));

    // The next search empties the list before it walks.
    main.GetCriteria().names.Destroy();
    main.GetCriteria().names.InsertRight(DName("*.none"));
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Found 0 matches in ", Status().substr(0, 19));
    EXPECT_EQ(FoundText(), Status());
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(tabs.GetText(MainWindow::ResultsPage).Comp("Results"));
}

TEST_F(SearchTest, RedrawAndClearTheRows)
{
    StartOnTree();
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    ASSERT_EQ(3u, Results().Size());

    // The rows are drawn anew from the list, not while another run holds it.
    ListView_DeleteAllItems(List());
    ASSERT_TRUE(Page().BeginRun());
    EXPECT_FALSE(Page().Redraw());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    Page().EndRun();
    EXPECT_TRUE(Page().Redraw());
    ASSERT_EQ(3, ListView_GetItemCount(List()));
    EXPECT_EQ("d.txt", Cell(2, 0));
    EXPECT_FALSE(Page().isSearchRunning());

    Page().Clear();
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
}

TEST_F(SearchTest, NothingToCountEndsTheRunUntouched)
{
    TempFolder empty;
    Start({empty.Dir()});
    Results().InsertRight(DFile(DName(tree.Path("a.txt").c_str())));
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Search process stopped unexpectantly.", Status());
    EXPECT_FALSE(log.Has("Searching..."));
    EXPECT_EQ(1u, Results().Size());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
    EXPECT_FALSE(Page().isSearchRunning());
    EXPECT_EQ(folderBefore, CurrentFolder());
}

TEST_F(SearchTest, OptimizedForSpeedNeitherCountsNorShowsProgress)
{
    StartOnTree();
    Command(IDM_OPTIMIZE);
    SendMessageA(Item(IDC_PROGRESS), PBM_SETRANGE32, 0, 99);
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    ASSERT_FALSE(log.texts.empty());
    EXPECT_EQ("Searching...", log.texts[0]);
    EXPECT_FALSE(log.Has("Please wait while gathering information..."));
    EXPECT_EQ(FoundText(), log.texts.back());
    EXPECT_EQ(3u, Results().Size());
    EXPECT_EQ(0, SendMessageA(Item(IDC_PROGRESS), PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(0, SendMessageA(Item(IDC_PROGRESS), PBM_GETPOS, 0, 0));
    EXPECT_FALSE(GetWindowLongPtrA(Item(IDC_PROGRESS), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(SearchTest, StopEndsTheWalkEarly)
{
    StartOnTree();
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    // The walk shows the first folder it lists, and waits for the text to
    // be taken: the stop comes while it runs.
    log.trigger = tree.Dir();
    MainWindow* main = window.get();
    log.action = [main] { main->GetResultsPage().StopSearch(); };
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_FALSE(log.action) << "the walk never showed its folder";
    EXPECT_TRUE(log.Has("Please wait while cleaning up for abort..."));
    EXPECT_TRUE(log.Has("Stopped processing folders."));
    EXPECT_EQ(FoundText(), Status());
    EXPECT_GT(3u, Results().Size());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
    EXPECT_FALSE(Page().isSearchRunning());
    EXPECT_EQ(folderBefore, CurrentFolder());

    // Stopped, the list takes the next search whole.
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(3u, Results().Size());
}

TEST_F(SearchTest, SecondStartNeverJoinsARunningSearch)
{
    StartOnTree();
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    // The first worker waits for this thread to take its texts, so it is
    // still at work when the second start comes.
    Click(IDC_STARTSEARCH);
    EXPECT_FALSE(Page().StartSearch());
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(1u, log.Count("Searching..."));
    ASSERT_EQ(3u, Results().Size());
    EXPECT_EQ(tree.Path("a.txt"), Results()[0].GetFullPath().Name());
}

TEST_F(SearchTest, RunHoldingTheListIsWaitedForAndNeverJoined)
{
    StartOnTree();
    Results().InsertRight(DFile(DName(tree.Path("b.log").c_str())));
    // As a list command of the page holds it.
    ASSERT_TRUE(Page().BeginRun());
    EXPECT_FALSE(Page().BeginRun());
    StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
    Click(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    // The wait ran out: the run that holds the list keeps it.
    EXPECT_EQ(std::vector<std::string>{"Search process stopped unexpectantly."}, log.texts);
    ASSERT_EQ(1u, Results().Size());
    EXPECT_EQ(tree.Path("b.log"), Results()[0].GetFullPath().Name());
    EXPECT_TRUE(Page().isSearchRunning());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));

    // Given back in time, the list is searched.
    Click(IDC_STARTSEARCH);
    PumpFor(300);
    EXPECT_EQ(1u, log.texts.size());
    Page().EndRun();
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(FoundText(), Status());
    EXPECT_EQ(3u, Results().Size());
}

TEST_F(SearchTest, ClosingDuringASearchEndsItFirst)
{
    // The worker is caught at different points: before it has begun, while
    // it counts, between its two walks (where one stop request is lost), in
    // the walk; and once the window is destroyed without being closed.
    std::vector<std::string> const waits = {"", "Please wait while gathering information...",
                                            "Searching...", tree.Dir()};
    for (unsigned round = 0; round <= waits.size(); ++round) {
        MainWindow& main = StartOnTree();
        PropResults& page = main.GetResultsPage();
        bool reached = false;
        {
            StatusLog log(Item(IDC_STATUS), Item(IDC_STARTSEARCH));
            std::string const wait = round < waits.size() ? waits[round] : "Searching...";
            log.trigger = wait;
            log.action = [&reached] { reached = true; };
            Click(IDC_STARTSEARCH);
            if (!wait.empty())
                PumpUntil([&] { return reached || !page.isWorkerRunning(); });
        }
        if (round == waits.size()) {
            window.reset();
            EXPECT_EQ(folderBefore, CurrentFolder()) << round;
            continue;
        }
        Command(IDM_EXIT);
        EXPECT_EQ(nullptr, main.GetWnd()) << round;
        EXPECT_FALSE(page.isWorkerRunning()) << round;
        EXPECT_FALSE(page.isSearchRunning()) << round;
        EXPECT_EQ(folderBefore, CurrentFolder()) << round;
        // Closed once, closing again does nothing.
        main.Close();
        // The window went through its destruction: the settings are kept.
        EXPECT_EQ(1ul, Stored(SharedFlags::Key, "Settings")) << round;
        EXPECT_EQ(static_cast<unsigned long>(PropResults::Report),
                  Stored(PropResults::Key, "Style"))
            << round;
        RegDeleteTreeA(HKEY_CURRENT_USER, SharedFlags::Key);
    }
}

TEST_F(SearchTest, DisplayStylesFromTheMenu)
{
    // A key without a stored style leaves the report.
    ASSERT_TRUE(DReg().Create(HKEY_CURRENT_USER, PropResults::Key));
    MainWindow& main = Start();
    HWND const list = List();
    // Report style with every column but the drive, whole rows selected.
    EXPECT_EQ(LVS_REPORT, GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_EQ(7, Header_GetItemCount(ListView_GetHeader(list)));
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);
    ASSERT_EQ(1, ListView_GetItemCount(list));
    EXPECT_EQ(PropResults::NoResults, Cell(0, 0));

    struct
    {
        unsigned command;
        long view;
        char const* text;
    } const styles[] = {
        {IDM_SMALLICONS, LVS_SMALLICON, "Small icons will be used for display in results."},
        {IDM_LARGEICONS, LVS_ICON, "Large icons will be used for display in results."},
        {IDM_REPORT, LVS_REPORT, "Report style will be used for display in results."},
        {IDM_LIST, LVS_LIST, "List style will be used for display in results."},
    };
    for (auto const& style : styles) {
        main.GetSheet().SetActivePage(MainWindow::DatesPage);
        Command(style.command);
        EXPECT_EQ(MainWindow::ResultsPage, Shown()) << style.text;
        EXPECT_EQ(style.view, GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) << style.text;
        EXPECT_EQ(style.text, Status());
        for (auto const& other : styles)
            EXPECT_EQ(&other == &style, Checked(other.command)) << style.text;
    }

    // The style is kept for the next session.
    Command(IDM_EXIT);
    EXPECT_EQ(static_cast<unsigned long>(PropResults::List), Stored(PropResults::Key, "Style"));
    Start();
    EXPECT_EQ(LVS_LIST, GetWindowLongA(List(), GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_TRUE(Checked(IDM_LIST));
}

TEST_F(SearchTest, ResultListFillsItsPageAsTheWindowGrows)
{
    MainWindow& main = Start();
    main.GetSheet().SetActivePage(MainWindow::ResultsPage);
    auto place = [this] {
        RECT r;
        GetWindowRect(List(), &r);
        MapWindowPoints(HWND_DESKTOP, Page().GetWnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT page;
    GetClientRect(Page().GetWnd(), &page);
    RECT const before = place();
    EXPECT_LT(0, before.left);
    EXPECT_EQ(page.right - before.left, before.right);
    EXPECT_EQ(page.bottom - before.top, before.bottom);

    RECT outer;
    GetWindowRect(main.GetWnd(), &outer);
    SetWindowPos(main.GetWnd(), nullptr, 0, 0, outer.right - outer.left + 80,
                 outer.bottom - outer.top + 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT const after = place();
    EXPECT_EQ(before.right - before.left + 80, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top + 40, after.bottom - after.top);
}

}
