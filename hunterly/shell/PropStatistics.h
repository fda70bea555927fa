// PropStatistics: the "Summary" page. A grid of the search criteria as they
// stand, rebuilt each time the page is shown, from whose lines a double
// click leads to the page that sets them; and the analysis table, of the
// last search or of a full analysis: a separate walk with the current
// criteria over every sub-folder, on a worker of the page's own with a
// result list of its own.
//
// The worker only walks. When it ends it posts AnalysisEnded to the page,
// and the window thread shows the outcome, so that the table belongs to
// the window thread as every other dialog does. Whoever destroys the
// status line the walk writes must end the analysis first (EndAnalysis).
#pragma once

#include <atomic>

#include "DButton.h"
#include "DFileLoad.h"
#include "DListControl.h"
#include "DWorkerThread.h"
#include "DirectoryListingSpec.h"
#include "PropPage.h"

class PropStatistics : public PropPage
{
public:
    static unsigned const TabIndex = 6;
    // Posted by the worker to the page when its walk has ended.
    static UINT const AnalysisEnded = WM_APP + 1;

    PropStatistics();
    ~PropStatistics() override;         // ends a running analysis

    // The table of the result list's totals, modal on the window thread;
    // also while a search runs. False without a result list or a window.
    bool LastAnalysis();
    // Starts the walk and returns at once; false while the last one has
    // not yet shown its outcome, or without criteria.
    bool FullAnalysis();
    // "S&top Search", "&New Search": the walk stops, and its outcome is
    // "Analysis was aborted." instead of a table.
    void StopAnalysis();
    // Closing: stops the walk and returns once its worker has ended,
    // answering the messages that it sends meanwhile. No table follows.
    void EndAnalysis();
    // From the start of a full analysis until its outcome is shown.
    bool isAnalysisBusy() const;
    bool isWorkerRunning() const;       // its thread has not yet returned

protected:
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnNotify(unsigned id, NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    void OnSetActive() override;
    void OnDestroy() override;

private:
    static unsigned long AnalysisWorker(void* page);
    void Analyse();
    void ShowOutcome();
    void ShowStatus(char const* text) const;
    HWND Owner() const;

    // The options grid, line by line.
    void ShowOptions();
    unsigned ColumnCount() const;
    void ShowList(unsigned row, char const* label, Container<DName> const& list,
                  DName const& none);
    void ShowAttributes();
    void ShowPage(int row) const;
    void TakePendingEdits() const;

    DListControl grid;
    DButton fullButton;
    DFileLoad analysisList;
    // The criteria as the analysis was started; the pages may change theirs
    // while it runs.
    DirectoryListingSpec analysisCriteria;
    // The page's window as the walk began: the worker's outcome goes there.
    HWND outcomeWindow;
    std::atomic<bool> analysisRunning;
    std::atomic<bool> stopRequested;
    bool analysisBusy;
    // Last, so that it ends before what its worker uses.
    DWorkerThread worker;
};
