#include "ResultOrder.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "DFile.h"
#include "ResultColumns.h"
#include "SplitWork.h"

namespace {

// One record on its way through a sort: its number, or the next eight
// bytes of its text, as the key.
struct Item
{
    unsigned long long key;
    char const* text;
    DFile* record;
};

// Items whose texts agree, without regard to case, in their first depth
// bytes; loaded tells that their keys already hold the eight that follow.
struct Group
{
    unsigned first;
    unsigned count;
    unsigned depth;
    bool loaded;
};

// Below this many items a group is sorted by comparing whole texts.
unsigned const FewItems = 12;
// Records and texts lie all over the heap once out of list order: loops
// fetch the ones this far ahead while they read the current one.
unsigned const Ahead = 12;

// Eight bytes of a text, folded, as a number that orders as they do. Bytes
// past the end count as zero, so the low byte is zero exactly when the
// text ended among the eight.
unsigned long long Chunk(char const* text)
{
    unsigned long long key = 0;
    unsigned i = 0;
    for (; i < 8 && text[i]; ++i)
        key = key << 8 | static_cast<unsigned char>(DName::Lower(text[i]));
    return i ? key << (8 * (8 - i)) : 0;
}

bool isEnded(unsigned long long chunk)
{
    return (chunk & 0xFF) == 0;
}

// Sorts by key through spare room for as many items: a digit of Bits bits
// at a time from the lowest, leaving out the digits in which all keys
// agree.
template <unsigned Bits>
void SortDigits(Item* items, Item* spare, unsigned n)
{
    unsigned const Values = 1u << Bits;
    unsigned const Digits = (64 + Bits - 1) / Bits;
    static_assert(Digits * Values * sizeof(unsigned) <= 64 * 1024, "counts fit the stack");
    unsigned counts[Digits][Values] = {};
    for (unsigned i = 0; i < n; ++i) {
        unsigned long long const key = items[i].key;
        for (unsigned d = 0; d < Digits; ++d)
            ++counts[d][key >> (Bits * d) & (Values - 1)];
    }
    Item* from = items;
    Item* to = spare;
    for (unsigned d = 0; d < Digits; ++d) {
        unsigned* const count = counts[d];
        if (count[items[0].key >> (Bits * d) & (Values - 1)] == n)
            continue;
        unsigned place = 0;
        for (unsigned v = 0; v < Values; ++v) {
            unsigned const c = count[v];
            count[v] = place;
            place += c;
        }
        for (unsigned i = 0; i < n; ++i)
            to[count[from[i].key >> (Bits * d) & (Values - 1)]++] = from[i];
        std::swap(from, to);
    }
    if (from != items)
        std::memcpy(items, from, n * sizeof(Item));
}

void SortKeys(Item* items, Item* spare, unsigned n)
{
    // Wide digits pay for their counting only over many items.
    if (n >= 1u << 16)
        SortDigits<11>(items, spare, n);
    else if (n >= 64)
        SortDigits<8>(items, spare, n);
    else
        std::sort(items, items + n, [](Item const& a, Item const& b) { return a.key < b.key; });
}

void LoadKeys(Item* items, unsigned n, unsigned depth)
{
    for (unsigned i = 0; i < n; ++i) {
        if (i + Ahead < n)
            __builtin_prefetch(items[i + Ahead].text + depth);
        items[i].key = Chunk(items[i].text + depth);
    }
}

bool isAlike(Item const* items, unsigned n)
{
    for (unsigned i = 1; i < n; ++i) {
        if (items[i].key != items[0].key)
            return false;
    }
    return true;
}

// Sorts a few items whose texts agree in their first depth bytes: the part
// they all share is found first, so that the comparisons start after it.
void SortFew(Item* items, unsigned n, unsigned depth)
{
    char const* const first = items[0].text + depth;
    unsigned shared = ~0u;
    for (unsigned i = 1; i < n && shared; ++i) {
        char const* const text = items[i].text + depth;
        unsigned k = 0;
        while (k < shared && first[k] && DName::Lower(first[k]) == DName::Lower(text[k]))
            ++k;
        shared = k;
    }
    depth += shared == ~0u ? 0 : shared;
    for (unsigned i = 1; i < n; ++i) {
        Item const item = items[i];
        unsigned j = i;
        for (; j > 0 && DName::CompareNoCase(items[j - 1].text + depth, item.text + depth) > 0; --j)
            items[j] = items[j - 1];
        items[j] = item;
    }
}

// Fetches the texts of the groups next in the work list, the last first,
// while the current one is sorted.
void FetchNext(Item const* items, std::vector<Group> const& work)
{
    unsigned fetched = 0;
    for (std::size_t k = work.size(); k > 0 && fetched < Ahead; --k) {
        Group const& g = work[k - 1];
        for (unsigned i = 0; i < g.count && fetched < Ahead; ++i, ++fetched)
            __builtin_prefetch(items[g.first + i].text + g.depth);
    }
}

// Sorts the items of group g by their texts, in spare room for as many
// items as the whole list at the same places; the groups of items that
// need further bytes to part join the work list.
void SortGroup(Item* items, Item* spare, Group const& g, std::vector<Group>& work)
{
    Item* const group = items + g.first;
    if (g.count <= FewItems) {
        SortFew(group, g.count, g.depth);
        return;
    }
    // While every text of the group goes on alike, the next eight bytes
    // are read at once: the texts are still at hand.
    unsigned depth = g.depth;
    if (!g.loaded)
        LoadKeys(group, g.count, depth);
    while (isAlike(group, g.count) && !isEnded(group[0].key)) {
        depth += 8;
        LoadKeys(group, g.count, depth);
    }
    SortKeys(group, spare + g.first, g.count);
    // Items with equal keys go on with their next eight bytes; those
    // whose texts ended among these are equal and done.
    for (unsigned from = 0, to; from < g.count; from = to) {
        to = from + 1;
        while (to < g.count && group[to].key == group[from].key)
            ++to;
        if (to - from > 1 && !isEnded(group[from].key))
            work.push_back({g.first + from, to - from, depth + 8, false});
    }
}

// Sorts group g and then every group of the work list, which starts empty.
// The work list stays outside the call stack: a long path makes as many
// levels as it has eight-byte pieces.
bool SortTexts(Item* items, Item* spare, Group const& g, std::vector<Group>& work)
{
    try {
        SortGroup(items, spare, g, work);
        while (!work.empty()) {
            Group const next = work.back();
            work.pop_back();
            FetchNext(items, work);
            SortGroup(items, spare, next, work);
        }
    } catch (std::bad_alloc const&) {
        return false;
    }
    return true;
}

// Sorts the groups, which lie apart: on two threads at once when they hold
// many items, each thread taking the next group that neither has taken.
bool SortShares(Item* items, Item* spare, std::vector<Group> const& groups)
{
    unsigned total = 0;
    for (Group const& g : groups)
        total += g.count;
    std::atomic<std::size_t> taken(0);
    auto share = [&] {
        std::vector<Group> work;
        for (std::size_t k; (k = taken++) < groups.size();) {
            if (!SortTexts(items, spare, groups[k], work))
                return false;
        }
        return true;
    };
    return SplitWork::isSplit(total) ? SplitWork::Both(share, share) : share();
}

}  // namespace

ResultOrder::ResultOrder(unsigned column)
    : column_(column),
      offset_(column & (ResultColumns::ColumnCreated | ResultColumns::ColumnAccessed |
                        ResultColumns::ColumnWritten)
                  ? DFile::LocalOffset()
                  : 0)
{
}

bool ResultOrder::isNumber() const
{
    switch (column_) {
    case ResultColumns::ColumnSize:
    case ResultColumns::ColumnAttributes:
    case ResultColumns::ColumnCreated:
    case ResultColumns::ColumnAccessed:
    case ResultColumns::ColumnWritten:
        return true;
    default:
        return false;
    }
}

unsigned long long ResultOrder::Number(DFile const& r) const
{
    switch (column_) {
    case ResultColumns::ColumnSize:
        return r.GetFileSize64();
    case ResultColumns::ColumnAttributes: {
        // The letters each stand at their own place or are a dash, which
        // sorts below every letter: set bits weigh from the left.
        DName const letters = r.FormatAttributes(false, -1);
        unsigned long long key = 0;
        for (unsigned i = 0; i < letters.Size(); ++i)
            key = key << 1 | (letters[i] != '-');
        return key;
    }
    case ResultColumns::ColumnCreated:
        return DFile::LocalSeconds(r.GetDateCreated(), offset_);
    case ResultColumns::ColumnAccessed:
        return DFile::LocalSeconds(r.GetDateLastAccessed(), offset_);
    default:
        return DFile::LocalSeconds(r.GetDateWritten(), offset_);
    }
}

// The text compared: the path, or for the name column its file-name part.
char const* ResultOrder::Text(DFile const& record) const
{
    DName const& path = record.GetFullPath();
    if (isNumber() || column_ == ResultColumns::ColumnDrive ||
        column_ == ResultColumns::ColumnPath)
        return path.Name();
    return path.Name() + DFile::NameStart(path);
}

bool ResultOrder::isAfter(DFile const& a, DFile const& b) const
{
    if (isNumber()) {
        unsigned long long const x = Number(a);
        unsigned long long const y = Number(b);
        if (x != y)
            return x > y;
    }
    return DName::CompareNoCase(Text(a), Text(b)) > 0;
}

bool ResultOrder::Sort(DFile** records, unsigned n) const
{
    if (n < 2)
        return true;
    std::unique_ptr<Item[]> items(new (std::nothrow) Item[n]);
    std::unique_ptr<Item[]> spare(new (std::nothrow) Item[n]);
    if (!items || !spare)
        return false;
    bool const number = isNumber();
    SplitWork::Halves(n, [&](unsigned from, unsigned to) {
        for (unsigned i = from; i < to; ++i) {
            if (i + Ahead < to)
                __builtin_prefetch(records[i + Ahead]);
            char const* const text = Text(*records[i]);
            items[i] = {number ? Number(*records[i]) : Chunk(text), text, records[i]};
        }
        return true;
    });
    // The groups that their first key leaves unordered: for numbers, the
    // items of equal numbers, whose texts decide from their start.
    std::vector<Group> groups;
    try {
        if (!number) {
            SortGroup(items.get(), spare.get(), {0, n, 0, true}, groups);
        } else {
            SortKeys(items.get(), spare.get(), n);
            for (unsigned from = 0, to; from < n; from = to) {
                to = from + 1;
                while (to < n && items[to].key == items[from].key)
                    ++to;
                if (to - from > 1)
                    groups.push_back({from, to - from, 0, false});
            }
        }
    } catch (std::bad_alloc const&) {
        return false;
    }
    if (!SortShares(items.get(), spare.get(), groups))
        return false;
    for (unsigned i = 0; i < n; ++i)
        records[i] = items[i].record;
    return true;
}
