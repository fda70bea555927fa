// PropResults: the "Results" page. It owns the window's result list, shows
// it in its list view, runs the search that fills it and the compare of a
// stored list with the disk on a worker thread, and keeps the list's
// display style across sessions.
//
// The worker writes the main window's status line, progress bar and start
// button and reads its criteria and switches: whoever destroys those must
// end the search first (EndSearch).
#pragma once

#include <atomic>

#include "DFileLoad.h"
#include "DListControl.h"
#include "DWorkerThread.h"
#include "PropPage.h"

class DButton;
class FileOper;

class PropResults : public PropPage
{
public:
    // Display styles, as stored; each is the list view's view number.
    enum
    {
        LargeIcons = 0,
        Report = 1,
        SmallIcons = 2,
        List = 3,
    };
    static unsigned const TabIndex = 5;
    static char const* const Key;       // below the current user
    static char const* const NoResults;
    // How long a new search waits for a run that holds the list.
    static unsigned long const WaitForRun = 15000;

    PropResults();
    ~PropResults() override;            // ends a running search

    DFileLoad& GetResults();
    unsigned long GetStyle() const;
    // Shows the list in the style; a number that names none is ignored.
    void SetStyle(unsigned long style);
    void SetStartButton(DButton* button);

    // A search with the linked criteria on a worker thread. False while
    // the last one is still at work, or without criteria and switches.
    bool StartSearch();
    // The walk's own stop: counts only while a walk runs.
    void StopSearch();
    // Stops a running search and returns once its worker has ended,
    // answering the messages that it sends to this thread meanwhile.
    void EndSearch();
    bool isWorkerRunning() const;  // its thread has not yet returned

    // searchRunning: held by a search or one of the page's own list
    // commands for its duration; false when another holds it.
    bool BeginRun();
    void EndRun();
    bool isSearchRunning() const;

    // Empties the list view and the result list, ending a search first.
    void Clear();
    // Draws every row anew from the result list, with the progress bar and
    // the status line attached; false while the list is in use.
    bool Redraw();
    // Replaces the list with a stored one read from the file's body;
    // false, with the list as it was, when the body is damaged or the
    // list is in use.
    bool Restore(FileOper& f);
    // Makes stored the list (stored takes an empty one) and shows, on the
    // worker as a search runs, only the entries that differ from the disk.
    // False while a worker still runs.
    bool StartCompare(DFileLoad& stored);

protected:
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    void OnKillActive() override;
    void OnDestroy() override;          // stores the style

private:
    static unsigned long SearchWorker(void* page);
    static unsigned long CompareWorker(void* page);
    // The worker's start: waits for the list to come free and holds it.
    bool TakeList();
    void Search();
    void Compare();
    void FinishRun();
    void ShowStatus(DName const& text) const;
    void FitList() const;

    DListControl list;
    DFileLoad results;
    // A stored list on its way to the compare's worker.
    DFileLoad incoming;
    DButton* startButton;
    unsigned long style;
    // The list's margins in the page, kept as the page is resized.
    long listLeft;
    long listTop;
    std::atomic<bool> searchRunning;
    // Last, so that it ends before what its worker uses.
    DWorkerThread worker;
};
