#include "RecordBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "DName.h"
#include "FileOper.h"
#include "ReadAhead.h"

namespace {

// The rest of a file below this is read in less time than a thread takes
// to start.
unsigned long const LongRead = 4ul << 20;
// The largest block FileOper moves in one call. The buffer holds PeekLimit
// bytes, written out a block at a time.
unsigned const BlockSize = FileOper::BlockLimit - 1;
static_assert(RecordBuffer::PeekLimit >= BlockSize, "a block fits the buffer");

}  // namespace

RecordBuffer::RecordBuffer(FileOper& f)
    : file_(f), block_(new (std::nothrow) char[PeekLimit]), ahead_(nullptr),
      data_(block_), begin_(0), end_(0), reading_(false),
      failed_(block_ == nullptr)
{
}

RecordBuffer::~RecordBuffer()
{
    unsigned long unread = reading_ ? end_ - begin_ : 0;
    if (ahead_) {
        unread += ahead_->Stop();
        delete ahead_;
    }
    if (unread)
        file_.SetPos(file_.GetTotalReadSize() - unread);
    delete[] block_;
}

void RecordBuffer::StartReadAhead()
{
    if (ahead_ || failed_ || !file_.isRead() ||
        file_.GetLength() < file_.GetTotalReadSize() + LongRead)
        return;
    ahead_ = new (std::nothrow) ReadAhead(file_, PeekLimit);
    if (ahead_ && !ahead_->isRunning()) {
        delete ahead_;
        ahead_ = nullptr;
    }
}

// Room for up to n more bytes, writing out a full buffer first; n becomes
// what fits.
char* RecordBuffer::Room(unsigned& n)
{
    if (end_ == PeekLimit && !Flush())
        return nullptr;
    if (n > PeekLimit - end_)
        n = PeekLimit - end_;
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

char* RecordBuffer::Extend(unsigned n)
{
    if (n > PeekLimit || (end_ + n > PeekLimit && !Flush()) || failed_)
        return nullptr;
    char* const at = block_ + end_;
    end_ += n;
    return at;
}

bool RecordBuffer::PutLine(char const* text)
{
    return Put(text, DName::Size(text)) && Put("\r\n", 2);
}

bool RecordBuffer::Flush()
{
    for (unsigned at = 0; at < end_ && !failed_; at += BlockSize) {
        if (!file_.Write(block_ + at, std::min(BlockSize, end_ - at)))
            failed_ = true;
    }
    end_ = 0;
    return !failed_;
}

// What is left ahead moves to the front of the block, or of the next slot
// read ahead, so that a field straddling two reads lies in one piece.
bool RecordBuffer::Gather(unsigned n)
{
    if (failed_ || n > PeekLimit)
        return false;
    while (ahead_ && end_ - begin_ < n) {
        char* at;
        unsigned got;
        unsigned const left = end_ - begin_;
        if (!ahead_->Next(data_ + begin_, left, at, got))
            return false;
        reading_ = true;
        data_ = at;
        begin_ = 0;
        end_ = left + got;
    }
    if (ahead_)
        return true;
    if (begin_) {
        std::memmove(block_, block_ + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < n) {
        unsigned const room = std::min(BlockSize, PeekLimit - end_);
        if (!file_.Read(block_ + end_, room, false) || file_.GetReadSize() == 0)
            return false;
        reading_ = true;
        end_ += unsigned(file_.GetReadSize());
    }
    return true;
}

char const* RecordBuffer::Peek(unsigned n)
{
    if (end_ - begin_ < n && !Gather(n))
        return nullptr;
    return data_ + begin_;
}

void RecordBuffer::Skip(unsigned n)
{
    begin_ += std::min(n, end_ - begin_);
}

bool RecordBuffer::Get(void* data, unsigned n)
{
    char const* const from = Peek(n);
    if (!from)
        return false;
    std::memcpy(data, from, n);
    begin_ += n;
    return true;
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
    char const* const from = Peek(n);
    if (!from || !s.Namen(from, n))
        return false;
    begin_ += n;
    return true;
}
