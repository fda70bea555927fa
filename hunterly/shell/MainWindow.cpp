#include "MainWindow.h"

#include "DReg.h"
#include "Resource.h"
#include "ShellRun.h"
#include "StoredFormats.h"

static_assert(MainWindow::ResultsPage == PropResults::TabIndex, "the results page's own tab");
static_assert(MainWindow::StatisticsPage == PropStatistics::TabIndex, "the summary's own tab");

namespace {

// Slots of the toolbar, left to right; 0 is a separator.
unsigned long const ToolBarSlots[] = {
    IDM_NEWSEARCH, IDM_LASTANALYSIS, IDM_FULLANALYSIS, IDM_STORERESULTS, 0, 0,
    IDM_RESTORERESULTS, IDM_COMPARE, 0, 0,
    IDM_SMALLICONS, IDM_LIST, IDM_LARGEICONS, IDM_REPORT,
};

// The menu item and status text of each display style, by style number.
unsigned const StyleCommands[] = {IDM_LARGEICONS, IDM_REPORT, IDM_SMALLICONS, IDM_LIST};
char const* const StyleTexts[] = {
    "Large icons will be used for display in results.",
    "Report style will be used for display in results.",
    "Small icons will be used for display in results.",
    "List style will be used for display in results.",
};
unsigned long const StyleCount = sizeof StyleCommands / sizeof *StyleCommands;

// The installation folder the installer recorded; empty when none.
DName InstalledFolder()
{
    DReg key;
    DName folder;
    // Assignment stops at a stored terminating NUL.
    if (key.Open(HKEY_CURRENT_USER, SharedFlags::Key))
        folder = key.LoadKeySz("Folder");
    return folder;
}

}

char const* const MainWindow::HelpFile = "Hunterly.chm";

MainWindow::MainWindow(DName const& commandLine)
    : DDialog("Hunterly"),
      startButton(nullptr, IDC_STARTSEARCH),
      progress(nullptr, IDC_PROGRESS),
      status(nullptr, IDC_STATUS),
      extentsTaken(false),
      line(commandLine),
      programPath(line.GetWord(0)),
      criteria(0),
      icon(LoadAppIcon(IDR_MAINFRAME)),
      files(*this)
{
    PropPage* const inTabOrder[] = {&fileNames, &attributes, &fileSizes, &dates,
                                    &containing, &results, &statistics};
    for (PropPage* page : inTabOrder) {
        page->links.status = &status;
        page->links.flags = &flags;
        page->links.criteria = &criteria;
        sheet.AddPage(page);
    }
    statistics.links.resultList = &results.GetResults();
    results.links.progress = &progress;
}

MainWindow::~MainWindow()
{
    statistics.EndAnalysis();
    results.EndSearch();
}

DirectoryListingSpec& MainWindow::GetCriteria()
{
    return criteria;
}

SharedFlags& MainWindow::GetFlags()
{
    return flags;
}

DPropertySheet& MainWindow::GetSheet()
{
    return sheet;
}

DStatusWnd& MainWindow::GetStatus()
{
    return status;
}

DName const& MainWindow::GetProgramPath() const
{
    return programPath;
}

PropResults& MainWindow::GetResultsPage()
{
    return results;
}

PropStatistics& MainWindow::GetStatisticsPage()
{
    return statistics;
}

FileCommands& MainWindow::GetFileCommands()
{
    return files;
}

OptionPage* MainWindow::GetOptionPage(unsigned index) const
{
    return index < OptionPages ? static_cast<OptionPage*>(sheet.GetPage(index)) : nullptr;
}

bool MainWindow::OnInit()
{
    flags.Load();
    HWND const window = GetWnd();
    SetIcon(icon, true);
    SetIcon(icon, false);
    CreateToolBar();

    startButton.SetParent(window, IDC_STARTSEARCH);
    tips.SetParent(window);
    tips.Create(600, 7000, 0);
    tips.AddTip("Stop a search that is currently in progress", IDC_STOPSEARCH);
    tips.AddTip("Start searching with these options", IDC_STARTSEARCH);

    menu.SetParent(window);
    menu.Load(IDR_MAINFRAME);
    CheckMenus();

    status.SetParent(window, IDC_STATUS);
    status.Make(DName(), IDC_STATUS, window);
    progress.SetParent(window, IDC_PROGRESS);
    PlaceBars();

    for (unsigned i = 0; i < sheet.GetPageCount(); ++i)
        if (i != StatisticsPage)
            static_cast<PropPage*>(sheet.GetPage(i))->links.tabControl = &sheet.GetTabControl();
    results.SetStartButton(&startButton);
    statistics.links.sheet = &sheet;

    // Every page makes its window and controls once; page 0 is the
    // default, and the results page has now read its display style.
    ActivateAllPages();
    sheet.SetActivePage(FileNamesPage);
    CheckStyle();

    windowExtent = DRect(window);
    sheetExtent = DRect(sheet.GetWnd());
    progressExtent = progress.GetDimRect();
    progress.CacheDim();
    extentsTaken = true;

    if (flags.optimizeForSpeed)
        progress.Hide();
    if (flags.rememberSettings && flags.activePage < sheet.GetPageCount())
        sheet.SetActivePage(flags.activePage);
    ActOnCommandLine();
    containing.SetReady();
    // As in a native sheet, the keys start on the page shown.
    sheet.FocusPage();
    return false;
}

void MainWindow::CreateToolBar()
{
    toolbar.SetParent(GetWnd());
    toolbar.Create(IDC_TOOLBAR);
    toolbar.AddBitmap(IDR_MAINFRAME);
    toolbar.SetButtons(ToolBarSlots, sizeof ToolBarSlots / sizeof *ToolBarSlots);
}

void MainWindow::CheckMenus() const
{
    menu.SetState(flags.optimizeForSpeed, IDM_OPTIMIZE);
    menu.SetState(flags.rememberSettings, IDM_REMEMBER);
    CheckStyle();
}

void MainWindow::CheckStyle() const
{
    for (unsigned long style = 0; style < StyleCount; ++style)
        menu.SetState(style == results.GetStyle(), static_cast<int>(StyleCommands[style]));
}

void MainWindow::PlaceBars()
{
    // "Place 2" lies at the client origin, so the difference of the two
    // statics' screen places is "Place Here" in client coordinates.
    DIBasics items(GetWnd(), 0);
    POINT const origin = items.GetDimRect(IDC_PLACE2).GetUpperLeft();
    POINT const place = items.GetDimRect(IDC_PLACEHERE).GetUpperLeft();
    long const left = place.x - origin.x;
    long const top = place.y - origin.y;
    RECT client;
    GetClientRect(GetWnd(), &client);
    toolbar.Place(left, 0, client.right - left);
    long const statusHeight = static_cast<long>(DRect(status.GetWnd()).GetHeight());
    RECT const area = {left, top, client.right - left, client.bottom - statusHeight - left};
    sheet.Create(GetWnd(), area, IDC_SHEET);
}

void MainWindow::ActivateAllPages()
{
    for (unsigned i = 0; i < sheet.GetPageCount(); ++i)
        sheet.SetActivePage(i);
}

void MainWindow::ActOnCommandLine()
{
    if (line.GetCount() < 2)
        return;
    if (line.isLoadable()) {
        // A modal run shows the window only after its initialisation; the
        // load is to be watched. A modeless one stays as its maker has it.
        if (isModal())
            ShowWindow(GetWnd(), SW_SHOW);
        DName const first = line.GetWord(1);
        bool const more = line.GetCount() > 2;
        if (StoredFormats::GetKind(first) == StoredFormats::StoredResults) {
            files.LoadStoredResults(first);
            if (more)
                status.SetText("Only one stored results file could be loaded.");
        } else {
            files.LoadProfile(first);
            if (more)
                status.SetText("Only one profile could be loaded.");
        }
        return;
    }
    unsigned const seen = line.MakeSearch(criteria);
    ActivateAllPages();
    sheet.SetActivePage((seen & CommandLine::SeenFolders) ? FileNamesPage : ContainingPage);
    status.SetText(CommandLine::SearchText(seen));
}

void MainWindow::CommitPages() const
{
    OptionPage::CommitAll(sheet);
}

void MainWindow::StartSearch()
{
    // A phrase still being typed has not yet left its box.
    CommitPages();
    sheet.SetActivePage(ResultsPage);
    results.StartSearch();
}

void MainWindow::SetDisplayStyle(unsigned long style)
{
    results.SetStyle(style);
    sheet.SetActivePage(ResultsPage);
    CheckStyle();
    status.SetText(StyleTexts[style]);
}

bool MainWindow::OnCommand(unsigned id, unsigned, HWND)
{
    if (files.OnCommand(id))
        return true;
    for (unsigned long style = 0; style < StyleCount; ++style) {
        if (id == StyleCommands[style]) {
            SetDisplayStyle(style);
            return true;
        }
    }
    switch (id) {
    case IDC_STARTSEARCH:
        StartSearch();
        return true;
    case IDC_STOPSEARCH:
        results.StopSearch();
        statistics.StopAnalysis();
        return true;
    case IDM_LASTANALYSIS:
        statistics.LastAnalysis();
        return true;
    case IDM_FULLANALYSIS:
        statistics.FullAnalysis();
        return true;
    case IDM_NEWWINDOW:
        NewWindow();
        return true;
    case IDM_EXIT:
        Close();
        return true;
    case IDM_REMEMBER:
        FlipRemember();
        return true;
    case IDM_OPTIMIZE:
        FlipOptimize();
        return true;
    case IDM_REFRESH:
        Refresh();
        return true;
    case IDM_NEWSEARCH:
        NewSearch();
        return true;
    case IDM_ABOUT:
        DDialog(IDD_ABOUTBOX).DoModal(GetWnd());
        return true;
    case IDM_VERSION:
        DDialog(IDD_VERSION).DoModal(GetWnd());
        return true;
    case IDM_CONTENTS:
        Help();
        return true;
    default:
        return false;
    }
}

bool MainWindow::OnNotify(unsigned, NMHDR* header, LRESULT& result)
{
    if (!toolbar.SetTipText(header))
        return false;
    result = 0;
    return true;
}

bool MainWindow::OnOK()
{
    // Enter never closes the window.
    return true;
}

bool MainWindow::OnCancel()
{
    Close();
    return true;
}

void MainWindow::Close()
{
    // The workers write to this window's controls and the search reads
    // its criteria: they must be gone before they are.
    statistics.EndAnalysis();
    results.EndSearch();
    EndDialog(IDCANCEL);
}

bool MainWindow::OnMessage(UINT message, WPARAM wparam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_SIZE:
        if (wparam == SIZE_RESTORED || wparam == SIZE_MAXIMIZED)
            Resize();
        return false;
    case WM_PAINT:
        return PaintIconic(icon);
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(icon);
        return true;
    default:
        return false;
    }
}

void MainWindow::OnDestroy()
{
    int const shown = sheet.GetActiveIndex();
    flags.Save(shown < 0 ? 0 : static_cast<unsigned long>(shown));
}

bool MainWindow::PreTranslateMessage(MSG& msg)
{
    tips.RelayEvent(msg);
    // The sheet's page keys work wherever the focus is in the window.
    return sheet.TranslateKey(msg) || DDialog::PreTranslateMessage(msg);
}

bool MainWindow::OnEnter()
{
    return true;
}

bool MainWindow::OnEscape()
{
    return true;
}

bool MainWindow::OnHelp()
{
    Help();
    return true;
}

void MainWindow::Help() const
{
    // The shell is given the whole path instead of the process changing
    // its current folder, which a running search lists folders by.
    DName folder = InstalledFolder();
    if (!DFileLoad::isFolder(folder)) {
        DName name;
        CommandLine::SplitPath(programPath, folder, name);
    }
    DName file(folder);
    file.AddFile(HelpFile);
    ShellRun::Open(file, folder);
}

void MainWindow::NewWindow() const
{
    DName program(programPath);
    DName const folder = InstalledFolder();
    if (!folder.isEmpty()) {
        DName ownFolder;
        DName name;
        CommandLine::SplitPath(programPath, ownFolder, name);
        program = folder;
        program.AddFile(name);
    }
    ShellRun::Open(program);
}

void MainWindow::FlipRemember()
{
    flags.rememberSettings = !flags.rememberSettings;
    menu.SetState(flags.rememberSettings, IDM_REMEMBER);
    status.SetText(flags.rememberSettings ? "Settings will be restored next session."
                                          : "Settings will not be saved after this session.");
}

void MainWindow::FlipOptimize()
{
    flags.optimizeForSpeed = !flags.optimizeForSpeed;
    menu.SetState(flags.optimizeForSpeed, IDM_OPTIMIZE);
    if (flags.optimizeForSpeed) {
        status.SetText("Progress displays will not be shown during searching.");
        progress.Hide();
    } else {
        status.SetText("Progress displays will be shown during searching.");
        progress.Show();
    }
}

void MainWindow::Refresh()
{
    int const shown = sheet.GetActiveIndex();
    ActivateAllPages();
    if (shown >= 0)
        sheet.SetActivePage(static_cast<unsigned>(shown));
    status.SetText("All search options have been refreshed.");
}

void MainWindow::NewSearch()
{
    // A search reads the criteria: it ends before they are emptied under
    // it. A full analysis walks a copy of its own and is only stopped.
    results.EndSearch();
    statistics.StopAnalysis();
    // A phrase still in its box is taken now, so that it cannot come back
    // into the emptied criteria when the box loses the focus.
    CommitPages();
    criteria.Destroy();
    for (unsigned i = 0; i < OptionPages; ++i)
        GetOptionPage(i)->Reset();
    results.Clear();
    // Each page shows the empty criteria and, as it is hidden again, takes
    // its mark off its tab; the results page too, now that it is empty.
    ActivateAllPages();
    sheet.SetActivePage(FileNamesPage);
    status.SetText("All search options have been reset.");
}

void MainWindow::Resize()
{
    if (!extentsTaken)
        return;
    DRect const now(GetWnd());
    long const dx = static_cast<long>(now.GetWidth()) - static_cast<long>(windowExtent.GetWidth());
    long const dy = static_cast<long>(now.GetHeight()) - static_cast<long>(windowExtent.GetHeight());
    sheet.SetSize(static_cast<int>(sheetExtent.GetWidth() + dx),
                  static_cast<int>(sheetExtent.GetHeight() + dy));
    // Left, top and height stay as cached at initialisation.
    progress.Position(0, 0, static_cast<int>(progressExtent.GetWidth() + dx), 0);
    if (flags.optimizeForSpeed)
        progress.Hide();
    // A status bar spans its parent's width only as it is made.
    status.Make(DName(), IDC_STATUS, GetWnd());
}
