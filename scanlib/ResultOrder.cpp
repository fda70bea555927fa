#include "ResultOrder.h"

#include <algorithm>
#include <memory>
#include <new>

#include "DFile.h"
#include "DFileLoad.h"

namespace {

// Eight bytes of a text from its start, folded, as a number that orders as
// the text does up to there; ended tells whether the text ended among them.
unsigned long long Chunk(char const* text, bool& ended)
{
    unsigned long long key = 0;
    ended = false;
    for (unsigned i = 0; i < 8; ++i) {
        ended = ended || text[i] == '\0';
        key = key << 8 |
              (ended ? 0u : static_cast<unsigned char>(DName::Lower(text[i])));
    }
    return key;
}

// How many first bytes two texts have alike, at most limit.
unsigned Common(char const* a, char const* b, unsigned limit)
{
    unsigned i = 0;
    while (i < limit && a[i] && a[i] == b[i])
        ++i;
    return i;
}

unsigned Length(char const* text)
{
    unsigned n = 0;
    while (text[n])
        ++n;
    return n;
}

struct TextLess
{
    unsigned common;
    template <class Item>
    bool operator()(Item const& a, Item const& b) const
    {
        if (a.key != b.key)
            return a.key < b.key;
        if (a.next != b.next)
            return a.next < b.next;
        return DName::CompareNoCase(a.text + common, b.text + common) < 0;
    }
};

// Records lie all over the heap: the ones a few places ahead are fetched
// while the current one is read.
void Fetch(DFile* const* records, unsigned i, unsigned n)
{
    if (i + 16 < n) {
        char const* const r = reinterpret_cast<char const*>(records[i + 16]);
        __builtin_prefetch(r);
        __builtin_prefetch(r + 64);
    }
}

}  // namespace

ResultOrder::ResultOrder(unsigned column)
    : column_(column),
      offset_(column & (DFileLoad::ColumnCreated | DFileLoad::ColumnAccessed |
                        DFileLoad::ColumnWritten)
                  ? DFile::LocalOffset()
                  : 0)
{
}

bool ResultOrder::isNumber() const
{
    switch (column_) {
    case DFileLoad::ColumnSize:
    case DFileLoad::ColumnAttributes:
    case DFileLoad::ColumnCreated:
    case DFileLoad::ColumnAccessed:
    case DFileLoad::ColumnWritten:
        return true;
    default:
        return false;
    }
}

unsigned long long ResultOrder::Number(DFile const& r) const
{
    switch (column_) {
    case DFileLoad::ColumnSize:
        return r.GetFileSize64();
    case DFileLoad::ColumnAttributes: {
        // The letters each stand at their own place or are a dash, which
        // sorts below every letter: set bits weigh from the left.
        DName const letters = r.FormatAttributes(false, -1);
        unsigned long long key = 0;
        for (unsigned i = 0; i < letters.Size(); ++i)
            key = key << 1 | (letters[i] != '-');
        return key;
    }
    case DFileLoad::ColumnCreated:
        return DFile::LocalSeconds(r.GetDateCreated(), offset_);
    case DFileLoad::ColumnAccessed:
        return DFile::LocalSeconds(r.GetDateLastAccessed(), offset_);
    default:
        return DFile::LocalSeconds(r.GetDateWritten(), offset_);
    }
}

// The text compared: the path, or for the name column its file-name part.
char const* ResultOrder::Text(DFile const& record) const
{
    DName const& path = record.GetFullPath();
    if (isNumber() || column_ == DFileLoad::ColumnDrive || column_ == DFileLoad::ColumnPath)
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

void ResultOrder::SortItems(Item* items, unsigned n)
{
    if (n < 2)
        return;
    unsigned common = Length(items[0].text);
    for (unsigned i = 1; i < n && common; ++i) {
        if (i + 16 < n)
            __builtin_prefetch(items[i + 16].text);
        common = Common(items[0].text, items[i].text, common);
    }
    for (unsigned i = 0; i < n; ++i) {
        bool ended;
        bool unused;
        items[i].key = Chunk(items[i].text + common, ended);
        items[i].next = ended ? 0 : Chunk(items[i].text + common + 8, unused);
    }
    std::sort(items, items + n, TextLess{common});
}

void ResultOrder::SortTexts(DFile** records, unsigned n, Item* items) const
{
    for (unsigned i = 0; i < n; ++i) {
        Fetch(records, i, n);
        items[i] = {0, 0, Text(*records[i]), records[i]};
    }
    SortItems(items, n);
    for (unsigned i = 0; i < n; ++i)
        records[i] = items[i].record;
}

bool ResultOrder::Sort(DFile** records, unsigned n) const
{
    if (!isNumber()) {
        std::unique_ptr<Item[]> items(new (std::nothrow) Item[n ? n : 1]);
        if (items)
            SortTexts(records, n, items.get());
        return items != nullptr;
    }
    // Numbers alone first, in a small array.
    struct Keyed
    {
        unsigned long long key;
        DFile* record;
        bool operator<(Keyed const& o) const { return key < o.key; }
    };
    std::unique_ptr<Keyed[]> keyed(new (std::nothrow) Keyed[n ? n : 1]);
    if (!keyed)
        return false;
    for (unsigned i = 0; i < n; ++i) {
        Fetch(records, i, n);
        keyed[i] = {Number(*records[i]), records[i]};
    }
    std::sort(keyed.get(), keyed.get() + n);
    // Paths decide among equal numbers only.
    auto runEnd = [&](unsigned from) {
        unsigned to = from + 1;
        while (to < n && keyed[to].key == keyed[from].key)
            ++to;
        return to;
    };
    unsigned longest = 1;
    for (unsigned from = 0, to; from < n; from = to) {
        to = runEnd(from);
        longest = std::max(longest, to - from);
    }
    std::unique_ptr<Item[]> items(longest > 1 ? new (std::nothrow) Item[longest] : nullptr);
    if (longest > 1 && !items)
        return false;
    for (unsigned i = 0; i < n; ++i)
        records[i] = keyed[i].record;
    for (unsigned from = 0, to; from < n; from = to) {
        to = runEnd(from);
        if (to - from > 1)
            SortTexts(records + from, to - from, items.get());
    }
    return true;
}
