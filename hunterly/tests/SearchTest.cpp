// Searches started from the main window's button over trees the tests
// build: the texts on the status line, the start button, the result list
// and its rows, stopping, optimizing for speed, a second start while a run
// holds the list, and closing the window while a search runs.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ScratchRegistry.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

// Every text the status line is given, with the start button's state at
// that moment, seen on the window thread as the worker's texts arrive; the
// action runs once, when a text beginning with the trigger arrives.
struct StatusLog
{
    std::vector<std::string> texts;
    std::vector<bool> startEnabled;
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
        if (current == this)
            current = nullptr;
    }

    long Count(std::string const& text) const { return std::count(texts.begin(), texts.end(), text); }

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

    static inline StatusLog* current = nullptr;
    HWND status;
    HWND start;
    WNDPROC original = nullptr;
};

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
        folderBefore = CurrentFolder();
    }

    // The window set to search the tree for "*.txt".
    MainWindow& StartOnTree()
    {
        MainWindow& main = Start({tree.Dir()});
        main.GetCriteria().names.InsertRight(DName("*.txt"));
        return main;
    }

    // From now on the status line's texts are logged.
    void Watch()
    {
        log.reset();
        log.reset(new StatusLog(Item(IDC_STATUS), Item(IDC_STARTSEARCH)));
    }

    PropResults& Page() const { return window->GetResultsPage(); }
    DFileLoad& Results() const { return Page().GetResults(); }
    HWND List() const { return GetDlgItem(Page().GetWnd(), IDC_RESULTLIST); }

    bool WaitForSearch() const
    {
        PropResults const& page = Page();
        return PumpUntil([&page] { return !page.isWorkerRunning(); });
    }

    // The last text of a search that ran to its end.
    std::string FoundText() const
    {
        return "Found " + std::to_string(Results().GetTotalMatches()) + " matches in " +
               std::to_string(Results().GetTotalSearchMilliseconds() / 1000) + " seconds.";
    }

    // Pixels of the list's client area unlike its background, as it paints
    // itself into a bitmap.
    int Ink() const
    {
        RECT area;
        GetClientRect(List(), &area);
        HDC const screen = GetDC(nullptr);
        HDC const dc = CreateCompatibleDC(screen);
        HBITMAP const bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
        HGDIOBJ const before = SelectObject(dc, bitmap);
        SendMessageA(List(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        COLORREF const background = ListView_GetBkColor(List());
        int ink = 0;
        for (int y = 0; y < area.bottom; y += 1)
            for (int x = 0; x < area.right; x += 1)
                ink += GetPixel(dc, x, y) != background;
        SelectObject(dc, before);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return ink;
    }

    std::string Cell(int row, int column) const
    {
        char text[MAX_PATH] = "";
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return text;
    }

    static std::string CurrentFolder()
    {
        char now[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof now, now);
        return now;
    }

    // The search has ended with the start button enabled and the process's
    // current folder as it was.
    void ExpectEnded() const
    {
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
        EXPECT_FALSE(Page().isSearchRunning());
        EXPECT_EQ(folderBefore, CurrentFolder());
    }

    TempFolder tree;
    std::string folderBefore;
    std::unique_ptr<StatusLog> log;
};

TEST_F(SearchTest, SearchFillsTheResultsPage)
{
    MainWindow& main = StartOnTree();
    Watch();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());

    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    ASSERT_LE(3u, log->texts.size());
    EXPECT_EQ("Please wait while gathering information...", log->texts[0]);
    EXPECT_EQ("Searching...", log->texts[1]);
    EXPECT_EQ(FoundText(), log->texts.back());
    // Disabled from before the first text to the last.
    EXPECT_FALSE(log->startEnabled[0] || log->startEnabled.back());
    // The walk made every folder current in turn; the search put it back.
    ExpectEnded();
    // The count of every entry below the folder is the progress range.
    EXPECT_EQ(6, SendMessageA(Item(IDC_PROGRESS), PBM_GETRANGE, FALSE, 0));

    // Breadth first, as rows of the list.
    std::string const paths[] = {tree.Path("a.txt"), tree.Path("sub\\c.txt"),
                                 tree.Path("sub\\deeper\\d.txt")};
    ASSERT_EQ(3u, Results().Size());
    ASSERT_EQ(3, ListView_GetItemCount(List()));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(paths[i], Results()[i].GetFullPath().Name());
        EXPECT_EQ(paths[i], Cell(i, 1)) << i;
    }
    EXPECT_EQ("d.txt", Cell(2, 0));

    // Left with results, the page marks its tab.
    DTabControl& tabs = main.GetSheet().GetTabControl();
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(tabs.GetText(MainWindow::ResultsPage).Comp("Results*"));

    // The next search empties the list before it walks.
    main.GetCriteria().names.Destroy();
    main.GetCriteria().names.InsertRight(DName("*.none"));
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Found 0 matches in ", Status().substr(0, 19));
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(tabs.GetText(MainWindow::ResultsPage).Comp("Results"));
}

TEST_F(SearchTest, RedrawAndClearTheRows)
{
    StartOnTree();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    ASSERT_EQ(3u, Results().Size());

    // The rows are drawn anew from the list, not while another run holds it.
    ListView_DeleteAllItems(List());
    ASSERT_TRUE(Page().BeginRun());
    EXPECT_FALSE(Page().Redraw());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    Page().EndRun();
    EXPECT_TRUE(Page().Redraw());
    EXPECT_EQ(3, ListView_GetItemCount(List()));

    Page().Clear();
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
}

TEST_F(SearchTest, NothingToCountEndsTheRunUntouched)
{
    TempFolder empty;
    Start({empty.Dir()});
    Results().InsertRight(DFile(DName(tree.Path("a.txt").c_str())));
    Watch();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Search process stopped unexpectantly.", Status());
    EXPECT_EQ(0, log->Count("Searching..."));
    EXPECT_EQ(1u, Results().Size());
    ExpectEnded();
}

TEST_F(SearchTest, OptimizedForSpeedNeitherCountsNorShowsProgress)
{
    StartOnTree();
    Command(IDM_OPTIMIZE);
    SendMessageA(Item(IDC_PROGRESS), PBM_SETRANGE32, 0, 99);
    Watch();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    ASSERT_FALSE(log->texts.empty());
    EXPECT_EQ("Searching...", log->texts[0]);
    EXPECT_EQ(3u, Results().Size());
    EXPECT_EQ(0, SendMessageA(Item(IDC_PROGRESS), PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(0, SendMessageA(Item(IDC_PROGRESS), PBM_GETPOS, 0, 0));
    EXPECT_FALSE(Visible(IDC_PROGRESS));
}

TEST_F(SearchTest, StopEndsTheWalkEarly)
{
    StartOnTree();
    Watch();
    // The walk shows the first folder it lists, and waits for the text to
    // be taken: the stop comes while it runs.
    log->trigger = tree.Dir();
    MainWindow* main = window.get();
    log->action = [main] { main->GetResultsPage().StopSearch(); };
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_FALSE(log->action) << "the walk never showed its folder";
    EXPECT_EQ(1, log->Count("Please wait while cleaning up for abort..."));
    EXPECT_EQ(FoundText(), Status());
    EXPECT_GT(3u, Results().Size());
    ExpectEnded();

    // Stopped, the list takes the next search whole.
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(3u, Results().Size());
}

TEST_F(SearchTest, SecondStartNeverJoinsARunningSearch)
{
    StartOnTree();
    Watch();
    // The first worker waits for this thread to take its texts, so it is
    // still at work when the second start comes.
    Command(IDC_STARTSEARCH);
    EXPECT_FALSE(Page().StartSearch());
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(1, log->Count("Searching..."));
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
    Watch();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    // The wait ran out: the run that holds the list keeps it.
    EXPECT_EQ(std::vector<std::string>{"Search process stopped unexpectantly."}, log->texts);
    ASSERT_EQ(1u, Results().Size());
    EXPECT_EQ(tree.Path("b.log"), Results()[0].GetFullPath().Name());
    EXPECT_TRUE(Page().isSearchRunning());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));

    // Given back in time, the list is searched.
    Command(IDC_STARTSEARCH);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(1u, log->texts.size());
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
                                            "Searching...", tree.Dir(), "Searching..."};
    for (unsigned round = 0; round < waits.size(); ++round) {
        SCOPED_TRACE(round);
        MainWindow& main = StartOnTree();
        Watch();
        PropResults& page = main.GetResultsPage();
        bool reached = false;
        log->trigger = waits[round];
        log->action = [&reached] { reached = true; };
        Command(IDC_STARTSEARCH);
        if (!waits[round].empty())
            PumpUntil([&] { return reached || !page.isWorkerRunning(); });
        log.reset();
        if (round + 1 == waits.size()) {
            window.reset();
            EXPECT_EQ(folderBefore, CurrentFolder());
            break;
        }
        Command(IDM_EXIT);
        EXPECT_EQ(nullptr, main.GetWnd());
        EXPECT_FALSE(page.isWorkerRunning());
        EXPECT_FALSE(page.isSearchRunning());
        EXPECT_EQ(folderBefore, CurrentFolder());
        // Closed once, closing again does nothing.
        main.Close();
        // The window went through its destruction: the settings are kept.
        EXPECT_EQ(1ul, Stored(SharedFlags::Key, "Settings"));
        EXPECT_EQ(static_cast<unsigned long>(PropResults::Report), Stored(PropResults::Key, "Style"));
        ScratchRegistry::Current()->Clear();
    }
}

TEST_F(SearchTest, DisplayStylesFromTheMenu)
{
    // A key without a stored style leaves the report, with every column but
    // the drive, and a text saying there are no results, which is no row.
    ASSERT_TRUE(DReg().Create(HKEY_CURRENT_USER, PropResults::Key));
    MainWindow& main = Start();
    HWND const list = List();
    EXPECT_EQ(LVS_REPORT, GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_EQ(7, Header_GetItemCount(ListView_GetHeader(list)));
    EXPECT_EQ(0, ListView_GetItemCount(list));
    EXPECT_EQ(-1, Page().GetResults().RowEntry(0));
    EXPECT_LT(0, Ink());

    // A style chosen on another page shows the results in it, with one check.
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    Command(IDM_LIST);
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    EXPECT_EQ(LVS_LIST, GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_EQ("List style will be used for display in results.", Status());
    EXPECT_TRUE(Checked(IDM_LIST) && !Checked(IDM_REPORT));

    // The style is kept for the next session.
    Command(IDM_EXIT);
    EXPECT_EQ(static_cast<unsigned long>(PropResults::List), Stored(PropResults::Key, "Style"));
}

}
