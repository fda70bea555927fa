#include "ReadAhead.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "FileOper.h"

ReadAhead::ReadAhead(FileOper& f, unsigned keep)
    : file_(f), keep_(keep),
      memory_(new (std::nothrow) char[Slots * (size_t(keep) + SlotSize)]),
      running_(false), got_(), filled_(), held_(Slots), ended_(false),
      stop_(false), next_(0)
{
    InitializeSRWLock(&lock_);
    InitializeConditionVariable(&changed_);
    running_ = memory_ && thread_.Start(Run, this);
}

ReadAhead::~ReadAhead()
{
    Stop();
    delete[] memory_;
}

bool ReadAhead::isRunning() const
{
    return running_;
}

char* ReadAhead::Slot(unsigned s) const
{
    return memory_ + s * (size_t(keep_) + SlotSize) + keep_;
}

unsigned long ReadAhead::Run(void* self)
{
    static_cast<ReadAhead*>(self)->Fill();
    return 0;
}

void ReadAhead::Fill()
{
    for (unsigned s = 0;; s = (s + 1) % Slots) {
        AcquireSRWLockExclusive(&lock_);
        while (!stop_ && (filled_[s] || held_ == s))
            SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
        bool const stop = stop_;
        ReleaseSRWLockExclusive(&lock_);
        if (stop)
            return;
        // Until it is marked filled, the slot is this thread's alone.
        char* const to = Slot(s);
        unsigned got = 0;
        bool end = false;
        while (got < SlotSize && !end) {
            unsigned long const piece =
                std::min<unsigned long>(SlotSize - got, FileOper::BlockLimit - 1);
            end = !file_.Read(to + got, piece, false) || file_.GetReadSize() == 0;
            if (!end)
                got += unsigned(file_.GetReadSize());
        }
        AcquireSRWLockExclusive(&lock_);
        got_[s] = got;
        filled_[s] = true;
        ended_ = end;
        ReleaseSRWLockExclusive(&lock_);
        WakeAllConditionVariable(&changed_);
        if (end)
            return;
    }
}

bool ReadAhead::Next(char const* rest, unsigned n, char*& at, unsigned& got)
{
    if (!running_ || n > keep_)
        return false;
    unsigned const s = next_;
    AcquireSRWLockExclusive(&lock_);
    while (!filled_[s] && !ended_)
        SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
    bool const ready = filled_[s] && got_[s] > 0;
    unsigned const size = got_[s];
    ReleaseSRWLockExclusive(&lock_);
    if (!ready)
        return false;
    // The thread leaves both the new slot and the held one alone, where
    // rest may lie.
    at = Slot(s) - n;
    std::memcpy(at, rest, n);
    got = size;
    AcquireSRWLockExclusive(&lock_);
    if (held_ < Slots)
        filled_[held_] = false;
    held_ = s;
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);
    next_ = (s + 1) % Slots;
    return true;
}

unsigned ReadAhead::Stop()
{
    if (!running_)
        return 0;
    AcquireSRWLockExclusive(&lock_);
    stop_ = true;
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);
    thread_.Wait(INFINITE, false);
    running_ = false;
    unsigned unread = 0;
    for (unsigned s = 0; s < Slots; ++s) {
        if (filled_[s] && s != held_)
            unread += got_[s];
    }
    return unread;
}
