// The "Summary" page in the real main window: the options grid for
// criteria set in the record, double clicks to the pages, and the analysis
// table of the last search and of a full analysis over a tree the test
// builds, with its stops and the window closed while it runs.
#include <memory>
#include <string>
#include <vector>

#include "AnalysisTable.h"
#include "MainWindowFixture.h"
#include "PropStatisticsIds.h"
#include "ScratchRegistry.h"
#include "StatusLog.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

class PropStatisticsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(tree.isMade());
        // Eight entries, two of them folders; four "*.txt", one read-only
        // and one hidden (a leading dot).
        ASSERT_TRUE(TempFolder::Put(tree.Path("a.txt"), "alpha"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("b.log"), "beta"));
        ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\c.txt"), "gamma!"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\d.txt"), "delta.."));
        ASSERT_TRUE(SetFileAttributesA(tree.Path("sub\\d.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(CreateDirectoryA(tree.Path("sub\\deep").c_str(), nullptr));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\deep\\.e.txt"), "epsilon"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\deep\\f.bin"), "zz"));
    }

    void TearDown() override
    {
        log.reset();
        MainWindowFixture::TearDown();
        SetFileAttributesA(tree.Path("sub\\d.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    // The window set to search the tree for "*.txt".
    MainWindow& StartOnTree(std::string const& folder = std::string())
    {
        MainWindow& main = Start({folder.empty() ? tree.Dir() : folder});
        main.GetCriteria().names.InsertRight(DName("*.txt"));
        return main;
    }

    void Watch()
    {
        log.reset();
        log.reset(new StatusLog(Item(IDC_STATUS), PageItem(IDC_FULLANALYSIS)));
    }

    PropStatistics& Page() const { return window->GetStatisticsPage(); }
    HWND PageItem(int id) const { return GetDlgItem(Page().GetWnd(), id); }
    HWND Grid() const { return PageItem(IDC_OPTIONGRID); }

    // The summary as it is built when the page is shown anew.
    Table Summary() const
    {
        window->GetSheet().SetActivePage(MainWindow::ResultsPage);
        window->GetSheet().SetActivePage(MainWindow::StatisticsPage);
        return Cells(Grid());
    }

    std::string Line(unsigned row) const
    {
        Table const grid = Summary();
        return row < grid.size() && grid[row].size() > 1 ? grid[row][1] : "(none)";
    }

    bool WaitForAnalysis() const
    {
        PropStatistics const& page = Page();
        return PumpUntil([&page] { return !page.isAnalysisBusy(); });
    }

    bool WaitForSearch() const
    {
        PropResults const& page = window->GetResultsPage();
        return PumpUntil([&page] { return !page.isWorkerRunning(); });
    }

    // Sizes and attributes of the entries below the tree as the platform
    // lists them: the truth the tables are checked against.
    struct Tally
    {
        unsigned long long searchedSize = 0;
        unsigned long long matchedSize = 0;
        unsigned count[9] = {};
        unsigned long long size[9] = {};
    };
    // In the table's order: archive, compressed, encrypted, folder,
    // hidden, normal, read-only, system, temporary.
    static constexpr unsigned Bits[9] = {0x20, 0x800, 0x40, 0x10, 0x2, 0x80, 0x1, 0x4, 0x100};

    void Count(std::string const& folder, Tally& tally) const
    {
        WIN32_FIND_DATAA entry;
        HANDLE const find = FindFirstFileA((folder + "\\*").c_str(), &entry);
        ASSERT_NE(INVALID_HANDLE_VALUE, find);
        do {
            std::string const name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            unsigned long long const size =
                (static_cast<unsigned long long>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
            tally.searchedSize += size;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".txt") {
                tally.matchedSize += size;
                for (unsigned i = 0; i < 9; ++i) {
                    if (entry.dwFileAttributes & Bits[i]) {
                        ++tally.count[i];
                        tally.size[i] += size;
                    }
                }
            }
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Count(folder + "\\" + name, tally);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }

    TempFolder tree;
    std::unique_ptr<StatusLog> log;
};

constexpr unsigned PropStatisticsTest::Bits[9];

TEST_F(PropStatisticsTest, EmptyCriteriaReadAsAnything)
{
    Start();
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    Table const expected = {
        {"File Name(s): ", "*.*"},
        {"Folders: ", std::string(folder, 3)},
        {"Attributes: ", "Any attributes"},
        {"File Size(s): ", "Any file size"},
        {"Created Date: ", "Any date or time"},
        {"Written Date: ", "Any date or time"},
        {"Last Accessed Date: ", "Any date or time"},
        {"Containing: ", "Any contents type"},
    };
    EXPECT_EQ(expected, Summary());
    // An ordinary list with grid lines, its columns fitted to their texts.
    EXPECT_FALSE(GetWindowLongA(Grid(), GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(Grid()) & LVS_EX_GRIDLINES);
    EXPECT_LT(ListView_GetStringWidth(Grid(), "Last Accessed Date: "),
              ListView_GetColumnWidth(Grid(), 0));
}

TEST_F(PropStatisticsTest, NamesAndFoldersTakeAColumnEach)
{
    MainWindow& main = Start();
    DirectoryListingSpec& criteria = main.GetCriteria();
    for (char const* name : {"*.txt", "*.doc", "read?e.*"})
        criteria.names.InsertRight(DName(name));
    criteria.folders.InsertRight(DName("C:\\Data"));
    Table grid = Summary();
    ASSERT_EQ(8u, grid.size());
    EXPECT_EQ((Row{"File Name(s): ", "*.txt", "*.doc", "read?e.*"}), grid[0]);
    EXPECT_EQ((Row{"Folders: ", "C:\\Data", "", ""}), grid[1]);

    // The attributes widen the grid when they need more: three bits and
    // the mode's column. A bit without a name keeps its column empty.
    criteria.attributeMode = DirectoryListingSpec::AttributeNot | DirectoryListingSpec::AttributeAny;
    criteria.attributeMask = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | 0x200 | 0x4;
    grid = Summary();
    EXPECT_EQ((Row{"Attributes: ", "Not one of the attributes ", "Read Only", "System", "Archive",
                   ""}),
              grid[2]);
    EXPECT_EQ((Row{"File Name(s): ", "*.txt", "*.doc", "read?e.*", "", ""}), grid[0]);

    // Fewer again: the columns beyond the count go.
    criteria.names.Destroy();
    criteria.attributeMode = 2;
    criteria.attributeMask = FILE_ATTRIBUTE_HIDDEN;
    grid = Summary();
    EXPECT_EQ((Row{"Attributes: ", "All of the attributes ", "Hidden"}), grid[2]);
    EXPECT_EQ((Row{"File Name(s): ", "*.*", ""}), grid[0]);
}

TEST_F(PropStatisticsTest, SizeDateAndContentsTexts)
{
    MainWindow& main = Start();
    DirectoryListingSpec& criteria = main.GetCriteria();
    criteria.sizeValue = 1234;
    criteria.sizeUpper = 5678901;
    struct
    {
        unsigned char mode;
        char const* text;
    } const sizes[] = {
        {0, "Any file size"},
        {1, "Equal to 1,234 bytes"},
        {2, "Less than 1,234 bytes"},
        {3, "Less than or equal to 1,234 bytes"},
        {4, "Greater than 1,234 bytes"},
        {5, "Greater than or equal to 1,234 bytes"},
        {6, "In the range of 1,234 to 5,678,901 bytes"},
        {9, "Equal to 1,234 bytes"},
    };
    for (auto const& size : sizes) {
        criteria.sizeMode = size.mode;
        EXPECT_EQ(size.text, Line(3)) << int(size.mode);
    }

    // 9 March 2004, 15:07:05 local time, as each date test's reference.
    SYSTEMTIME local = {2004, 3, 0, 9, 15, 7, 5, 0};
    criteria.created = criteria.written = criteria.accessed = DFile::GetUTCDate(local);
    criteria.createdMode = 3;
    criteria.writtenMode = 5;
    criteria.accessedMode = 1;
    Table grid = Summary();
    EXPECT_EQ("Before or at Mar 9, 2004  3:07:05 PM", grid[4][1]);
    EXPECT_EQ("After or at Mar 9, 2004  3:07:05 PM", grid[5][1]);
    EXPECT_EQ("Must be Mar 9, 2004  3:07:05 PM", grid[6][1]);
    criteria.createdMode = 2;
    criteria.writtenMode = 4;
    criteria.accessedMode = 0;
    grid = Summary();
    EXPECT_EQ("Before Mar 9, 2004  3:07:05 PM", grid[4][1]);
    EXPECT_EQ("After Mar 9, 2004  3:07:05 PM", grid[5][1]);
    EXPECT_EQ("Any date or time", grid[6][1]);

    // The phrase in its radix, cut to ten characters.
    struct
    {
        char const* phrase;
        unsigned char radix;
        char const* text;
    } const phrases[] = {
        {"abcd", 0, "abcd..."},
        {"abcdefghijklmnopqrstuvwxy", 0, "abcdefghij..."},
        {"abcdefghij", 0, "abcdefghij..."},
        {"AB", 16, "4142..."},
        {"AB", 2, "0100000101..."},
    };
    for (auto const& phrase : phrases) {
        criteria.containing = phrase.phrase;
        criteria.radix = phrase.radix;
        EXPECT_EQ(phrase.text, Line(7)) << phrase.phrase;
    }
}

TEST_F(PropStatisticsTest, DoubleClickShowsTheLinesPage)
{
    Start();
    int const pages[] = {0, 0, 1, 2, 3, 3, 3, 4};
    for (int row = 0; row < 8; ++row) {
        Summary();
        RECT line;
        ASSERT_TRUE(ListView_GetItemRect(Grid(), row, &line, LVIR_BOUNDS));
        SendMessageA(Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM(line.left + 4, (line.top + line.bottom) / 2));
        EXPECT_EQ(pages[row], Shown()) << row;
    }
    // Below the last line there is no page to show.
    Summary();
    RECT last;
    ASSERT_TRUE(ListView_GetItemRect(Grid(), 7, &last, LVIR_BOUNDS));
    SendMessageA(Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(last.left + 4, last.bottom + 12));
    EXPECT_EQ(MainWindow::StatisticsPage, Shown());
}

TEST_F(PropStatisticsTest, LastAnalysisOfTheSearch)
{
    // Without a search every count and share is 0.
    Start();
    {
        TableReader reader;
        SendMessageA(Page().GetWnd(), WM_COMMAND, IDC_VIEWANALYSIS, 0);
    }
    ASSERT_EQ(1u, TableReader::tables.size());
    EXPECT_EQ("Analysis", TableReader::caption);
    Table const none = {
        {" Searched", "0", "0.00", "0"}, {" Files", "0", "0.00", "0"},
        {" Folders", "0", "0.00", "0"},  {"  ", "  ", "  ", "  "},
        {" Matches", "0", "0.00", "0"},  {"  ", " ", " ", " "},
    };
    EXPECT_EQ(none, TableReader::tables[0]);

    StartOnTree();
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    Tally tally;
    Count(tree.Dir(), tally);
    ASSERT_EQ(25u, tally.matchedSize);
    {
        TableReader reader;
        Command(IDM_LASTANALYSIS);
    }
    ASSERT_EQ(1u, TableReader::tables.size());
    // Eight entries met: six files and two folders, counted with the
    // starting one; the attribute rows belong to the full analysis.
    std::string const searched = std::to_string(tally.searchedSize);
    Table const expected = {
        {" Searched", "8", "100.00", searched},
        {" Files", "6", "75.00", searched},
        {" Folders", "3", "37.50", "0"},
        {"  ", "  ", "  ", "  "},
        {" Matches", "4", "50.00", "25"},
        {"  ", " ", " ", " "},
    };
    EXPECT_EQ(expected, TableReader::tables[0]);

    // A search without matches.
    window->GetCriteria().names.Destroy();
    window->GetCriteria().names.InsertRight(DName("*.none"));
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(WaitForSearch());
    {
        TableReader reader;
        Command(IDM_LASTANALYSIS);
    }
    ASSERT_EQ(1u, TableReader::tables.size());
    EXPECT_EQ((Row{" Matches", "0", "0.00", "0"}), TableReader::tables[0][4]);
}

TEST_F(PropStatisticsTest, FullAnalysisWalksEverySubFolder)
{
    MainWindow& main = StartOnTree();
    // The search's switch does not hold the full analysis back.
    main.GetFlags().searchSubfolders = false;
    Tally tally;
    Count(tree.Dir(), tally);
    // The tree has what the attribute rows are to show.
    ASSERT_EQ(1u, tally.count[4]) << "hidden";
    ASSERT_EQ(1u, tally.count[6]) << "read-only";
    Watch();
    TableReader reader;
    Command(IDM_FULLANALYSIS);
    // The walk has begun: the button waits for its outcome.
    EXPECT_FALSE(IsWindowEnabled(PageItem(IDC_FULLANALYSIS)));
    EXPECT_FALSE(Page().FullAnalysis());
    ASSERT_TRUE(WaitForAnalysis());

    ASSERT_EQ(1u, TableReader::tables.size());
    Table const& table = TableReader::tables[0];
    ASSERT_EQ(15u, table.size());
    std::string const searched = std::to_string(tally.searchedSize);
    EXPECT_EQ((Row{" Searched", "8", "100.00", searched}), table[0]);
    EXPECT_EQ((Row{" Files", "6", "75.00", searched}), table[1]);
    EXPECT_EQ((Row{" Matches", "4", "50.00", "25"}), table[4]);
    char const* const labels[] = {"   Archive", "   Compressed", "   Encrypted",
                                  "   Folders", "   Hidden",     "   Normal",
                                  "   ReadOnly", "   System",    "   Temporary"};
    for (unsigned i = 0; i < 9; ++i) {
        char share[16];
        snprintf(share, sizeof share, "%.2f", tally.count[i] * 25.0);
        EXPECT_EQ((Row{labels[i], std::to_string(tally.count[i]), share,
                       std::to_string(tally.size[i])}),
                  table[6 + i]);
    }
    // Folders matched nothing: their row reads the matches' folders.
    EXPECT_EQ((Row{" Folders", "3", "37.50", "0"}), table[2]);

    ASSERT_LE(2u, log->texts.size());
    EXPECT_EQ("Please wait while gathering information...", log->texts.front());
    EXPECT_EQ("Information on folder's entire contents.", log->texts.back());
    EXPECT_FALSE(log->startEnabled.front());
    EXPECT_TRUE(IsWindowEnabled(PageItem(IDC_FULLANALYSIS)));
}

TEST_F(PropStatisticsTest, FullAnalysisOfAnEmptyFolderHasNoShares)
{
    TempFolder empty;
    StartOnTree(empty.Dir());
    TableReader reader;
    SendMessageA(Page().GetWnd(), WM_COMMAND, IDC_FULLANALYSIS, 0);
    ASSERT_TRUE(WaitForAnalysis());
    ASSERT_EQ(1u, TableReader::tables.size());
    Table const& table = TableReader::tables[0];
    ASSERT_EQ(15u, table.size());
    for (unsigned row : {0u, 1u, 2u, 4u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u})
        EXPECT_EQ("0.00", table[row][2]) << row;
    EXPECT_EQ("0", table[4][1]);
}

TEST_F(PropStatisticsTest, StoppedFullAnalysisShowsNoTable)
{
    MainWindow& main = StartOnTree();
    Watch();
    TableReader reader;
    // Stopped with "S&top Search" while the walk shows its first folder.
    log->trigger = tree.Dir();
    HWND const window = main.GetWnd();
    log->action = [window] { SendMessageA(window, WM_COMMAND, IDC_STOPSEARCH, 0); };
    Command(IDM_FULLANALYSIS);
    ASSERT_TRUE(WaitForAnalysis());
    EXPECT_FALSE(log->action) << "the walk never showed its folder";
    EXPECT_EQ(1, log->Count("Please wait while cleaning up for abort..."));
    EXPECT_EQ(1, log->Count("Stopped processing folders."));
    EXPECT_EQ("Analysis was aborted.", Status());
    EXPECT_TRUE(TableReader::tables.empty());
    EXPECT_TRUE(IsWindowEnabled(PageItem(IDC_FULLANALYSIS)));

    // Stopped before its walk has begun, it is stopped all the same.
    ASSERT_TRUE(Page().FullAnalysis());
    Page().StopAnalysis();
    ASSERT_TRUE(WaitForAnalysis());
    EXPECT_EQ("Analysis was aborted.", Status());
    EXPECT_TRUE(TableReader::tables.empty());

    // A stop while none runs changes nothing; the next one runs whole.
    Page().StopAnalysis();
    Command(IDM_FULLANALYSIS);
    ASSERT_TRUE(WaitForAnalysis());
    EXPECT_EQ("Information on folder's entire contents.", Status());
    ASSERT_EQ(1u, TableReader::tables.size());
    EXPECT_EQ("8", TableReader::tables[0][0][1]);
}

TEST_F(PropStatisticsTest, ClosingDuringAFullAnalysisEndsItFirst)
{
    // Closed at once, before the walk has begun; closed while the walk
    // stands at the text of its first or of a later folder (the close is
    // queued before anything the worker posts after it); and destroyed at
    // once without being closed.
    std::vector<std::string> const waits = {"", tree.Dir(), tree.Dir() + "\\sub", ""};
    // Enough behind the first folders that a walk left alone would outlast
    // the close.
    ASSERT_TRUE(CreateDirectoryA(tree.Path("many").c_str(), nullptr));
    for (int folder = 0; folder < 30; ++folder) {
        std::string const path = tree.Path(("many\\" + std::to_string(folder)).c_str());
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
        for (int file = 0; file < 10; ++file)
            ASSERT_TRUE(TempFolder::Put(path + "\\" + std::to_string(file) + ".txt", "x"));
    }
    for (unsigned round = 0; round < waits.size(); ++round) {
        SCOPED_TRACE(round);
        MainWindow& main = StartOnTree();
        Watch();
        TableReader reader;
        PropStatistics& page = Page();
        HWND const shown = main.GetWnd();
        log->trigger = waits[round];
        log->action = [shown] { PostMessageA(shown, WM_COMMAND, IDM_EXIT, 0); };
        Command(IDM_FULLANALYSIS);
        if (round + 1 == waits.size()) {
            log.reset();
            window.reset();
            break;
        }
        if (waits[round].empty())
            Command(IDM_EXIT);
        else
            EXPECT_TRUE(PumpUntil([&main] { return !main.GetWnd(); }));
        // Caught in its walk, the walk was stopped there, and waited for.
        if (!waits[round].empty()) {
            EXPECT_EQ(1, log->Count("Stopped processing folders."));
        }
        log.reset();
        EXPECT_EQ(nullptr, main.GetWnd());
        EXPECT_FALSE(page.isWorkerRunning());
        // Nothing the worker left behind opens a table afterwards.
        PumpUntil([] { return false; }, 200);
        EXPECT_TRUE(TableReader::tables.empty());
        ScratchRegistry::Current()->Clear();
    }
    EXPECT_TRUE(TableReader::tables.empty());
}

}
