// DFileLoad: the stored-results form, the text report and the comparison with the disk.

#include "DFileLoad.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "DListControl.h"
#include "FileOper.h"
#include "KeyPool.h"
#include "RecordBuffer.h"

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
