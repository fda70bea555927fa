#include "DFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "FileOper.h"
#include "RecordBuffer.h"

namespace {

WORD const FloorYear = 1985;
WORD const LastYear = 2080;

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
unsigned const AttributeCount = sizeof Attributes / sizeof Attributes[0];

char const* const MonthNames[] = {"",     "Jan",  "Feb", "Mar",  "April",
                                  "May",  "June", "July", "Aug", "Sept",
                                  "Oct",  "Nov",  "Dec"};

FILETIME const NoDate = {0, 0};

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
    // An entry from elsewhere need not be terminated inside its arrays.
    size_t const name = strnlen(entry.cFileName, sizeof entry.cFileName);
    size_t const alternate =
        strnlen(entry.cAlternateFileName, sizeof entry.cAlternateFileName);
    DName out;
    if (alternate > name)
        out.Namen(entry.cAlternateFileName, unsigned(alternate));
    else
        out.Namen(entry.cFileName, unsigned(name));
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

bool DFile::isValidDate(SYSTEMTIME const& local)
{
    return isInRange(GetLocalDate(GetUTCDate(local)));
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
    static WORD SYSTEMTIME::* const Order[] = {
        &SYSTEMTIME::wYear, &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDay,
        &SYSTEMTIME::wHour, &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond};
    SYSTEMTIME const x = GetLocalDate(a);
    SYSTEMTIME const y = GetLocalDate(b);
    for (WORD SYSTEMTIME::* field : Order) {
        if (x.*field != y.*field)
            return x.*field < y.*field ? -1 : 1;
    }
    return 0;
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
    // 1985-01-01 00:00:00 in 100-nanosecond ticks since 1601.
    unsigned long long const floorTicks = 121178592000000000ULL;
    unsigned long long const ticksPerSecond = 10000000;
    ULARGE_INTEGER const u = {{t.dwLowDateTime, t.dwHighDateTime}};
    unsigned long long const local =
        u.QuadPart + static_cast<unsigned long long>(offset);
    // Before 1985 (a shift below zero wraps high) and from 2^63 on, where
    // no broken-down time exists, dates read as the floor.
    if (isEmpty(t) || (u.QuadPart >> 63) || (local >> 63) || local < floorTicks)
        return 0;
    return local / ticksPerSecond;
}

FILETIME DFile::GetUTCDate(SYSTEMTIME const& local)
{
    FILETIME t;
    FILETIME u;
    if (SystemTimeToFileTime(&local, &t) && LocalFileTimeToFileTime(&t, &u))
        return u;
    return NoDate;
}

SYSTEMTIME DFile::ShownDate(FILETIME const& t, unsigned& hour,
                            char const*& suffix)
{
    // Invalid dates show as the 1985 floor: month, day and time all 0. One
    // conversion serves both the test and the text.
    SYSTEMTIME s = GetLocalDate(t);
    if (isEmpty(t) || !isInRange(s))
        s = GetLocalDate(NoDate);
    hour = s.wHour > 12 ? s.wHour - 12u : s.wHour == 0 ? 12u : s.wHour;
    suffix = s.wHour < 12 ? "AM" : "PM";
    return s;
}

DName DFile::FormatDate(FILETIME const& t)
{
    unsigned hour;
    char const* suffix;
    SYSTEMTIME const s = ShownDate(t, hour, suffix);
    char text[64];
    snprintf(text, sizeof text, "%s %d, %d  %u:%02d:%02d %s",
             MonthNames[s.wMonth], s.wDay, s.wYear, hour, s.wMinute, s.wSecond,
             suffix);
    return DName(text);
}

DName DFile::FormatNumericalDate(FILETIME const& t)
{
    unsigned hour;
    char const* suffix;
    SYSTEMTIME const s = ShownDate(t, hour, suffix);
    char text[64];
    snprintf(text, sizeof text, "%d/%02d/%04d %u:%02d:%02d %s", s.wMonth,
             s.wDay, s.wYear, hour, s.wMinute, s.wSecond, suffix);
    return DName(text);
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
    char text[128] = "";
    if (words) {
        for (AttributeText const& a : Attributes) {
            if (word & a.bit)
                strcat(text, a.word);
        }
        size_t const n = strlen(text);
        if (n == 0)
            return DName("No Attributes");
        text[n - 2] = '\0';    // the last ", "
    } else {
        memset(text, '-', AttributeCount);
        text[AttributeCount] = '\0';
        for (unsigned i = 0; i < AttributeCount; ++i) {
            if (word & Attributes[i].bit)
                text[i] = Attributes[i].letter;
        }
    }
    return DName(text);
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

bool DFile::Store(RecordBuffer& out, DName const* key) const
{
    DName const& k = key ? *key : key_;
    unsigned pos = 0;
    unsigned w[9];
    GetWords(w);
    if (!out.PutFlag(key || scrambled_) || !out.PutString(k))
        return false;
    if (key) {
        if (!out.PutScrambled(path_, k, pos))
            return false;
        for (unsigned& word : w)
            word = DecWord(word, k, pos);
    } else if (!out.PutString(path_)) {
        return false;
    }
    // In the file the dates come first, the last written one leading.
    return out.PutWord(w[7]) && out.PutWord(w[8]) && out.PutWord(w[5]) &&
           out.PutWord(w[6]) && out.PutWord(w[3]) && out.PutWord(w[4]) &&
           out.PutWord(w[2]) && out.PutWord(w[0]) && out.PutWord(w[1]);
}

bool DFile::Write(FileOper& f)
{
    // A record already scrambled, or one for which no key can be had, is
    // written as it stands.
    bool const scramble = !scrambled_ && CreateHashKey(key_);
    RecordBuffer out(f);
    bool const stored = Store(out, scramble ? std::addressof(key_) : nullptr);
    bool const ok = out.Flush() && stored;
    Decrypt();
    return ok;
}

bool DFile::operator>>(FileOper& f)
{
    return Write(f);
}

bool DFile::Load(RecordBuffer& in)
{
    return in.GetFlag(scrambled_) && in.GetString(key_) &&
           in.GetString(path_) && in.GetDate(written_) &&
           in.GetDate(accessed_) && in.GetDate(created_) &&
           in.GetWord(attributes_) && in.GetWord(sizeLow_) &&
           in.GetWord(sizeHigh_);
}

bool DFile::Read(FileOper& f)
{
    RecordBuffer in(f);
    if (!Load(in))
        return false;
    Decrypt();
    return true;
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
    // Not 0, 8, 16, 24: stored files depend on these amounts.
    static unsigned const Shifts[] = {1, 8, 0, 0};
    char const* const k = key.Name();    // "" for an empty key
    unsigned const n = key.Size();
    unsigned sum = 0;
    for (unsigned shift : Shifts) {
        if (pos >= n)
            pos = 0;
        // Key characters count as signed bytes.
        sum += unsigned(int(static_cast<signed char>(k[pos]))) << shift;
        ++pos;
    }
    return word ^ sum;
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
    unsigned pos = 0;
    path_.det(key_, pos);
    unsigned w[9];
    GetWords(w);
    for (unsigned& word : w)
        word = DecWord(word, key_, pos);
    SetWords(w);
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
