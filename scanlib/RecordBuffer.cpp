#include "RecordBuffer.h"

#include <cstring>
#include <new>

#include "DName.h"
#include "FileOper.h"

RecordBuffer::RecordBuffer(FileOper& f)
    : file_(f), block_(new (std::nothrow) char[BlockSize]), begin_(0),
      end_(0), reading_(false), failed_(block_ == nullptr)
{
}

RecordBuffer::~RecordBuffer()
{
    if (reading_ && begin_ < end_)
        file_.SetPos(file_.GetTotalReadSize() - (end_ - begin_));
    delete[] block_;
}

// Room for up to n more bytes, writing out a full block first; n becomes
// what fits.
char* RecordBuffer::Room(unsigned& n)
{
    if (end_ == BlockSize && !Flush())
        return nullptr;
    if (n > BlockSize - end_)
        n = BlockSize - end_;
    return block_ + end_;
}

bool RecordBuffer::Put(void const* data, unsigned n)
{
    char const* from = static_cast<char const*>(data);
    while (n) {
        unsigned piece = n;
        char* const to = Room(piece);
        if (!to)
            return false;
        std::memcpy(to, from, piece);
        end_ += piece;
        from += piece;
        n -= piece;
    }
    return !failed_;
}

bool RecordBuffer::PutByte(unsigned char v)
{
    return Put(&v, 1);
}

bool RecordBuffer::PutFlag(bool v)
{
    return PutByte(v ? 1 : 0);
}

bool RecordBuffer::PutWord(unsigned v)
{
    return Put(&v, 4);
}

bool RecordBuffer::PutDate(FILETIME const& v)
{
    return PutWord(v.dwLowDateTime) && PutWord(v.dwHighDateTime);
}

bool RecordBuffer::PutString(DName const& s)
{
    return s.Size() < DName::StoredLimit && PutWord(s.Size()) &&
           Put(&s, s.Size());
}

bool RecordBuffer::PutScrambled(DName const& s, DName const& key,
                                unsigned& pos)
{
    unsigned n = s.Size();
    if (n >= DName::StoredLimit || !PutWord(n))
        return false;
    char const* from = &s;
    while (n) {
        unsigned piece = n;
        char* const to = Room(piece);
        if (!to)
            return false;
        std::memcpy(to, from, piece);
        DName::detp(to, piece, key.Name(), pos);
        end_ += piece;
        from += piece;
        n -= piece;
    }
    return !failed_;
}

bool RecordBuffer::PutLine(char const* text)
{
    return Put(text, DName::Size(text)) && Put("\r\n", 2);
}

bool RecordBuffer::Flush()
{
    if (!failed_ && end_ && !file_.Write(block_, end_))
        failed_ = true;
    end_ = 0;
    return !failed_;
}

bool RecordBuffer::Fill()
{
    if (failed_ || !file_.Read(block_, BlockSize, false) ||
        file_.GetReadSize() == 0)
        return false;
    reading_ = true;
    begin_ = 0;
    end_ = unsigned(file_.GetReadSize());
    return true;
}

bool RecordBuffer::Get(void* data, unsigned n)
{
    // The field may straddle blocks: it is gathered aside and only then
    // handed over.
    if (end_ - begin_ >= n) {
        std::memcpy(data, block_ + begin_, n);
        begin_ += n;
        return true;
    }
    char* const whole = new (std::nothrow) char[n];
    if (!whole)
        return false;
    unsigned got = 0;
    while (got < n) {
        if (begin_ == end_ && !Fill())
            break;
        unsigned piece = end_ - begin_;
        if (piece > n - got)
            piece = n - got;
        std::memcpy(whole + got, block_ + begin_, piece);
        begin_ += piece;
        got += piece;
    }
    if (got == n)
        std::memcpy(data, whole, n);
    delete[] whole;
    return got == n;
}

bool RecordBuffer::GetByte(unsigned char& v)
{
    return Get(&v, 1);
}

bool RecordBuffer::GetFlag(bool& v)
{
    unsigned char b;
    if (!GetByte(b))
        return false;
    v = b != 0;
    return true;
}

bool RecordBuffer::GetWord(unsigned& v)
{
    return Get(&v, 4);
}

bool RecordBuffer::GetDate(FILETIME& v)
{
    unsigned w[2];
    if (!Get(w, sizeof w))
        return false;
    v.dwLowDateTime = w[0];
    v.dwHighDateTime = w[1];
    return true;
}

bool RecordBuffer::GetString(DName& s)
{
    s.Destroy();
    unsigned n;
    if (!GetWord(n) || n >= DName::StoredLimit)
        return false;
    if (n == 0)
        return true;
    if (end_ - begin_ >= n) {
        if (!s.Namen(block_ + begin_, n))
            return false;
        begin_ += n;
        return true;
    }
    if (!s.Alloc(n) || !Get(s.Handle(), n)) {
        s.Destroy();
        return false;
    }
    return true;
}
