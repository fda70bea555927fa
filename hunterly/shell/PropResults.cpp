#include "PropResults.h"

#include "DButton.h"
#include "DProgressBar.h"
#include "DReg.h"
#include "DStatusWnd.h"
#include "FileOper.h"
#include "Resource.h"
#include "SharedFlags.h"

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

}

char const* const PropResults::Key = "Software\\Hunterly\\Results";
char const* const PropResults::NoResults = "No results to display.";

PropResults::PropResults()
    : PropPage(IDD_RESULTS),
      list(nullptr, IDC_RESULTLIST),
      startButton(nullptr),
      style(Report),
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
