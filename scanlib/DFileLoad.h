// DFileLoad: the result list and the search engine that fills it.
//
// The walk visits the starting folders breadth-first, tests every entry
// against the criteria (IsFileSpec) and appends the matches to the list,
// keeping totals as it goes. Around the list: the stored-results and text
// forms, comparison, sorting by any column of the list view, and the folder
// utilities and file-chooser settings that the programs share.
//
// Threads: a walk runs on a worker thread while the window thread may read
// the list (positions below a Size() it has seen), paint its rows and call
// SetAbort. Every other change to the list needs it to itself. The engine
// starts threads of its own (DWorkerThread) and waits for each before the
// call that started it returns:
// - the folder lister (FolderLister), in a walk that reads contents: it owns
//   the folder listings and the entries not yet handed over, a few hundred
//   at a time. SetAbort marks the walk as stopping; the walk sees the mark
//   between entries and stops the lister, which sees it between pieces.
// - the read-ahead (ReadAhead), while stored results are read: it owns the
//   file and the slots not yet handed out, until the reader stops it at the
//   end of the read or at its first failure.
// - the sort halves (SplitWork), in a sort of a long list: each owns its half
//   of the keys or of the links, and the sort waits for both. A sort is not
//   stopped; it runs on the thread that asked for it.
#pragma once

#include <windows.h>

#include <atomic>

#include "Container.h"
#include "DFile.h"
#include "DListSource.h"
#include "DName.h"
#include "DirectoryListingSpec.h"
#include "ResultColumns.h"
#include "RowMap.h"
#include "ScanlibApi.h"
#include "WalkProgress.h"

class DListControl;
class DProgressBar;
class DStatusWnd;
class DText;
class FileOper;
template <class T>
class Link;

// The column bits are reached as DFileLoad::ColumnName and so on. The list
// view of SetupControls is virtual (LVS_OWNERDATA): it asks this object for
// the texts and icons of the rows it paints.
class SCANLIB_API DFileLoad : public ResultColumns, private DListSource
{
public:
    DFileLoad();
    // The list record by record and the other fields as they stand, except
    // that the copy has no open listing and runs no walk.
    DFileLoad(DFileLoad const& o);
    DFileLoad& operator=(DFileLoad const& o);
    ~DFileLoad() override;

    // ---- Result list
    unsigned Size() const;
    bool isEmpty() const;
    bool operator!() const;
    // The caller keeps pos below Size(); beyond it the first record.
    DFile& operator[](unsigned pos) const;
    DFile& GetPos(unsigned pos) const;
    // Beyond the end the first record; null when the list is empty.
    DFile* operator()(unsigned pos) const;
    bool InsertLeft(DFile const& record);
    bool InsertRight(DFile const& record);
    bool InsertLeft(WIN32_FIND_DATAA const& entry);
    bool InsertRight(WIN32_FIND_DATAA const& entry);
    // At or past the end the record is appended.
    bool InsertPos(DFile const& record, unsigned pos);
    bool DelLeft();
    bool DelRight();
    bool DelPos(unsigned pos);
    // Position of the first record with that full path, or -1.
    int FindPos(DName const& path) const;
    int FindByLong(DName const& path) const;
    // Position of the first record with the file-name part of name, or -1.
    int FindByFilename(DName const& name) const;
    // The counts alone are compared.
    bool operator==(DFileLoad const& o) const;
    bool operator!=(DFileLoad const& o) const;
    bool operator==(unsigned n) const;
    bool operator!=(unsigned n) const;
    bool operator<(unsigned n) const;
    bool operator>(unsigned n) const;
    bool operator<=(unsigned n) const;
    bool operator>=(unsigned n) const;
    unsigned GetTotalFiles() const;
    // Folders whose path is longer than path and begins with it; with an
    // empty path, every folder.
    unsigned GetTotalDirs(DName const& path) const;
    // The low halves of the sizes, summed in 32 bits.
    unsigned GetTotalFileSizes() const;
    unsigned GetTotalAllocationSizes() const;
    void RemDirs();
    void RemFiles();
    // output becomes the records of other that have no equal here (the
    // last-access dates are not compared); true when there is one.
    bool FindDifferences(DFileLoad const& other, DFileLoad& output) const;
    // Empties the list, closes the listing, clears the found entry and the
    // work path; the totals stay.
    void Destroy();
    // The two result lists change places, and each list view shows its new
    // list whole: a list read apart comes in only once it was read whole.
    void SwapList(DFileLoad& other);

    // The body of a stored-results file: the count and the records. Read
    // replaces the list; a body that ends early or is damaged gives false
    // with the records before the damage.
    bool Write(FileOper& f) const;
    bool operator>>(FileOper& f) const;
    bool Read(FileOper& f);
    bool operator<<(FileOper& f);
    // Scans a body for the record with that path without building a list.
    bool ReadFind(FileOper& f, DName const& path, DFile& record) const;
    // The records as text blocks under a header line.
    bool TextWrite(FileOper& f) const;
    // One line of the text export: the shown columns, padded to the widest
    // text of each over the whole list. Position 0 measures the list anew;
    // later positions use those widths. Beyond the end an empty line.
    DName Format(unsigned pos);

    // ---- Sorting and column text
    // True when the record at pos comes after record by the column.
    bool CompareColumn(unsigned pos, DFile const& record, unsigned column) const;
    bool SortAlpha(unsigned column, bool descending);
    // By full path, then folders before files; false for an empty list.
    bool Sort();
    // Positions low to high by full path.
    bool SortRecursive(unsigned low, unsigned high);
    DName GetColumn(unsigned pos, unsigned column) const;

    // ---- Rows of the list view of SetupControls (see RowMap)
    // Row i shows the entry at RowEntry(i): in the whole view entry i, in a
    // chosen view any entry. Commands that act on rows take their entries
    // from here; DelPos and InsertPos keep each row with its entry.
    unsigned RowCount() const;
    int RowEntry(unsigned row) const;          // -1 when there is no such row
    // The list view without rows; the next rows drawn start a new view.
    void ClearRows();
    // Row shows the entry at pos; row RowCount() is a new last row. A view
    // of some entries: ClearRows, then DrawEntry(pos, 0), (pos', 1), ...
    // False without a list, or for a position or row out of range.
    bool DrawEntry(unsigned pos, unsigned row);
    // The same for a record of this list; false for any other record.
    bool DrawFile(DFile const& record, unsigned row);
    // Rows 0, 1, ... show positions first to last - 1 anew; first below 1
    // is the head, last below 1 the end. With the whole list, the whole view.
    bool DrawAllFiles(int first, int last);
    // The view of the entries that no longer match the disk: a folder that
    // is no longer a folder, a file that is missing or whose size changed.
    // Runs as a walk does, with the progress bar at the entry checked, each
    // path after "Checking" on the status line, stopped by SetAbort. False
    // when it was stopped before the last entry.
    bool ShowChangedEntries();
    // The whole list in the whole view, painted anew with one count and one
    // repaint, as after a sort; the icons and the column widths stay.
    bool ShowAllRows();
    // Removes the entries that the rows marked true show (marked holds
    // rows flags), with every row that shows them, and updates the count
    // once. Returns how many entries went.
    unsigned DelRows(bool const* marked, unsigned rows);

    // ---- Matching (the content test runs only inside a walk)
    bool IsFileSpec(DirectoryListingSpec const& spec, DFile const& entry) const;
    bool IsFileSpec(DirectoryListingSpec const& spec,
                    WIN32_FIND_DATAA const& entry) const;

    // ---- The walk
    // Any may be null; they stay the caller's. The list answers from this
    // object from then on: attach it first on the list's own thread, and
    // keep this object while the list may paint.
    void SetupControls(DProgressBar* bar, DText* rate, DStatusWnd* status,
                       DListControl* list);
    // Appends the matches below the criteria's folders; true when it ran to its
    // end, false when stopped or out of memory.
    bool LoadAllDirListings(DirectoryListingSpec const& spec, bool subDirs);
    bool LoadDirListing(DirectoryListingSpec const& spec);
    // With empty criteria: every folder, or every file, from the root of the
    // current drive.
    bool LoadDirSubDirs(DirectoryListingSpec const& spec, bool subDirs);
    bool LoadDirFiles(DirectoryListingSpec const& spec, bool subDirs);
    // The walk counting its matches without storing them: 0 when it fails.
    unsigned const& GetTotalDirListings(DirectoryListingSpec const& spec,
                                        bool subDirs);
    // The same with the per-attribute totals.
    unsigned const& GetTotalAnalysis(DirectoryListingSpec const& spec,
                                     bool subDirs);
    // Takes effect only while a walk runs.
    void SetAbort();
    void ClearAbort();

    // The directory iterator: the entries of one folder but "." and "..".
    // An empty folder takes the criteria's folder at index (the last one when
    // index is out of range), or the current folder.
    bool OpenDirListing(DirectoryListingSpec const& spec, DName const& folder,
                        unsigned index);
    bool NextDirListing();
    bool operator++();
    void CloseDirListing();
    void operator--();
    bool isOpen() const;
    HANDLE GetHandle() const;
    DFile const& GetFoundFile() const;
    DName const& GetWorkPath() const;
    // True when the folder cannot be listed or nothing in it matches.
    bool isDirEmpty(DirectoryListingSpec const& spec, DName const& folder);

    // The process's current folder; the walk makes each folder current.
    DName GetDir() const;
    bool ChangeDir(DName const& path);
    // The path, or the current folder when it is empty.
    void StoreCurrentDir(DName const& path = DName());
    bool RestoreDir();

    // Totals of the last walk.
    unsigned const& GetTotalSearched() const;
    unsigned long long const& GetTotalSearchedSize() const;
    unsigned const& GetTotalMatches() const;
    unsigned long long const& GetTotalMatchesSize() const;
    // The starting folder and every folder met.
    unsigned const& GetTotalSearchDirs() const;
    // The entries met that are not folders.
    unsigned GetTotalSearchFiles() const;
    unsigned const& GetTotalSearchMilliseconds() const;
    // Matches with each attribute, from a walk with statistics.
    unsigned const& GetTotalSearchArchive() const;
    unsigned long long const& GetTotalSearchArchiveSize() const;
    unsigned const& GetTotalSearchCompressed() const;
    unsigned long long const& GetTotalSearchCompressedSize() const;
    unsigned const& GetTotalSearchNormal() const;
    unsigned long long const& GetTotalSearchNormalSize() const;
    unsigned const& GetTotalSearchDirectory() const;
    unsigned long long const& GetTotalSearchDirectorySize() const;
    unsigned const& GetTotalSearchHidden() const;
    unsigned long long const& GetTotalSearchHiddenSize() const;
    unsigned const& GetTotalSearchEncrypted() const;
    unsigned long long const& GetTotalSearchEncryptedSize() const;
    unsigned const& GetTotalSearchSystem() const;
    unsigned long long const& GetTotalSearchSystemSize() const;
    unsigned const& GetTotalSearchTemporary() const;
    unsigned long long const& GetTotalSearchTemporarySize() const;
    unsigned const& GetTotalSearchReadOnly() const;
    unsigned long long const& GetTotalSearchReadOnlySize() const;

    // ---- Folders and files
    // Creates the folder and enters it.
    bool MakeSingleDir(DName const& path);
    // Creates every missing folder of the path and enters the last.
    bool MakeDir(DName const& path);
    // Removes the path's last folder, relative to the current folder.
    bool RemoveDir(DName const& path);
    // A file, read-only or not, or a folder.
    bool Remove(DName const& path);
    // Free space on the current folder's drive, in units of 64 KiB.
    unsigned long GetDiskFreeSpaceA() const;
    // A path that does not exist counts as a folder.
    static bool isDir(DName const& path);
    static bool isFile(DName const& path);
    // An existing folder, found without entering it.
    static bool isFolder(DName const& path);
    // Drive 1 (A:) to 26 (Z:) is there and its root can be read.
    static bool isDriveReady(unsigned number);
    static bool isDir(WIN32_FIND_DATAA const& entry);
    static bool isDots(WIN32_FIND_DATAA const& entry);
    static bool isNotDots(WIN32_FIND_DATAA const& entry);
    // True when sub is dir or lies below it, on the same drive.
    static bool isSubDir(DName const& dir, DName const& sub);

    // ---- File chooser settings
    unsigned GetBrowseFlags() const;
    unsigned GetBrowseDirFlags() const;
    unsigned GetBrowseIndex() const;
    bool isFolderBrowsed() const;
    DName const& GetBrowseDir() const;
    void SetBrowseDir(DName const& dir);
    DName const& GetBrowseTitle() const;
    void SetBrowseTitle(DName const& title);
    DName const& GetBrowseFilter() const;
    // Pairs of NUL-ended texts closed by a second NUL.
    void SetBrowseFilter(char const* filter);
    unsigned GetBrowseTotal() const;
    void ResetBrowse();
    // The browse folder when i is not below GetBrowseTotal().
    DName GetBrowseFilename(unsigned i) const;
    DName GetBrowseFullFilename(unsigned i) const;
    void SetFlagMultiSelection();
    void SetFlagNoMultiSelection();
    void SetFlagNoReadOnly();
    void SetFlagReadOnly();
    void SetFlagNoFileCreation();
    void SetFlagFileCreation();
    void SetFlagExplorerStyle();
    void SetFlagNonExplorerStyle();
    void SetDBFOnlyDirs();
    void SetDBFNoOnlyDirs();
    void SetDBFIncludeFiles();
    void SetDBFNoIncludeFiles();
    void SetDBFEditBox();
    void SetDBFNoEditBox();
    // The platform's file-open dialog; filter, when given, replaces the
    // browse filter. True when something was chosen.
    bool BrowseForFile(char const* filter = nullptr);
    // The platform's folder browser, owned by owner or the active window,
    // opened at the browse folder when one is set.
    bool BrowseForDir(HWND owner = nullptr);

private:
    enum WalkState
    {
        Idle,
        Running,
        Stopping,
    };

    // What the choosers show until a caller changes it.
    static unsigned const FileDialogDefault = 0xAA9A11;
    static unsigned const DirDialogDefault = 0x1;

    // The walk
    static bool DropNestedFolders(Container<DName>& folders);
    static bool isNested(DName const& outer, DName const& inner);
    bool OpenListing(DName const& folder);
    bool FoundEntry(WIN32_FIND_DATAA const& entry);
    bool TakeEntry(DirectoryListingSpec const& work);
    bool AppendResult(DFile const& entry);
    void CountMatch(DFile const& entry);
    bool isStopping() const;
    unsigned const& CountedWalk(DirectoryListingSpec const& spec, bool subDirs,
                                bool statistics);

    // The tests of IsFileSpec
    static bool isNameSpec(DirectoryListingSpec const& spec, DFile const& entry);
    static bool isSizeSpec(DirectoryListingSpec const& spec, DFile const& entry);
    static bool isAttributeSpec(DirectoryListingSpec const& spec,
                                DFile const& entry);
    static bool isDateSpec(DirectoryListingSpec const& spec, DFile const& entry);
    // comparison: -1, 0 or 1 for less, equal, greater.
    static bool isPassed(int comparison, unsigned char mode);
    bool isContentSpec(DirectoryListingSpec const& spec,
                       DFile const& entry) const;
    bool FindContaining(char const* buffer, unsigned n,
                        DirectoryListingSpec const& spec,
                        Link<bool>& flags) const;

    // The controls, one call per role and moment
    void ShowStatus(char const* text) const;
    void ShowRate() const;
    // No rows, and the list's widths start anew for new entries.
    void ResetList();
    // The results not yet in the whole view, in one batch; unless now, at
    // most one batch in an interval.
    void DrawNewRows(bool now);

    // The list
    void Changed();
    void MeasureColumns();
    unsigned ShownColumns() const;
    // Room for the texts that are not parts of the path: the 20 digits of a
    // size, the attribute letters, a date, a drive.
    static constexpr unsigned CellRoom = 24;
    // A column's text without a DName, as GetColumn gives it: the name and
    // the path point into the record's path, the others are written to
    // room. Dates take the zone offset of DFile::LocalOffset.
    static unsigned CellChars(DFile const& record, unsigned column,
                              long long offset, char (&room)[CellRoom],
                              char const*& text);
    static DName CellText(DFile const& record, unsigned column);
    // The drive column's text (the path's first character, a colon and a
    // backslash) into room; returns its length.
    static unsigned DriveChars(DFile const& record, char (&room)[CellRoom]);
    // The rows: the list view's questions, and the texts its columns fit.
    unsigned CellText(unsigned row, unsigned column, char* room,
                      unsigned size) const override;
    char const* IconFile(unsigned row, bool& folder) const override;
    // The column bit of the list's column index; 0 for none.
    unsigned ColumnBit(unsigned index) const;
    static unsigned RowChars(DFile const& record, unsigned column,
                             long long offset, char (&room)[CellRoom],
                             char const*& text);
    // Hands the texts of positions fitted_ to end to the list's columns.
    void FitRows(unsigned end);
    void FitRecord(DFile const& record, long long offset);
    // The entry at pos has left the list; returns the row that showed it.
    int EntryGone(unsigned pos);
    // Removes the records for which drop is true, with their rows.
    template <class Drop>
    void DelIf(Drop drop);
    void ShowRowCount(bool repaint) const;
    bool Arrange(unsigned from, unsigned n, unsigned column, bool descending,
                 bool foldersFirst);
    static unsigned long long Hash(DFile const& record);

    static void ChangeFlag(unsigned& flags, unsigned bit, bool on);

    Container<DFile> results_;
    HANDLE find_;
    DirectoryListingSpec working_;
    DFile found_;
    DName workPath_;
    DName storedDir_;
    Container<DName> phrases_;
    unsigned searched_;
    unsigned matches_;
    unsigned milliseconds_;
    unsigned folders_;
    unsigned long long matchesSize_;
    bool countOnly_;
    bool statistics_;
    static unsigned const AttributeTotals = 9;
    unsigned attributeCounts_[AttributeTotals];
    unsigned long long attributeSizes_[AttributeTotals];
    unsigned long long searchedSize_;
    std::atomic<int> walk_;
    DProgressBar* bar_;
    DText* rate_;
    DStatusWnd* status_;
    DListControl* list_;
    WalkProgress progress_;
    RowMap rows_;
    // Positions 0 to fitted_ - 1 have had their texts fitted by the list.
    unsigned fitted_;
    DWORD lastBatch_;
    bool batchDue_;

    bool folderBrowsed_;
    unsigned fileFlags_;
    unsigned dirFlags_;
    unsigned filterIndex_;
    DName browseDir_;
    DName browseTitle_;
    DName browseFilter_;
    Container<DName> chosen_;

    // Stands for a position in an empty list.
    mutable DFile blank_;
    // Widths of the export's columns over the first measured_ records, and
    // the zone offset that every date of those lines is shown with.
    unsigned widths_[8];
    unsigned measured_;
    long long offset_;
};
