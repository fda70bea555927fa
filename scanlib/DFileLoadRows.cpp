// DFileLoad: the rows of the list view. The view is virtual: it holds a
// count and asks for the texts and icons of the rows it paints, which come
// from the entries through the row map. Drawing rows sets that count and
// hands each new entry's texts to the columns, whose widths follow them.

#include "DFileLoad.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "DListControl.h"
#include "DStatusWnd.h"

namespace {

// Rows go into the list view at most this often while a walk runs.
DWORD const RowInterval = 700;

}

unsigned DFileLoad::RowCount() const
{
    return rows_.Rows();
}

int DFileLoad::RowEntry(unsigned row) const
{
    int const pos = rows_.Entry(row);
    return pos >= 0 && unsigned(pos) < Size() ? pos : -1;
}

void DFileLoad::ClearRows()
{
    lastBatch_ = 0;
    batchDue_ = true;
    rows_.ShowAll(0);
    if (!list_)
        return;
    list_->Reset();
    list_->CreateIcons();
}

void DFileLoad::ResetList()
{
    ClearRows();
    fitted_ = 0;
    if (list_)
        list_->ForgetTexts();
}

bool DFileLoad::DrawEntry(unsigned pos, unsigned row)
{
    unsigned const before = rows_.Rows();
    if (!list_ || pos >= Size() || !rows_.Show(row, pos))
        return false;
    if (pos >= fitted_)
        FitRecord(*results_(pos), DFile::LocalOffset());
    // A changed row is painted anew; a new one is painted as it comes.
    ShowRowCount(row < before);
    return true;
}

bool DFileLoad::DrawFile(DFile const& record, unsigned row)
{
    // Mostly the record of the same position, or one after the last drawn.
    DFile const* const same = results_(row);
    if (same == std::addressof(record))
        return DrawEntry(row, row);
    int const last = rows_.Entry(rows_.Rows() - 1);
    unsigned const n = Size();
    unsigned const from = last < 0 ? 0 : unsigned(last);
    for (unsigned k = 0; k < n; ++k) {
        unsigned const pos = (from + k) % n;
        if (results_(pos) == std::addressof(record))
            return DrawEntry(pos, row);
    }
    return false;
}

bool DFileLoad::DrawAllFiles(int first, int last)
{
    if (!list_)
        return false;
    ClearRows();
    // Not past the end: beyond it a position stands for the head.
    unsigned const end = last < 1 ? Size() : std::min(unsigned(last), Size());
    unsigned const begin = first < 1 ? 0 : std::min(unsigned(first), end);
    FitRows(end);
    if (begin == 0) {
        rows_.ShowAll(end);
    } else {
        for (unsigned pos = begin; pos < end; ++pos) {
            if (!rows_.Show(pos - begin, pos))
                break;
        }
    }
    ShowRowCount(true);
    return true;
}

bool DFileLoad::ShowAllRows()
{
    if (!list_)
        return false;
    FitRows(Size());
    rows_.ShowAll(Size());
    ShowRowCount(true);
    return true;
}

// Rows and positions stay one to one: the list is emptied with the walk's
// start, so every result, also one from before the walk, shows at its own
// position.
void DFileLoad::DrawNewRows(bool now)
{
    unsigned const n = Size();
    if (!list_ || !rows_.isAll() || rows_.Rows() >= n || isStopping())
        return;
    DWORD const tick = GetTickCount();
    if (!now && !batchDue_ && tick - lastBatch_ < RowInterval)
        return;
    batchDue_ = false;
    lastBatch_ = tick;
    FitRows(n);
    rows_.ShowAll(n);
    ShowRowCount(false);
}

bool DFileLoad::ShowChangedEntries()
{
    walk_.store(Running);
    progress_.Begin(bar_);
    ClearRows();
    unsigned const n = Size();
    long long const offset = DFile::LocalOffset();
    unsigned row = 0;
    unsigned pos = 0;
    for (; pos < n && !isStopping(); ++pos) {
        DFile const& stored = *results_(pos);
        if (status_)
            status_->MergeText("Checking", stored.GetFullPath(), false);
        // Found by its directory entry, not opened: a folder cannot be
        // opened as a file, and a file in use keeps its size.
        DFile now;
        bool const differs = !now.FromPath(stored.GetFullPath()) || now.isDir() != stored.isDir()
                             || (!stored.isDir() && now.GetFileSize64() != stored.GetFileSize64());
        if (differs && list_ && rows_.Show(row, pos)) {
            FitRecord(stored, offset);
            ++row;
        }
        // The view takes new rows in batches, as from a walk.
        DWORD const tick = GetTickCount();
        if (tick - lastBatch_ >= RowInterval) {
            lastBatch_ = tick;
            ShowRowCount(false);
        }
        progress_.Show(pos + 1);
    }
    bool const whole = pos == n && !isStopping();
    ShowRowCount(true);
    progress_.End();
    walk_.store(Idle);
    return whole;
}

unsigned DFileLoad::CellText(unsigned row, unsigned column, char* room,
                             unsigned size) const
{
    int const pos = RowEntry(row);
    unsigned const bit = ColumnBit(column);
    unsigned n = 0;
    char cell[CellRoom];
    char const* text = "";
    if (pos >= 0 && bit)
        n = RowChars(*results_(unsigned(pos)), bit, DFile::LocalOffset(), cell,
                     text);
    n = std::min(n, size - 1);
    std::memcpy(room, text, n);
    room[n] = '\0';
    return n;
}

char const* DFileLoad::IconFile(unsigned row, bool& folder) const
{
    int const pos = RowEntry(row);
    if (pos < 0)
        return nullptr;
    DFile const& record = *results_(unsigned(pos));
    folder = record.isDir();
    return record.GetFullPath().isEmpty() ? nullptr : record.GetFullPath().Name();
}

unsigned DFileLoad::ColumnBit(unsigned index) const
{
    unsigned const shown = ShownColumns();
    for (unsigned column = ColumnName; column <= ColumnWritten; column <<= 1) {
        if ((shown & column) && index-- == 0)
            return column;
    }
    return 0;
}

// The list's drive column shows the drive alone, where the sort and the
// export take the whole path.
unsigned DFileLoad::RowChars(DFile const& record, unsigned column,
                             long long offset, char (&room)[CellRoom],
                             char const*& text)
{
    if (column != ColumnDrive)
        return CellChars(record, column, offset, room, text);
    text = room;
    return DriveChars(record, room);
}

void DFileLoad::FitRows(unsigned end)
{
    if (!list_ || fitted_ >= end)
        return;
    long long const offset = DFile::LocalOffset();
    for (; fitted_ < end; ++fitted_)
        FitRecord(*results_(fitted_), offset);
}

void DFileLoad::FitRecord(DFile const& record, long long offset)
{
    unsigned const shown = ShownColumns();
    char room[CellRoom];
    unsigned index = 0;
    for (unsigned column = ColumnName; column <= ColumnWritten; column <<= 1) {
        if (!(shown & column))
            continue;
        char const* text;
        unsigned const n = RowChars(record, column, offset, room, text);
        list_->FitText(text, n, index++);
    }
}

void DFileLoad::ShowRowCount(bool repaint) const
{
    if (list_)
        list_->SetRowCount(rows_.Rows(), repaint);
}
