// RowMap: which entry of the result list each row of its list view shows.
//
// The whole view shows the list in order: row i shows entry i, for the
// first Rows() entries. A chosen view shows any entries in any order; the
// comparison with a stored list shows only the entries that differ, so
// there row i may show entry 40.
//
// DFileLoad keeps the map of the rows it shows and offers it to commands:
// a command that acts on row i takes its entry from DFileLoad::RowEntry(i),
// never i itself. A chosen view is set with DFileLoad::ClearRows and then
// DFileLoad::DrawEntry(pos, row) for rows 0, 1, 2, ... in turn. Entries
// that leave the list or come in take their rows with them (Removed,
// Inserted), which DFileLoad::DelPos and InsertPos do.
//
// Threads: a reader may read rows below a Rows() it has seen while one
// thread appends rows or widens the whole view; appending never moves what
// a reader may see. Every other change needs the map to itself.
#pragma once

#include <atomic>

#include "ScanlibApi.h"

class SCANLIB_API RowMap
{
public:
    RowMap();
    ~RowMap();
    RowMap(RowMap const&) = delete;
    RowMap& operator=(RowMap const&) = delete;

    // The whole view with n rows.
    void ShowAll(unsigned n);
    bool isAll() const;
    unsigned Rows() const;
    // The entry that row shows; -1 when there is no such row.
    int Entry(unsigned row) const;
    // Row shows entry pos: row Rows() is a new last row, a lower one changes.
    // The whole view stays whole while rows and entries agree; otherwise it
    // becomes a chosen view. False for a row past the end, or out of memory.
    bool Show(unsigned row, unsigned pos);
    // Entry pos has left the list: the row that showed it goes (returned,
    // -1 when none did) and the rows of later entries follow them down.
    int Removed(unsigned pos);
    // An entry came in at pos: the rows of later entries follow them up. In
    // the whole view the new entry gets its row when rows show it or a later one.
    void Inserted(unsigned pos);

private:
    // Segment k holds First << k slots and never moves once made.
    static unsigned const First = 64;
    static unsigned const Segments = 27;

    unsigned& Slot(unsigned row) const;
    bool Reserve(unsigned rows);
    // The whole view's rows written out, for a chosen view to change.
    bool Choose();

    std::atomic<unsigned> rows;
    std::atomic<bool> all;
    unsigned* segments[Segments];
};
