// MainWindow: the application's one window: menu, toolbar, the two search
// buttons and the progress bar, the sheet of seven pages and the status
// line. It owns the search criteria, the shared switches, the status line
// and the progress bar, and lends them to its pages.
#pragma once

#include "CommandLine.h"
#include "DButton.h"
#include "DDialog.h"
#include "DMenu.h"
#include "DProgressBar.h"
#include "DPropertySheet.h"
#include "DRect.h"
#include "DStatusWnd.h"
#include "DToolBar.h"
#include "DToolTip.h"
#include "DirectoryListingSpec.h"
#include "FileCommands.h"
#include "PropAttribute.h"
#include "PropContaining.h"
#include "PropDates.h"
#include "PropFileNames.h"
#include "PropFileSizes.h"
#include "PropPage.h"
#include "PropResults.h"
#include "PropStatistics.h"
#include "SharedFlags.h"

class MainWindow : public DDialog
{
public:
    // The pages by tab index.
    enum
    {
        FileNamesPage,
        AttributesPage,
        FileSizesPage,
        DatesPage,
        ContainingPage,
        ResultsPage,
        StatisticsPage,
        OptionPages = ResultsPage,  // the pages before the results
    };
    static char const* const HelpFile;

    // The whole command line, the program's own path first.
    explicit MainWindow(DName const& commandLine);
    // A search still running uses what the window owns: it ends first.
    ~MainWindow() override;

    DirectoryListingSpec& GetCriteria();
    SharedFlags& GetFlags();
    DPropertySheet& GetSheet();
    DStatusWnd& GetStatus();
    DName const& GetProgramPath() const;
    PropResults& GetResultsPage();
    PropStatistics& GetStatisticsPage();
    // The option pages by tab index; null from the results page on.
    OptionPage* GetOptionPage(unsigned index) const;

    // Every option page hands over the edits its controls still hold.
    void CommitPages() const;
    FileCommands& GetFileCommands();
    // Every page in turn, so that each shows the criteria as they stand.
    void ActivateAllPages();

    // Stops what runs, waits for it to end and ends the window's run.
    void Close();

protected:
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnNotify(unsigned id, NMHDR* header, LRESULT& result) override;
    bool OnOK() override;
    bool OnCancel() override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    void OnDestroy() override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnEnter() override;
    bool OnEscape() override;
    bool OnHelp() override;

private:
    void CreateToolBar();
    void CheckMenus() const;
    void CheckStyle() const;
    void PlaceBars();
    void ActOnCommandLine();
    void StartSearch();
    void SetDisplayStyle(unsigned long style);
    void Help() const;
    void NewWindow() const;
    void FlipRemember();
    void FlipOptimize();
    void Refresh();
    void NewSearch();
    void Resize();

    DPropertySheet sheet;
    PropAttribute attributes;
    PropContaining containing;
    PropFileNames fileNames;
    PropFileSizes fileSizes;
    PropResults results;
    PropStatistics statistics;
    PropDates dates;
    DToolBar toolbar;
    DButton startButton;
    DToolTip tips;
    DMenu menu;
    DProgressBar progress;
    DStatusWnd status;
    // As they stood after initialisation, for resizing.
    DRect windowExtent;
    DRect sheetExtent;
    DRect progressExtent;
    bool extentsTaken;
    SharedFlags flags;
    CommandLine line;
    DName programPath;
    DirectoryListingSpec criteria;
    HICON icon;
    FileCommands files;
};
