#include "PropStatistics.h"

#include <ctype.h>

#include "AnalysisDialog.h"
#include "DPropertySheet.h"
#include "DStatusWnd.h"
#include "OptionPage.h"
#include "PropStatisticsIds.h"
#include "Resource.h"

namespace {

// The grid's columns follow their texts up to this width.
unsigned long const GridWidthLimit = 250;
int const NewColumnWidth = 75;
// A stop that came before the walk began is asked again this often until
// the worker ends.
UINT_PTR const AskAgainTimer = 1;
UINT const AskAgainMs = 50;
// The attribute mode bit beside AttributeAny and AttributeNot: every
// attribute of the mask.
unsigned char const AttributeEvery = 2;
// Attribute bits from 1 upward below this have a column each.
unsigned const AttributeEnd = 65535;
// The contents text shows at most this many characters of the phrase.
unsigned const ContentsShown = 10;

// The grid's lines: each label, and the page that sets the line's
// criterion (the tab index).
struct Line
{
    char const* label;
    unsigned page;
};
enum
{
    NamesLine,
    FoldersLine,
    AttributesLine,
    SizeLine,
    CreatedLine,
    WrittenLine,
    AccessedLine,
    ContainingLine,
    LineCount,
};
Line const Lines[LineCount] = {
    {"File Name(s): ", 0},       {"Folders: ", 0},
    {"Attributes: ", 1},         {"File Size(s): ", 2},
    {"Created Date: ", 3},       {"Written Date: ", 3},
    {"Last Accessed Date: ", 3}, {"Containing: ", 4},
};

struct Tip
{
    int id;
    char const* text;
};
Tip const Tips[] = {
    {IDC_OPTIONGRID, "These are all the search options to be used"},
    {IDC_VIEWANALYSIS, "View some disk statistics found during last search"},
    {IDC_FULLANALYSIS, "Generate full statistics in a separate, temporary search"},
};

unsigned AttributeCount(unsigned mask)
{
    unsigned n = 0;
    for (unsigned bit = 1; bit < AttributeEnd; bit <<= 1)
        n += (mask & bit) != 0;
    return n;
}

DName AttributeModeText(unsigned char mode)
{
    if (!mode)
        return "Any attributes";
    DName text;
    if (mode & DirectoryListingSpec::AttributeNot)
        text += "not ";
    if (mode & DirectoryListingSpec::AttributeAny)
        text += "one of the attributes ";
    else if (mode & AttributeEvery)
        text += "all of the attributes ";
    if (!text.isEmpty())
        text[0] = static_cast<char>(toupper(static_cast<unsigned char>(text[0])));
    return text;
}

DName SizeText(DirectoryListingSpec const& criteria)
{
    DName const value = DName::FormatNumber(criteria.sizeValue);
    switch (criteria.sizeMode) {
    case 0:
        return "Any file size";
    case DirectoryListingSpec::SizeRange:
        return DName("In the range of ") + value + " to " + DName::FormatNumber(criteria.sizeUpper)
               + " bytes";
    case 2:
        return DName("Less than ") + value + " bytes";
    case 3:
        return DName("Less than or equal to ") + value + " bytes";
    case 4:
        return DName("Greater than ") + value + " bytes";
    case 5:
        return DName("Greater than or equal to ") + value + " bytes";
    default:
        return DName("Equal to ") + value + " bytes";
    }
}

DName DateText(unsigned char mode, FILETIME const& date)
{
    static char const* const Modes[] = {"Must be ", "Before ", "Before or at ", "After ",
                                        "After or at "};
    if (!mode)
        return "Any date or time";
    DName text(mode <= sizeof Modes / sizeof *Modes ? Modes[mode - 1] : "");
    text += DFile::FormatDate(date);
    return text;
}

DName ContentsText(DirectoryListingSpec const& criteria)
{
    DName text = criteria.containing.ToRadix(criteria.radix);
    if (text.isEmpty())
        return "Any contents type";
    if (text.Size() > ContentsShown)
        text.DelRight(text.Size() - ContentsShown);
    text += "...";
    return text;
}

}

PropStatistics::PropStatistics()
    : PropPage(IDD_STATISTICS),
      grid(nullptr, IDC_OPTIONGRID),
      fullButton(nullptr, IDC_FULLANALYSIS),
      analysisCriteria(0),
      outcomeWindow(nullptr),
      analysisRunning(false),
      stopRequested(false),
      analysisBusy(false)
{
}

PropStatistics::~PropStatistics()
{
    EndAnalysis();
}

bool PropStatistics::isAnalysisBusy() const
{
    return analysisBusy;
}

bool PropStatistics::isWorkerRunning() const
{
    return worker.isRunning();
}

bool PropStatistics::OnInit()
{
    HWND const page = GetWnd();
    grid.SetParent(page, IDC_OPTIONGRID);
    fullButton.SetParent(page, IDC_FULLANALYSIS);
    MakeTips();
    for (Tip const& tip : Tips)
        links.AddTip(tip.text, tip.id);
    Stretch(IDC_OPTIONGRID);
    grid.SetAutoAdjust(true);
    grid.SetAutoAdjustLimit(GridWidthLimit);
    grid.SetGridLines();
    grid.SetExtendedSelection();
    grid.Redraw();
    return true;
}

void PropStatistics::OnSetActive()
{
    ShowOptions();
}

void PropStatistics::OnDestroy()
{
    EndAnalysis();
}

bool PropStatistics::OnCommand(unsigned id, unsigned, HWND)
{
    switch (id) {
    case IDC_VIEWANALYSIS:
        LastAnalysis();
        return true;
    case IDC_FULLANALYSIS:
        FullAnalysis();
        return true;
    default:
        return false;
    }
}

bool PropStatistics::OnNotify(unsigned id, NMHDR* header, LRESULT&)
{
    if (id != IDC_OPTIONGRID || header->code != NM_DBLCLK)
        return false;
    ShowPage(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    return true;
}

bool PropStatistics::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    if (message == AnalysisEnded) {
        ShowOutcome();
        return true;
    }
    if (message == WM_TIMER && wparam == AskAgainTimer) {
        if (worker.isRunning())
            analysisList.SetAbort();
        else
            KillTimer(GetWnd(), AskAgainTimer);
        return true;
    }
    return PropPage::OnMessage(message, wparam, lparam, result);
}

// ---------------------------------------------------------------------------
// The options grid

void PropStatistics::ShowOptions()
{
    DirectoryListingSpec const* criteria = links.criteria;
    if (!criteria || !GetWnd())
        return;
    TakePendingEdits();
    grid.Reset();
    while (grid.GetTotalColumns())
        grid.DelColumn(grid.GetTotalColumns() - 1);
    grid.SetAutoAdjust(true);
    grid.Focus();

    unsigned const columns = ColumnCount();
    for (unsigned i = 0; i < columns; ++i)
        grid.InsertColumn("Column", i, NewColumnWidth);
    for (unsigned i = 0; i < columns; ++i)
        grid.AdjustColumn(i);

    ShowList(NamesLine, Lines[NamesLine].label, criteria->names, "*.*");
    DName root = analysisList.GetDir();
    if (root.Size() > 3)
        root.DelRight(root.Size() - 3);
    ShowList(FoldersLine, Lines[FoldersLine].label, criteria->folders, root);
    ShowAttributes();
    grid.SetText(Lines[SizeLine].label, SizeLine, 0);
    grid.SetText(SizeText(*criteria), SizeLine, 1);
    struct
    {
        unsigned line;
        unsigned char mode;
        FILETIME const& date;
    } const dates[] = {
        {CreatedLine, criteria->createdMode, criteria->created},
        {WrittenLine, criteria->writtenMode, criteria->written},
        {AccessedLine, criteria->accessedMode, criteria->accessed},
    };
    for (auto const& date : dates) {
        grid.SetText(Lines[date.line].label, date.line, 0);
        grid.SetText(DateText(date.mode, date.date), date.line, 1);
    }
    grid.SetText(Lines[ContainingLine].label, ContainingLine, 0);
    grid.SetText(ContentsText(*criteria), ContainingLine, 1);

    for (unsigned i = 0; i < columns; ++i)
        grid.AdjustColumn(i);
}

unsigned PropStatistics::ColumnCount() const
{
    DirectoryListingSpec const& criteria = *links.criteria;
    unsigned const names = criteria.names.Size();
    unsigned const folders = criteria.folders.Size();
    unsigned count = (names > folders ? names : folders) + 1;
    unsigned const attributes = AttributeCount(criteria.attributeMask) + 2;
    if (attributes > count)
        count = attributes;
    return count < 2 ? 2 : count;
}

void PropStatistics::ShowList(unsigned row, char const* label, Container<DName> const& list,
                              DName const& none)
{
    grid.SetText(label, row, 0);
    if (list.isEmpty()) {
        grid.SetText(none, row, 1);
        return;
    }
    unsigned column = 1;
    for (DName const* item = list.First(); item; item = item->next)
        grid.SetText(*item, row, column++);
}

void PropStatistics::ShowAttributes()
{
    DirectoryListingSpec const& criteria = *links.criteria;
    grid.SetText(Lines[AttributesLine].label, AttributesLine, 0);
    grid.SetText(AttributeModeText(criteria.attributeMode), AttributesLine, 1);
    if (!criteria.attributeMode)
        return;
    DFile const names;
    unsigned column = 2;
    for (unsigned bit = 1; bit < AttributeEnd; bit <<= 1) {
        if (!(criteria.attributeMask & bit))
            continue;
        // A bit without a name keeps its column, empty.
        DName const name = names.FormatAttributes(true, static_cast<int>(bit));
        if (name != "No Attributes")
            grid.SetText(name, AttributesLine, column);
        ++column;
    }
}

void PropStatistics::ShowPage(int row) const
{
    if (row >= 0 && row < LineCount && links.sheet)
        links.sheet->SetActivePage(Lines[row].page);
}

void PropStatistics::TakePendingEdits() const
{
    OptionPage::CommitAll(*links.sheet);
}

// ---------------------------------------------------------------------------
// The analyses

HWND PropStatistics::Owner() const
{
    return GetWnd() ? GetAncestor(GetWnd(), GA_ROOT) : nullptr;
}

void PropStatistics::ShowStatus(char const* text) const
{
    if (links.status)
        links.status->SetText(text);
}

bool PropStatistics::LastAnalysis()
{
    if (!links.resultList || !GetWnd())
        return false;
    AnalysisDialog(*links.resultList, false).DoModal(Owner());
    return true;
}

bool PropStatistics::FullAnalysis()
{
    if (analysisBusy || !links.criteria || !GetWnd())
        return false;
    TakePendingEdits();
    if (!analysisCriteria.Copy(*links.criteria)) {
        ShowStatus("Insufficient memory.");
        return false;
    }
    analysisBusy = true;
    outcomeWindow = GetWnd();
    stopRequested = false;
    fullButton.Disable();
    ShowStatus("Please wait while gathering information...");
    analysisList.SetupControls(nullptr, nullptr, links.status, nullptr);
    // Set before the worker exists, so that a stop at once counts.
    analysisRunning = true;
    if (worker.Start(AnalysisWorker, this))
        return true;
    analysisRunning = false;
    analysisBusy = false;
    fullButton.Enable();
    ShowStatus("Analysis was aborted.");
    return false;
}

unsigned long PropStatistics::AnalysisWorker(void* page)
{
    static_cast<PropStatistics*>(page)->Analyse();
    return 0;
}

void PropStatistics::Analyse()
{
    // A starting folder given relative to the current one is entered.
    analysisList.StoreCurrentDir();
    if (!stopRequested)
        analysisList.GetTotalAnalysis(analysisCriteria, true);
    analysisList.RestoreDir();
    analysisRunning = false;
    // Gone with a closed window, which wants no outcome.
    PostMessageA(outcomeWindow, AnalysisEnded, 0, 0);
}

void PropStatistics::ShowOutcome()
{
    // The worker has posted its last word; it ends at once.
    worker.Wait(INFINITE, true);
    KillTimer(GetWnd(), AskAgainTimer);
    if (!analysisBusy)
        return;
    if (stopRequested) {
        ShowStatus("Analysis was aborted.");
    } else {
        ShowStatus("Information on folder's entire contents.");
        AnalysisDialog(analysisList, true).DoModal(Owner());
    }
    stopRequested = false;
    analysisBusy = false;
    fullButton.Enable();
}

void PropStatistics::StopAnalysis()
{
    if (!analysisRunning)
        return;
    stopRequested = true;
    analysisList.SetAbort();
    // The walk takes a stop only once it runs.
    if (GetWnd())
        SetTimer(GetWnd(), AskAgainTimer, AskAgainMs, nullptr);
}

void PropStatistics::EndAnalysis()
{
    if (analysisBusy)
        stopRequested = true;
    while (worker.isRunning()) {
        analysisList.SetAbort();
        worker.Wait(AskAgainMs, true);
    }
}
