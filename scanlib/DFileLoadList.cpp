// DFileLoad: the result list: construction and copying, appending and removing, and the rows
// of the list view with their column widths.

#include "DFileLoad.h"

#include <algorithm>
#include <memory>
#include <new>

#include "DListControl.h"
#include "DProgressBar.h"
#include "DStatusWnd.h"
#include "DText.h"
#include "PathText.h"

using namespace PathText;

DFileLoad::DFileLoad()
    : find_(nullptr), working_(0), searched_(0), matches_(0),
      milliseconds_(0), folders_(0), matchesSize_(0), countOnly_(false),
      statistics_(false), attributeCounts_(), attributeSizes_(),
      searchedSize_(0), walk_(Idle), bar_(nullptr), rate_(nullptr),
      status_(nullptr), list_(nullptr), fitted_(0), lastBatch_(0),
      batchDue_(true), folderBrowsed_(false),
      fileFlags_(FileDialogDefault), dirFlags_(DirDialogDefault),
      filterIndex_(1), widths_(), measured_(0), offset_(0)
{
}

DFileLoad::DFileLoad(DFileLoad const& o) : DFileLoad()
{
    *this = o;
}

DFileLoad& DFileLoad::operator=(DFileLoad const& o)
{
    if (this == &o)
        return *this;
    CloseDirListing();
    results_.Copy(o.results_);
    working_.Copy(o.working_);
    found_.Copy(o.found_, DName());
    workPath_.Copy(o.workPath_);
    storedDir_.Copy(o.storedDir_);
    phrases_.Copy(o.phrases_);
    searched_ = o.searched_;
    matches_ = o.matches_;
    milliseconds_ = o.milliseconds_;
    folders_ = o.folders_;
    matchesSize_ = o.matchesSize_;
    countOnly_ = o.countOnly_;
    statistics_ = o.statistics_;
    std::copy(o.attributeCounts_, o.attributeCounts_ + AttributeTotals,
              attributeCounts_);
    std::copy(o.attributeSizes_, o.attributeSizes_ + AttributeTotals,
              attributeSizes_);
    searchedSize_ = o.searchedSize_;
    bar_ = o.bar_;
    rate_ = o.rate_;
    status_ = o.status_;
    list_ = o.list_;
    folderBrowsed_ = o.folderBrowsed_;
    fileFlags_ = o.fileFlags_;
    dirFlags_ = o.dirFlags_;
    filterIndex_ = o.filterIndex_;
    browseDir_.Copy(o.browseDir_);
    browseTitle_.Copy(o.browseTitle_);
    browseFilter_.Copy(o.browseFilter_);
    chosen_.Copy(o.chosen_);
    Changed();
    return *this;
}

DFileLoad::~DFileLoad()
{
    CloseDirListing();
}

// ---------------------------------------------------------------------------
// Result list

void DFileLoad::Changed()
{
    measured_ = 0;
}

unsigned DFileLoad::Size() const
{
    return results_.Size();
}

bool DFileLoad::isEmpty() const
{
    return results_.isEmpty();
}

bool DFileLoad::operator!() const
{
    return isEmpty();
}

DFile& DFileLoad::operator[](unsigned pos) const
{
    DFile* const r = (*this)(pos);
    return r ? *r : blank_;
}

DFile& DFileLoad::GetPos(unsigned pos) const
{
    return (*this)[pos];
}

DFile* DFileLoad::operator()(unsigned pos) const
{
    DFile* const r = results_(pos);
    return r ? r : results_.First();
}

bool DFileLoad::InsertLeft(DFile const& record)
{
    return InsertPos(record, 0);
}

bool DFileLoad::InsertRight(DFile const& record)
{
    return results_.InsertRight(record);
}

bool DFileLoad::InsertLeft(WIN32_FIND_DATAA const& entry)
{
    return InsertLeft(DFile(entry, DName()));
}

bool DFileLoad::InsertRight(WIN32_FIND_DATAA const& entry)
{
    return InsertRight(DFile(entry, DName()));
}

bool DFileLoad::InsertPos(DFile const& record, unsigned pos)
{
    Changed();
    unsigned const rows = rows_.Rows();
    if (!results_.InsertPos(record, pos))
        return false;
    if (pos < fitted_) {
        if (list_)
            FitRecord(record, DFile::LocalOffset());
        ++fitted_;
    }
    rows_.Inserted(pos);
    if (rows_.Rows() != rows)
        ShowRowCount(true);
    return true;
}

bool DFileLoad::DelLeft()
{
    return DelPos(0);
}

bool DFileLoad::DelRight()
{
    return !isEmpty() && DelPos(Size() - 1);
}

bool DFileLoad::DelPos(unsigned pos)
{
    Changed();
    if (!results_.DelPos(pos))
        return false;
    // The list view drops the row itself, so the selection of the rows
    // after it moves up with them.
    int const row = EntryGone(pos);
    if (row >= 0 && list_)
        list_->DelItem(unsigned(row));
    return true;
}

int DFileLoad::EntryGone(unsigned pos)
{
    if (pos < fitted_)
        --fitted_;
    return rows_.Removed(pos);
}

int DFileLoad::FindPos(DName const& path) const
{
    unsigned pos = 0;
    for (DFile const* r = results_.First(); r; r = r->next, ++pos) {
        if (r->GetFullPath() == path)
            return int(pos);
    }
    return -1;
}

int DFileLoad::FindByLong(DName const& path) const
{
    return FindPos(path);
}

int DFileLoad::FindByFilename(DName const& name) const
{
    DName const wanted = DFile(name, 0, 0).GetFileName();
    unsigned pos = 0;
    for (DFile const* r = results_.First(); r; r = r->next, ++pos) {
        if (r->GetFileName() == wanted)
            return int(pos);
    }
    return -1;
}

bool DFileLoad::operator==(DFileLoad const& o) const
{
    return Size() == o.Size();
}

bool DFileLoad::operator!=(DFileLoad const& o) const
{
    return Size() != o.Size();
}

bool DFileLoad::operator==(unsigned n) const
{
    return Size() == n;
}

bool DFileLoad::operator!=(unsigned n) const
{
    return Size() != n;
}

bool DFileLoad::operator<(unsigned n) const
{
    return Size() < n;
}

bool DFileLoad::operator>(unsigned n) const
{
    return Size() > n;
}

bool DFileLoad::operator<=(unsigned n) const
{
    return Size() <= n;
}

bool DFileLoad::operator>=(unsigned n) const
{
    return Size() >= n;
}

unsigned DFileLoad::GetTotalFiles() const
{
    unsigned n = 0;
    for (DFile const* r = results_.First(); r; r = r->next)
        n += r->isFile();
    return n;
}

unsigned DFileLoad::GetTotalDirs(DName const& path) const
{
    unsigned n = 0;
    for (DFile const* r = results_.First(); r; r = r->next) {
        DName const& p = r->GetFullPath();
        if (r->isDir() && (path.isEmpty() ||
                           (p.Size() > path.Size() && BeginsWith(p, path))))
            ++n;
    }
    return n;
}

unsigned DFileLoad::GetTotalFileSizes() const
{
    unsigned sum = 0;
    for (DFile const* r = results_.First(); r; r = r->next)
        sum += r->GetFileSize();
    return sum;
}

unsigned DFileLoad::GetTotalAllocationSizes() const
{
    unsigned sum = 0;
    for (DFile const* r = results_.First(); r; r = r->next)
        sum += r->HeaderSize();
    return sum;
}

void DFileLoad::RemDirs()
{
    DelIf([](DFile const& r) { return r.isDir(); });
}

void DFileLoad::RemFiles()
{
    DelIf([](DFile const& r) { return r.isFile(); });
}

template <class Drop>
void DFileLoad::DelIf(Drop drop)
{
    Changed();
    unsigned pos = 0;
    unsigned const gone = results_.DelIf([&](DFile const& r) {
        bool const dropped = drop(r);
        if (dropped)
            EntryGone(pos);
        else
            ++pos;
        return dropped;
    });
    if (gone)
        ShowRowCount(true);
}

unsigned DFileLoad::DelRows(bool const* marked, unsigned rows)
{
    unsigned const n = Size();
    if (!marked || !n)
        return 0;
    std::unique_ptr<bool[]> drop(new (std::nothrow) bool[n]());
    if (!drop)
        return 0;
    unsigned count = 0;
    for (unsigned row = 0; row < rows; ++row) {
        int const pos = marked[row] ? RowEntry(row) : -1;
        if (pos >= 0 && !drop[pos]) {
            drop[pos] = true;
            ++count;
        }
    }
    if (count) {
        unsigned at = 0;
        DelIf([&drop, &at](DFile const&) { return drop[at++]; });
    }
    return count;
}

// Equal records hash alike: the path with bit 0x20 set in every byte, so
// that letters of either case agree as DName's equality has them, and the
// fields that DFile's equality compares.
unsigned long long DFileLoad::Hash(DFile const& record)
{
    unsigned long long h = 14695981039346656037ULL;
    auto mix = [&h](unsigned long long v) {
        h ^= v;
        h *= 1099511628211ULL;
    };
    DName const& path = record.GetFullPath();
    char const* const p = path.Name();
    for (unsigned i = 0; i < path.Size(); ++i)
        mix(static_cast<unsigned char>(p[i] | 0x20));
    mix(record.GetFileSize64());
    mix(record.GetAttribute());
    mix(record.GetDateWritten().dwLowDateTime);
    mix(record.GetDateCreated().dwLowDateTime);
    return h;
}

bool DFileLoad::FindDifferences(DFileLoad const& other, DFileLoad& output) const
{
    // The records here in an open hash table, so that each record of the
    // other list is looked up in a probe or two rather than a walk through
    // this whole list.
    struct Slot
    {
        unsigned long long hash;
        DFile const* record;
    };
    unsigned slots = 16;
    while (slots < 2ull * Size() && slots < 0x80000000u)
        slots *= 2;
    // At least half the slots stay free, so every probe ends.
    std::unique_ptr<Slot[]> table(
        slots >= 2ull * Size() ? new (std::nothrow) Slot[slots]() : nullptr);
    if (table) {
        for (DFile const* r = results_.First(); r; r = r->next) {
            unsigned long long const h = Hash(*r);
            unsigned i = unsigned(h) & (slots - 1);
            while (table[i].record)
                i = (i + 1) & (slots - 1);
            table[i] = {h, r};
        }
    }
    auto hasEqual = [&](DFile const& r) {
        if (!table) {
            for (DFile const* e = results_.First(); e; e = e->next) {
                if (*e == r)
                    return true;
            }
            return false;
        }
        unsigned long long const h = Hash(r);
        for (unsigned i = unsigned(h) & (slots - 1); table[i].record;
             i = (i + 1) & (slots - 1)) {
            if (table[i].hash == h && *table[i].record == r)
                return true;
        }
        return false;
    };
    Container<DFile> differing;
    for (DFile const* r = other.results_.First(); r; r = r->next) {
        if (!hasEqual(*r) && !differing.InsertRight(*r))
            break;
    }
    output.Destroy();
    output.results_.Swap(differing);
    return !output.isEmpty();
}

void DFileLoad::Destroy()
{
    Changed();
    rows_.ShowAll(0);
    fitted_ = 0;
    ShowRowCount(true);
    results_.Destroy();
    CloseDirListing();
    found_.Destroy();
    workPath_.Destroy();
}

void DFileLoad::SwapList(DFileLoad& other)
{
    if (this == &other)
        return;
    // No row may show a record while the records change hands.
    ResetList();
    other.ResetList();
    results_.Swap(other.results_);
    Changed();
    other.Changed();
    DrawNewRows(true);
    other.DrawNewRows(true);
}
