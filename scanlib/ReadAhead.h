// ReadAhead: a file read on a thread of its own, a slot of a megabyte at a
// time, while its reader works through the slots read before: the
// platform's copying of the file overlaps the reader's work. The reader
// takes the slots in order; the bytes it has not finished with move in
// front of the next slot, so that they stay in one piece with what follows.
#pragma once

#include <windows.h>

#include "DWorkerThread.h"

class FileOper;

class ReadAhead
{
public:
    // Reads f from where it stands; up to keep bytes can be carried in
    // front of a slot. f belongs to the thread until Stop.
    ReadAhead(FileOper& f, unsigned keep);
    ~ReadAhead();
    ReadAhead(ReadAhead const&) = delete;
    ReadAhead& operator=(ReadAhead const&) = delete;

    // False when the thread or its memory could not be had: nothing is
    // read then.
    bool isRunning() const;
    // Waits for the next slot and puts the n bytes at rest (at most keep)
    // in front of it; the slot handed out before goes back to the thread.
    // at: the first of those bytes; got: the slot's own bytes after them.
    // False at the end of the file or after a failed read, changing nothing.
    bool Next(char const* rest, unsigned n, char*& at, unsigned& got);
    // Stops the thread; returns the bytes it read that no Next handed out.
    unsigned Stop();

private:
    static unsigned const Slots = 3;
    static unsigned const SlotSize = 1u << 20;

    static unsigned long Run(void* self);
    void Fill();
    // Where the slot's own bytes begin, after its room for carried bytes.
    char* Slot(unsigned s) const;

    FileOper& file_;
    unsigned keep_;
    char* memory_;
    bool running_;
    // Shared with the thread, under lock_.
    unsigned got_[Slots];
    bool filled_[Slots];
    unsigned held_;     // the slot the reader works in, or Slots
    bool ended_;        // the thread has filled its last slot
    bool stop_;
    SRWLOCK lock_;
    CONDITION_VARIABLE changed_;
    // The reader's own.
    unsigned next_;
    DWorkerThread thread_;
};
