#include "PropResults.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>

#include "DButton.h"
#include "DPopup.h"
#include "DProgressBar.h"
#include "DReg.h"
#include "DStatusWnd.h"
#include "FileOper.h"
#include "RecycleBin.h"
#include "Resource.h"
#include "SharedFlags.h"
#include "ShellRun.h"

namespace {

// Every column but the drive letter, which the full path already shows.
unsigned long const ColumnSet = DFileLoad::AllColumns & ~DFileLoad::ColumnDrive;
unsigned long const WidthLimit = 150;
// A new search looks for the list to come free this often.
DWORD const RunPollMs = 50;
// An abort counts only while a walk runs: a worker between its two walks
// misses it, so a search being ended is asked again this often.
unsigned long const AskAgainMs = 50;

char const* const StoppedText = "Search process stopped unexpectantly.";

// The report's columns by index: the key they sort by and the text shown
// meanwhile.
struct SortColumn
{
    unsigned key;
    char const* text;
};
SortColumn const SortColumns[] = {
    {DFileLoad::ColumnName, "Sorting by file name..."},
    {DFileLoad::ColumnPath, "Sorting by full path..."},
    {DFileLoad::ColumnSize, "Sorting by file sizes..."},
    {DFileLoad::ColumnAttributes, "Sorting by attributes..."},
    {DFileLoad::ColumnCreated, "Sorting by creation date..."},
    {DFileLoad::ColumnAccessed, "Sorting by last accessed date..."},
    {DFileLoad::ColumnWritten, "Sorting by written date..."},
};
int const SortColumnCount = sizeof SortColumns / sizeof *SortColumns;
static_assert((DFileLoad::ColumnName | DFileLoad::ColumnPath | DFileLoad::ColumnSize
               | DFileLoad::ColumnAttributes | DFileLoad::ColumnCreated
               | DFileLoad::ColumnAccessed | DFileLoad::ColumnWritten) == ColumnSet,
              "a sort key for every column shown");

// The marker a sorted column's header carries: " (D)" after an ascending
// sort, " (A)" after a descending one.
char const* const AscendingMark = " (D)";
char const* const DescendingMark = " (A)";
unsigned const MarkLength = 4;
int const MarkedWidth = 75;

// The context menu: its items in order, a separator after some.
struct MenuItem
{
    char const* text;
    unsigned id;
    bool separatorAfter;
};
MenuItem const MenuItems[] = {
    {"Refresh", IDC_REFRESH, true},
    {"Cut", IDC_CUT, true},
    {"View", IDC_VIEW, false},
    {"Open", IDC_OPEN, false},
    {"Delete", IDC_DELETE, true},
    {"Select All", IDC_SELECTALL, false},
    {"Select None", IDC_SELECTNONE, false},
    {"Select Invert", IDC_SELECTINVERT, false},
    {"Select Folders", IDC_SELECTFOLDERS, true},
    {"Sort", IDC_SORT, true},
    {"Properties", IDC_PROPERTIES, false},
};

bool EndsWith(DName const& text, char const* tail)
{
    unsigned const n = DName::Size(tail);
    return text.Size() >= n && DName::CompareNoCase(text.Name() + text.Size() - n, tail) == 0;
}

}

char const* const PropResults::Key = "Software\\Hunterly\\Results";
char const* const PropResults::NoResults = "No results to display.";

PropResults::PropResults()
    : PropPage(IDD_RESULTS),
      list(nullptr, IDC_RESULTLIST),
      startButton(nullptr),
      style(Report),
      markedColumn(-1),
      listLeft(0),
      listTop(0),
      searchRunning(false)
{
}

PropResults::~PropResults()
{
    EndSearch();
}

DFileLoad& PropResults::GetResults()
{
    return results;
}

unsigned long PropResults::GetStyle() const
{
    return style;
}

void PropResults::SetStyle(unsigned long view)
{
    // A number that names no style would leave no menu item checked.
    if (view > List)
        return;
    style = view;
    // Set before the view, which fits the report's columns within it.
    list.SetAutoAdjust(view == Report);
    if (view == Report)
        list.SetAutoAdjustLimit(WidthLimit);
    list.SetStyle(view);
}

void PropResults::SetStartButton(DButton* button)
{
    startButton = button;
}

bool PropResults::StartSearch()
{
    if (!links.criteria || !links.flags)
        return false;
    Unmark();
    // One worker at a time: a second walk must never join one on this list.
    return worker.Start(SearchWorker, this);
}

void PropResults::StopSearch()
{
    results.SetAbort();
}

void PropResults::EndSearch()
{
    while (worker.isRunning()) {
        results.SetAbort();
        worker.Wait(AskAgainMs, true);
    }
}

bool PropResults::isWorkerRunning() const
{
    return worker.isRunning();
}

bool PropResults::BeginRun()
{
    bool idle = false;
    return searchRunning.compare_exchange_strong(idle, true);
}

void PropResults::EndRun()
{
    searchRunning.store(false);
}

bool PropResults::isSearchRunning() const
{
    return searchRunning.load();
}

void PropResults::Clear()
{
    EndSearch();
    list.Reset();
    results.Destroy();
}

bool PropResults::Redraw()
{
    // A search draws its own rows into the list as it goes.
    if (!BeginRun())
        return false;
    results.SetupControls(links.progress, nullptr, links.status, &list);
    bool const drawn = results.DrawAllFiles(-1, -1);
    EndRun();
    return drawn;
}

bool PropResults::Restore(FileOper& f)
{
    if (!BeginRun())
        return false;
    // Read apart: a damaged file leaves the list the user had.
    DFileLoad stored;
    bool const read = stored.Read(f);
    if (read) {
        results.SetupControls(nullptr, nullptr, links.status, &list);
        results.SwapList(stored);
    }
    EndRun();
    return read;
}

bool PropResults::StartCompare(DFileLoad& stored)
{
    if (!links.flags || worker.isRunning())
        return false;
    incoming.SwapList(stored);
    if (worker.Start(CompareWorker, this))
        return true;
    stored.SwapList(incoming);
    return false;
}

unsigned long PropResults::SearchWorker(void* page)
{
    static_cast<PropResults*>(page)->Search();
    return 0;
}

unsigned long PropResults::CompareWorker(void* page)
{
    static_cast<PropResults*>(page)->Compare();
    return 0;
}

bool PropResults::TakeList()
{
    // A list command of the page may hold the list for a while; a run that
    // still holds it after the wait keeps it to itself.
    DWORD const began = GetTickCount();
    while (!BeginRun()) {
        if (GetTickCount() - began >= WaitForRun) {
            ShowStatus(StoppedText);
            return false;
        }
        Sleep(RunPollMs);
    }
    if (startButton)
        startButton->Disable();
    results.StoreCurrentDir();
    return true;
}

void PropResults::Search()
{
    if (!TakeList())
        return;

    bool const subfolders = links.flags->searchSubfolders;
    bool const fast = links.flags->optimizeForSpeed;
    unsigned count = 0;
    if (links.progress && !fast) {
        ShowStatus("Please wait while gathering information...");
        results.SetupControls(nullptr, nullptr, nullptr, nullptr);
        DirectoryListingSpec const everything(DName("*.*"), links.criteria->folders);
        count = results.GetTotalDirListings(everything, subfolders);
        if (!count) {
            ShowStatus(StoppedText);
            FinishRun();
            return;
        }
    }

    ShowStatus("Searching...");
    results.SetupControls(fast ? nullptr : links.progress, nullptr, links.status, &list);
    if (links.progress)
        links.progress->SetRange(count);
    results.Destroy();
    results.LoadAllDirListings(*links.criteria, subfolders);
    ShowStatus(DName("Found ") + results.GetTotalMatches() + " matches in "
               + results.GetTotalSearchMilliseconds() / 1000 + " seconds.");
    FinishRun();
}

void PropResults::Compare()
{
    if (!TakeList()) {
        incoming.Destroy();
        return;
    }
    // Detached, the list is not drawn whole on its way in.
    results.SetupControls(nullptr, nullptr, nullptr, nullptr);
    results.SwapList(incoming);
    incoming.Destroy();
    bool const fast = links.flags->optimizeForSpeed;
    results.SetupControls(fast ? nullptr : links.progress, nullptr, links.status, &list);
    if (links.progress)
        links.progress->SetRange(results.Size());
    ShowStatus(results.ShowChangedEntries()
                   ? "Missing or bad length file sizes displayed from results."
                   : "Stopped comparing results.");
    FinishRun();
}

void PropResults::FinishRun()
{
    if (startButton)
        startButton->Enable();
    results.RestoreDir();
    EndRun();
    results.ClearAbort();
}

void PropResults::ShowStatus(DName const& text) const
{
    if (links.status)
        links.status->SetText(text);
}

bool PropResults::OnInit()
{
    list.SetParent(GetWnd(), IDC_RESULTLIST);
    // A page has no frame: its window's corner is its client origin.
    POINT const page = DRect(GetWnd()).GetUpperLeft();
    POINT const corner = list.GetDimRect().GetUpperLeft();
    listLeft = corner.x - page.x;
    listTop = corner.y - page.y;

    list.SetupReportStyle(ColumnSet);
    list.SetExtendedSelection();
    // The list asks the results for its rows; the search attaches it again
    // from its own thread.
    results.SetupControls(nullptr, nullptr, nullptr, &list);
    // A key without the value keeps the report too.
    unsigned long shown = style;
    DReg key;
    if (key.Open(HKEY_CURRENT_USER, Key) && key.LoadKeyValue("Style"))
        shown = key.GetKeyDword();
    // Applied also without a stored one, so that the first session's
    // columns follow their contents as every later one's do.
    SetStyle(shown > List ? style : shown);
    list.SetEmptyText(NoResults);
    FitList();
    return false;
}

bool PropResults::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&)
{
    if (message == WM_SIZE)
        FitList();
    return false;
}

void PropResults::FitList() const
{
    // The sheet sizes the page; the list fills it within its margins.
    if (!GetWnd())
        return;
    DRect const page(GetWnd());
    long const width = static_cast<long>(page.GetWidth()) - 2 * listLeft;
    long const height = static_cast<long>(page.GetHeight()) - 2 * listTop;
    if (width > 0 && height > 0)
        list.Position(static_cast<int>(listLeft), static_cast<int>(listTop),
                      static_cast<int>(width), static_cast<int>(height));
}

void PropResults::OnKillActive()
{
    links.MarkTab(TabIndex, !results.isEmpty());
}

void PropResults::OnDestroy()
{
    EndSearch();
    DReg key;
    if (key.Create(HKEY_CURRENT_USER, Key))
        key.SetDwordValue("Style", style);
}

void PropResults::Unmark()
{
    if (markedColumn >= 0 && !savedHeader.isEmpty())
        list.SetColumn(savedHeader, static_cast<unsigned>(markedColumn), MarkedWidth);
    markedColumn = -1;
    savedHeader.Destroy();
}

bool PropResults::OnCommand(unsigned id, unsigned, HWND)
{
    switch (id) {
    case IDC_REFRESH:
        Refresh();
        return true;
    case IDC_CUT:
        Cut();
        return true;
    case IDC_VIEW:
        OpenSelected(true);
        return true;
    case IDC_OPEN:
        OpenSelected(false);
        return true;
    case IDC_DELETE:
        MoveToRecycleBin();
        return true;
    case IDC_SELECTALL:
        SelectAll();
        return true;
    case IDC_SELECTNONE:
        SelectNone();
        return true;
    case IDC_SELECTINVERT:
        SelectInvert();
        return true;
    case IDC_SELECTFOLDERS:
        SelectFolders();
        return true;
    case IDC_SORT:
        SortByName();
        return true;
    case IDC_PROPERTIES:
        ShowProperties();
        return true;
    default:
        return false;
    }
}

bool PropResults::OnNotify(unsigned id, NMHDR* header, LRESULT& result)
{
    if (id != IDC_RESULTLIST)
        return false;
    switch (header->code) {
    case NM_CLICK:
        ShowPath(0);
        return false;
    case NM_DBLCLK:
        OpenRow(list.GetFirstSelect());
        return false;
    case NM_RCLICK:
        ShowMenu();
        result = TRUE;
        return true;
    case LVN_KEYDOWN: {
        // Before the selection moves: the row it moves to is one away.
        WORD const key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
        if (key == VK_UP || key == VK_DOWN)
            ShowPath(key == VK_UP ? -1 : 1);
        return false;
    }
    case LVN_COLUMNCLICK:
        SortByColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return false;
    default:
        return false;
    }
}

bool PropResults::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_DELETE) {
        MoveToRecycleBin();
        return true;
    }
    return PropPage::PreTranslateMessage(msg);
}

bool PropResults::OnEnter()
{
    OpenSelected(false);
    return true;
}

void PropResults::Attach()
{
    bool const fast = links.flags && links.flags->optimizeForSpeed;
    results.SetupControls(fast ? nullptr : links.progress, nullptr, links.status, &list);
}

std::vector<unsigned> PropResults::SelectedRows() const
{
    std::vector<unsigned> rows;
    // Asking row by row costs a message each: every row is the common case.
    unsigned long const total = list.GetTotal();
    if (total && list.GetSelected() == total) {
        rows.reserve(total);
        for (unsigned row = 0; row < total; ++row)
            rows.push_back(row);
        return rows;
    }
    for (int row = list.GetFirstSelect(); row >= 0; row = list.GetNextSelect(row))
        rows.push_back(static_cast<unsigned>(row));
    return rows;
}

void PropResults::Reselect(std::vector<unsigned> const& now,
                           std::vector<unsigned> const& wanted) const
{
    // Each row changed is a message to the list view; clearing them all is
    // one message but a pass over every row.
    if (wanted.empty() && now.size() > list.GetTotal() / 8) {
        list.SetSelAll(false);
        return;
    }
    std::vector<unsigned> change;
    std::set_difference(now.begin(), now.end(), wanted.begin(), wanted.end(),
                        std::back_inserter(change));
    for (unsigned row : change)
        list.SetDesel(row);
    change.clear();
    std::set_difference(wanted.begin(), wanted.end(), now.begin(), now.end(),
                        std::back_inserter(change));
    for (unsigned row : change)
        list.SetSel(row);
}

DName PropResults::RowPath(int row) const
{
    int const pos = row < 0 ? -1 : results.RowEntry(static_cast<unsigned>(row));
    return pos < 0 ? DName() : results[static_cast<unsigned>(pos)].GetFullPath();
}

void PropResults::ShowPath(int offset) const
{
    // In the icon styles the arrow keys move across, not along the rows.
    if (offset && (style == LargeIcons || style == SmallIcons))
        return;
    if (isSearchRunning() || list.GetSelected() != 1)
        return;
    int const row = list.GetFirstSelect();
    DName const path = RowPath(row + offset);
    if (!RowPath(row).isEmpty() && !path.isEmpty())
        ShowStatus(path);
}

void PropResults::OpenRow(int row) const
{
    DName const path = RowPath(row);
    if (!path.isEmpty() && !ShellRun::Open(path))
        ReportFailures("Could not open", path, 1);
}

bool PropResults::ReportFailures(char const* text, DName const& first, unsigned failed) const
{
    if (!failed || !links.status)
        return failed != 0;
    if (failed == 1)
        links.status->MergeText(text, first, true);
    else
        links.status->MergeText(text, DName(failed) + " files", false);
    return true;
}

void PropResults::OpenSelected(bool view)
{
    if (!BeginRun())
        return;
    if (!results.isEmpty()) {
        unsigned failed = 0;
        DName first;
        for (unsigned row : SelectedRows()) {
            DName const path = RowPath(static_cast<int>(row));
            if (path.isEmpty())
                continue;
            if (!(view ? ShellRun::Verb("open", path) : ShellRun::Open(path)) && !failed++)
                first = path;
        }
        if (!ReportFailures(view ? "Could not view" : "Could not open", first, failed))
            ShowStatus(view ? "Viewed file(s)." : "Opened file(s).");
    }
    EndRun();
}

void PropResults::ShowProperties()
{
    if (results.isEmpty())
        return;
    unsigned failed = 0;
    DName first;
    for (unsigned row : SelectedRows()) {
        DName const path = RowPath(static_cast<int>(row));
        if (!path.isEmpty() && !ShellRun::Verb("properties", path) && !failed++)
            first = path;
    }
    ReportFailures("Could not show the properties of", first, failed);
}

unsigned PropResults::RemoveRows(std::vector<bool> const& marked,
                                 std::vector<unsigned> const& selected)
{
    unsigned const rows = static_cast<unsigned>(marked.size());
    std::unique_ptr<bool[]> marks(new (std::nothrow) bool[rows ? rows : 1]());
    if (!marks)
        return 0;
    for (unsigned row = 0; row < rows; ++row)
        marks[row] = marked[row];
    // The list view keeps a selection by row number: the rows that stay
    // are selected again where they now stand.
    std::vector<unsigned> kept;
    unsigned row = 0;
    unsigned below = 0;
    for (unsigned at : selected) {
        for (; row < at && row < rows; ++row)
            below += marks[row];
        if (at >= rows || !marks[at])
            kept.push_back(at - below);
    }
    unsigned const gone = results.DelRows(marks.get(), rows);
    // Rows past the new count hold no selection.
    unsigned long const left = list.GetTotal();
    std::vector<unsigned> still;
    for (unsigned at : selected)
        if (at < left)
            still.push_back(at);
    Reselect(still, kept);
    return gone;
}

void PropResults::Cut()
{
    if (!BeginRun())
        return;
    if (!results.isEmpty() && list.GetTotal()) {
        std::vector<unsigned> const selected = SelectedRows();
        std::vector<bool> marked(results.RowCount(), false);
        for (unsigned row : selected)
            if (row < marked.size())
                marked[row] = true;
        unsigned const count = RemoveRows(marked, selected);
        ShowStatus(count ? DName("Removed from list ") + count + " files."
                         : DName("No files cut."));
    }
    EndRun();
}

void PropResults::MoveToRecycleBin()
{
    if (!BeginRun())
        return;
    if (results.isEmpty()) {
        EndRun();
        return;
    }
    int const first = list.GetFirstSelect();
    ShowStatus("Moving files to recycle bin...");
    RecycleBin bin;
    std::vector<unsigned> asked;
    std::vector<unsigned> const selected = SelectedRows();
    for (unsigned row : selected) {
        if (bin.Add(RowPath(static_cast<int>(row))))
            asked.push_back(row);
    }
    // The shell's question is owned by the main window, which it disables.
    unsigned const moved = bin.Move(GetAncestor(GetWnd(), GA_ROOT));
    // Only a file that has left the disk leaves the list.
    std::vector<bool> marked(results.RowCount(), false);
    for (unsigned i = 0; i < asked.size(); ++i)
        if (bin.isMoved(i) && asked[i] < marked.size())
            marked[asked[i]] = true;
    RemoveRows(marked, selected);

    unsigned const rows = results.RowCount();
    unsigned const shown = first >= 0 && static_cast<unsigned>(first) < rows
                               ? static_cast<unsigned>(first)
                               : (rows ? rows - 1 : 0);
    list.MakeVisible(shown);

    DName text = moved ? DName("Moved to recycle bin ") + moved + " files."
                       : DName("No files deleted.");
    unsigned const stayed = static_cast<unsigned>(asked.size()) - moved;
    if (stayed == 1)
        text += " 1 file was not moved.";
    else if (stayed)
        text += DName(" ") + stayed + " files were not moved.";
    ShowStatus(text);
    EndRun();
}

void PropResults::SelectAll()
{
    list.SetSelAll(true);
}

void PropResults::SelectNone()
{
    list.SetSelAll(false);
}

void PropResults::SelectInvert()
{
    std::vector<unsigned> const selected = SelectedRows();
    if (selected.size() == list.GetTotal()) {
        list.SetSelAll(false);
        return;
    }
    list.SetSelAll(true);
    for (unsigned row : selected)
        list.SetDesel(row);
}

void PropResults::SelectFolders()
{
    // A search may be adding rows meanwhile: those counted here have entries.
    unsigned long const rows = list.GetTotal();
    for (unsigned row = 0; row < rows; ++row) {
        int const pos = results.RowEntry(row);
        if (pos >= 0 && results[static_cast<unsigned>(pos)].isDir())
            list.SetSel(row);
    }
}

void PropResults::Refresh()
{
    if (!BeginRun())
        return;
    Attach();
    results.DrawAllFiles(-1, -1);
    ShowStatus(DName("Refreshed ") + results.Size() + " files.");
    EndRun();
}

void PropResults::Sort(unsigned key, bool descending)
{
    Attach();
    if (!results.SortAlpha(key, descending)) {
        ShowStatus("Insufficient memory.");
        return;
    }
    // A selection by row number would now name other files.
    Reselect(SelectedRows(), std::vector<unsigned>());
    results.ShowAllRows();
    ShowStatus(DName("Sorted a total of ") + results.Size() + " items.");
}

void PropResults::SortByName()
{
    if (!BeginRun())
        return;
    ShowStatus(SortColumns[0].text);
    Sort(DFileLoad::ColumnName, false);
    EndRun();
}

void PropResults::SortByColumn(int column)
{
    if (!BeginRun())
        return;
    if (column < 0 || column >= SortColumnCount) {
        EndRun();
        return;
    }
    ShowStatus(SortColumns[column].text);
    if (markedColumn != column)
        Unmark();
    DName const header = list.GetColumnText(static_cast<unsigned>(column));
    if (header.isEmpty()) {
        EndRun();
        return;
    }
    // Each click turns the direction: ascending first.
    DName marked(header);
    bool const descending = EndsWith(header, AscendingMark);
    if (descending || EndsWith(header, DescendingMark))
        marked.DelRight(MarkLength);
    marked += descending ? DescendingMark : AscendingMark;
    list.SetColumn(marked, static_cast<unsigned>(column), MarkedWidth);
    if (markedColumn != column) {
        savedHeader = header;
        markedColumn = column;
    }
    Sort(SortColumns[column].key, descending);
    EndRun();
}

void PropResults::ShowMenu()
{
    DPopup menu(GetWnd());
    if (!menu.Create())
        return;
    for (MenuItem const& item : MenuItems) {
        menu.Append(item.text, item.id);
        if (item.separatorAfter)
            menu.Append(DName(), 0, MF_SEPARATOR);
    }
    // The chosen command comes to this page as a WM_COMMAND.
    menu.Format(0, 0, TPM_RIGHTALIGN, GetWnd());
}
