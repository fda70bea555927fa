// ResultOrder: the order of result records by one column of the list: the
// column's key, then the full path when the keys are equal (the name column
// has no second key). Texts compare without regard to case, sizes as 64-bit
// numbers, attributes by their letters, dates in local time to the second.
//
// A sort takes each record's key once, in list order, so that dates are
// converted and names found once per record rather than once per
// comparison, and the records are read where the walk left them, one after
// the other. Numbers are sorted alone first and texts compared only among
// equal numbers; texts are sorted eight bytes at a time, each group of
// texts that agree so far being sorted again by its next eight bytes. A
// long list takes its keys, and has its groups sorted, on two threads.
#pragma once

class DFile;

class ResultOrder
{
public:
    // column: a column bit of ResultColumns; any other value orders by name.
    explicit ResultOrder(unsigned column);

    // True when a comes after b.
    bool isAfter(DFile const& a, DFile const& b) const;
    // Sorts the n records ascending; records with equal keys may come in
    // any order. False, and nothing moved, when memory runs out.
    bool Sort(DFile** records, unsigned n) const;

private:
    bool isNumber() const;
    unsigned long long Number(DFile const& record) const;
    char const* Text(DFile const& record) const;

    unsigned column_;
    long long offset_;    // of local time, for the date columns
};
