#include "FolderLister.h"

#include <new>
#include <utility>

#include "DFile.h"

FolderLister::FolderLister(bool subDirs)
    : subDirs_(subDirs), find_(INVALID_HANDLE_VALUE), readyEntries_(0),
      walkWaits_(false), listerWaits_(false), done_(false), failed_(false),
      stop_(false), threaded_(false),
      current_{false, true, {}, {}}, next_(0)
{
    InitializeSRWLock(&lock_);
    InitializeConditionVariable(&changed_);
}

FolderLister::~FolderLister()
{
    Stop();
    if (find_ != INVALID_HANDLE_VALUE)
        FindClose(find_);
}

HANDLE FolderLister::FindFirst(DName const& folder, WIN32_FIND_DATAA& entry)
{
    DName pattern(folder);
    pattern.AddFile(DName("*.*"));
    return FindFirstFileA(pattern.Name(), &entry);
}

bool FolderLister::Add(DName const& shown, DName const& listed)
{
    try {
        queue_.push_back({shown, listed});
    } catch (std::bad_alloc const&) {
        return false;
    }
    Queued const& added = queue_.back();
    return added.shown.Size() == shown.Size() && added.listed.Size() == listed.Size();
}

void FolderLister::Start(bool onThread)
{
    threaded_ = onThread && thread_.Start(Run, this);
}

unsigned long FolderLister::Run(void* self)
{
    static_cast<FolderLister*>(self)->Work();
    return 0;
}

void FolderLister::Work()
{
    for (;;) {
        AcquireSRWLockExclusive(&lock_);
        while (!stop_ && Ready() >= MostAhead) {
            listerWaits_ = true;
            SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
        }
        listerWaits_ = false;
        bool const stop = stop_;
        ReleaseSRWLockExclusive(&lock_);
        if (stop || !ListPiece())
            return;
    }
}

bool FolderLister::ListPiece()
{
    Piece piece{false, false, {}, {}};
    bool more;
    try {
        more = FillPiece(piece);
    } catch (std::bad_alloc const&) {
        AcquireSRWLockExclusive(&lock_);
        failed_ = done_ = true;
        ReleaseSRWLockExclusive(&lock_);
        WakeAllConditionVariable(&changed_);
        return false;
    }
    return Publish(piece, !more) && more;
}

// A folder that cannot be listed is handed over empty, so that the walk
// still shows it.
bool FolderLister::FillPiece(Piece& piece)
{
    WIN32_FIND_DATAA entry;
    bool found;
    if (find_ == INVALID_HANDLE_VALUE) {
        if (queue_.empty())
            return false;
        piece.first = true;
        piece.folder = std::move(queue_.front());
        queue_.pop_front();
        listing_ = piece.folder.listed;
        if (!listing_.isEmpty())
            find_ = FindFirst(listing_, entry);
        found = find_ != INVALID_HANDLE_VALUE;
    } else {
        found = FindNextFileA(find_, &entry);
    }
    for (; found; found = FindNextFileA(find_, &entry)) {
        if (DFile::isDots(entry))
            continue;
        piece.entries.push_back(entry);
        DWORD const a = entry.dwFileAttributes;
        if (subDirs_ && (a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
            DName const path = DFile(entry, listing_).GetFullPath();
            queue_.push_back({path, path});
            if (queue_.back().listed.Size() != path.Size() || path.isEmpty())
                throw std::bad_alloc();
        }
        if (piece.entries.size() >= PieceSize)
            return true;
    }
    if (find_ != INVALID_HANDLE_VALUE)
        FindClose(find_);
    find_ = INVALID_HANDLE_VALUE;
    piece.last = true;
    return true;
}

// A piece that cannot be handed over ends the listing: the walk must not
// take the pieces after it for the folder before.
bool FolderLister::Publish(Piece& piece, bool done)
{
    std::size_t const entries = piece.entries.size();
    bool const any = piece.first || piece.last || entries;
    bool handed = true;
    AcquireSRWLockExclusive(&lock_);
    try {
        if (any)
            ready_.push_back(std::move(piece));
        readyEntries_ += unsigned(entries);
    } catch (std::bad_alloc const&) {
        handed = false;
        failed_ = done = true;
    }
    done_ = done_ || done;
    bool const wake = walkWaits_ && (done_ || Ready() >= WakeWalk);
    ReleaseSRWLockExclusive(&lock_);
    if (wake)
        WakeAllConditionVariable(&changed_);
    return handed;
}

// Under lock_: what lies ready, entries and folders.
unsigned FolderLister::Ready() const
{
    return readyEntries_ + unsigned(ready_.size());
}

bool FolderLister::Take()
{
    AcquireSRWLockExclusive(&lock_);
    while (ready_.empty() && !done_ && !stop_) {
        if (threaded_) {
            walkWaits_ = true;
            SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
        } else {
            ReleaseSRWLockExclusive(&lock_);
            ListPiece();
            AcquireSRWLockExclusive(&lock_);
        }
    }
    walkWaits_ = false;
    bool const got = !ready_.empty() && !stop_;
    if (got) {
        current_ = std::move(ready_.front());
        ready_.pop_front();
        readyEntries_ -= unsigned(current_.entries.size());
    }
    bool const wake = listerWaits_ && Ready() < MostAhead / 2;
    ReleaseSRWLockExclusive(&lock_);
    if (wake)
        WakeAllConditionVariable(&changed_);
    next_ = 0;
    return got;
}

bool FolderLister::NextFolder(DName& shown, DName& listed)
{
    do {
        if (!Take())
            return false;
    } while (!current_.first);
    shown = current_.folder.shown;
    listed = current_.folder.listed;
    return true;
}

WIN32_FIND_DATAA const* FolderLister::NextEntry()
{
    while (next_ == current_.entries.size()) {
        if (current_.last || !Take())
            return nullptr;
    }
    return &current_.entries[next_++];
}

bool FolderLister::isFailed() const
{
    AcquireSRWLockShared(&lock_);
    bool const failed = failed_;
    ReleaseSRWLockShared(&lock_);
    return failed;
}

void FolderLister::Stop()
{
    AcquireSRWLockExclusive(&lock_);
    stop_ = true;
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);
    if (threaded_)
        thread_.Wait(INFINITE, false);
    threaded_ = false;
}
