// Searches started from the main window's button over trees the tests
// build: the texts on the status line, the start button, the result list
// and its rows, stopping, optimizing for speed, a second start while a run
// holds the list, closing the window and a new search while a search runs.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "PropContainingIds.h"
#include "PropFileNamesIds.h"
#include "ScratchRegistry.h"
#include "StatusLog.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

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

TEST_F(SearchTest, NewSearchEmptiesTheCriteriaTheResultsAndTheMarks)
{
    MainWindow& main = StartOnTree();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    ASSERT_EQ(3u, Results().Size());
    // Both drive boxes on: all drives disables the entire drive's box.
    auto& fileNames = static_cast<PropFileNames&>(*main.GetOptionPage(MainWindow::FileNamesPage));
    HWND const page = fileNames.GetWnd();
    SendMessageA(GetDlgItem(page, IDC_ENTIREDRIVE), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(page, IDC_ALLDRIVES), BM_CLICK, 0, 0);
    ASSERT_TRUE(main.GetFlags().searchAllDrives && !fileNames.GetAddedRoots().isEmpty());
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_ENTIREDRIVE)));
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    DTabControl& tabs = main.GetSheet().GetTabControl();
    ASSERT_TRUE(tabs.GetText(MainWindow::FileNamesPage).Comp("File Names*"));
    ASSERT_TRUE(tabs.GetText(MainWindow::ResultsPage).Comp("Results*"));

    // A phrase typed on the "Contents" page, its box still in the focus.
    main.GetSheet().SetActivePage(MainWindow::ContainingPage);
    HWND const contents = main.GetOptionPage(MainWindow::ContainingPage)->GetWnd();
    HWND const mode = GetDlgItem(contents, IDC_CONTAINING_MODE);
    SendMessageA(mode, CB_SETCURSEL, PropContaining::CompleteText, 0);
    SendMessageA(contents, WM_COMMAND, MAKEWPARAM(IDC_CONTAINING_MODE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(mode));
    HWND const phrases = GetDlgItem(contents, IDC_CONTAINING_PHRASES);
    SetFocus(phrases);
    for (char key : std::string("alpha"))
        SendMessageA(phrases, WM_CHAR, static_cast<unsigned char>(key), 1);

    Command(IDM_NEWSEARCH);
    EXPECT_EQ("All search options have been reset.", Status());
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    EXPECT_FALSE(main.GetFlags().entireDrive || main.GetFlags().searchAllDrives);
    EXPECT_TRUE(fileNames.GetAddedRoots().isEmpty());
    // The phrase is gone from the box too, and stays gone as the focus
    // moves on.
    EXPECT_EQ("", Text(phrases));
    SetFocus(Item(IDC_STARTSEARCH));
    EXPECT_TRUE(main.GetCriteria().containing.isEmpty());
    for (int box : {IDC_ENTIREDRIVE, IDC_ALLDRIVES}) {
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(page, box), BM_GETCHECK, 0, 0)) << box;
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, box))) << box;
    }
    // The item lists show the empty criteria; no tab keeps its mark.
    for (int list : {0, 1}) {
        HWND const view = fileNames.GetItemLists().GetPage(list)->GetWnd();
        EXPECT_EQ(0, SendMessageA(GetDlgItem(view, IDC_ITEMLIST), LB_GETCOUNT, 0, 0)) << list;
    }
    for (unsigned tab = 0; tab < main.GetSheet().GetPageCount(); ++tab) {
        std::string const label = tabs.GetText(tab).Name();
        EXPECT_EQ(std::string::npos, label.find('*')) << label;
    }

    // The settings of the next session are those of a new search.
    Command(IDM_EXIT);
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "SearchAll"));
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "EntireDrive"));
    EXPECT_TRUE(isNothingSought(Start().GetCriteria()));
}

TEST_F(SearchTest, NewSearchEndsASearchAndStopsAFullAnalysis)
{
    MainWindow& main = StartOnTree();
    Watch();
    log->trigger = tree.Dir();
    bool reached = false;
    log->action = [&reached] { reached = true; };
    Command(IDC_STARTSEARCH);
    PropResults& page = main.GetResultsPage();
    ASSERT_TRUE(PumpUntil([&] { return reached || !page.isWorkerRunning(); }));
    log.reset();
    Command(IDM_NEWSEARCH);
    // The worker is gone before the criteria it read were emptied.
    EXPECT_FALSE(page.isWorkerRunning() || page.isSearchRunning());
    EXPECT_TRUE(Results().isEmpty());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    EXPECT_EQ("All search options have been reset.", Status());
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    ExpectEnded();

    // A full analysis of the tree is stopped: it ends without its table.
    main.GetCriteria().folders.InsertRight(DName(tree.Dir().c_str()));
    PropStatistics& summary = main.GetStatisticsPage();
    ASSERT_TRUE(summary.FullAnalysis());
    Command(IDM_NEWSEARCH);
    ASSERT_TRUE(PumpUntil([&summary] { return !summary.isAnalysisBusy(); }));
    EXPECT_EQ("Analysis was aborted.", Status());
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
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
