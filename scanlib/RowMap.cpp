#include "RowMap.h"

#include <new>

namespace {

unsigned HighBit(unsigned long long v)
{
    unsigned bit = 0;
    while (v >>= 1)
        ++bit;
    return bit;
}

}

RowMap::RowMap() : rows(0), all(true), segments()
{
}

RowMap::~RowMap()
{
    for (unsigned* segment : segments)
        delete[] segment;
}

void RowMap::ShowAll(unsigned n)
{
    all.store(true, std::memory_order_release);
    rows.store(n, std::memory_order_release);
}

bool RowMap::isAll() const
{
    return all.load(std::memory_order_acquire);
}

unsigned RowMap::Rows() const
{
    return rows.load(std::memory_order_acquire);
}

int RowMap::Entry(unsigned row) const
{
    if (row >= Rows())
        return -1;
    return int(isAll() ? row : Slot(row));
}

bool RowMap::Show(unsigned row, unsigned pos)
{
    unsigned const n = Rows();
    if (row > n)
        return false;
    if (isAll() && row == pos) {
        if (row == n)
            rows.store(n + 1, std::memory_order_release);
        return true;
    }
    if (!Choose() || (row == n && !Reserve(n + 1)))
        return false;
    Slot(row) = pos;
    if (row == n)
        rows.store(n + 1, std::memory_order_release);
    return true;
}

int RowMap::Removed(unsigned pos)
{
    unsigned const n = Rows();
    if (isAll()) {
        if (pos >= n)
            return -1;
        rows.store(n - 1, std::memory_order_release);
        return int(pos);
    }
    int gone = -1;
    unsigned kept = 0;
    for (unsigned row = 0; row < n; ++row) {
        unsigned const entry = Slot(row);
        if (entry == pos) {
            if (gone < 0)
                gone = int(row);
            continue;
        }
        Slot(kept++) = entry > pos ? entry - 1 : entry;
    }
    rows.store(kept, std::memory_order_release);
    return gone;
}

void RowMap::Inserted(unsigned pos)
{
    unsigned const n = Rows();
    if (isAll()) {
        if (pos < n)
            rows.store(n + 1, std::memory_order_release);
        return;
    }
    for (unsigned row = 0; row < n; ++row) {
        if (Slot(row) >= pos)
            ++Slot(row);
    }
}

unsigned& RowMap::Slot(unsigned row) const
{
    unsigned long long const s = static_cast<unsigned long long>(row) + First;
    unsigned const k = HighBit(s) - HighBit(First);
    return segments[k][s - (static_cast<unsigned long long>(First) << k)];
}

bool RowMap::Reserve(unsigned n)
{
    if (!n)
        return true;
    unsigned long long const last = static_cast<unsigned long long>(n - 1) + First;
    unsigned const top = HighBit(last) - HighBit(First);
    for (unsigned k = 0; k <= top && k < Segments; ++k) {
        if (!segments[k]) {
            segments[k] = new (std::nothrow) unsigned[static_cast<unsigned long long>(First) << k];
            if (!segments[k])
                return false;
        }
    }
    return top < Segments;
}

bool RowMap::Choose()
{
    if (!isAll())
        return true;
    unsigned const n = Rows();
    if (!Reserve(n))
        return false;
    for (unsigned row = 0; row < n; ++row)
        Slot(row) = row;
    all.store(false, std::memory_order_release);
    return true;
}
