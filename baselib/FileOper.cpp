#include "FileOper.h"

#include <fcntl.h>
#include <io.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

unsigned char const ModeRead = 1;
unsigned char const ModeWrite = 2;
unsigned char const ModeBoth = 3;

// Copies at most this much in one piece; longer copies go in small pieces.
unsigned long const WholeCopyLimit = 32001;
unsigned long const CopyPiece = 3200;

} // namespace

FileOper::FileOper(FileOper const* /*other*/)
    : mode_(ModeRead), handle_(nullptr), length_(0), readSize_(0),
      writeSize_(0), totalRead_(0), totalWrite_(0)
{
}

FileOper::FileOper(char const* name, bool create) : FileOper(nullptr)
{
    if (create)
        Create(name, 0);
    else
        Open(name, false, true);
}

FileOper::~FileOper()
{
    Close();
}

// Common start of every open: close what is open, keep the new name. An
// empty name is kept but never handed to the platform.
bool FileOper::Prepare(char const* name)
{
    bool const closed = Close();
    if (!name)
        return false;
    bool const stored = name_.Name(name);
    length_ = 0;
    return closed && stored && name_.Size() > 0;
}

bool FileOper::OpenHandle(char const* name, DWORD access, DWORD creation,
                          DWORD attributes)
{
    // Share mode 0: a second open of the file fails while this one holds it.
    HANDLE h = CreateFileA(name, access, 0, nullptr, creation, attributes,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        handle_ = nullptr;
        return false;
    }
    handle_ = h;
    return true;
}

// Backed by CreateFileA rather than the 16-bit OpenFile, which cuts names at
// 128 characters; OF_READ, OF_WRITE and OF_CREATE map to the same access and
// creation rules.
bool FileOper::Open(char const* name, bool write, bool create)
{
    mode_ = write ? ModeWrite : ModeRead;
    (write ? totalWrite_ : totalRead_) = 0;
    if (!Prepare(name))
        return false;
    if (!write)
        return OpenHandle(&name_, GENERIC_READ, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL);
    return OpenHandle(&name_, GENERIC_WRITE,
                      create ? CREATE_ALWAYS : OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL);
}

bool FileOper::Reopen(bool write, bool create)
{
    if (!&name_)
        return false;
    return Open(&name_, write, create);
}

namespace {

// Create and Append make read-only, hidden or system files replaceable
// first; when the open fails anyway the old attributes come back, so a
// failed replace does not strip the file's protection.
struct AttributeGuard
{
    explicit AttributeGuard(char const* name) : name_(name), old_(GetFileAttributesA(name))
    {
        changed_ = old_ != INVALID_FILE_ATTRIBUTES && old_ != FILE_ATTRIBUTE_ARCHIVE
                   && SetFileAttributesA(name, FILE_ATTRIBUTE_ARCHIVE);
    }
    void Restore()
    {
        if (changed_)
            SetFileAttributesA(name_, old_);
    }
    char const* name_;
    DWORD old_;
    bool changed_;
};

} // namespace

bool FileOper::OpenReplacing(char const* name, unsigned attributes, DWORD creation)
{
    mode_ = ModeWrite;
    totalWrite_ = 0;
    if (!Prepare(name))
        return false;
    AttributeGuard guard(&name_);
    if (OpenHandle(&name_, GENERIC_READ | GENERIC_WRITE, creation,
                   attributes ? attributes : FILE_ATTRIBUTE_ARCHIVE))
        return true;
    guard.Restore();
    return false;
}

bool FileOper::Create(char const* name, unsigned const& attributes)
{
    return OpenReplacing(name, attributes, CREATE_ALWAYS);
}

bool FileOper::Append(char const* name, unsigned const& attributes)
{
    if (!OpenReplacing(name, attributes, OPEN_ALWAYS))
        return false;
    unsigned long const end = GetLength();
    return SetPos(end);
}

bool FileOper::OpenComm(char const* name)
{
    mode_ = ModeBoth;
    totalRead_ = totalWrite_ = 0;
    if (!Prepare(name))
        return false;
    return OpenHandle(&name_, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, 0);
}

bool FileOper::CreateWrite(char const* name, char const* data, unsigned const& len)
{
    bool const ok = Create(name, 0) && Write(data, len);
    bool const closed = Close();
    return ok && closed;
}

bool FileOper::Close()
{
    if (!handle_)
        return true;
    BOOL const ok = CloseHandle(handle_);
    handle_ = nullptr;
    return ok != FALSE;
}

bool FileOper::isOpen() const
{
    return handle_ != nullptr;
}

bool FileOper::operator!() const
{
    return handle_ == nullptr;
}

bool FileOper::isRead() const
{
    return handle_ && (mode_ & ModeRead);
}

bool FileOper::isWrite() const
{
    return handle_ && (mode_ & ModeWrite);
}

unsigned char FileOper::GetOpenMode() const
{
    return mode_;
}

unsigned long& FileOper::GetLength()
{
    if (!handle_) {
        length_ = 0;
    } else if (length_ == 0) {
        DWORD const size = GetFileSize(handle_, nullptr);
        length_ = size == INVALID_FILE_SIZE ? 0 : size;
    }
    return length_;
}

unsigned long FileOper::GetFileLength(char const* name)
{
    if (!Open(name, false, false))
        return 0;
    GetLength();
    Close();
    return length_;
}

bool FileOper::isExists(char const* name) const
{
    if (!name)
        return false;
    int const fd = _open(name, _O_RDONLY);
    if (fd == -1)
        return false;
    _close(fd);
    return true;
}

bool FileOper::isEof()
{
    if (mode_ & ModeRead)
        return totalRead_ == GetLength();
    return totalWrite_ == GetLength();
}

bool FileOper::isFinished()
{
    return totalRead_ == GetLength();
}

char const* FileOper::GetFileName() const
{
    return &name_;
}

ShortName const& FileOper::Filename() const
{
    return name_;
}

HANDLE& FileOper::GetHandle()
{
    return handle_;
}

unsigned long& FileOper::GetReadSize()
{
    return readSize_;
}

unsigned long& FileOper::GetWriteSize()
{
    return writeSize_;
}

unsigned long& FileOper::GetTotalReadSize()
{
    return totalRead_;
}

unsigned long& FileOper::GetTotalWriteSize()
{
    return totalWrite_;
}

ShortName FileOper::FindIncName(char const* /*name*/) const
{
    return ShortName();
}

bool FileOper::SetPos(unsigned long const& pos)
{
    unsigned long const p = pos; // pos may be one of our own counts
    if (!handle_)
        return false;
    LONG high = 0; // with the high half given, the low half counts to 4 GiB
    SetLastError(NO_ERROR);
    DWORD const r = SetFilePointer(handle_, static_cast<LONG>(p), &high, FILE_BEGIN);
    if (r == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        return false;
    if (isRead())
        totalRead_ = p;
    if (isWrite())
        totalWrite_ = p;
    return true;
}

bool FileOper::Read(void* buffer, unsigned long const& len, bool exact)
{
    unsigned long const n = len; // len may be one of our own counts
    readSize_ = 0;
    if (!isRead() || !buffer || n == 0 || n >= BlockLimit)
        return false;
    DWORD amount = n;
    // A file open for both may have grown past the cached length.
    if (mode_ != ModeBoth) {
        unsigned long const length = GetLength();
        if (totalRead_ >= length)
            return false;
        if (amount > length - totalRead_)
            amount = length - totalRead_;
    }
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, amount, &got, nullptr))
        return false;
    readSize_ = got;
    // Nothing delivered is the end of the file, and a short exact read is a
    // failure in every mode.
    if (got == 0 || (exact && got < amount))
        return false;
    totalRead_ += got;
    return true;
}

// Words are read whole or not at all: Read alone would cut the last word
// short at the end of the file and still succeed.
bool FileOper::ReadWhole(void* buffer, unsigned long n)
{
    if (isRead() && mode_ != ModeBoth) {
        unsigned long const length = GetLength();
        if (totalRead_ > length || length - totalRead_ < n) {
            readSize_ = 0;
            return false;
        }
    }
    return Read(buffer, n, true);
}

bool FileOper::Readi(unsigned* buffer, unsigned long const& count)
{
    unsigned long const n = count;
    // Refused before multiplying: a huge count must not wrap to a small block.
    if (n == 0 || n > BlockLimit / sizeof(unsigned))
        return false;
    return ReadWhole(buffer, n * sizeof(unsigned));
}

long FileOper::Qread()
{
    unsigned value = 0;
    if (!ReadWhole(&value, sizeof value))
        return -1;
    return static_cast<long>(value);
}

bool FileOper::Write(void const* data, unsigned long const& len)
{
    unsigned long const n = len;
    writeSize_ = 0;
    if (!isWrite() || !data || n == 0 || n >= BlockLimit)
        return false;
    DWORD put = 0;
    if (!WriteFile(handle_, data, n, &put, nullptr))
        return false;
    writeSize_ = put;
    if (put < n)
        return false;
    totalWrite_ += n;
    return true;
}

bool FileOper::Flush()
{
    return isWrite() && FlushFileBuffers(handle_);
}

bool FileOper::Writei(unsigned const* data, unsigned long const& count)
{
    unsigned long const n = count;
    if (n == 0 || n > BlockLimit / sizeof(unsigned))
        return false;
    return Write(data, n * sizeof(unsigned));
}

bool FileOper::Writes(char const* text)
{
    writeSize_ = 0;
    if (!isWrite() || !text)
        return false;
    size_t left = strlen(text);
    while (left > 0) {
        DWORD const n = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD put = 0;
        BOOL const ok = WriteFile(handle_, text, n, &put, nullptr);
        writeSize_ += put;
        totalWrite_ += put;
        if (!ok || put < n)
            return false;
        text += n;
        left -= n;
    }
    return true;
}

bool FileOper::wlf()
{
    return Write("\n", 1);
}

bool FileOper::wcr()
{
    return Write("\r", 1);
}

bool FileOper::wtf()
{
    return Write("\r\n", 2);
}

bool FileOper::TWrite(char const* text)
{
    return text && Writes(text) && wtf();
}

bool FileOper::TWritef(char const* text, char const* value)
{
    if (!text || !value)
        return false;
    return Writes(text) && Write(" \"", 2) && Writes(value) && Write("\".", 2)
           && wtf();
}

bool FileOper::TWrite2(char const* text, char const* value, bool dot)
{
    if (text && !Writes(text))
        return false;
    if (value) {
        if (!Write(" ", 1) || !Writes(value))
            return false;
        if (dot && !Write(".", 1))
            return false;
    }
    return wtf();
}

bool FileOper::TWriteCtime(char const* label)
{
    if (label && !(Writes(label) && Write(" ", 1)))
        return false;
    time_t const now = time(nullptr);
    char const* text = ctime(&now);
    return text && Writes(text) && wtf();
}

bool FileOper::TRead(char* buffer, unsigned long const& size)
{
    unsigned long const room = size;
    // Below two bytes no character fits beside the NUL and no line could end.
    if (!buffer || room < 2 || !isRead() || isEof())
        return false;
    unsigned long stored = 0;
    while (stored < room - 1) {
        unsigned char c = 0;
        if (!Read(&c, 1, true)) {
            buffer[stored] = '\0';
            return false;
        }
        if (c == '\n')
            break;
        if (c != '\r') {
            buffer[stored++] = static_cast<char>(c);
            if (c == 0xFF)
                break;
        }
        if (isEof())
            break;
    }
    buffer[stored] = '\0';
    return true;
}

bool FileOper::Copy(FileOper& source, FileOper& target, unsigned long len,
                    char const* key, unsigned const* keylen)
{
    if (!source.isRead() || !target.isWrite())
        return false;
    unsigned long const total = len ? len : source.GetLength();
    if (total == 0)
        return true;
    unsigned long const piece = total < WholeCopyLimit ? total : CopyPiece;
    char* buffer = static_cast<char*>(malloc(piece + 1));
    if (!buffer)
        return false;
    // Without a count the key is taken up to its NUL; an empty key is no key,
    // never a reason to run past its end.
    size_t klen = 0;
    if (key)
        klen = keylen ? *keylen : strlen(key);
    bool ok = true;
    for (unsigned long done = 0; done < total;) {
        unsigned long const n = total - done < piece ? total - done : piece;
        // Whole pieces only: a piece cut short at the end of the source would
        // otherwise be written out with bytes that were never read.
        if (!source.ReadWhole(buffer, n)) {
            ok = false;
            break;
        }
        size_t j = 0; // the key restarts with every piece
        for (unsigned long i = 0; i < n && klen; ++i) {
            buffer[i] ^= key[j];
            if (++j == klen)
                j = 0;
        }
        if (!target.Write(buffer, n)) {
            ok = false;
            break;
        }
        done += n;
    }
    free(buffer);
    return ok;
}

bool FileOper::In(FileOper& source, unsigned long const& len, char const* key,
                  unsigned const* keylen)
{
    return Copy(source, *this, len, key, keylen);
}

bool FileOper::Out(FileOper& target, unsigned long const& len, char const* key,
                   unsigned const* keylen)
{
    return Copy(*this, target, len, key, keylen);
}
