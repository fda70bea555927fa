// ResultOrder: the order of result records by one column of the list: the
// column's key, then the full path when the keys are equal (the name column
// has no second key). Texts compare without regard to case, sizes as 64-bit
// numbers, attributes by their letters, dates in local time to the second.
//
// A sort takes each record's key once, so that dates are converted and
// names found once per record rather than once per comparison. Numbers are
// sorted alone first and paths compared only among equal numbers; texts
// are compared by numbers made of their bytes past the part that all of
// them share (the starting folder of a walk) before they are compared
// whole.
#pragma once

class DFile;

class ResultOrder
{
public:
    // column: a column bit of DFileLoad; any other value orders by name.
    explicit ResultOrder(unsigned column);

    // True when a comes after b.
    bool isAfter(DFile const& a, DFile const& b) const;
    // Sorts the n records ascending; records with equal keys may come in
    // any order. False, and nothing moved, when memory runs out.
    bool Sort(DFile** records, unsigned n) const;

private:
    struct Item
    {
        unsigned long long key;
        unsigned long long next;    // text: the bytes that follow
        char const* text;
        DFile* record;
    };

    bool isNumber() const;
    unsigned long long Number(DFile const& record) const;
    char const* Text(DFile const& record) const;
    // Sorts by the texts, through items, room for n.
    void SortTexts(DFile** records, unsigned n, Item* items) const;
    static void SortItems(Item* items, unsigned n);

    unsigned column_;
    long long offset_;    // of local time, for the date columns
};
