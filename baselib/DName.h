// DName: the one string and path type of Hunterly.
//
// An owned, exact-size, NUL-terminated byte buffer with a 32-bit size; an
// empty string has no buffer. Buffers are allocated and freed inside
// baselib only, so a DName may be made in one module and destroyed in another.
//
// Note: unary operator& is overloaded (it yields the raw buffer); use
// std::addressof to take the address of a DName object.
#pragma once

#include "BaselibApi.h"

class FileOper;

class BASELIB_API DName
{
    char* buffer;    // null when empty; otherwise size + 1 bytes, last one NUL
    unsigned size;

public:
    DName* next;     // link of the Container list holding this string; never touched here

    // Stored strings are shorter than this: Read refuses longer counts and
    // Write never writes them.
    static unsigned const StoredLimit = 0xFFF0;

    // Construction, assignment and storage
    DName();
    DName(char const* s);
    DName(DName const& o);
    DName(char const* a, char const* b);
    DName(unsigned const& n, char c);
    DName(int const& v);                // 0 gives an empty string
    DName(unsigned const& v);
    DName(unsigned long const& v);
    ~DName();

    DName& Copy(DName const& o);        // byte-exact
    bool Name(DName const& o);          // byte-exact
    bool Name(char const* s);

    DName& operator=(DName const& o);   // copies up to the first NUL
    DName& operator=(char const* s);
    DName& operator=(char const& c);
    DName& operator=(int const& v);     // 0 empties the string
    DName& operator=(unsigned const& v);
    DName& operator=(unsigned long const& v);
    DName& operator=(unsigned long long const& v);

    bool Namen(char const* s, unsigned const& n);
    void Destroy();
    void operator--();
    void operator--(int);
    bool Alloc(unsigned const& n);
    bool operator>>=(unsigned const& n);
    bool Resize();
    void Release();                     // frees the buffer, keeps the size field
    static char* dmalloc(unsigned const& n);

    // Access
    char const* Name() const;           // never null
    char const* operator&() const;      // null when empty
    char* Handle();
    unsigned Size() const;
    static unsigned Size(char const* s);
    bool isEmpty() const;
    bool operator!() const;
    bool isFull() const;
    char& operator[](unsigned const& i) const;
    char operator()(unsigned const& i) const;
    char Char(unsigned const& i) const;
    char Left() const;                  // NUL for an empty string
    char Right() const;                 // NUL for an empty string
    bool ModPos(unsigned const& i, char const& c);
    bool operator()(unsigned const& i, unsigned const& c);
    bool isNum(unsigned const& i) const;
    bool isAlpha(unsigned const& i) const;
    bool isVow(unsigned const& i) const;

    // Comparison
    bool Comp(DName const& o) const;
    bool Compi(DName const& o) const;
    bool operator==(DName const& o) const;
    bool operator!=(DName const& o) const;
    bool operator==(char const* s) const;
    bool operator!=(char const* s) const;
    // These compare the size with the number; the int forms keep "name == 0"
    // unambiguous.
    bool operator==(unsigned const& n) const;
    bool operator!=(unsigned const& n) const;
    bool operator<(unsigned const& n) const;
    bool operator<=(unsigned const& n) const;
    bool operator>(unsigned const& n) const;
    bool operator>=(unsigned const& n) const;
    bool operator==(int const& n) const;
    bool operator!=(int const& n) const;
    bool operator<(int const& n) const;
    bool operator<=(int const& n) const;
    bool operator>(int const& n) const;
    bool operator>=(int const& n) const;
    bool operator<(char const* s) const;
    bool operator<=(char const* s) const;
    bool operator<(DName const& o) const;
    bool operator<=(DName const& o) const;
    bool operator>(DName const& o) const;
    bool operator>=(DName const& o) const;
    bool isFileSpec(DName const& pattern) const;
    // The ordering of the operators above on plain strings: ASCII letters
    // folded, bytes unsigned, up to the first NUL; negative, 0 or positive.
    static int CompareNoCase(char const* a, char const* b);
    // The ASCII letter folding of the comparisons; inline, as sorts fold
    // every byte they look at.
    static char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; }
    bool Comps(DName const& pattern) const;

    // Search
    unsigned FindFirstChar(char c) const;
    unsigned FindFirstChar(DName const& set) const;
    unsigned FindLastChar(char c) const;
    unsigned FindLastChar(DName const& set) const;
    bool FindSub(DName const& sub, unsigned* pos = 0) const;
    bool FindSubi(DName const& sub, unsigned* pos = 0) const;
    unsigned CountNumbers() const;
    int GetNumber(unsigned const& index, int* pos = 0) const;

    // Editing
    bool Attach(DName const& o);
    bool AttachPos(DName const& o, unsigned const& pos);
    bool InsertLeft(char const& c, unsigned const& n = 1);
    bool InsertRight(char const& c, unsigned const& n = 1);
    bool InsertPos(char const& c, unsigned const& pos);
    bool operator+=(DName const& o);
    bool operator+=(char c);
    bool operator+=(char const* s);
    bool operator+=(int const& v);      // 0 appends "0"
    bool operator+=(unsigned const& v);
    bool operator+=(unsigned long const& v);
    bool operator+=(unsigned long long const& v);
    DName operator+(DName const& o) const;
    DName operator+(char const* s) const;
    DName operator+(char c) const;
    DName operator+(int const& v) const;
    DName operator+(unsigned const& v) const;
    DName operator+(unsigned long const& v) const;
    DName operator+(unsigned long long const& v) const;
    DName operator-(DName const& o) const;
    DName operator-(char const* s) const;
    DName operator-(char c) const;
    bool DelLeft(unsigned const& n);
    bool DelRight(unsigned const& n);
    bool DelPos(unsigned const& pos, unsigned const& n);
    bool DelFind(DName const& sub);
    bool DelFindi(DName const& sub);
    bool DelMatch(DName const& prefix);
    bool RemAllChars(DName const& set);
    bool RemRepeats(char c);
    bool Chop(DName const& set);
    bool FrontChop(DName const& set);
    bool Trim(DName const& set);
    bool Replace(char a, char b);
    bool upc();
    bool lowc();
    bool CopySubStr(DName const& src, unsigned const& from, unsigned const& to);
    bool CopyToCh(DName const& src, char c);

    // Paths ("\" and "/" are separators)
    bool AttachSlash(bool flag = false);
    DName& AddFile(DName const& f, bool flag = false);
    DName& AddHome(DName const& home, bool flag = false);
    bool ChopPath(bool dots = false);
    bool RemDrive();
    bool RemDrive(DName& out);
    bool RemIndexDir();
    bool RemIndexDir(DName& out);
    bool RemDir();
    bool RemDir(DName& out);
    bool RemFilename();
    bool RemFilename(DName& out);
    bool RemExt();
    bool RemExt(DName& out);
    bool ExtOnly();
    unsigned LargestPath(DName const& p) const;
    bool IncName();

    // Numbers
    bool FromLong(unsigned long const& v, unsigned const& width = 0);
    bool FromWord(unsigned const& v, unsigned const& width = 0);
    bool FromLong64(unsigned long long const& v, unsigned const& width = 0);
    // The decimal digits of v into out (room for 20), without a NUL;
    // returns their count.
    static unsigned Decimal(unsigned long long v, char* out);
    bool FromDouble(double const& v, unsigned const& width = 0);
    unsigned long ToLong() const;
    unsigned ToWord() const;
    unsigned long long ToLong64() const;
    unsigned long ToDecimal(unsigned const& places) const;
    double ToDouble(unsigned const& places) const;
    DName FormatNumber() const;
    static DName FormatNumber(long const& v);
    static DName FormatNumber(unsigned long long const& v);
    // Extra overloads so that int and unsigned counts are not ambiguous.
    static DName FormatNumber(int const& v);
    static DName FormatNumber(unsigned const& v);
    DName ToRadix(unsigned long const& base) const;
    DName FromRadix(unsigned long const& base) const;
    static DName FromRadix(unsigned long const& base, DName const& src);

    // Keyed XOR (each is its own inverse)
    bool det(DName const& key, unsigned& pos);
    bool Code(char const* key);
    static bool detp(char* buf, unsigned const& len, char const* key, unsigned& pos);
    // The XOR of them all: len bytes at buf with the keyLen bytes at key,
    // the key position running on from pos and starting over at the key's
    // end (NUL bytes of the key count).
    static void XorKey(char* buf, unsigned len, char const* key, unsigned keyLen, unsigned& pos);

    // Storage in files: "name >> file" writes, "name << file" reads.
    bool Write(FileOper& f) const;
    bool operator>>(FileOper& f) const;
    bool Read(FileOper& f);
    bool operator<<(FileOper& f);

private:
    unsigned Len() const;               // 0 when there is no buffer
    bool Set(char const* s, unsigned n);
    bool Splice(unsigned pos, unsigned del, char const* ins, unsigned insLen, char fill);
};
