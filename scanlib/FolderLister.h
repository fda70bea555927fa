// FolderLister: lists the folders of a walk on a thread of its own, ahead
// of the walk that tests their entries, so that listing a folder overlaps
// the tests of the folders before it (above all the reading of contents).
// The folders come in breadth-first order: the starting folders, then the
// sub-folders of each listed folder in the order listed, when sub-folders
// are searched. Links to folders (junctions, symbolic links) are listed but
// not entered: they may lead back up the tree.
//
// The lister runs at most a few thousand entries ahead of the walk, and
// hands them over a few hundred at a time, so that a stop is noticed
// within a folder of any size. Without a thread of its own (when the walk
// does too little per entry to gain from one, or none can be had) the walk
// lists each piece itself when it needs it.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "DName.h"
#include "DWorkerThread.h"

class FolderLister
{
public:
    explicit FolderLister(bool subDirs);
    ~FolderLister();
    FolderLister(FolderLister const&) = delete;
    FolderLister& operator=(FolderLister const&) = delete;

    // Lists "*.*" in the folder, given by its full path; the handle of the
    // search, or INVALID_HANDLE_VALUE.
    static HANDLE FindFirst(DName const& folder, WIN32_FIND_DATAA& entry);

    // A starting folder, before Start: shown is the folder as the walk
    // shows it, listed its full path (empty when it cannot be listed).
    // False when memory runs out.
    bool Add(DName const& shown, DName const& listed);
    // Begins to list, on a thread of its own when onThread is true.
    void Start(bool onThread);

    // The walk's side. Waits for the next folder and tells how it is shown
    // and listed; false when every folder has been handed out. The entries
    // of a folder not taken to its end are dropped.
    bool NextFolder(DName& shown, DName& listed);
    // The next entry of the folder ("." and ".." left out), valid until the
    // next call; null at the folder's end.
    WIN32_FIND_DATAA const* NextEntry();
    // True when memory ran out while listing: the folders after it were not
    // listed.
    bool isFailed() const;
    // Ends the listing; nothing more is handed out.
    void Stop();

private:
    static unsigned const PieceSize = 256;
    static unsigned const MostAhead = 4096;
    // A waiting walk is woken once this many entries and folders are ready
    // (or the listing ends), and a waiting lister once the walk has taken
    // half of what was ahead: each wake costs two switches of thread, more
    // than the walk spends on a typical folder.
    static unsigned const WakeWalk = 64;

    struct Queued
    {
        DName shown;
        DName listed;
    };
    // Entries of one folder, the first piece of a folder naming it.
    struct Piece
    {
        bool first;
        bool last;
        Queued folder;
        std::vector<WIN32_FIND_DATAA> entries;
    };

    static unsigned long Run(void* self);
    void Work();
    // Lists the next piece and hands it over; false when all is listed.
    bool ListPiece();
    bool FillPiece(Piece& piece);
    // Hands the piece over; false when it could not be.
    bool Publish(Piece& piece, bool done);
    // Takes the next piece into current_; false when there is none.
    bool Take();
    unsigned Ready() const;

    // The lister's own.
    bool subDirs_;
    std::deque<Queued> queue_;
    HANDLE find_;
    DName listing_;
    // Shared with the walk, under lock_.
    std::deque<Piece> ready_;
    unsigned readyEntries_;
    bool walkWaits_;
    bool listerWaits_;
    bool done_;
    bool failed_;
    bool stop_;
    mutable SRWLOCK lock_;
    CONDITION_VARIABLE changed_;
    // The walk's own.
    bool threaded_;
    Piece current_;
    std::size_t next_;
    DWorkerThread thread_;
};
