// PropResults: the "Results" page. It owns the window's result list, shows
// it in its list view, runs the search that fills it and the compare of a
// stored list with the disk on a worker thread, and keeps the list's
// display style across sessions. Its commands act on the selected rows,
// each reaching its entry through the row map of the result list: after a
// comparison row i need not show entry i.
//
// The worker writes the main window's status line, progress bar and start
// button and reads its criteria and switches: whoever destroys those must
// end the search first (EndSearch).
#pragma once

#include <atomic>
#include <vector>

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

    // Puts the header of the column sorted last back as it was.
    void Unmark();

    // The commands, as the context menu and the keys give them.
    void Refresh();
    void Cut();
    // Open: the file's default action; View: the verb "open".
    void OpenSelected(bool view);
    void MoveToRecycleBin();
    void SelectAll();
    void SelectNone();
    void SelectInvert();
    void SelectFolders();
    void SortByName();
    void SortByColumn(int column);
    void ShowProperties();

protected:
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnNotify(unsigned id, NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnEnter() override;
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
    // The result list answers to the controls of a command.
    void Attach();
    // The selected rows in row order.
    std::vector<unsigned> SelectedRows() const;
    // From the rows selected now to the rows wanted, both in row order.
    void Reselect(std::vector<unsigned> const& now, std::vector<unsigned> const& wanted) const;
    // The path of the entry that row shows; empty for no such row.
    DName RowPath(int row) const;
    // The path of the selected row moved by offset, on the status line.
    void ShowPath(int offset) const;
    void OpenRow(int row) const;
    // A shell action that failed on failed files, the first of them first;
    // false when none did.
    bool ReportFailures(char const* text, DName const& first, unsigned failed) const;
    // Removes the entries of the marked rows; the rows of selected that
    // stay keep their selection.
    unsigned RemoveRows(std::vector<bool> const& marked, std::vector<unsigned> const& selected);
    void Sort(unsigned key, bool descending);
    void ShowMenu();

    DListControl list;
    DFileLoad results;
    // A stored list on its way to the compare's worker.
    DFileLoad incoming;
    DButton* startButton;
    unsigned long style;
    // The header of the column that carries a sort marker, as it was
    // before; -1 when no column is marked.
    DName savedHeader;
    int markedColumn;
    // The list's margins in the page, kept as the page is resized.
    long listLeft;
    long listTop;
    std::atomic<bool> searchRunning;
    // Last, so that it ends before what its worker uses.
    DWorkerThread worker;
};
