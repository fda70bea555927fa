#include "DWorkerThread.h"

#include <process.h>

namespace {

unsigned long const NoResult = 0xFFFFFFFFul;

}

DWorkerThread::DWorkerThread()
    : thread(nullptr), work(nullptr), argument(nullptr), exitCode(NoResult)
{
}

DWorkerThread::~DWorkerThread()
{
    Wait(INFINITE, true);
    if (thread)
        CloseHandle(thread);
}

unsigned __stdcall DWorkerThread::Run(void* self)
{
    DWorkerThread* worker = static_cast<DWorkerThread*>(self);
    // Nothing may unwind out of a thread.
    try {
        worker->exitCode = worker->work(worker->argument);
    } catch (...) {
        worker->exitCode = NoResult;
    }
    return 0;
}

bool DWorkerThread::Start(Work job, void* data)
{
    if (!job || isRunning())
        return false;
    if (thread)
        CloseHandle(thread);
    thread = nullptr;
    work = job;
    argument = data;
    exitCode = NoResult;
    uintptr_t const made = _beginthreadex(nullptr, 0, Run, this, 0, nullptr);
    thread = reinterpret_cast<HANDLE>(made);
    return thread != nullptr;
}

bool DWorkerThread::isRunning() const
{
    return thread && WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
}

bool DWorkerThread::Wait(unsigned long ms, bool pump)
{
    if (!thread)
        return true;
    if (!pump)
        return WaitForSingleObject(thread, ms) == WAIT_OBJECT_0;
    DWORD const start = GetTickCount();
    for (;;) {
        DWORD left = INFINITE;
        if (ms != INFINITE) {
            DWORD const spent = GetTickCount() - start;
            left = spent < ms ? ms - spent : 0;
        }
        DWORD const woke = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0)
            return true;
        if (woke != WAIT_OBJECT_0 + 1)
            return false;
        // Peeking answers the messages sent to this thread's windows.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

unsigned long DWorkerThread::GetExitCode() const
{
    return isRunning() ? NoResult : exitCode;
}
