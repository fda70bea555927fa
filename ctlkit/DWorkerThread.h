// DWorkerThread: one worker thread at a time, started with a function and
// its argument (normal priority, default stack).
//
// A worker that talks to windows sends them messages, which only the
// window thread can answer: a window thread that waits for such a worker
// must go on answering them (Wait with pumping), or both stand still.
#pragma once

#include <windows.h>

#include "CtlkitApi.h"

class CTLKIT_API DWorkerThread
{
public:
    typedef unsigned long (*Work)(void* argument);

    DWorkerThread();
    // Waits for a worker still running, answering sent messages meanwhile.
    ~DWorkerThread();

    DWorkerThread(DWorkerThread const&) = delete;
    DWorkerThread& operator=(DWorkerThread const&) = delete;

    // False when the previous worker still runs or no thread can be made.
    bool Start(Work work, void* argument);
    bool isRunning() const;
    // True when no worker runs (any more) within ms milliseconds
    // (INFINITE waits for good). With pump the calling thread answers the
    // messages that other threads send to its windows while it waits;
    // messages posted to it stay queued.
    bool Wait(unsigned long ms, bool pump);
    // What the last worker returned; -1 while it runs, after it failed
    // with an exception, or before any worker ran.
    unsigned long GetExitCode() const;

private:
    static unsigned __stdcall Run(void* self);

    HANDLE thread;
    Work work;
    void* argument;
    unsigned long exitCode;
};
