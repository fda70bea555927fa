#include "DFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "FileOper.h"
#include "RecordBuffer.h"

namespace {

// 1985-01-01 and 2081-01-01, 00:00:00, in 100-nanosecond ticks since 1601.
unsigned long long const FloorTicks = 121178592000000000ULL;
unsigned long long const CeilingTicks = 151473888000000000ULL;
unsigned long long const TicksPerSecond = 10000000;
// Days from 1601-01-01 to 1970-01-01.
unsigned const DaysTo1970 = 134774;

// isAttribute looks at the bits up to 0x4000, isAnAttribute up to 0x8000.
unsigned const EveryBits = 0x7FFF;
unsigned const AnyBits = 0xFFFF;

struct AttributeText
{
    unsigned bit;
    char const* word;
    char letter;    // at its index in the letter form
};

// In the order of the words; the letter form uses the same order.
AttributeText const Attributes[] = {
    {FILE_ATTRIBUTE_READONLY, "Read Only, ", 'R'},
    {FILE_ATTRIBUTE_DIRECTORY, "Folder, ", 'D'},
    {FILE_ATTRIBUTE_ARCHIVE, "Archive, ", 'A'},
    {FILE_ATTRIBUTE_NORMAL, "Normal, ", 'N'},
    {FILE_ATTRIBUTE_SYSTEM, "System, ", 'S'},
    {FILE_ATTRIBUTE_HIDDEN, "Hidden, ", 'H'},
    {FILE_ATTRIBUTE_COMPRESSED, "Compressed, ", 'C'},
    {FILE_ATTRIBUTE_TEMPORARY, "Temporary, ", 'T'},
    {0x40, "Encrypted, ", 'E'},
};
static_assert(sizeof Attributes / sizeof Attributes[0] ==
                  DFile::AttributeLetterCount,
              "a letter for every attribute");

char const* const MonthNames[] = {"",     "Jan",  "Feb", "Mar",  "April",
                                  "May",  "June", "July", "Aug", "Sept",
                                  "Oct",  "Nov",  "Dec"};

FILETIME const NoDate = {0, 0};

// Two digits, with a leading 0.
char* TwoDigits(char* out, unsigned v)
{
    out[0] = char('0' + v / 10);
    out[1] = char('0' + v % 10);
    return out + 2;
}

// One or two digits, without a leading 0.
char* ShortNumber(char* out, unsigned v)
{
    if (v >= 10)
        *out++ = char('0' + v / 10);
    *out++ = char('0' + v % 10);
    return out;
}

// The nine words of GetWords in the order of a stored record: the dates
// first, the last written one leading, then attributes and size.
unsigned const StoredOrder[9] = {7, 8, 5, 6, 3, 4, 2, 0, 1};

// -1, 0 or 1: the earlier, the same or the later of two broken-down times,
// year to second.
int CompFields(SYSTEMTIME const& x, SYSTEMTIME const& y)
{
    static WORD SYSTEMTIME::* const Order[] = {
        &SYSTEMTIME::wYear, &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDay,
        &SYSTEMTIME::wHour, &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond};
    for (WORD SYSTEMTIME::* field : Order) {
        if (x.*field != y.*field)
            return x.*field < y.*field ? -1 : 1;
    }
    return 0;
}

unsigned WordAt(char const* p)
{
    unsigned w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

void PutWordAt(char* p, unsigned w)
{
    std::memcpy(p, &w, sizeof w);
}

// The ticks of t moved by offset; false for an empty date and one before
// 1985 (a shift below zero wraps high) or from 2^63 on, where no
// broken-down time exists: those read as the floor.
bool LocalTicks(FILETIME const& t, long long offset, unsigned long long& local)
{
    ULARGE_INTEGER const u = {{t.dwLowDateTime, t.dwHighDateTime}};
    local = u.QuadPart + static_cast<unsigned long long>(offset);
    return !DFile::isEmpty(t) && !(u.QuadPart >> 63) && !(local >> 63) &&
           local >= FloorTicks;
}

}  // namespace

DFile::DFile()
    : scrambled_(false), sizeLow_(0), sizeHigh_(0), attributes_(0),
      created_(NoDate), accessed_(NoDate), written_(NoDate), next(nullptr)
{
}

DFile::DFile(DFile const& o)
    : scrambled_(o.scrambled_), path_(o.path_), key_(o.key_),
      sizeLow_(o.sizeLow_), sizeHigh_(o.sizeHigh_),
      attributes_(o.attributes_), created_(o.created_),
      accessed_(o.accessed_), written_(o.written_), next(nullptr)
{
}

DFile::DFile(DName const& path) : DFile()
{
    FromPath(path);
}

DFile::DFile(DName const& path, unsigned attributes, unsigned sizeLow,
             FILETIME const* created, FILETIME const* accessed,
             FILETIME const* written)
    : DFile()
{
    path_.Copy(path);
    attributes_ = attributes;
    sizeLow_ = sizeLow;
    created_ = created ? *created : NoDate;
    accessed_ = accessed ? *accessed : NoDate;
    written_ = written ? *written : NoDate;
}

DFile::DFile(WIN32_FIND_DATAA const& entry, DName const& folder) : DFile()
{
    Copy(entry, folder);
}

DFile& DFile::operator=(DFile const& o)
{
    return Copy(o, DName());
}

DFile& DFile::operator=(DName const& path)
{
    path_.Copy(path);
    return *this;
}

DFile& DFile::Copy(WIN32_FIND_DATAA const& entry, DName const& folder)
{
    path_.Copy(ExtractFilename(entry));
    if (!folder.isEmpty())
        path_.AddHome(folder, false);
    created_ = entry.ftCreationTime;
    accessed_ = entry.ftLastAccessTime;
    written_ = entry.ftLastWriteTime;
    attributes_ = entry.dwFileAttributes;
    sizeLow_ = entry.nFileSizeLow;
    sizeHigh_ = entry.nFileSizeHigh;
    return *this;
}

DFile& DFile::Copy(DFile const& o, DName const& folder)
{
    if (this != std::addressof(o)) {
        path_.Copy(o.path_);
        key_.Copy(o.key_);
        sizeLow_ = o.sizeLow_;
        sizeHigh_ = o.sizeHigh_;
        attributes_ = o.attributes_;
        created_ = o.created_;
        accessed_ = o.accessed_;
        written_ = o.written_;
    }
    if (!folder.isEmpty())
        path_.AddHome(folder, false);
    return *this;
}

DFile DFile::GetByFormat(WIN32_FIND_DATAA const& entry, DName const& folder)
{
    return DFile(entry, folder);
}

bool DFile::FromPath(DName const& path)
{
    WIN32_FIND_DATAA entry;
    HANDLE const h = FindFirstFileA(path.Name(), &entry);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    Copy(entry, DName());
    path_.Copy(path);
    return true;
}

DName DFile::ExtractFilename(WIN32_FIND_DATAA const& entry)
{
    // The short alias is often longer than the real name ("FAQ~~JPP.HTM"
    // for "faq.html"): it stands in only when the real name is missing.
    // An entry from elsewhere need not be terminated inside its arrays.
    size_t const name = strnlen(entry.cFileName, sizeof entry.cFileName);
    DName out;
    if (name)
        out.Namen(entry.cFileName, unsigned(name));
    else
        out.Namen(entry.cAlternateFileName,
                  unsigned(strnlen(entry.cAlternateFileName, sizeof entry.cAlternateFileName)));
    return out;
}

void DFile::Destroy()
{
    scrambled_ = false;
    path_.Destroy();
    key_.Destroy();
    sizeLow_ = sizeHigh_ = attributes_ = 0;
    created_ = accessed_ = written_ = NoDate;
}

void DFile::operator--()
{
    Destroy();
}

bool DFile::SetFullPath(DName const& path)
{
    return path_.Name(path);
}

bool DFile::SetIndex(DName const& key)
{
    return key_.Name(key);
}

void DFile::SetFileSize(unsigned low, unsigned high)
{
    sizeLow_ = low;
    sizeHigh_ = high;
}

void DFile::SetAttribute(unsigned word)
{
    attributes_ = word;
}

void DFile::AddAttribute(unsigned bits)
{
    attributes_ |= bits;
}

void DFile::SubAttribute(unsigned bits)
{
    attributes_ &= ~bits;
}

void DFile::SetDateCreated(FILETIME const& t)
{
    created_ = t;
}

void DFile::SetDateLastAccessed(FILETIME const& t)
{
    accessed_ = t;
}

void DFile::SetDateWritten(FILETIME const& t)
{
    written_ = t;
}

void DFile::SetLocalDateCreated(SYSTEMTIME const& local)
{
    created_ = GetUTCDate(local);
}

void DFile::SetLocalDateLastAccessed(SYSTEMTIME const& local)
{
    accessed_ = GetUTCDate(local);
}

void DFile::SetLocalDateWritten(SYSTEMTIME const& local)
{
    written_ = GetUTCDate(local);
}

DName const& DFile::GetFullPath() const
{
    return path_;
}

char const* DFile::operator&() const
{
    return path_.Name();
}

char DFile::operator[](unsigned i) const
{
    return path_(i);
}

DName const& DFile::GetKey() const
{
    return key_;
}

bool DFile::isDataEncrypted() const
{
    return scrambled_;
}

unsigned DFile::GetFileSize() const
{
    return sizeLow_;
}

unsigned long long DFile::GetFileSize64() const
{
    return (static_cast<unsigned long long>(sizeHigh_) << 32) | sizeLow_;
}

bool DFile::is64() const
{
    return sizeHigh_ != 0;
}

bool DFile::is64(WIN32_FIND_DATAA const& entry)
{
    return entry.nFileSizeHigh != 0;
}

unsigned DFile::GetAttribute() const
{
    return attributes_;
}

FILETIME const& DFile::GetDateCreated() const
{
    return created_;
}

FILETIME const& DFile::GetDateLastAccessed() const
{
    return accessed_;
}

FILETIME const& DFile::GetDateWritten() const
{
    return written_;
}

SYSTEMTIME DFile::GetLocalDateCreated() const
{
    return GetLocalDate(created_);
}

SYSTEMTIME DFile::GetLocalDateLastAccessed() const
{
    return GetLocalDate(accessed_);
}

SYSTEMTIME DFile::GetLocalDateWritten() const
{
    return GetLocalDate(written_);
}

unsigned DFile::GetLongSize() const
{
    return path_.Size();
}

unsigned DFile::HeaderSize() const
{
    // The size, attribute and date fields.
    unsigned const fixed = 36;
    return path_.Size() + key_.Size() + fixed;
}

unsigned DFile::NameStart(DName const& path)
{
    char const* const p = path.Name();
    unsigned i = path.Size();
    while (i > 0 && p[i - 1] != '\\' && p[i - 1] != '/')
        --i;
    return i;
}

DName DFile::NamePart(DName const& path)
{
    unsigned const start = NameStart(path);
    DName name;
    name.Namen(path.Name() + start, path.Size() - start);
    return name;
}

DName DFile::GetFileName() const
{
    return NamePart(path_);
}

DName DFile::GetParentPath(DName const& path) const
{
    DName out(path.isEmpty() ? path_ : path);
    // A missing path reports every bit, the folder bit included.
    if (!(GetFileAttributesA(out.Name()) & FILE_ATTRIBUTE_DIRECTORY))
        out.RemFilename();
    return out;
}

DName DFile::ConvertPath(DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD)) const
{
    if (path_.isEmpty())
        return path_;
    DWORD const need = convert(path_.Name(), nullptr, 0);
    DName buffer;
    if (need == 0 || !buffer.Alloc(need))
        return path_;
    DWORD const got = convert(path_.Name(), buffer.Handle(), need);
    if (got == 0 || got >= need)
        return path_;
    DName const out(buffer.Name());
    return out.isEmpty() ? path_ : out;
}

DName DFile::GetOldStyle() const
{
    // The length is asked first: a short form can be longer than the path.
    return ConvertPath(GetShortPathNameA);
}

DName DFile::GetOldFullPath() const
{
    return NamePart(GetOldStyle());
}

DName DFile::GetNewStyle() const
{
    return ConvertPath(GetLongPathNameA);
}

DName DFile::GetNewFullPath() const
{
    return NamePart(GetNewStyle());
}

bool DFile::isEmpty() const
{
    return path_.isEmpty();
}

bool DFile::isEmpty(FILETIME const& t)
{
    return t.dwLowDateTime == 0 && t.dwHighDateTime == 0;
}

bool DFile::isDotsName(DName const& name)
{
    return name == "." || name == "..";
}

bool DFile::isDots() const
{
    return isDotsName(GetFileName());
}

bool DFile::isDots(WIN32_FIND_DATAA const& entry)
{
    return isDotsName(ExtractFilename(entry));
}

bool DFile::isNotDots() const
{
    return !isDots();
}

bool DFile::isNotDots(WIN32_FIND_DATAA const& entry)
{
    return !isDots(entry);
}

bool DFile::isAttribute(unsigned mask) const
{
    return isAttribute(attributes_, mask);
}

bool DFile::isAttribute(unsigned word, unsigned mask)
{
    return (word & mask & EveryBits) == (mask & EveryBits);
}

bool DFile::isAttribute(WIN32_FIND_DATAA const& entry, unsigned mask)
{
    return isAttribute(entry.dwFileAttributes, mask);
}

bool DFile::isAnAttribute(unsigned mask) const
{
    return isAnAttribute(attributes_, mask);
}

bool DFile::isAnAttribute(unsigned word, unsigned mask)
{
    return (word & mask & AnyBits) != 0;
}

bool DFile::isAnAttribute(WIN32_FIND_DATAA const& entry, unsigned mask)
{
    return isAnAttribute(entry.dwFileAttributes, mask);
}

bool DFile::isReadOnly() const
{
    return (attributes_ & FILE_ATTRIBUTE_READONLY) != 0;
}

bool DFile::isHidden() const
{
    return (attributes_ & FILE_ATTRIBUTE_HIDDEN) != 0;
}

bool DFile::isSystem() const
{
    return (attributes_ & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool DFile::isDir() const
{
    return (attributes_ & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DFile::isFile() const
{
    return !isDir();
}

bool DFile::isArchive() const
{
    return (attributes_ & FILE_ATTRIBUTE_ARCHIVE) != 0;
}

bool DFile::isEncrypted() const
{
    // This system's own encrypted bit, not the platform's 0x4000.
    return (attributes_ & 0x40) != 0;
}

bool DFile::isNormal() const
{
    return (attributes_ & FILE_ATTRIBUTE_NORMAL) != 0;
}

bool DFile::isTemp() const
{
    return (attributes_ & FILE_ATTRIBUTE_TEMPORARY) != 0;
}

bool DFile::isCompressed() const
{
    return (attributes_ & FILE_ATTRIBUTE_COMPRESSED) != 0;
}

bool DFile::isInRange(SYSTEMTIME const& u)
{
    return u.wYear >= FloorYear && u.wYear <= LastYear && u.wMonth >= 1 &&
           u.wMonth <= 12 && u.wDay >= 1 && u.wDay <= 31 && u.wHour < 24 &&
           u.wMinute < 60 && u.wSecond < 60;
}

// The round trip must give the same time back: a day past the end of its
// month is refused by one platform's conversion and rolled into the next
// month by another.
bool DFile::isValidDate(SYSTEMTIME const& local)
{
    SYSTEMTIME const u = GetLocalDate(GetUTCDate(local));
    return isInRange(u) && CompFields(u, local) == 0;
}

// A time converted from a FILETIME comes back unchanged from the round trip
// through UTC that a typed time needs, so it is taken as it is.
bool DFile::isValidDate(FILETIME const& t)
{
    return !isEmpty(t) && isInRange(GetLocalDate(t));
}

bool DFile::IsWildCard(DName const& pattern) const
{
    return path_.Comps(pattern);
}

bool DFile::Comp(DFile const& o) const
{
    return path_ == o.path_ && CompStruct(o);
}

bool DFile::operator==(DFile const& o) const
{
    return Comp(o);
}

bool DFile::operator!=(DFile const& o) const
{
    return !Comp(o);
}

bool DFile::CompStruct(DFile const& o) const
{
    return attributes_ == o.attributes_ && sizeLow_ == o.sizeLow_ &&
           sizeHigh_ == o.sizeHigh_ && CompDates(o) &&
           scrambled_ == o.scrambled_;
}

bool DFile::CompDates(DFile const& o) const
{
    return CompDates(written_, o.written_) && CompDates(created_, o.created_);
}

bool DFile::CompDates(FILETIME const& a, FILETIME const& b)
{
    return a.dwLowDateTime == b.dwLowDateTime &&
           a.dwHighDateTime == b.dwHighDateTime;
}

int DFile::CompDate(FILETIME const& a, FILETIME const& b)
{
    return CompFields(GetLocalDate(a), GetLocalDate(b));
}

int DFile::CompDateCreated(FILETIME const& t) const
{
    return CompDate(created_, t);
}

int DFile::CompDateLastAccessed(FILETIME const& t) const
{
    return CompDate(accessed_, t);
}

int DFile::CompDateWritten(FILETIME const& t) const
{
    return CompDate(written_, t);
}

SYSTEMTIME DFile::GetLocalDate(FILETIME const& t)
{
    FILETIME local;
    SYSTEMTIME s;
    if (!isEmpty(t) && FileTimeToLocalFileTime(&t, &local) &&
        FileTimeToSystemTime(&local, &s) && s.wYear >= FloorYear)
        return s;
    SYSTEMTIME floor = {};
    floor.wYear = FloorYear;
    return floor;
}

long long DFile::LocalOffset()
{
    ULARGE_INTEGER const probe = {{0, 0x01C00000}};
    FILETIME const utc = {probe.u.LowPart, probe.u.HighPart};
    FILETIME local;
    if (!FileTimeToLocalFileTime(&utc, &local))
        return 0;
    ULARGE_INTEGER const l = {{local.dwLowDateTime, local.dwHighDateTime}};
    return static_cast<long long>(l.QuadPart - probe.QuadPart);
}

unsigned long long DFile::LocalSeconds(FILETIME const& t, long long offset)
{
    unsigned long long local;
    return LocalTicks(t, offset, local) ? local / TicksPerSecond : 0;
}

FILETIME DFile::GetUTCDate(SYSTEMTIME const& local)
{
    FILETIME t;
    FILETIME u;
    if (SystemTimeToFileTime(&local, &t) && LocalFileTimeToFileTime(&t, &u))
        return u;
    return NoDate;
}

// The platform's local file time is UTC moved by the zone's present offset,
// whatever the date, so the offset is added here and the fields worked out
// by calendar arithmetic instead of asking the platform for every date.
SYSTEMTIME DFile::ShownDate(FILETIME const& t, long long offset,
                            unsigned& hour, char const*& suffix)
{
    // Dates outside 1985 to 2080 and empty ones show as the 1985 floor:
    // month, day and time all 0. An offset that moves a date below 1601 or
    // past the largest time wraps outside the range as well.
    SYSTEMTIME s = {};
    s.wYear = FloorYear;
    unsigned long long local;
    if (LocalTicks(t, offset, local) && local < CeilingTicks) {
        unsigned long long const seconds = local / TicksPerSecond;
        unsigned const time = unsigned(seconds % 86400);
        s.wHour = WORD(time / 3600);
        s.wMinute = WORD(time / 60 % 60);
        s.wSecond = WORD(time % 60);
        // Days since 1 March of year 0, in 400-year eras of 146,097 days.
        unsigned const days = unsigned(seconds / 86400) - DaysTo1970 + 719468;
        unsigned const era = days / 146097;
        unsigned const dayOfEra = days - era * 146097;
        unsigned const yearOfEra = (dayOfEra - dayOfEra / 1460 +
                                    dayOfEra / 36524 - dayOfEra / 146096) / 365;
        unsigned const dayOfYear =
            dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        unsigned const shifted = (5 * dayOfYear + 2) / 153;    // March is 0
        s.wDay = WORD(dayOfYear - (153 * shifted + 2) / 5 + 1);
        s.wMonth = WORD(shifted < 10 ? shifted + 3 : shifted - 9);
        s.wYear = WORD(era * 400 + yearOfEra + (s.wMonth <= 2 ? 1 : 0));
    }
    hour = s.wHour > 12 ? s.wHour - 12u : s.wHour == 0 ? 12u : s.wHour;
    suffix = s.wHour < 12 ? "AM" : "PM";
    return s;
}

DName DFile::FormatDate(FILETIME const& t)
{
    unsigned hour;
    char const* suffix;
    SYSTEMTIME const s = ShownDate(t, LocalOffset(), hour, suffix);
    char text[64];
    snprintf(text, sizeof text, "%s %d, %d  %u:%02d:%02d %s",
             MonthNames[s.wMonth], s.wDay, s.wYear, hour, s.wMinute, s.wSecond,
             suffix);
    return DName(text);
}

DName DFile::FormatNumericalDate(FILETIME const& t)
{
    char text[NumericalDateLimit];
    DName out;
    out.Namen(text, NumericalDateText(t, LocalOffset(), text));
    return out;
}

// '%d/%02d/%04d %u:%02d:%02d %s' of the shown fields, written by hand: a
// text export formats millions of dates.
unsigned DFile::NumericalDateText(FILETIME const& t, long long offset,
                                  char* out)
{
    unsigned hour;
    char const* suffix;
    SYSTEMTIME const s = ShownDate(t, offset, hour, suffix);
    char* p = ShortNumber(out, s.wMonth);
    *p++ = '/';
    p = TwoDigits(p, s.wDay);
    *p++ = '/';
    p = TwoDigits(TwoDigits(p, s.wYear / 100u), s.wYear % 100u);
    *p++ = ' ';
    p = ShortNumber(p, hour);
    *p++ = ':';
    p = TwoDigits(p, s.wMinute);
    *p++ = ':';
    p = TwoDigits(p, s.wSecond);
    *p++ = ' ';
    *p++ = suffix[0];
    *p++ = suffix[1];
    return unsigned(p - out);
}

FILETIME DFile::ParseNumericalDate(DName const& text)
{
    SYSTEMTIME s = {};
    WORD* const fields[] = {&s.wMonth,  &s.wDay,    &s.wYear,
                            &s.wHour,   &s.wMinute, &s.wSecond};
    for (unsigned i = 0; i < sizeof fields / sizeof fields[0]; ++i) {
        int const v = text.GetNumber(i);
        if (v < 0 || v > 0xFFFF)
            return NoDate;
        *fields[i] = WORD(v);
    }
    bool const pm = text.FindSubi(DName("PM"));
    if (pm && s.wHour < 12)
        s.wHour += 12;
    else if (!pm && s.wHour == 12)
        s.wHour = 0;
    // The invalid-date text (month 0) reads back as no date.
    return GetUTCDate(s);
}

DName DFile::FormatAttributes(bool words, int attributes) const
{
    unsigned const word = attributes < 0 ? attributes_ : unsigned(attributes);
    if (!words) {
        char letters[AttributeLetterCount];
        AttributeLetters(word, letters);
        DName out;
        out.Namen(letters, AttributeLetterCount);
        return out;
    }
    char text[128] = "";
    for (AttributeText const& a : Attributes) {
        if (word & a.bit)
            strcat(text, a.word);
    }
    size_t const n = strlen(text);
    if (n == 0)
        return DName("No Attributes");
    text[n - 2] = '\0';    // the last ", "
    return DName(text);
}

void DFile::AttributeLetters(unsigned attributes, char* out)
{
    for (unsigned i = 0; i < AttributeLetterCount; ++i)
        out[i] = attributes & Attributes[i].bit ? Attributes[i].letter : '-';
}

bool DFile::ToString(DName& out, char separator) const
{
    DName size;
    size.FromLong64(GetFileSize64());
    DName const fields[] = {
        size,
        FormatAttributes(false, -1),
        FormatNumericalDate(created_),
        FormatNumericalDate(written_),
        FormatNumericalDate(accessed_),
    };
    out.Copy(path_);
    if (out.Size() != path_.Size())
        return false;
    for (DName const& field : fields) {
        if (!(out += separator) || !(out += field))
            return false;
    }
    return true;
}

bool DFile::FromString(DName const& in, char separator)
{
    Destroy();
    // The five fields after the path never hold a separator of any sensible
    // choice, so they are found from the right: a path keeps any separator
    // character it contains.
    unsigned const fieldCount = 5;
    unsigned cut[fieldCount + 1];
    unsigned found = 0;
    for (unsigned i = in.Size(); i > 0 && found < fieldCount;) {
        --i;
        if (in[i] == separator)
            cut[fieldCount - 1 - found++] = i;
    }
    if (found < fieldCount)
        return false;
    cut[fieldCount] = in.Size();
    DName fields[fieldCount];
    for (unsigned i = 0; i < fieldCount; ++i) {
        unsigned const from = cut[i] + 1;
        if (!fields[i].Namen(&in[0] + from, cut[i + 1] - from))
            return false;
    }
    if (!path_.Namen(&in[0], cut[0]))
        return false;
    // Sizes are written in full, so the high half is read back too.
    unsigned long long const size = fields[0].ToLong64();
    sizeLow_ = unsigned(size);
    sizeHigh_ = unsigned(size >> 32);
    for (AttributeText const& a : Attributes) {
        if (fields[1].FindFirstChar(a.letter) < fields[1].Size())
            attributes_ |= a.bit;
    }
    created_ = ParseNumericalDate(fields[2]);
    written_ = ParseNumericalDate(fields[3]);
    accessed_ = ParseNumericalDate(fields[4]);
    return true;
}

// The record is laid out in the buffer as it stands and scrambled there,
// with the one mixing that reading undoes.
bool DFile::Store(RecordBuffer& out, char const* key, unsigned k) const
{
    char const* const stored = key ? key : key_.Name();
    unsigned const keySize = key ? k : key_.Size();
    unsigned const n = path_.isEmpty() ? 0 : path_.Size();
    // Refused before anything is written, as a reader would refuse it.
    if (keySize >= DName::StoredLimit || n >= DName::StoredLimit)
        return false;
    unsigned const pathAt = 1 + 4 + keySize + 4;
    unsigned const wordsAt = pathAt + n;
    char* const p = out.Extend(wordsAt + 9 * 4);
    if (!p)
        return false;
    p[0] = key || scrambled_ ? 1 : 0;
    PutWordAt(p + 1, keySize);
    std::memcpy(p + 1 + 4, stored, keySize);
    PutWordAt(p + pathAt - 4, n);
    std::memcpy(p + pathAt, path_.Name(), n);
    unsigned w[9];
    GetWords(w);
    if (key)
        Mix(p + pathAt, n, w, key, k);
    for (unsigned i = 0; i < 9; ++i)
        PutWordAt(p + wordsAt + 4 * i, w[StoredOrder[i]]);
    return true;
}

bool DFile::Write(FileOper& f)
{
    // A record already scrambled, or one for which no key can be had, is
    // written as it stands.
    bool const scramble = !scrambled_ && CreateHashKey(key_);
    RecordBuffer out(f);
    bool const stored = Store(out, scramble ? key_.Name() : nullptr, key_.Size());
    bool const ok = out.Flush() && stored;
    Decrypt();
    return ok;
}

bool DFile::operator>>(FileOper& f)
{
    return Write(f);
}

// The record is parsed where it stands in the buffer and taken only once it
// is whole: the key is not copied unless it is kept, and the path is copied
// once and unscrambled in place.
bool DFile::Load(RecordBuffer& in, bool keepKey)
{
    unsigned const keyAt = 1 + 4;
    char const* p = in.Peek(keyAt);
    unsigned const k = p ? WordAt(p + 1) : DName::StoredLimit;
    if (k >= DName::StoredLimit)
        return false;
    unsigned const pathAt = keyAt + k + 4;
    p = in.Peek(pathAt);
    unsigned const n = p ? WordAt(p + pathAt - 4) : DName::StoredLimit;
    if (n >= DName::StoredLimit)
        return false;
    unsigned const wordsAt = pathAt + n;
    unsigned const size = wordsAt + 9 * 4;
    p = in.Peek(size);
    if (!p || !path_.Namen(p + pathAt, n))
        return false;
    // Bytes read ahead on another thread lie in another processor's cache:
    // the next record's are fetched while this one is built.
    for (unsigned ahead = 0; ahead < 1024; ahead += 64)
        __builtin_prefetch(p + size + ahead);
    if (!keepKey)
        key_.Destroy();
    else if (!key_.Namen(p + keyAt, k))
        return false;
    unsigned w[9];
    for (unsigned i = 0; i < 9; ++i)
        w[StoredOrder[i]] = WordAt(p + wordsAt + 4 * i);
    if (p[0])
        Mix(n ? path_.Handle() : nullptr, n, w, p + keyAt, k);
    SetWords(w);
    scrambled_ = false;
    in.Skip(size);
    return true;
}

bool DFile::Read(FileOper& f)
{
    RecordBuffer in(f);
    return Load(in, true);
}

bool DFile::operator<<(FileOper& f)
{
    return Read(f);
}

bool DFile::TextWrite(FileOper& f) const
{
    RecordBuffer out(f);
    bool const written = TextWrite(out);
    return out.Flush() && written;
}

bool DFile::TextWrite(RecordBuffer& out) const
{
    struct
    {
        char const* label;
        FILETIME const& date;
    } const dates[] = {
        {"Creation Date   : ", created_},
        {"Last Access Date: ", accessed_},
        {"Write Date      : ", written_},
    };
    if (!out.PutLine(path_.Name()))
        return false;
    for (auto const& d : dates) {
        // This block alone shows the stored UTC time unconverted.
        SYSTEMTIME s = {};
        FileTimeToSystemTime(&d.date, &s);
        char line[80];
        snprintf(line, sizeof line, "%s[%02d/%02d/%04d %02d:%02d:%02d]",
                 d.label, s.wMonth, s.wDay, s.wYear, s.wHour, s.wMinute,
                 s.wSecond);
        if (!out.PutLine(line))
            return false;
    }
    // In full, also for sizes of 2 GiB and more in the low half.
    DName size;
    size.FromLong64(GetFileSize64());
    return out.PutLine((DName("Size            : ") + size).Name()) &&
           out.PutLine((DName("Attributes      : ") + FormatAttributes(false, -1)).Name()) &&
           out.PutLine("");
}

unsigned DFile::DrawKeyLength()
{
    return unsigned(rand() / 33 + 1);
}

char DFile::DrawKeyByte()
{
    return char(rand() / 255 + 1);
}

bool DFile::CreateHashKey(DName& key)
{
    key.Destroy();
    char bytes[RAND_MAX / 33 + 1];
    unsigned const n = DrawKeyLength();
    for (unsigned i = 0; i < n; ++i)
        bytes[i] = DrawKeyByte();
    return key.Namen(bytes, n);
}

unsigned DFile::DecWord(unsigned word, DName const& key, unsigned& pos)
{
    return word ^ KeyWord(key.Name(), key.Size(), pos);
}

unsigned DFile::KeyWord(char const* key, unsigned k, unsigned& pos)
{
    char four[4];
    for (char& c : four) {
        if (pos >= k)
            pos = 0;
        c = key[pos++];
    }
    return KeyValue(four);
}

unsigned DFile::KeyValue(char const* four)
{
    // Key characters count as signed bytes. Not shifted by 0, 8, 16, 24:
    // stored files depend on these amounts.
    auto const at = [four](unsigned i) {
        return unsigned(int(static_cast<signed char>(four[i])));
    };
    return (at(0) << 1) + (at(1) << 8) + at(2) + at(3);
}

void DFile::GetWords(unsigned (&w)[9]) const
{
    unsigned const words[9] = {
        sizeLow_,              sizeHigh_,              attributes_,
        created_.dwLowDateTime,  created_.dwHighDateTime,
        accessed_.dwLowDateTime, accessed_.dwHighDateTime,
        written_.dwLowDateTime,  written_.dwHighDateTime};
    std::memcpy(w, words, sizeof words);
}

void DFile::SetWords(unsigned const (&w)[9])
{
    sizeLow_ = w[0];
    sizeHigh_ = w[1];
    attributes_ = w[2];
    created_ = {w[3], w[4]};
    accessed_ = {w[5], w[6]};
    written_ = {w[7], w[8]};
}

void DFile::Scramble()
{
    unsigned w[9];
    GetWords(w);
    unsigned const n = path_.isEmpty() ? 0 : path_.Size();
    Mix(n ? path_.Handle() : nullptr, n, w, key_.Name(), key_.Size());
    SetWords(w);
}

void DFile::Mix(char* path, unsigned n, unsigned (&w)[9], char const* key,
                unsigned k)
{
    // An empty key mixes in nothing.
    if (k == 0)
        return;
    unsigned pos = 0;
    DName::XorKey(path, n, key, k, pos);
    if (pos >= k)
        pos = 0;
    if (pos + sizeof w <= k) {
        // The usual key is longer than the path and the words together:
        // no wrap within the words.
        for (unsigned i = 0; i < 9; ++i)
            w[i] ^= KeyValue(key + pos + 4 * i);
        return;
    }
    for (unsigned& word : w)
        word ^= KeyWord(key, k, pos);
}

bool DFile::Encrypt()
{
    if (scrambled_ || !CreateHashKey(key_))
        return false;
    Scramble();
    scrambled_ = true;
    return true;
}

bool DFile::Decrypt()
{
    if (!scrambled_)
        return false;
    Scramble();
    scrambled_ = false;
    return true;
}
