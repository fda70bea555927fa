// DFile: one file or folder entry as the search knows it: full path, 64-bit
// size, attribute word and three UTC time stamps, plus the per-record key
// that scrambles the record while it is stored.
//
// Times are kept in UTC and shown, entered and compared in local time at
// one-second resolution; every time before 1985 reads as 1985.
//
// Note: unary operator& is overloaded (it yields the path text); use
// std::addressof to take the address of a DFile object.
#pragma once

#include <windows.h>

#include "DName.h"
#include "ScanlibApi.h"

class FileOper;
class RecordBuffer;

class SCANLIB_API DFile
{
    bool scrambled_;
    DName path_;
    DName key_;
    unsigned sizeLow_;
    unsigned sizeHigh_;
    unsigned attributes_;
    FILETIME created_;
    FILETIME accessed_;
    FILETIME written_;

public:
    DFile* next;    // link of the list holding this record; kept by the list

    // Construction and assignment
    DFile();
    DFile(DFile const& o);                  // every field; the copy is not linked
    explicit DFile(DName const& path);      // FromPath
    DFile(DName const& path, unsigned attributes, unsigned sizeLow,
          FILETIME const* created = nullptr, FILETIME const* accessed = nullptr,
          FILETIME const* written = nullptr);
    DFile(WIN32_FIND_DATAA const& entry, DName const& folder);
    // Copy (o, no folder): the scrambled flag and the link stay.
    DFile& operator=(DFile const& o);
    // Replaces the path only.
    DFile& operator=(DName const& path);

    // The key and the scrambled flag stay.
    DFile& Copy(WIN32_FIND_DATAA const& entry, DName const& folder);
    // Path (under folder when given), size, attributes, dates and key.
    DFile& Copy(DFile const& o, DName const& folder);
    static DFile GetByFormat(WIN32_FIND_DATAA const& entry, DName const& folder);
    // Fills the record from the file system; unchanged on failure.
    bool FromPath(DName const& path);
    // cFileName, or cAlternateFileName when cFileName is empty.
    static DName ExtractFilename(WIN32_FIND_DATAA const& entry);
    // Empties every field but the link.
    void Destroy();
    void operator--();

    // Fields
    bool SetFullPath(DName const& path);
    bool SetIndex(DName const& key);
    void SetFileSize(unsigned low, unsigned high);
    void SetAttribute(unsigned word);
    void AddAttribute(unsigned bits);
    void SubAttribute(unsigned bits);
    void SetDateCreated(FILETIME const& t);
    void SetDateLastAccessed(FILETIME const& t);
    void SetDateWritten(FILETIME const& t);
    void SetLocalDateCreated(SYSTEMTIME const& local);
    void SetLocalDateLastAccessed(SYSTEMTIME const& local);
    void SetLocalDateWritten(SYSTEMTIME const& local);

    DName const& GetFullPath() const;
    char const* operator&() const;              // never null
    char operator[](unsigned i) const;          // NUL beyond the end
    DName const& GetKey() const;
    bool isDataEncrypted() const;
    unsigned GetFileSize() const;               // the low half alone
    unsigned long long GetFileSize64() const;
    bool is64() const;
    static bool is64(WIN32_FIND_DATAA const& entry);
    unsigned GetAttribute() const;
    FILETIME const& GetDateCreated() const;
    FILETIME const& GetDateLastAccessed() const;
    FILETIME const& GetDateWritten() const;
    SYSTEMTIME GetLocalDateCreated() const;
    SYSTEMTIME GetLocalDateLastAccessed() const;
    SYSTEMTIME GetLocalDateWritten() const;
    unsigned GetLongSize() const;               // length of the path
    unsigned HeaderSize() const;

    // Paths
    DName GetFileName() const;
    // Where the file-name part of a path begins: after its last "\" or
    // "/", or at 0 without one.
    static unsigned NameStart(DName const& path);
    // The folder of path (of the record's path when empty), or path itself
    // when it names a folder or does not exist.
    DName GetParentPath(DName const& path) const;
    DName GetOldStyle() const;                  // short (8.3) form
    DName GetOldFullPath() const;
    DName GetNewStyle() const;                  // long form
    DName GetNewFullPath() const;

    // Predicates
    bool isEmpty() const;
    static bool isEmpty(FILETIME const& t);
    bool isDots() const;
    static bool isDots(WIN32_FIND_DATAA const& entry);
    bool isNotDots() const;
    static bool isNotDots(WIN32_FIND_DATAA const& entry);
    // Every bit of mask (an empty mask passes).
    bool isAttribute(unsigned mask) const;
    static bool isAttribute(unsigned word, unsigned mask);
    static bool isAttribute(WIN32_FIND_DATAA const& entry, unsigned mask);
    // At least one bit of mask (an empty mask fails).
    bool isAnAttribute(unsigned mask) const;
    static bool isAnAttribute(unsigned word, unsigned mask);
    static bool isAnAttribute(WIN32_FIND_DATAA const& entry, unsigned mask);
    bool isReadOnly() const;
    bool isHidden() const;
    bool isSystem() const;
    bool isDir() const;
    bool isFile() const;
    bool isArchive() const;
    bool isEncrypted() const;
    bool isNormal() const;
    bool isTemp() const;
    bool isCompressed() const;
    static bool isValidDate(SYSTEMTIME const& local);
    static bool isValidDate(FILETIME const& t);
    // Case-sensitive wildcard test of the path.
    bool IsWildCard(DName const& pattern) const;

    // Comparison. Records with an empty path equal nothing; the last-access
    // dates are not compared.
    bool Comp(DFile const& o) const;
    bool operator==(DFile const& o) const;
    bool operator!=(DFile const& o) const;
    bool CompStruct(DFile const& o) const;
    bool CompDates(DFile const& o) const;
    static bool CompDates(FILETIME const& a, FILETIME const& b);
    // -1, 0 or 1: local time, one-second resolution.
    static int CompDate(FILETIME const& a, FILETIME const& b);
    int CompDateCreated(FILETIME const& t) const;
    int CompDateLastAccessed(FILETIME const& t) const;
    int CompDateWritten(FILETIME const& t) const;

    // Dates. Every date before FloorYear reads as FloorYear; valid dates
    // run to the end of LastYear.
    static constexpr WORD FloorYear = 1985;
    static constexpr WORD LastYear = 2080;
    static SYSTEMTIME GetLocalDate(FILETIME const& t);
    // CompDate's order as a number, for sorting many dates: the local time
    // in whole seconds, 0 for the 1985 floor. The local time of every date
    // is taken with the zone's present offset, so the offset is asked once
    // (LocalOffset) and handed to each call.
    static long long LocalOffset();
    static unsigned long long LocalSeconds(FILETIME const& t, long long offset);
    static FILETIME GetUTCDate(SYSTEMTIME const& local);

    // Text
    static DName FormatDate(FILETIME const& t);          // 'Mar 9, 2004  3:07:05 PM'
    static DName FormatNumericalDate(FILETIME const& t); // '3/09/2004 3:07:05 PM'
    // The longest FormatNumericalDate text.
    static constexpr unsigned NumericalDateLimit = 22;
    // FormatNumericalDate's text into out (NumericalDateLimit bytes, no
    // NUL) with the zone offset of LocalOffset, so that many dates ask for
    // it once; returns its length.
    static unsigned NumericalDateText(FILETIME const& t, long long offset,
                                      char* out);
    // Words or letters of attributes, or of the record's own word when
    // attributes is negative.
    DName FormatAttributes(bool words, int attributes) const;
    // The letter form of the attributes into out (AttributeLetterCount
    // bytes, no NUL).
    static constexpr unsigned AttributeLetterCount = 9;
    static void AttributeLetters(unsigned attributes, char* out);
    bool ToString(DName& out, char separator) const;
    bool FromString(DName const& in, char separator);

    // Storage: "record >> file" writes, "record << file" reads.
    bool Write(FileOper& f);
    bool operator>>(FileOper& f);
    bool Read(FileOper& f);
    bool operator<<(FileOper& f);
    bool TextWrite(FileOper& f) const;
    // The same forms through a buffer that a list shares between records.
    // Store writes the record as it stands or, given a key (its k bytes),
    // scrambled with that key on the way out: the record itself is left
    // alone. Load reads a record and unscrambles it; the key it was stored
    // with is kept only when asked for. A record that cannot be read whole
    // is not taken from the buffer, and the fields may then have lost their
    // values.
    bool Store(RecordBuffer& out, char const* key, unsigned k) const;
    bool Load(RecordBuffer& in, bool keepKey);
    bool TextWrite(RecordBuffer& out) const;

    // Scrambling
    static bool CreateHashKey(DName& key);
    // A key's length (1 to 993) and one of its bytes (1 to 129), from the
    // runtime's generator, which is never seeded here.
    static unsigned DrawKeyLength();
    static char DrawKeyByte();
    bool Encrypt();
    bool Decrypt();
    // word XOR a value built from the next four key characters; its own
    // inverse with the same starting pos.
    static unsigned DecWord(unsigned word, DName const& key, unsigned& pos);

private:
    void Scramble();
    // Scrambling and unscrambling alike: the n path bytes at path XORed
    // with the key from its first byte, then the nine words of GetWords.
    static void Mix(char* path, unsigned n, unsigned (&w)[9],
                    char const* key, unsigned k);
    // The value DecWord mixes in, from the k bytes at key (or the empty
    // text with k 0).
    static unsigned KeyWord(char const* key, unsigned k, unsigned& pos);
    // That value from four key characters in a row.
    static unsigned KeyValue(char const* four);
    // The nine numbers in the order in which the key mixes them.
    void GetWords(unsigned (&w)[9]) const;
    void SetWords(unsigned const (&w)[9]);
    static DName NamePart(DName const& path);
    static bool isDotsName(DName const& name);
    static bool isInRange(SYSTEMTIME const& u);
    // The fields shown for a date (year to second only), with the zone
    // offset of LocalOffset.
    static SYSTEMTIME ShownDate(FILETIME const& t, long long offset,
                                unsigned& hour, char const*& suffix);
    static FILETIME ParseNumericalDate(DName const& text);
    DName ConvertPath(DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD)) const;
};
