// DFileLoad: sorting by any column and the texts of the columns.

#include "DFileLoad.h"

#include <algorithm>
#include <memory>
#include <new>

#include "ResultOrder.h"
#include "SplitWork.h"

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
    results_.Arrange(from, order.get(), n, SplitWork());
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
