#include "DFileLoad.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "DListControl.h"
#include "DProgressBar.h"
#include "DStatusWnd.h"
#include "DText.h"
#include "FileOper.h"
#include "FolderLister.h"
#include "KeyPool.h"
#include "Link.h"
#include "PhraseSearch.h"
#include "RecordBuffer.h"
#include "ResultOrder.h"
#include "ShellDialogs.h"

namespace {

// The attribute totals, in the order of their fields.
unsigned const TotalBits[] = {
    FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_COMPRESSED, FILE_ATTRIBUTE_NORMAL,
    FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_HIDDEN, 0x40,
    FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_READONLY,
};

// Content test buffers.
unsigned const DefaultReadSize = 12800;
unsigned const LargestRead = 65534;

// File chooser flags.
unsigned const FileDialogDefault = 0xAA9A11;
unsigned const FlagReadOnlyBox = 0x1;
unsigned const FlagHideReadOnly = 0x4;
unsigned const FlagMultiSelect = 0x200;
unsigned const FlagFileMustExist = 0x1000;
unsigned const FlagExplorer = 0x80000;
unsigned const DirDialogDefault = 0x1;
unsigned const DirOnlyDirs = 0x1;
unsigned const DirEditBox = 0x10;
unsigned const DirIncludeFiles = 0x4000;
unsigned const LongestFilter = 65534;
unsigned const ChosenBuffer = 1256;
unsigned const TitleBuffer = 256;
// Pairs of a description and a pattern; the closing NUL is the literal's.
char const BuiltInFilter[] =
    "All Files *.*\0*.*\0Aviation *.avi\0*.avi\0Bitmaps *.bmp\0*.bmp\0"
    "Wave *.wav\0*.wav\0Word *.doc\0*.doc\0Text Files *.txt\0*.txt\0";

// Rows go into the list view at most this often while a walk runs.
DWORD const RowInterval = 700;

// Attribute mode: every bit of the mask.
unsigned char const EveryBit = 2;

bool isSep(char c)
{
    return c == '\\' || c == '/';
}

// Length of the part that roots a path: "C:\", "\\server\share\", "\";
// 0 for a path relative to the current folder.
unsigned RootLength(DName const& path)
{
    if (path(1) == ':')
        return isSep(path(2)) ? 3 : 0;
    if (!isSep(path(0)))
        return 0;
    if (!isSep(path(1)))
        return 1;
    // Past the server and the share.
    unsigned i = 2;
    for (unsigned parts = 0; i < path.Size() && parts < 2; ++i)
        parts += isSep(path[i]);
    return i;
}

bool isFullPath(DName const& path)
{
    return RootLength(path) > 1;
}

// text begins with prefix, letters folded.
bool BeginsWith(DName const& text, DName const& prefix)
{
    if (prefix.Size() > text.Size())
        return false;
    for (unsigned i = 0; i < prefix.Size(); ++i) {
        if (DName::Lower(text[i]) != DName::Lower(prefix[i]))
            return false;
    }
    return true;
}

}  // namespace

DFileLoad::DFileLoad()
    : find_(nullptr), working_(0), searched_(0), matches_(0),
      milliseconds_(0), folders_(0), matchesSize_(0), countOnly_(false),
      statistics_(false), attributeCounts_(), attributeSizes_(),
      searchedSize_(0), walk_(Idle), bar_(nullptr), rate_(nullptr),
      status_(nullptr), list_(nullptr), drawn_(0), lastBatch_(0),
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
    return results_.InsertPos(record, pos);
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
    return results_.DelPos(pos);
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
    Changed();
    results_.DelIf([](DFile const& r) { return r.isDir(); });
}

void DFileLoad::RemFiles()
{
    Changed();
    results_.DelIf([](DFile const& r) { return r.isFile(); });
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
    results_.Destroy();
    CloseDirListing();
    found_.Destroy();
    workPath_.Destroy();
}

// ---------------------------------------------------------------------------
// Stored and text forms

bool DFileLoad::Write(FileOper& f) const
{
    // Positions appended by a walk meanwhile are left for the next store.
    unsigned const n = Size();
    RecordBuffer out(f);
    KeyPool const keys;
    bool ok = out.PutWord(n);
    for (unsigned i = 0; i < n && ok; ++i) {
        DFile const& r = *results_(i);
        // A record that is already scrambled is written as it stands.
        unsigned k = 0;
        char const* const key = r.isDataEncrypted() ? nullptr : keys.Draw(k);
        ok = r.Store(out, key, k);
    }
    // Records before a failure are written all the same.
    return out.Flush() && ok;
}

bool DFileLoad::operator>>(FileOper& f) const
{
    return Write(f);
}

bool DFileLoad::Read(FileOper& f)
{
    RecordBuffer in(f);
    in.StartReadAhead();
    unsigned n;
    if (!in.GetWord(n))
        return false;
    Destroy();
    ResetList();
    // The count is not trusted: records are read one by one until it is
    // met or the file gives out. The key served the file alone; the list
    // does not keep it.
    bool ok = true;
    for (unsigned i = 0; i < n && ok; ++i) {
        std::unique_ptr<DFile> r(new (std::nothrow) DFile);
        ok = r && r->Load(in, false) && results_.Adopt(r.release());
    }
    // Also the records before a damaged one.
    DrawNewRows(true);
    return ok;
}

bool DFileLoad::operator<<(FileOper& f)
{
    return Read(f);
}

bool DFileLoad::ReadFind(FileOper& f, DName const& path, DFile& record) const
{
    RecordBuffer in(f);
    in.StartReadAhead();
    unsigned n;
    if (!in.GetWord(n))
        return false;
    for (; n; --n) {
        if (!record.Load(in, false))
            return false;
        if (record.GetFullPath() == path)
            return true;
    }
    return false;
}

bool DFileLoad::TextWrite(FileOper& f) const
{
    RecordBuffer out(f);
    char header[80];
    snprintf(header, sizeof header, "%15s %15s %15s %14s %6s", "Creation",
             "Last Access", "Write Date", "Size", "Attributes");
    bool ok = out.PutLine(header);
    unsigned const n = Size();
    for (unsigned i = 0; i < n && ok; ++i)
        ok = results_(i)->TextWrite(out);
    return out.Flush() && ok;
}

unsigned DFileLoad::ShownColumns() const
{
    return list_ ? unsigned(list_->GetReportStyle()) : unsigned(AllColumns);
}

// Widens the columns over the records not yet measured: a walk appending
// meanwhile only adds records, so earlier widths stay valid.
void DFileLoad::MeasureColumns()
{
    unsigned const n = Size();
    if (measured_ == 0) {
        std::fill(widths_, widths_ + 8, 0u);
        offset_ = DFile::LocalOffset();
    }
    for (; measured_ < n; ++measured_) {
        DFile const& r = *results_(measured_);
        for (unsigned c = 0; c < 8; ++c) {
            // The drive has a width of its own; the last column is not
            // padded; no date is wider than the longest date text.
            unsigned const column = 1u << c;
            if (column == ColumnDrive || column == ColumnWritten ||
                (column >= ColumnCreated &&
                 widths_[c] >= DFile::NumericalDateLimit))
                continue;
            char room[CellRoom];
            char const* text;
            widths_[c] = std::max(widths_[c],
                                  CellChars(r, column, offset_, room, text));
        }
    }
}

DName DFileLoad::Format(unsigned pos)
{
    DName line;
    if (pos >= Size())
        return line;
    if (pos == 0)
        Changed();
    MeasureColumns();
    // The cells are laid out first, so that the line is made once at its
    // length.
    DFile const& r = *results_(pos);
    unsigned const shown = ShownColumns();
    char rooms[8][CellRoom];
    char const* texts[8];
    unsigned sizes[8];
    unsigned spans[8] = {};    // a cell and the blanks after it
    unsigned length = 0;
    for (unsigned c = 0; c < 8; ++c) {
        unsigned const column = 1u << c;
        if (!(shown & column))
            continue;
        if (column == ColumnDrive) {
            texts[c] = rooms[c];
            sizes[c] = DriveChars(r, rooms[c]);
            spans[c] = sizes[c] + 1;
        } else {
            sizes[c] = CellChars(r, column, offset_, rooms[c], texts[c]);
            spans[c] = column == ColumnWritten
                           ? sizes[c]
                           : std::max(widths_[c], sizes[c]) + 1;
        }
        length += spans[c];
    }
    if (length == 0 || !line.Alloc(length))
        return line;
    char* out = line.Handle();
    for (unsigned c = 0; c < 8; ++c) {
        if (!spans[c])
            continue;
        std::memcpy(out, texts[c], sizes[c]);
        std::memset(out + sizes[c], ' ', spans[c] - sizes[c]);
        out += spans[c];
    }
    return line;
}

// ---------------------------------------------------------------------------
// Sorting and column text

bool DFileLoad::CompareColumn(unsigned pos, DFile const& record,
                              unsigned column) const
{
    DFile const* const r = results_(pos);
    return r && ResultOrder(column).isAfter(*r, record);
}

// Sorts positions from .. from + n - 1 by the column through an array of
// record pointers, then puts them back in place.
bool DFileLoad::Arrange(unsigned from, unsigned n, unsigned column,
                        bool descending, bool foldersFirst)
{
    std::unique_ptr<DFile*[]> order(new (std::nothrow) DFile*[n ? n : 1]);
    if (!order)
        return false;
    SplitWork::Halves(n, [&](unsigned a, unsigned b) {
        for (unsigned i = a; i < b; ++i)
            order[i] = results_(from + i);
        return true;
    });
    if (!ResultOrder(column).Sort(order.get(), n))
        return false;
    if (descending)
        std::reverse(order.get(), order.get() + n);
    if (foldersFirst)
        std::stable_partition(order.get(), order.get() + n,
                              [](DFile const* r) { return r->isDir(); });
    results_.Arrange(from, order.get(), n);
    Changed();
    return true;
}

bool DFileLoad::SortAlpha(unsigned column, bool descending)
{
    unsigned const n = Size();
    return n < 2 || Arrange(0, n, column, descending, false);
}

bool DFileLoad::Sort()
{
    return !isEmpty() && Arrange(0, Size(), ColumnPath, false, true);
}

bool DFileLoad::SortRecursive(unsigned low, unsigned high)
{
    if (low > high || high >= Size())
        return false;
    return Arrange(low, high - low + 1, ColumnPath, false, false);
}

DName DFileLoad::GetColumn(unsigned pos, unsigned column) const
{
    DFile const* const r = results_(pos);
    return r ? CellText(*r, column) : DName();
}

unsigned DFileLoad::CellChars(DFile const& record, unsigned column,
                              long long offset, char (&room)[CellRoom],
                              char const*& text)
{
    static_assert(CellRoom >= 20 && CellRoom >= DFile::NumericalDateLimit &&
                      CellRoom >= DFile::AttributeLetterCount,
                  "every text fits the room");
    DName const& path = record.GetFullPath();
    text = room;
    switch (column) {
    case ColumnName: {
        unsigned const start = DFile::NameStart(path);
        text = path.Name() + start;
        return path.Size() - start;
    }
    case ColumnDrive:
    case ColumnPath:
        text = path.Name();
        return path.Size();
    case ColumnSize:
        return DName::Decimal(record.GetFileSize64(), room);
    case ColumnAttributes:
        DFile::AttributeLetters(record.GetAttribute(), room);
        return DFile::AttributeLetterCount;
    case ColumnCreated:
        return DFile::NumericalDateText(record.GetDateCreated(), offset, room);
    case ColumnAccessed:
        return DFile::NumericalDateText(record.GetDateLastAccessed(), offset,
                                        room);
    case ColumnWritten:
        return DFile::NumericalDateText(record.GetDateWritten(), offset, room);
    default:
        return 0;
    }
}

DName DFileLoad::CellText(DFile const& record, unsigned column)
{
    char room[CellRoom];
    char const* text;
    unsigned const n =
        CellChars(record, column, DFile::LocalOffset(), room, text);
    DName cell;
    cell.Namen(text, n);
    return cell;
}

unsigned DFileLoad::DriveChars(DFile const& record, char (&room)[CellRoom])
{
    unsigned n = 0;
    if (record[0])
        room[n++] = record[0];
    room[n++] = ':';
    room[n++] = '\\';
    return n;
}

DName DFileLoad::DriveText(DFile const& record)
{
    char room[CellRoom];
    unsigned const n = DriveChars(record, room);
    DName text;
    text.Namen(room, n);
    return text;
}

bool DFileLoad::DrawFile(DFile const& record, unsigned row) const
{
    if (!list_)
        return false;
    unsigned const shown = ShownColumns();
    DName const& path = record.GetFullPath();
    unsigned cell = 0;
    for (unsigned column = ColumnName; column <= ColumnWritten; column <<= 1) {
        if (!(shown & column))
            continue;
        switch (column) {
        case ColumnName:
            if (!list_->SetImage(record.GetFileName(), path.Name(), row, cell))
                return false;
            break;
        case ColumnDrive:
            list_->SetText(DriveText(record), row, cell);
            break;
        case ColumnPath:
            // The icon goes with the first cell of the row.
            if (cell == 0 ? !list_->SetImage(path, nullptr, row, cell)
                          : !list_->SetText(path, row, cell))
                return false;
            break;
        case ColumnSize:
            list_->SetInt(record.GetFileSize(), row, cell);
            break;
        default:
            list_->SetText(CellText(record, column), row, cell);
            break;
        }
        ++cell;
    }
    return true;
}

bool DFileLoad::DrawAllFiles(int first, int last)
{
    if (!list_)
        return false;
    ResetList();
    // Not past the end: beyond it a position stands for the head.
    unsigned const end = last < 1 ? Size() : std::min(unsigned(last), Size());
    HoldList(true);
    for (unsigned pos = first < 1 ? 0 : unsigned(first); pos < end; ++pos) {
        DFile const& record = *results_(pos);
        ShowStatus(record.GetFullPath().Name());
        DrawFile(record, pos);
    }
    HoldList(false);
    return true;
}

// ---------------------------------------------------------------------------
// Matching

bool DFileLoad::IsFileSpec(DirectoryListingSpec const& spec,
                           DFile const& entry) const
{
    return entry.isNotDots() && isNameSpec(spec, entry) &&
           isSizeSpec(spec, entry) && isAttributeSpec(spec, entry) &&
           isDateSpec(spec, entry) &&
           (spec.containingMode == 0 || phrases_.isEmpty() ||
            isContentSpec(spec, entry));
}

bool DFileLoad::IsFileSpec(DirectoryListingSpec const& spec,
                           WIN32_FIND_DATAA const& entry) const
{
    return IsFileSpec(spec, DFile(entry, DName()));
}

bool DFileLoad::isNameSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    // An empty pattern fits everything through isFileSpec; "*.*" is taken
    // to mean every name, also names without a dot. The name is cut from
    // the path only when a pattern needs it.
    DName name;
    for (DName const* p = spec.names.First(); p; p = p->next) {
        if (*p == "*.*" || entry.GetFullPath().isFileSpec(*p))
            return true;
        if (name.isEmpty())
            name = entry.GetFileName();
        if (name.isFileSpec(*p))
            return true;
    }
    return false;
}

bool DFileLoad::isPassed(int comparison, unsigned char mode)
{
    unsigned char const bit =
        comparison < 0 ? DirectoryListingSpec::PassLess
        : comparison > 0 ? DirectoryListingSpec::PassGreater
                         : DirectoryListingSpec::PassEqual;
    return (mode & bit) != 0;
}

bool DFileLoad::isSizeSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    if (spec.sizeMode == 0)
        return true;
    // The low half alone is compared.
    unsigned const size = entry.GetFileSize();
    if (spec.sizeMode == DirectoryListingSpec::SizeRange)
        return spec.sizeValue <= size && size <= spec.sizeUpper;
    return isPassed(size < spec.sizeValue ? -1 : size > spec.sizeValue,
                    spec.sizeMode);
}

bool DFileLoad::isAttributeSpec(DirectoryListingSpec const& spec,
                                DFile const& entry)
{
    if (spec.attributeMode == 0)
        return true;
    bool const r = (spec.attributeMode & DirectoryListingSpec::AttributeAny)
                       ? entry.isAnAttribute(spec.attributeMask)
                       : entry.isAttribute(spec.attributeMask);
    return (spec.attributeMode & DirectoryListingSpec::AttributeNot) ? !r : r;
}

bool DFileLoad::isDateSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    struct
    {
        unsigned char mode;
        FILETIME const& date;
        FILETIME const& reference;
    } const tests[] = {
        {spec.createdMode, entry.GetDateCreated(), spec.created},
        {spec.accessedMode, entry.GetDateLastAccessed(), spec.accessed},
        {spec.writtenMode, entry.GetDateWritten(), spec.written},
    };
    for (auto const& t : tests) {
        if (t.mode != 0 && !isPassed(DFile::CompDate(t.date, t.reference), t.mode))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// The content test

// Reads the file in buffers that overlap by the longest phrase, so that a
// phrase across two buffers is met whole. The overlap is kept in memory
// rather than read again. A file that cannot be opened or read, and a stop,
// fail the test whatever the not-containing flag says. A folder cannot be
// opened as a file: it fails without the attempt.
bool DFileLoad::isContentSpec(DirectoryListingSpec const& spec,
                              DFile const& entry) const
{
    FileOper file;
    if (entry.isDir() || !file.Open(entry.GetFullPath().Name(), false, false))
        return false;
    unsigned longest = 0;
    for (DName const* p = phrases_.First(); p; p = p->next)
        longest = std::max(longest, p->Size());
    // The buffer is longer than the longest phrase, so every read moves on.
    unsigned const size = std::min(
        std::max(spec.readSize ? spec.readSize : DefaultReadSize, longest + 1),
        LargestRead);
    unsigned const overlap = std::min(longest, size - 1);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size + 1]);
    Link<bool> flags;
    if (!buffer || !flags.Fill(phrases_.Size(), false))
        return false;
    unsigned held = 0;
    while (file.GetTotalReadSize() < file.GetLength()) {
        if (isStopping())
            return false;
        if (held > overlap) {
            std::memmove(buffer.get(), buffer.get() + held - overlap, overlap);
            held = overlap;
        }
        if (!file.Read(buffer.get() + held, size - held, false))
            return false;
        held += unsigned(file.GetReadSize());
        if (FindContaining(buffer.get(), held, spec, flags))
            return !spec.notContaining;
    }
    return spec.notContaining;
}

// The result is that of trying every phrase at every position; each phrase
// is looked for on its own with a fast scan instead.
bool DFileLoad::FindContaining(char const* buffer, unsigned n,
                               DirectoryListingSpec const& spec,
                               Link<bool>& flags) const
{
    if (!buffer || n == 0 || flags.Size() != phrases_.Size())
        return false;
    bool const ignoreCase = spec.containingMode & PhraseSearch::IgnoreCase;
    bool const any = spec.containingMode &
                     (PhraseSearch::WholeText | PhraseSearch::AnyPhrase);
    bool all = true;
    unsigned k = 0;
    for (DName const* p = phrases_.First(); p; p = p->next, ++k) {
        if (!any && flags[k])
            continue;
        if (PhraseSearch::isIn(buffer, n, *p, ignoreCase)) {
            if (any)
                return true;
            flags.Set(k, true);
        } else {
            all = false;
        }
    }
    return !any && all;
}

// ---------------------------------------------------------------------------
// The walk

void DFileLoad::SetupControls(DProgressBar* bar, DText* rate,
                              DStatusWnd* status, DListControl* list)
{
    bar_ = bar;
    rate_ = rate;
    status_ = status;
    list_ = list;
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

void DFileLoad::ResetList()
{
    drawn_ = 0;
    batchDue_ = true;
    if (!list_)
        return;
    list_->Reset();
    list_->CreateIcons();
}

// Rows and positions stay one to one: the list is emptied with the walk's
// start, so every result, also one from before the walk, is drawn at its
// own position.
void DFileLoad::DrawNewRows(bool now)
{
    unsigned const n = Size();
    if (!list_ || drawn_ >= n)
        return;
    DWORD const tick = GetTickCount();
    if (!now && !batchDue_ && tick - lastBatch_ < RowInterval)
        return;
    batchDue_ = false;
    lastBatch_ = tick;
    HoldList(true);
    for (; drawn_ < n && !isStopping(); ++drawn_)
        DrawFile(*results_(drawn_), drawn_);
    HoldList(false);
}

// Redraw switched off, rather than a window region: the list view then
// also skips its own bookkeeping of scroll bars and layout for every row.
void DFileLoad::HoldList(bool hold) const
{
    HWND const window = list_ ? list_->GetIdHandle() : nullptr;
    if (!window)
        return;
    SendMessageA(window, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
    if (!hold)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------
// Folders and files

bool DFileLoad::MakeSingleDir(DName const& path)
{
    if (path.isEmpty())
        return false;
    DName dir(path);
    dir.Replace('/', '\\');
    // Trailing separators only: the leading ones root the path.
    while (dir.Size() > std::max(RootLength(dir), 1u) && isSep(dir[dir.Size() - 1]))
        dir.DelRight(1);
    CreateDirectoryA(dir.Name(), nullptr);
    return ChangeDir(dir);
}

bool DFileLoad::MakeDir(DName const& path)
{
    DName whole(path);
    whole.Replace('/', '\\');
    if (RootLength(whole) == 0)
        whole = GetDir().AddFile(whole);
    unsigned const root = RootLength(whole);
    DName built;
    built.Namen(whole.Name(), root);
    DName rest;
    rest.Namen(whole.Name() + root, whole.Size() - root);
    while (!rest.isEmpty()) {
        unsigned const sep = rest.FindFirstChar('\\');
        DName component;
        component.Namen(rest.Name(), sep);
        rest.DelLeft(sep + 1);
        if (component.isEmpty())
            continue;
        if (!built.isEmpty())
            ChangeDir(built);
        built.AddFile(component);
        MakeSingleDir(built);
    }
    return ChangeDir(whole);
}

bool DFileLoad::RemoveDir(DName const& path)
{
    DName dir(path);
    dir.Replace('/', '\\');
    unsigned const sep = dir.FindLastChar('\\');
    if (sep >= dir.Size())
        return false;
    DName last;
    last.Namen(dir.Name() + sep + 1, dir.Size() - sep - 1);
    SetFileAttributesA(last.Name(), FILE_ATTRIBUTE_ARCHIVE);
    return RemoveDirectoryA(last.Name()) != 0;
}

bool DFileLoad::Remove(DName const& path)
{
    if (path.isEmpty())
        return false;
    // A missing path reports every bit and so is taken for a folder.
    if (GetFileAttributesA(path.Name()) & FILE_ATTRIBUTE_DIRECTORY)
        return RemoveDir(path);
    SetFileAttributesA(path.Name(), FILE_ATTRIBUTE_ARCHIVE);
    return DeleteFileA(path.Name()) != 0;
}

unsigned long DFileLoad::GetDiskFreeSpaceA() const
{
    DName const dir = GetDir();
    ULARGE_INTEGER free;
    if (dir.Size() < 3)
        return 0;
    DName root;
    root.Namen(dir.Name(), 3);
    if (!GetDiskFreeSpaceExA(root.Name(), &free, nullptr, nullptr))
        return 0;
    return static_cast<unsigned long>(free.QuadPart / 65536);
}

bool DFileLoad::isDir(DName const& path)
{
    return !path.isEmpty() &&
           (GetFileAttributesA(path.Name()) & FILE_ATTRIBUTE_DIRECTORY);
}

bool DFileLoad::isFile(DName const& path)
{
    return !isDir(path);
}

bool DFileLoad::isDir(WIN32_FIND_DATAA const& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DFileLoad::isDots(WIN32_FIND_DATAA const& entry)
{
    return DFile::isDots(entry);
}

bool DFileLoad::isNotDots(WIN32_FIND_DATAA const& entry)
{
    return DFile::isNotDots(entry);
}

bool DFileLoad::isSubDir(DName const& dir, DName const& sub)
{
    DName rest[2] = {dir, sub};
    DName drive[2];
    for (unsigned i = 0; i < 2; ++i) {
        if (rest[i](1) == ':') {
            drive[i].Namen(rest[i].Name(), 2);
            rest[i].DelLeft(2);
        }
        rest[i].ChopPath();
    }
    if (!drive[0].isEmpty() && !drive[1].isEmpty() && drive[0] != drive[1])
        return false;
    return rest[0].isEmpty() || rest[0].Compi(rest[1]) || isNested(rest[0], rest[1]);
}

// ---------------------------------------------------------------------------
// File chooser settings

void DFileLoad::ChangeFlag(unsigned& flags, unsigned bit, bool on)
{
    flags = on ? flags | bit : flags & ~bit;
}

unsigned DFileLoad::GetBrowseFlags() const { return fileFlags_; }
unsigned DFileLoad::GetBrowseDirFlags() const { return dirFlags_; }
unsigned DFileLoad::GetBrowseIndex() const { return filterIndex_; }
bool DFileLoad::isFolderBrowsed() const { return folderBrowsed_; }
DName const& DFileLoad::GetBrowseDir() const { return browseDir_; }
void DFileLoad::SetBrowseDir(DName const& dir) { browseDir_.Copy(dir); }
DName const& DFileLoad::GetBrowseTitle() const { return browseTitle_; }
void DFileLoad::SetBrowseTitle(DName const& title) { browseTitle_.Copy(title); }
DName const& DFileLoad::GetBrowseFilter() const { return browseFilter_; }
unsigned DFileLoad::GetBrowseTotal() const { return chosen_.Size(); }
void DFileLoad::ResetBrowse() { chosen_.Destroy(); }

void DFileLoad::SetBrowseFilter(char const* filter)
{
    // Up to and with the closing pair of NULs.
    unsigned n = 0;
    if (filter && filter[0]) {
        while (n + 1 < LongestFilter && (filter[n] || filter[n + 1]))
            ++n;
        n = std::min(n + 2, LongestFilter);
    }
    browseFilter_.Namen(n ? filter : "", n);
    if (filterIndex_ == 0)
        filterIndex_ = 1;
}

DName DFileLoad::GetBrowseFilename(unsigned i) const
{
    return i < chosen_.Size() ? chosen_[i] : browseDir_;
}

DName DFileLoad::GetBrowseFullFilename(unsigned i) const
{
    DName full(browseDir_);
    if (i < chosen_.Size())
        full.AddFile(chosen_[i]);
    return full;
}

void DFileLoad::SetFlagMultiSelection() { ChangeFlag(fileFlags_, FlagMultiSelect, true); }
void DFileLoad::SetFlagNoMultiSelection() { ChangeFlag(fileFlags_, FlagMultiSelect, false); }
void DFileLoad::SetFlagNoReadOnly() { ChangeFlag(fileFlags_, FlagHideReadOnly, true); }
void DFileLoad::SetFlagReadOnly() { ChangeFlag(fileFlags_, FlagReadOnlyBox, false); }
void DFileLoad::SetFlagNoFileCreation() { ChangeFlag(fileFlags_, FlagFileMustExist, true); }
void DFileLoad::SetFlagFileCreation() { ChangeFlag(fileFlags_, FlagFileMustExist, false); }
void DFileLoad::SetFlagExplorerStyle() { ChangeFlag(fileFlags_, FlagExplorer, true); }
void DFileLoad::SetFlagNonExplorerStyle() { ChangeFlag(fileFlags_, FlagExplorer, false); }
void DFileLoad::SetDBFOnlyDirs() { ChangeFlag(dirFlags_, DirOnlyDirs, true); }
void DFileLoad::SetDBFNoOnlyDirs() { ChangeFlag(dirFlags_, DirOnlyDirs, false); }
void DFileLoad::SetDBFIncludeFiles() { ChangeFlag(dirFlags_, DirIncludeFiles, true); }
void DFileLoad::SetDBFNoIncludeFiles() { ChangeFlag(dirFlags_, DirIncludeFiles, false); }
void DFileLoad::SetDBFEditBox() { ChangeFlag(dirFlags_, DirEditBox, true); }
void DFileLoad::SetDBFNoEditBox() { ChangeFlag(dirFlags_, DirEditBox, false); }

bool DFileLoad::BrowseForFile(char const* filter)
{
    if (filter)
        SetBrowseFilter(filter);
    ChangeDir(browseDir_);
    ResetBrowse();

    // A filter cut at its longest may have lost its closing NULs.
    std::string filters(browseFilter_.Name(), browseFilter_.Size());
    filters.append(2, '\0');
    // Two NULs past the dialog's part of the buffer end the last name for sure.
    char chosen[ChosenBuffer + 2] = {};
    char title[TitleBuffer] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = GetActiveWindow();
    dialog.hInstance = GetModuleHandleA(nullptr);
    dialog.lpstrFilter = browseFilter_.isEmpty() ? BuiltInFilter : filters.c_str();
    dialog.nFilterIndex = filterIndex_;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = ChosenBuffer;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = TitleBuffer;
    dialog.lpstrInitialDir = browseDir_.isEmpty() ? nullptr : browseDir_.Name();
    dialog.lpstrTitle = browseTitle_.isEmpty() ? "File Explorer" : browseTitle_.Name();
    dialog.Flags = fileFlags_;
    dialog.lpstrDefExt = "BMP";
    if (!ShellDialogs::ShowOpenFile(std::addressof(dialog)))
        return false;
    filterIndex_ = dialog.nFilterIndex;
    folderBrowsed_ = false;

    // The Explorer style ends each name with a NUL and the list with a second
    // one; the old style parts several names with blanks. One name alone is
    // a full path, whatever blanks it holds.
    bool const explorer = (fileFlags_ & FlagExplorer) != 0;
    bool const blanks = !explorer && (fileFlags_ & FlagMultiSelect);
    for (char const* p = chosen; *p;) {
        unsigned n = 0;
        while (p[n] && !(blanks && p[n] == ' '))
            ++n;
        if (n) {
            DName name;
            name.Namen(p, n);
            chosen_.InsertRight(name);
        }
        p += n;
        if (*p == ' ' || (explorer && !*p))
            ++p;
    }

    if (chosen_.Size() == 1) {
        DName folder(chosen_[0]);
        DName name;
        if (folder.RemFilename(name)) {
            browseDir_ = folder;
            chosen_[0] = name;
        } else {
            browseDir_ = GetDir();
        }
    } else if (chosen_.Size() > 1) {
        browseDir_ = chosen_[0];
        chosen_.DelPos(0);
    } else {
        browseDir_ = GetDir();
    }
    return true;
}

bool DFileLoad::BrowseForDir(HWND owner)
{
    ResetBrowse();
    char display[MAX_PATH] = {};
    BROWSEINFOA browser = {};
    browser.hwndOwner = owner ? owner : GetActiveWindow();
    browser.pszDisplayName = display;
    browser.lpszTitle = browseTitle_.isEmpty() ? "Browse for Directory" : browseTitle_.Name();
    browser.ulFlags = dirFlags_;
    // The browser is made of shell objects, which want the component library.
    HRESULT const components = CoInitialize(nullptr);
    LPITEMIDLIST const item = ShellDialogs::ShowBrowseFolder(std::addressof(browser));
    char path[MAX_PATH] = {};
    bool const chosen = item && SHGetPathFromIDListA(item, path) && path[0];
    if (item)
        CoTaskMemFree(item);
    if (SUCCEEDED(components))
        CoUninitialize();
    // An item outside the file system has no path to hand on.
    if (!chosen || !chosen_.InsertRight(DName(path)))
        return false;
    folderBrowsed_ = true;
    return true;
}
