// DFileLoad: the walk: the starting folders, the breadth-first queue of folders, the
// directory iterator, the current folder, the totals and the attached controls.

#include "DFileLoad.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "DListControl.h"
#include "DProgressBar.h"
#include "DStatusWnd.h"
#include "DText.h"
#include "FolderLister.h"
#include "PathText.h"

using namespace PathText;
#include "PhraseSearch.h"

namespace {

// The attribute totals, in the order of their fields.
unsigned const TotalBits[] = {
    FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_COMPRESSED, FILE_ATTRIBUTE_NORMAL,
    FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_HIDDEN, 0x40,
    FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_READONLY,
};

// Attribute mode: every bit of the mask.
unsigned char const EveryBit = 2;

}  // namespace

// The walk

void DFileLoad::SetupControls(DProgressBar* bar, DText* rate,
                              DStatusWnd* status, DListControl* list)
{
    bar_ = bar;
    rate_ = rate;
    status_ = status;
    list_ = list;
    if (list)
        list->SetSource(this);
}

bool DFileLoad::isStopping() const
{
    return walk_.load(std::memory_order_relaxed) == Stopping;
}

void DFileLoad::SetAbort()
{
    int running = Running;
    if (walk_.compare_exchange_strong(running, Stopping))
        ShowStatus("Please wait while cleaning up for abort...");
}

void DFileLoad::ClearAbort()
{
    int stopping = Stopping;
    walk_.compare_exchange_strong(stopping, Running);
}

// Folder a lies around folder b: b is longer and continues a at a
// separator. C:\Data holds C:\Data\Old but not C:\Database.
bool DFileLoad::isNested(DName const& outer, DName const& inner)
{
    unsigned const n = outer.Size();
    return n > 0 && inner.Size() > n && BeginsWith(inner, outer) &&
           (isSep(outer[n - 1]) || isSep(inner[n]));
}

bool DFileLoad::DropNestedFolders(Container<DName>& folders)
{
    Container<DName> kept;
    for (DName const* inner = folders.First(); inner; inner = inner->next) {
        bool nested = false;
        for (DName const* outer = folders.First(); outer && !nested; outer = outer->next)
            nested = isNested(*outer, *inner);
        if (!nested && !kept.InsertRight(*inner))
            return false;
    }
    folders.Swap(kept);
    return true;
}

// A copy of the entry joins the results; it is built whole before the list
// shows it, since another thread may read what the list shows.
bool DFileLoad::AppendResult(DFile const& entry)
{
    std::unique_ptr<DFile> copy(new (std::nothrow) DFile(entry));
    // A path that could not be copied leaves an empty one.
    if (!copy || copy->GetLongSize() != entry.GetLongSize())
        return false;
    return results_.Adopt(copy.release());
}

void DFileLoad::CountMatch(DFile const& entry)
{
    unsigned long long const size = entry.GetFileSize64();
    if (statistics_) {
        for (unsigned i = 0; i < AttributeTotals; ++i) {
            if (entry.isAttribute(TotalBits[i])) {
                ++attributeCounts_[i];
                // The full size: the low half alone would lose 4 GiB a time.
                attributeSizes_[i] += size;
            }
        }
    }
    ++matches_;
    matchesSize_ += size;
}

// Counts the found entry and keeps it when it matches; false when memory
// runs out.
bool DFileLoad::TakeEntry(DirectoryListingSpec const& work)
{
    ShowRate();
    ++searched_;
    searchedSize_ += found_.GetFileSize64();
    progress_.Show(searched_);
    if (IsFileSpec(work, found_)) {
        if (!countOnly_ && !AppendResult(found_))
            return false;
        CountMatch(found_);
    }
    DrawNewRows(false);
    if (found_.isDir())
        ++folders_;
    return true;
}

bool DFileLoad::LoadAllDirListings(DirectoryListingSpec const& spec,
                                   bool subDirs)
{
    searched_ = matches_ = 0;
    matchesSize_ = searchedSize_ = 0;
    folders_ = 1;
    DWORD const start = GetTickCount();

    DirectoryListingSpec work(spec);
    if (work.folders.isEmpty()) {
        DName root = GetDir();
        if (root.Size() > 3)
            root.DelRight(root.Size() - 3);
        work.folders.InsertRight(root);
    }
    bool everything = work.names.isEmpty();
    for (DName const* n = work.names.First(); n; n = n->next)
        everything = everything || *n == "*.*";
    if (everything) {
        work.names.Destroy();
        work.names.InsertRight(DName("*.*"));
    }
    // Without sub-folders a nested starting folder is not reached through
    // the one around it, so it stays.
    bool failed = subDirs && !DropNestedFolders(work.folders);
    // A starting folder given relative to the current one is known by the
    // full path it leads to; those that lead nowhere are shown, not listed.
    FolderLister lister(subDirs);
    for (DName const* f = work.folders.First(); f && !failed; f = f->next) {
        bool seen = f->isEmpty();
        for (DName const* q = work.folders.First(); q != f && !seen; q = q->next)
            seen = *q == *f;
        if (seen)
            continue;
        DName listed(*f);
        if (!isFullPath(*f))
            listed = ChangeDir(*f) ? GetDir() : DName();
        failed = !lister.Add(*f, listed);
    }
    failed = failed ||
             !PhraseSearch::Prepare(work.containing, work.containingMode, phrases_);

    walk_.store(Running);
    progress_.Begin(bar_);
    ResetList();
    if (statistics_) {
        std::fill(attributeCounts_, attributeCounts_ + AttributeTotals, 0u);
        std::fill(attributeSizes_, attributeSizes_ + AttributeTotals, 0ull);
    }
    // Listing on a thread of its own pays where the walk reads contents:
    // the reading of one folder's files then hides the listing of the
    // next. Where each entry costs the walk little, handing the entries
    // over between threads costs more than it saves.
    if (failed)
        ShowStatus("Insufficient memory.");
    else
        lister.Start(work.containingMode != 0 && !phrases_.isEmpty());

    DName shown;
    while (!failed && lister.NextFolder(shown, workPath_)) {
        ShowStatus(shown.Name());
        char const* stop = nullptr;
        for (WIN32_FIND_DATAA const* entry; !isStopping() && (entry = lister.NextEntry());) {
            found_.Copy(*entry, workPath_);
            if (!TakeEntry(work)) {
                stop = "Insufficient memory.";
                break;
            }
        }
        // Also a stop while the folder was opened or its last entry tested.
        if (!stop && isStopping())
            stop = "Stopped processing folders.";
        if (stop) {
            ShowStatus(stop);
            lister.Stop();
            failed = true;
        }
        milliseconds_ = GetTickCount() - start;
    }
    if (!failed && lister.isFailed()) {
        ShowStatus("Insufficient memory.");
        failed = true;
    }

    if (!isStopping())
        DrawNewRows(true);
    progress_.End();
    phrases_.Destroy();
    walk_.store(Idle);
    if (!failed)
        ShowStatus(" ");
    return !failed;
}

bool DFileLoad::LoadDirListing(DirectoryListingSpec const& spec)
{
    return LoadAllDirListings(spec, false);
}

bool DFileLoad::LoadDirSubDirs(DirectoryListingSpec const& spec, bool subDirs)
{
    if (!spec.isEmpty())
        return LoadAllDirListings(spec, subDirs);
    // Every bit of the mask: the folder bit.
    return LoadAllDirListings(
        DirectoryListingSpec("*.*", FILE_ATTRIBUTE_DIRECTORY, EveryBit), subDirs);
}

bool DFileLoad::LoadDirFiles(DirectoryListingSpec const& spec, bool subDirs)
{
    if (!spec.isEmpty())
        return LoadAllDirListings(spec, subDirs);
    // Not every bit of the mask: no folder bit.
    return LoadAllDirListings(
        DirectoryListingSpec("*.*", FILE_ATTRIBUTE_DIRECTORY,
                             EveryBit | DirectoryListingSpec::AttributeNot),
        subDirs);
}

unsigned const& DFileLoad::CountedWalk(DirectoryListingSpec const& spec,
                                       bool subDirs, bool statistics)
{
    countOnly_ = true;
    statistics_ = statistics;
    bool const ok = LoadAllDirListings(spec, subDirs);
    countOnly_ = statistics_ = false;
    if (!ok) {
        matches_ = 0;
        matchesSize_ = 0;
    }
    return matches_;
}

unsigned const& DFileLoad::GetTotalDirListings(DirectoryListingSpec const& spec,
                                               bool subDirs)
{
    return CountedWalk(spec, subDirs, false);
}

unsigned const& DFileLoad::GetTotalAnalysis(DirectoryListingSpec const& spec,
                                            bool subDirs)
{
    return CountedWalk(spec, subDirs, true);
}

// ---------------------------------------------------------------------------
// The directory iterator

bool DFileLoad::FoundEntry(WIN32_FIND_DATAA const& entry)
{
    if (DFile::isDots(entry))
        return NextDirListing();
    found_.Copy(entry, workPath_);
    return true;
}

// Lists the folder by its full path, so that walks on two threads, which
// share the process's current folder, do not list each other's folders.
// A full path is listed without making it the current folder: under wine
// that change costs more than the listing of a typical folder.
bool DFileLoad::OpenListing(DName const& folder)
{
    CloseDirListing();
    workPath_.Copy(folder);
    // A folder given relative to the current one, or none, is known by the
    // full path it leads to.
    if (!isFullPath(folder)) {
        if (!folder.isEmpty() && !ChangeDir(folder))
            return false;
        workPath_ = GetDir();
    }
    WIN32_FIND_DATAA entry;
    HANDLE const h = FolderLister::FindFirst(workPath_, entry);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    find_ = h;
    return FoundEntry(entry);
}

bool DFileLoad::OpenDirListing(DirectoryListingSpec const& spec,
                               DName const& folder, unsigned index)
{
    working_.Copy(spec);
    if (!folder.isEmpty() || spec.folders.isEmpty())
        return OpenListing(folder);
    unsigned const last = spec.folders.Size() - 1;
    return OpenListing(spec.folders[index < last ? index : last]);
}

bool DFileLoad::NextDirListing()
{
    WIN32_FIND_DATAA entry;
    if (!find_ || !FindNextFileA(find_, &entry))
        return false;
    return FoundEntry(entry);
}

bool DFileLoad::operator++()
{
    return NextDirListing();
}

void DFileLoad::CloseDirListing()
{
    if (find_)
        FindClose(find_);
    find_ = nullptr;
}

void DFileLoad::operator--()
{
    CloseDirListing();
}

bool DFileLoad::isOpen() const
{
    return find_ != nullptr;
}

HANDLE DFileLoad::GetHandle() const
{
    return find_;
}

DFile const& DFileLoad::GetFoundFile() const
{
    return found_;
}

DName const& DFileLoad::GetWorkPath() const
{
    return workPath_;
}

bool DFileLoad::isDirEmpty(DirectoryListingSpec const& spec,
                           DName const& folder)
{
    bool empty = true;
    for (bool more = OpenDirListing(spec, folder, 0); more && empty;
         more = NextDirListing())
        empty = !IsFileSpec(working_, found_);
    CloseDirListing();
    return empty;
}

// ---------------------------------------------------------------------------
// The current folder

DName DFileLoad::GetDir() const
{
    DName dir;
    DWORD const need = GetCurrentDirectoryA(0, nullptr);
    if (need == 0 || !dir.Alloc(need))
        return DName();
    DWORD const got = GetCurrentDirectoryA(need, dir.Handle());
    if (got == 0 || got >= need)
        return DName();
    return DName(dir.Name());
}

bool DFileLoad::ChangeDir(DName const& path)
{
    if (path.isEmpty())
        return false;
    DName const before = GetDir();
    if (SetCurrentDirectoryA(path.Name()))
        return true;
    return GetDir() != before;
}

void DFileLoad::StoreCurrentDir(DName const& path)
{
    storedDir_.Copy(path.isEmpty() ? GetDir() : path);
}

bool DFileLoad::RestoreDir()
{
    return ChangeDir(storedDir_);
}

// ---------------------------------------------------------------------------
// Totals

unsigned const& DFileLoad::GetTotalSearched() const { return searched_; }
unsigned long long const& DFileLoad::GetTotalSearchedSize() const { return searchedSize_; }
unsigned const& DFileLoad::GetTotalMatches() const { return matches_; }
unsigned long long const& DFileLoad::GetTotalMatchesSize() const { return matchesSize_; }
unsigned const& DFileLoad::GetTotalSearchDirs() const { return folders_; }
unsigned const& DFileLoad::GetTotalSearchMilliseconds() const { return milliseconds_; }

unsigned DFileLoad::GetTotalSearchFiles() const
{
    // folders counts the starting folder, which is not among the entries.
    return folders_ ? searched_ - (folders_ - 1) : searched_;
}

unsigned const& DFileLoad::GetTotalSearchArchive() const { return attributeCounts_[0]; }
unsigned long long const& DFileLoad::GetTotalSearchArchiveSize() const { return attributeSizes_[0]; }
unsigned const& DFileLoad::GetTotalSearchCompressed() const { return attributeCounts_[1]; }
unsigned long long const& DFileLoad::GetTotalSearchCompressedSize() const { return attributeSizes_[1]; }
unsigned const& DFileLoad::GetTotalSearchNormal() const { return attributeCounts_[2]; }
unsigned long long const& DFileLoad::GetTotalSearchNormalSize() const { return attributeSizes_[2]; }
unsigned const& DFileLoad::GetTotalSearchDirectory() const { return attributeCounts_[3]; }
unsigned long long const& DFileLoad::GetTotalSearchDirectorySize() const { return attributeSizes_[3]; }
unsigned const& DFileLoad::GetTotalSearchHidden() const { return attributeCounts_[4]; }
unsigned long long const& DFileLoad::GetTotalSearchHiddenSize() const { return attributeSizes_[4]; }
unsigned const& DFileLoad::GetTotalSearchEncrypted() const { return attributeCounts_[5]; }
unsigned long long const& DFileLoad::GetTotalSearchEncryptedSize() const { return attributeSizes_[5]; }
unsigned const& DFileLoad::GetTotalSearchSystem() const { return attributeCounts_[6]; }
unsigned long long const& DFileLoad::GetTotalSearchSystemSize() const { return attributeSizes_[6]; }
unsigned const& DFileLoad::GetTotalSearchTemporary() const { return attributeCounts_[7]; }
unsigned long long const& DFileLoad::GetTotalSearchTemporarySize() const { return attributeSizes_[7]; }
unsigned const& DFileLoad::GetTotalSearchReadOnly() const { return attributeCounts_[8]; }
unsigned long long const& DFileLoad::GetTotalSearchReadOnlySize() const { return attributeSizes_[8]; }

// ---------------------------------------------------------------------------
// The controls. Each is optional: the walk is complete without them.

void DFileLoad::ShowStatus(char const* text) const
{
    if (!status_)
        return;
    status_->SetText(text);
    if (status_->GetWnd())
        UpdateWindow(status_->GetWnd());
}

// The share of matches among the entries met so far.
void DFileLoad::ShowRate() const
{
    if (!rate_)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "%02.02f%%",
                  searched_ ? matches_ * 100.0 / searched_ : 0.0);
    rate_->Set(text);
    if (HWND const window = rate_->GetIdHandle())
        UpdateWindow(window);
}

