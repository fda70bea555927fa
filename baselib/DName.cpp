#include "DName.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <new>
#include <utility>

#include "FileOper.h"

namespace {

char const emptyText[] = "";

bool isSep(char c) { return c == '\\' || c == '/'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return DName::Lower(c); }
char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

// The separator a path of n bytes goes on with: '/' when it has one,
// else '\\'.
char separatorOf(char const* path, unsigned n)
{
    return n && std::memchr(path, '/', n) ? '/' : '\\';
}

// Case-insensitive comparison of two NUL-terminated strings, bytes unsigned.
int compareNoCase(char const* a, char const* b)
{
    for (;; ++a, ++b) {
        int ca = (unsigned char)lower(*a);
        int cb = (unsigned char)lower(*b);
        if (ca != cb || !ca)
            return ca - cb;
    }
}

bool inSet(char c, char const* set, unsigned n)
{
    return n && std::memchr(set, c, n) != 0;
}

// Digits per byte: smallest k with base^k > 255.
unsigned radixWidth(unsigned long base)
{
    unsigned k = 0;
    for (unsigned long p = 1; p <= 255; p *= base)
        ++k;
    return k;
}

} // namespace

// ---------------------------------------------------------------------------
// Internal building blocks

unsigned DName::Len() const
{
    return buffer ? size : 0;
}

// Replaces the text with n bytes of s. s may point into this buffer.
bool DName::Set(char const* s, unsigned n)
{
    if (!s || !n) {
        Destroy();
        return true;
    }
    char* b = dmalloc(n);
    if (!b) {
        Destroy();
        return false;
    }
    std::memcpy(b, s, n);
    b[n] = 0;
    std::free(buffer);
    buffer = b;
    size = n;
    return true;
}

// Replaces del characters at pos by insLen bytes of ins (or of fill when ins
// is null). Builds a new exact-size buffer, so ins may alias the text.
bool DName::Splice(unsigned pos, unsigned del, char const* ins, unsigned insLen, char fill)
{
    unsigned const len = Len();
    if (pos > len)
        pos = len;
    if (del > len - pos)
        del = len - pos;
    unsigned long long const total = (unsigned long long)len - del + insLen;
    if (total >= 0xFFFFFFFFull) {
        Destroy();
        return false;
    }
    unsigned const n = unsigned(total);
    if (!n) {
        Destroy();
        return true;
    }
    char* b = dmalloc(n);
    if (!b) {
        Destroy();
        return false;
    }
    if (pos)
        std::memcpy(b, buffer, pos);
    if (ins)
        std::memcpy(b + pos, ins, insLen);
    else
        std::memset(b + pos, fill, insLen);
    if (len - pos - del)
        std::memcpy(b + pos + insLen, buffer + pos + del, len - pos - del);
    b[n] = 0;
    std::free(buffer);
    buffer = b;
    size = n;
    return true;
}

// ---------------------------------------------------------------------------
// Construction, assignment and storage

DName::DName() : buffer(0), size(0), next(0) {}

DName::DName(char const* s) : buffer(0), size(0), next(0)
{
    Set(s, Size(s));
}

DName::DName(DName const& o) : buffer(0), size(0), next(0)
{
    Set(o.buffer, o.Len());
}

DName::DName(char const* a, char const* b) : buffer(0), size(0), next(0)
{
    Set(a, Size(a));
    Splice(Len(), 0, b, Size(b), 0);
}

// A NUL fill would put NULs into the text, which only byte-exact operations may.
DName::DName(unsigned const& n, char c) : buffer(0), size(0), next(0)
{
    if (c)
        Splice(0, 0, 0, n, c);
}

DName::DName(int const& v) : buffer(0), size(0), next(0)
{
    *this = v;
}

DName::DName(unsigned const& v) : buffer(0), size(0), next(0)
{
    *this = v;
}

DName::DName(unsigned long const& v) : buffer(0), size(0), next(0)
{
    *this = v;
}

DName::~DName()
{
    std::free(buffer);
}

DName& DName::Copy(DName const& o)
{
    Set(o.buffer, o.Len());
    return *this;
}

bool DName::Name(DName const& o)
{
    return Set(o.buffer, o.Len());
}

bool DName::Name(char const* s)
{
    if (s && s == buffer)
        return true;
    return Set(s, Size(s));
}

DName& DName::operator=(DName const& o)
{
    Name(o.Name());
    return *this;
}

DName& DName::operator=(char const* s)
{
    Name(s);
    return *this;
}

DName& DName::operator=(char const& c)
{
    Set(&c, c ? 1 : 0);
    return *this;
}

DName& DName::operator=(int const& v)
{
    return *this = (unsigned long)(unsigned)v;
}

DName& DName::operator=(unsigned const& v)
{
    return *this = (unsigned long)v;
}

DName& DName::operator=(unsigned long const& v)
{
    if (v)
        FromLong(v, 0);
    else
        Destroy();
    return *this;
}

DName& DName::operator=(unsigned long long const& v)
{
    if (v)
        FromLong64(v, 0);
    else
        Destroy();
    return *this;
}

bool DName::Namen(char const* s, unsigned const& n)
{
    if (!s)
        return false;
    return Set(s, n);
}

void DName::Destroy()
{
    std::free(buffer);
    buffer = 0;
    size = 0;
}

void DName::operator--()
{
    Destroy();
}

void DName::operator--(int)
{
    Destroy();
}

bool DName::Alloc(unsigned const& n)
{
    if (!n)
        return false;
    Destroy();
    if (n == 0xFFFFFFFFu)
        return false;
    buffer = (char*)std::calloc(n + 1, 1);
    if (!buffer)
        return false;
    size = n;
    return true;
}

bool DName::operator>>=(unsigned const& n)
{
    if (!n) {
        Destroy();
        return true;
    }
    return Alloc(n);
}

// The size becomes the buffer's byte length, terminator included. The buffer
// then grows by one NUL so that a terminator still follows the last character.
bool DName::Resize()
{
    if (!buffer) {
        size = 0;
        return true;
    }
    size_t const bytes = _msize(buffer);
    if (bytes == (size_t)-1 || bytes >= 0xFFFFFFFFu) {
        Destroy();
        return false;
    }
    char* b = (char*)std::realloc(buffer, bytes + 1);
    if (!b) {
        Destroy();
        return false;
    }
    b[bytes] = 0;
    buffer = b;
    size = unsigned(bytes);
    return true;
}

void DName::Release()
{
    std::free(buffer);
    buffer = 0;
}

char* DName::dmalloc(unsigned const& n)
{
    if (!n || n == 0xFFFFFFFFu)
        return 0;
    return (char*)std::malloc(size_t(n) + 1);
}

// ---------------------------------------------------------------------------
// Access

char const* DName::Name() const
{
    return buffer ? buffer : emptyText;
}

char const* DName::operator&() const
{
    return buffer;
}

char* DName::Handle()
{
    return buffer;
}

unsigned DName::Size() const
{
    return size;
}

unsigned DName::Size(char const* s)
{
    return s ? unsigned(std::strlen(s)) : 0;
}

bool DName::isEmpty() const
{
    return !buffer || !size;
}

bool DName::operator!() const
{
    return isEmpty();
}

bool DName::isFull() const
{
    return buffer || size;
}

char& DName::operator[](unsigned const& i) const
{
    return buffer[i];
}

char DName::operator()(unsigned const& i) const
{
    return i < Len() ? buffer[i] : 0;
}

char DName::Char(unsigned const& i) const
{
    return (*this)(i);
}

// An empty string has no first or last character: NUL, like Char.
char DName::Left() const
{
    return Len() ? buffer[0] : 0;
}

char DName::Right() const
{
    return Len() ? buffer[size - 1] : 0;
}

bool DName::ModPos(unsigned const& i, char const& c)
{
    if (i >= Len())
        return false;
    buffer[i] = c;
    return true;
}

bool DName::operator()(unsigned const& i, unsigned const& c)
{
    return ModPos(i, char(c & 0xFF));
}

bool DName::isNum(unsigned const& i) const
{
    return isDigit(Char(i));
}

bool DName::isAlpha(unsigned const& i) const
{
    char const c = lower(Char(i));
    return c >= 'a' && c <= 'z';
}

bool DName::isVow(unsigned const& i) const
{
    if (i >= Len())
        return false;
    char const c = char(buffer[i] | 0x20);
    return std::strchr("aeiouy", c) != 0 && c;
}

// ---------------------------------------------------------------------------
// Comparison

bool DName::Comp(DName const& o) const
{
    unsigned const n = Len();
    return n && n == o.Len() && !std::memcmp(buffer, o.buffer, n);
}

bool DName::Compi(DName const& o) const
{
    unsigned const n = Len();
    if (!n || n != o.Len())
        return false;
    for (unsigned i = 0; i < n; ++i)
        if (lower(buffer[i]) != lower(o.buffer[i]))
            return false;
    return true;
}

bool DName::operator==(DName const& o) const { return Compi(o); }
bool DName::operator!=(DName const& o) const { return !Compi(o); }

bool DName::operator==(char const* s) const
{
    unsigned const n = Len();
    if (!n || !s || Size(s) != n)
        return false;
    for (unsigned i = 0; i < n; ++i)
        if (lower(buffer[i]) != lower(s[i]))
            return false;
    return true;
}

bool DName::operator!=(char const* s) const { return !(*this == s); }

bool DName::operator==(unsigned const& n) const { return size == n; }
bool DName::operator!=(unsigned const& n) const { return size != n; }
bool DName::operator<(unsigned const& n) const { return size < n; }
bool DName::operator<=(unsigned const& n) const { return size <= n; }
bool DName::operator>(unsigned const& n) const { return size > n; }
bool DName::operator>=(unsigned const& n) const { return size >= n; }
bool DName::operator==(int const& n) const { return size == unsigned(n); }
bool DName::operator!=(int const& n) const { return size != unsigned(n); }
bool DName::operator<(int const& n) const { return size < unsigned(n); }
bool DName::operator<=(int const& n) const { return size <= unsigned(n); }
bool DName::operator>(int const& n) const { return size > unsigned(n); }
bool DName::operator>=(int const& n) const { return size >= unsigned(n); }

bool DName::operator<(char const* s) const
{
    if (isEmpty())
        return true;
    if (!s)
        return false;
    return compareNoCase(buffer, s) < 0;
}

bool DName::operator<=(char const* s) const
{
    if (isEmpty())
        return true;
    if (!s)
        return false;
    return compareNoCase(buffer, s) <= 0;
}

bool DName::operator<(DName const& o) const
{
    return *this < (o.isEmpty() ? (char const*)0 : o.buffer);
}

bool DName::operator<=(DName const& o) const
{
    return *this <= (o.isEmpty() ? (char const*)0 : o.buffer);
}

bool DName::operator>(DName const& o) const
{
    if (isEmpty())
        return false;
    if (o.isEmpty())
        return true;
    return compareNoCase(buffer, o.buffer) > 0;
}

bool DName::operator>=(DName const& o) const
{
    if (isEmpty() || o.isEmpty())
        return false;
    return compareNoCase(buffer, o.buffer) >= 0;
}

int DName::CompareNoCase(char const* a, char const* b)
{
    return compareNoCase(a, b);
}

namespace {

// Bytes equal once bit 0x20 is set in both (letters fold, and so do a few
// punctuation pairs and the upper half's two rows).
bool isSameFolded(char a, char b)
{
    return char(a | 0x20) == char(b | 0x20);
}

} // namespace

bool DName::isFileSpec(DName const& pattern) const
{
    unsigned const m = pattern.Len();
    if (!m)
        return true;
    char const* p = pattern.buffer;
    // From optional on, the pattern is '?' and '*' only: it may match nothing
    // once the text is used up.
    unsigned optional = m;
    while (optional && (p[optional - 1] == '?' || p[optional - 1] == '*'))
        --optional;
    // Every pattern position the text read so far can reach, so that a
    // star may stop at any occurrence of the character after it, not only
    // the first: "*.txt" fits "a.b.txt". The work is the text's length
    // times the pattern's at most. A star's position stands for the star
    // before its character, which is looked for as itself, even '?' or '*'.
    // Reached marks arriving there, Inside a star that has taken text and
    // so still needs its character.
    enum { Reached = 1, Inside = 2 };
    unsigned char onStack[2 * (MAX_PATH + 1)];
    std::unique_ptr<unsigned char[]> onHeap;
    unsigned char* reached = onStack;
    if (m > MAX_PATH) {
        onHeap.reset(new (std::nothrow) unsigned char[2 * (m + 1)]);
        if (!onHeap)
            return false;
        reached = onHeap.get();
    }
    unsigned char* next = reached + m + 1;
    memset(reached, 0, m + 1);
    reached[0] = Reached;
    unsigned const n = Len();
    for (unsigned i = 0; i < n; ++i) {
        memset(next, 0, m + 1);
        bool any = false;
        for (unsigned j = 0; j < m; ++j) {
            if (!reached[j])
                continue;
            if (p[j] == '*') {
                if (j + 1 == m)
                    return true;
                next[j] |= Inside;
                if (isSameFolded(buffer[i], p[j + 1]))
                    next[j + 2] |= Reached;
                any = true;
            } else if (p[j] == '?' || isSameFolded(buffer[i], p[j])) {
                next[j + 1] |= Reached;
                any = true;
            }
        }
        if (!any)
            return false;
        std::swap(reached, next);
    }
    for (unsigned j = optional; j <= m; ++j)
        if (reached[j] & Reached)
            return true;
    return false;
}

bool DName::Comps(DName const& pattern) const
{
    if (isEmpty() || pattern.isEmpty() || !buffer[0])
        return false;
    char const* t = buffer;
    char const* p = pattern.buffer;
    unsigned i = 0, j = 0;
    bool seeking = false;
    while (p[j]) {
        if (p[j] == '*') {
            ++j;
            seeking = true;
            if (!p[j])
                return true;
        }
        if (p[j] != '?') {
            if (seeking) {
                if (t[i] == p[j])
                    seeking = false;
            } else if (t[i] != p[j]) {
                return false;
            }
        }
        ++i;
        ++j;
        if (!t[i])
            break;
    }
    if (seeking)
        return true;
    // Text used up: it matches when the pattern is used up too, or only stars
    // remain. A pattern used up before the text also matches (prefix).
    while (p[j] == '*')
        ++j;
    return !p[j];
}

// ---------------------------------------------------------------------------
// Search

unsigned DName::FindFirstChar(char c) const
{
    unsigned const n = Len();
    if (!n)
        return size;
    char const* hit = (char const*)std::memchr(buffer, c, n);
    return hit ? unsigned(hit - buffer) : size;
}

unsigned DName::FindFirstChar(DName const& set) const
{
    unsigned const n = Len();
    unsigned const m = set.Len();
    for (unsigned k = 0; n && k < m; ++k) {
        char const* hit = (char const*)std::memchr(buffer, set.buffer[k], n);
        if (hit)
            return unsigned(hit - buffer);
    }
    return size;
}

unsigned DName::FindLastChar(char c) const
{
    for (unsigned i = Len(); i-- > 0;)
        if (buffer[i] == c)
            return i;
    return size;
}

unsigned DName::FindLastChar(DName const& set) const
{
    unsigned const m = set.Len();
    for (unsigned i = Len(); m && i-- > 0;)
        if (inSet(buffer[i], set.buffer, m))
            return i;
    return size;
}

bool DName::FindSub(DName const& sub, unsigned* pos) const
{
    unsigned const n = Len();
    unsigned const m = sub.Len();
    if (m > n)
        return false;
    if (pos)
        *pos = 0;
    for (unsigned i = 0; i + m <= n; ++i) {
        if (!m || !std::memcmp(buffer + i, sub.buffer, m)) {
            if (pos)
                *pos = i;
            return true;
        }
    }
    return false;
}

bool DName::FindSubi(DName const& sub, unsigned* pos) const
{
    unsigned const n = Len();
    unsigned const m = sub.Len();
    if (m > n)
        return false;
    if (pos)
        *pos = 0;
    for (unsigned i = 0; i + m <= n; ++i) {
        unsigned k = 0;
        while (k < m && lower(buffer[i + k]) == lower(sub.buffer[k]))
            ++k;
        if (k == m) {
            if (pos)
                *pos = i;
            return true;
        }
    }
    return false;
}

unsigned DName::CountNumbers() const
{
    unsigned const n = Len();
    unsigned count = 0;
    for (unsigned i = 0; i < n; ++i)
        if (isDigit(buffer[i]) && (i == 0 || !isDigit(buffer[i - 1])))
            ++count;
    return count;
}

int DName::GetNumber(unsigned const& index, int* pos) const
{
    unsigned const n = Len();
    unsigned run = 0;
    bool inRun = false;
    unsigned value = 0;
    for (unsigned i = 0; i < n; ++i) {
        if (isDigit(buffer[i])) {
            if (!inRun) {
                inRun = true;
                value = 0;
                if (pos)
                    *pos = int(i);
            }
            value = value * 10 + unsigned(buffer[i] - '0');
        } else if (inRun) {
            inRun = false;
            if (run == index)
                return int(value);
            ++run;
        }
    }
    return inRun ? int(value) : -1;
}

// ---------------------------------------------------------------------------
// Editing

bool DName::Attach(DName const& o)
{
    if (o.isEmpty())
        return false;
    return Splice(Len(), 0, o.buffer, o.Len(), 0);
}

bool DName::AttachPos(DName const& o, unsigned const& pos)
{
    if (o.isEmpty())
        return false;
    return Splice(pos, 0, o.buffer, o.Len(), 0);
}

bool DName::InsertLeft(char const& c, unsigned const& n)
{
    if (!n)
        return true;
    return Splice(0, 0, 0, n, c);
}

bool DName::InsertRight(char const& c, unsigned const& n)
{
    if (!n)
        return false;
    return Splice(Len(), 0, 0, n, c);
}

bool DName::InsertPos(char const& c, unsigned const& pos)
{
    return Splice(pos, 0, 0, 1, c);
}

bool DName::operator+=(DName const& o)
{
    return Attach(o);
}

// Appending NUL would hide everything after it from NUL-terminated readers.
bool DName::operator+=(char c)
{
    if (!c)
        return true;
    return Splice(Len(), 0, &c, 1, 0);
}

bool DName::operator+=(char const* s)
{
    unsigned const n = Size(s);
    if (!n)
        return true;
    return Splice(Len(), 0, s, n, 0);
}

bool DName::operator+=(int const& v)
{
    return *this += (unsigned long long)(unsigned)v;
}

bool DName::operator+=(unsigned const& v)
{
    return *this += (unsigned long long)v;
}

bool DName::operator+=(unsigned long const& v)
{
    return *this += (unsigned long long)v;
}

bool DName::operator+=(unsigned long long const& v)
{
    char digits[24];
    unsigned const n = Decimal(v, digits);
    return Splice(Len(), 0, digits, n, 0);
}

DName DName::operator+(DName const& o) const
{
    DName r(Name());
    r += o;
    return r;
}

DName DName::operator+(char const* s) const
{
    DName r(Name());
    r += s;
    return r;
}

DName DName::operator+(char c) const
{
    DName r(Name());
    r += c;
    return r;
}

DName DName::operator+(int const& v) const
{
    DName r(Name());
    r += v;
    return r;
}

DName DName::operator+(unsigned const& v) const
{
    DName r(Name());
    r += v;
    return r;
}

DName DName::operator+(unsigned long const& v) const
{
    DName r(Name());
    r += v;
    return r;
}

DName DName::operator+(unsigned long long const& v) const
{
    DName r(Name());
    r += v;
    return r;
}

DName DName::operator-(DName const& o) const
{
    DName r(*this);
    r.DelFind(o);
    return r;
}

DName DName::operator-(char const* s) const
{
    DName r(*this);
    r.DelFind(DName(s));
    return r;
}

DName DName::operator-(char c) const
{
    DName r(*this);
    char const set[1] = { c };
    DName s;
    s.Namen(set, 1);
    r.RemAllChars(s);
    return r;
}

bool DName::DelLeft(unsigned const& n)
{
    if (isEmpty())
        return false;
    return Splice(0, n, 0, 0, 0);
}

bool DName::DelRight(unsigned const& n)
{
    if (isEmpty())
        return false;
    unsigned const len = Len();
    return n >= len ? Splice(0, len, 0, 0, 0) : Splice(len - n, n, 0, 0, 0);
}

bool DName::DelPos(unsigned const& pos, unsigned const& n)
{
    if (isEmpty())
        return false;
    if ((unsigned long long)pos + n < Len())
        return Splice(pos, n, 0, 0, 0);
    return DelRight(n);
}

// An empty pattern removes nothing (it would be found at 0 for ever).
bool DName::DelFind(DName const& sub)
{
    if (sub.isEmpty())
        return true;
    DName const s(sub);     // sub may be this string
    unsigned p;
    while (FindSub(s, &p))
        if (!Splice(p, s.Len(), 0, 0, 0))
            return false;
    return true;
}

bool DName::DelFindi(DName const& sub)
{
    if (sub.isEmpty())
        return true;
    DName const s(sub);
    unsigned p;
    while (FindSubi(s, &p))
        if (!Splice(p, s.Len(), 0, 0, 0))
            return false;
    return true;
}

bool DName::DelMatch(DName const& prefix)
{
    unsigned const m = prefix.Len();
    if (!m || m >= Len() || std::memcmp(buffer, prefix.buffer, m))
        return false;
    return Splice(0, m, 0, 0, 0);
}

bool DName::RemAllChars(DName const& set)
{
    unsigned const n = Len();
    unsigned const m = set.Len();
    if (!n || !m)
        return true;
    DName keep;
    if (!keep.Alloc(n)) {
        Destroy();
        return false;
    }
    unsigned k = 0;
    for (unsigned i = 0; i < n; ++i)
        if (!inSet(buffer[i], set.buffer, m))
            keep.buffer[k++] = buffer[i];
    if (k == n)
        return true;
    return Set(keep.buffer, k);
}

bool DName::RemRepeats(char c)
{
    unsigned const n = Len();
    if (!n)
        return true;
    DName keep;
    if (!keep.Alloc(n)) {
        Destroy();
        return false;
    }
    unsigned k = 0;
    for (unsigned i = 0; i < n; ++i)
        if (!(buffer[i] == c && k && keep.buffer[k - 1] == c))
            keep.buffer[k++] = buffer[i];
    if (k == n)
        return true;
    return Set(keep.buffer, k);
}

bool DName::Chop(DName const& set)
{
    unsigned const m = set.Len();
    if (!m)
        return false;
    unsigned n = Len();
    while (n && inSet(buffer[n - 1], set.buffer, m))
        --n;
    return n == Len() || Splice(n, Len() - n, 0, 0, 0);
}

bool DName::FrontChop(DName const& set)
{
    unsigned const m = set.Len();
    if (!m)
        return false;
    unsigned const n = Len();
    unsigned k = 0;
    while (k < n && inSet(buffer[k], set.buffer, m))
        ++k;
    return !k || Splice(0, k, 0, 0, 0);
}

bool DName::Trim(DName const& set)
{
    if (set.isEmpty())
        return false;
    DName const s(set);     // set may be this string
    return FrontChop(s) && Chop(s);
}

bool DName::Replace(char a, char b)
{
    unsigned const n = Len();
    for (unsigned i = 0; i < n; ++i)
        if (buffer[i] == a)
            buffer[i] = b;
    return true;
}

bool DName::upc()
{
    unsigned const n = Len();
    for (unsigned i = 0; i < n; ++i)
        buffer[i] = upper(buffer[i]);
    return true;
}

bool DName::lowc()
{
    unsigned const n = Len();
    for (unsigned i = 0; i < n; ++i)
        buffer[i] = lower(buffer[i]);
    return true;
}

bool DName::CopySubStr(DName const& src, unsigned const& from, unsigned const& to)
{
    unsigned const n = src.Len();
    if (!n || to <= from)
        return false;
    unsigned const last = to >= n ? n - 1 : to;
    if (last <= from)
        return false;
    return Set(src.buffer + from, last - from + 1);
}

bool DName::CopyToCh(DName const& src, char c)
{
    return CopySubStr(src, 0, src.FindFirstChar(c));
}

// ---------------------------------------------------------------------------
// Paths

bool DName::AttachSlash(bool)
{
    unsigned const n = Len();
    if (!n)
        return Set("\\", 1);
    char const sep = separatorOf(buffer, n);
    if (buffer[n - 1] == sep)
        return true;
    return Splice(n, 0, &sep, 1, 0);
}

DName& DName::AddFile(DName const& f, bool flag)
{
    if (f.isEmpty())
        return *this;
    DName const add(f);     // f may be this string
    if (!isEmpty() && !isSep(add.buffer[0]))
        AttachSlash(flag);
    Attach(add);
    return *this;
}

DName& DName::AddHome(DName const& home, bool)
{
    if (home.isEmpty() || Char(1) == ':')
        return *this;
    if (isEmpty()) {
        Copy(home);
        return *this;
    }
    // Put together in a buffer of its own, which then becomes the text: a
    // walk joins every name it meets to its folder. The separator is the
    // one AttachSlash adds.
    unsigned const h = home.Len();
    unsigned const n = Len();
    char* const t = dmalloc(h + 2 + n);
    if (!t)
        return *this;
    unsigned k = 1;    // t[0] is kept for a rooting "/"
    std::memcpy(t + k, home.buffer, h);
    k += h;
    char const sep = separatorOf(home.buffer, h);
    if (!isSep(buffer[0]) && home.buffer[h - 1] != sep)
        t[k++] = sep;
    std::memcpy(t + k, buffer, n);
    k += n;
    // A "/" path is rooted with a leading "/", but a drive path never is:
    // "/D:/x" would name nothing.
    char const* const slash = static_cast<char const*>(std::memchr(t + 1, '/', k - 1));
    if (slash && slash != t + 1 && t[2] != ':')
        t[0] = '/';
    else
        std::memmove(t, t + 1, --k);
    t[k] = '\0';
    std::free(buffer);
    buffer = t;
    size = k;
    return *this;
}

bool DName::ChopPath(bool dots)
{
    unsigned const n = Len();
    unsigned k = 0;
    while (k < n && (isSep(buffer[k]) || (dots && buffer[k] == '.')))
        ++k;
    unsigned e = n;
    while (e > k && (isSep(buffer[e - 1]) || buffer[e - 1] == '.'))
        --e;
    if (k == 0 && e == n)
        return true;
    if (!Splice(e, n - e, 0, 0, 0))
        return false;
    return Splice(0, k, 0, 0, 0);
}

bool DName::RemDrive()
{
    DName out;
    return RemDrive(out);
}

bool DName::RemDrive(DName& out)
{
    if (Char(1) == ':')
        return RemIndexDir(out);
    out.Destroy();
    return false;
}

bool DName::RemIndexDir()
{
    DName out;
    return RemIndexDir(out);
}

bool DName::RemIndexDir(DName& out)
{
    if (isEmpty())
        return false;
    unsigned const n = Len();
    unsigned a = FindFirstChar(DName("\\/"));
    if (a > n)
        a = n;
    DName const text(*this);    // out may be this string
    out.CopySubStr(text, 0, a - 1);
    if (a == n) {
        Destroy();
        return true;
    }
    if (a + 1 >= n)
        return false;
    return Set(text.buffer + a + 1, n - a - 1);
}

bool DName::RemDir()
{
    DName out;
    return RemDir(out);
}

bool DName::RemDir(DName& out)
{
    unsigned const n = Len();
    unsigned const p = FindLastChar(DName("\\/"));
    if (!n || p >= n)
        return false;
    DName const text(*this);
    out.CopySubStr(text, 0, p);
    out.Trim(DName("\\/ "));
    if (p == n - 1) {
        Destroy();
        return true;
    }
    return Set(text.buffer + p + 1, n - p - 1);
}

bool DName::RemFilename()
{
    DName out;
    return RemFilename(out);
}

bool DName::RemFilename(DName& out)
{
    unsigned const n = Len();
    unsigned const p = FindLastChar(DName("\\/"));
    if (!n || p >= n)
        return false;
    DName const text(*this);
    out.CopySubStr(text, p, n - 1);
    out.Trim(DName("\\/ "));
    if (p)
        return Set(text.buffer, p);
    return Set(text.buffer, n == 1 ? 0 : 1);
}

bool DName::RemExt()
{
    DName out;
    return RemExt(out);
}

bool DName::RemExt(DName& out)
{
    unsigned const n = Len();
    unsigned const p = FindLastChar('.');
    if (!n || p >= n)
        return false;
    DName const text(*this);
    out.CopySubStr(text, p, n);
    return Set(text.buffer, p);
}

bool DName::ExtOnly()
{
    if (isEmpty())
        return false;
    RemDir();
    RemExt();
    return true;
}

unsigned DName::LargestPath(DName const& p) const
{
    DName const& q = p.isEmpty() ? *this : p;
    unsigned const n = q.Len();
    unsigned run = 0, best = 0;
    for (unsigned i = 0; i < n; ++i) {
        if (isSep(q.buffer[i])) {
            if (run > best)
                best = run;
            run = 0;
        } else {
            ++run;
        }
    }
    return best;
}

bool DName::IncName()
{
    unsigned const n = Len();
    if (!n)
        return Set("0001", 4);
    unsigned e = n;
    while (e > 0 && !isDigit(buffer[e - 1]))
        --e;
    unsigned s = e;
    while (s > 0 && isDigit(buffer[s - 1]))
        --s;
    if (e - s < 2)
        return Splice(n, 0, "0001", 4, 0);
    for (unsigned i = e; i-- > s;) {
        if (buffer[i] != '9') {
            ++buffer[i];
            return true;
        }
        buffer[i] = '0';
    }
    return false;   // every digit was 9: wrapped to zeros
}

// ---------------------------------------------------------------------------
// Numbers

bool DName::FromLong(unsigned long const& v, unsigned const& width)
{
    return FromLong64((unsigned long long)v, width);
}

bool DName::FromWord(unsigned const& v, unsigned const& width)
{
    return FromLong64((unsigned long long)v, width);
}

unsigned DName::Decimal(unsigned long long v, char* out)
{
    char tmp[20];
    unsigned n = 0;
    do {
        tmp[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    for (unsigned i = 0; i < n; ++i)
        out[i] = tmp[n - 1 - i];
    return n;
}

bool DName::FromLong64(unsigned long long const& v, unsigned const& width)
{
    char digits[24];
    unsigned const n = Decimal(v, digits);
    if (!Set(digits, n))
        return false;
    return n >= width || Splice(0, 0, 0, width - n, '0');
}

bool DName::FromDouble(double const& v, unsigned const& width)
{
    char text[512];
    int const n = std::snprintf(text, sizeof text, "%f", v);
    if (n <= 0 || unsigned(n) >= sizeof text) {
        Destroy();
        return false;
    }
    if (!Set(text, unsigned(n)))
        return false;
    return unsigned(n) >= width || Splice(0, 0, 0, width - unsigned(n), '0');
}

unsigned long DName::ToLong() const
{
    return (unsigned long)ToLong64();
}

unsigned DName::ToWord() const
{
    return (unsigned)ToLong64();
}

unsigned long long DName::ToLong64() const
{
    unsigned long long v = 0;
    unsigned const n = Len();
    for (unsigned i = 0; i < n; ++i)
        if (isDigit(buffer[i]))
            v = v * 10 + unsigned(buffer[i] - '0');
    return v;
}

unsigned long DName::ToDecimal(unsigned const& places) const
{
    unsigned const n = Len();
    unsigned const dot = FindFirstChar('.');
    if (!n || dot >= n || !places)
        return 0;
    unsigned long v = 0;
    for (unsigned i = dot + 1; i < n && i - dot <= places; ++i)
        if (isDigit(buffer[i]))
            v = v * 10 + unsigned(buffer[i] - '0');
    return v;
}

double DName::ToDouble(unsigned const& places) const
{
    unsigned const n = Len();
    unsigned const dot = FindFirstChar('.');
    unsigned const end = dot < n ? dot : n;
    unsigned long long whole = 0;
    for (unsigned i = 0; i < end; ++i)
        if (isDigit(buffer[i]))
            whole = whole * 10 + unsigned(buffer[i] - '0');
    double result = double(whole);
    if (dot < n) {
        unsigned digits = n - dot - 1;
        if (digits > places)
            digits = places;
        double scale = 1;
        for (unsigned i = 0; i < digits; ++i)
            scale *= 10;
        result += double(ToDecimal(places)) / scale;
    }
    return result;
}

DName DName::FormatNumber() const
{
    unsigned const n = Len();
    DName r;
    if (!n)
        return r;
    unsigned const total = n + (n - 1) / 3;
    if (!r.Alloc(total))
        return r;
    unsigned k = total;
    for (unsigned i = n, copied = 0; i-- > 0;) {
        r.buffer[--k] = buffer[i];
        if (++copied % 3 == 0 && i > 0)
            r.buffer[--k] = ',';
    }
    return r;
}

DName DName::FormatNumber(long const& v)
{
    DName t;
    t.FromLong((unsigned long)v, 0);
    return t.FormatNumber();
}

DName DName::FormatNumber(unsigned long long const& v)
{
    DName t;
    t.FromLong64(v, 0);
    return t.FormatNumber();
}

DName DName::FormatNumber(int const& v)
{
    return FormatNumber((long)v);
}

DName DName::FormatNumber(unsigned const& v)
{
    return FormatNumber((unsigned long long)v);
}

DName DName::ToRadix(unsigned long const& base) const
{
    if (base < 2 || base > 36)
        return *this;
    unsigned const n = Len();
    unsigned const k = radixWidth(base);
    DName r;
    if (!n || !r.Alloc(n * k))
        return r;
    for (unsigned i = 0; i < n; ++i) {
        unsigned v = (unsigned char)buffer[i];
        for (unsigned d = k; d-- > 0;) {
            unsigned const digit = v % base;
            r.buffer[i * k + d] = char(digit < 10 ? '0' + digit : 'A' + digit - 10);
            v /= base;
        }
    }
    return r;
}

DName DName::FromRadix(unsigned long const& base) const
{
    if (base < 2 || base > 36)
        return *this;
    unsigned const k = radixWidth(base);
    unsigned const count = Len() / k;
    DName r;
    if (!count || !r.Alloc(count))
        return r;
    for (unsigned g = 0; g < count; ++g) {
        unsigned long sum = 0;
        for (unsigned d = 0; d < k; ++d) {
            char const c = upper(buffer[g * k + d]);
            unsigned long v = isDigit(c) ? unsigned(c - '0') : (unsigned long)((unsigned char)c - 55);
            if (v > base)
                v = base - 1;
            sum = sum * base + v;
        }
        r.buffer[g] = char(sum & 0xFF);
    }
    return r;
}

DName DName::FromRadix(unsigned long const& base, DName const& src)
{
    return src.FromRadix(base);
}

// ---------------------------------------------------------------------------
// Keyed XOR

// Eight bytes at a time: a restore unscrambles every path it reads.
void DName::XorKey(char* buf, unsigned len, char const* key, unsigned keyLen, unsigned& pos)
{
    // An empty key changes nothing; its position still moves on as if it
    // started over at every byte.
    if (keyLen == 0) {
        if (len)
            pos = 1;
        return;
    }
    while (len) {
        if (pos >= keyLen)
            pos = 0;
        unsigned const run = len < keyLen - pos ? len : keyLen - pos;
        char const* const k = key + pos;
        unsigned i = 0;
        for (; i + 8 <= run; i += 8) {
            unsigned long long a;
            unsigned long long b;
            std::memcpy(&a, buf + i, 8);
            std::memcpy(&b, k + i, 8);
            a ^= b;
            std::memcpy(buf + i, &a, 8);
        }
        for (; i < run; ++i)
            buf[i] ^= k[i];
        buf += run;
        len -= run;
        pos += run;
    }
}

bool DName::det(DName const& key, unsigned& pos)
{
    XorKey(buffer, Len(), key.buffer, key.Len(), pos);
    return true;
}

bool DName::Code(char const* key)
{
    if (!key)
        return false;
    unsigned pos = 0;
    XorKey(buffer, Len(), key, Size(key), pos);
    return true;
}

bool DName::detp(char* buf, unsigned const& len, char const* key, unsigned& pos)
{
    if (!buf)
        return false;
    XorKey(buf, len, key, Size(key), pos);
    return true;
}

// ---------------------------------------------------------------------------
// Storage in files

// A string longer than Read accepts is refused before anything is written, so
// a file never holds a string that cannot be read back.
bool DName::Write(FileOper& f) const
{
    unsigned const n = Len();
    if (n >= StoredLimit)
        return false;
    unsigned long const four = 4;
    if (!f.Write(&n, four))
        return false;
    if (!n)
        return true;
    unsigned long const len = n;
    return f.Write(buffer, len);
}

bool DName::operator>>(FileOper& f) const
{
    return Write(f);
}

// A count or text cut short by the end of the file is a failure, not a
// shorter string: the file reader delivers what is left and calls it success.
bool DName::Read(FileOper& f)
{
    Destroy();
    unsigned n = 0;
    unsigned long const four = 4;
    if (!f.Read(&n, four, true) || f.GetReadSize() != four)
        return false;
    if (n >= StoredLimit)
        return false;
    if (!n)
        return true;
    buffer = (char*)std::calloc(size_t(n) + 1, 1);
    if (!buffer)
        return false;
    size = n;
    unsigned long const len = n;
    return f.Read(buffer, len, true) && f.GetReadSize() == len;
}

bool DName::operator<<(FileOper& f)
{
    return Read(f);
}
