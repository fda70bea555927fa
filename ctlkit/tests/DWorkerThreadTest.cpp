// Worker threads: started with an argument, one at a time, waited for, and
// waited for while they send messages to the waiting thread's windows.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "DWorkerThread.h"
#include "TestDialog.h"

namespace {

struct Job
{
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
    unsigned long value = 0;
    LRESULT answer = 0;
    ~Job() { CloseHandle(go); }
};

unsigned long WaitThenDouble(void* argument)
{
    Job* job = static_cast<Job*>(argument);
    WaitForSingleObject(job->go, INFINITE);
    return job->value * 2;
}

unsigned long Throw(void*)
{
    throw std::runtime_error("worker failed");
}

// Sends to a window of the thread that started it, as a search worker
// writing its status line does.
unsigned long SendToWindow(void* argument)
{
    Job* job = static_cast<Job*>(argument);
    job->answer = SendMessageA(job->window, WM_GETTEXTLENGTH, 0, 0);
    return 1;
}

TEST(DWorkerThread, RunsOneWorkerAtATime)
{
    DWorkerThread worker;
    EXPECT_FALSE(worker.isRunning());
    EXPECT_TRUE(worker.Wait(0, false));
    EXPECT_EQ(0xFFFFFFFFul, worker.GetExitCode());
    EXPECT_FALSE(worker.Start(nullptr, nullptr));

    Job job;
    job.value = 21;
    ASSERT_TRUE(worker.Start(WaitThenDouble, &job));
    EXPECT_TRUE(worker.isRunning());
    EXPECT_FALSE(worker.Start(WaitThenDouble, &job));
    EXPECT_FALSE(worker.Wait(50, false));
    EXPECT_EQ(0xFFFFFFFFul, worker.GetExitCode());

    SetEvent(job.go);
    EXPECT_TRUE(worker.Wait(INFINITE, false));
    EXPECT_FALSE(worker.isRunning());
    EXPECT_EQ(42ul, worker.GetExitCode());

    // Once it has ended the next one may start; an exception ends only
    // the worker.
    ASSERT_TRUE(worker.Start(Throw, nullptr));
    EXPECT_TRUE(worker.Wait(5000, true));
    EXPECT_EQ(0xFFFFFFFFul, worker.GetExitCode());
}

TEST(DWorkerThread, WaitingAnswersTheWorkersMessages)
{
    TestDialog dialog;
    HWND const edit = dialog.Add("EDIT", 0, 100, "four");
    Job job;
    job.window = edit;
    DWorkerThread worker;
    ASSERT_TRUE(worker.Start(SendToWindow, &job));
    // Without answering, the worker stands still in its send.
    EXPECT_FALSE(worker.Wait(300, false));
    EXPECT_TRUE(worker.isRunning());
    EXPECT_TRUE(worker.Wait(10000, true));
    EXPECT_EQ(4, job.answer);
}

TEST(DWorkerThread, DestructionWaitsForTheWorker)
{
    TestDialog dialog;
    HWND const edit = dialog.Add("EDIT", 0, 100, "sixsix");
    Job job;
    job.window = edit;
    {
        DWorkerThread worker;
        ASSERT_TRUE(worker.Start(SendToWindow, &job));
    }
    EXPECT_EQ(6, job.answer);
}

// The handles this process holds. Wine's GetProcessHandleCount answers 0,
// so there the system's handle table is counted instead.
DWORD HandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count)
        return count;
    struct Entry
    {
        ULONG process;
        BYTE type, flags;
        USHORT value;
        void* object;
        ULONG access;
    };
    struct Table
    {
        ULONG count;
        Entry entries[1];
    };
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    FARPROC const found = GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
    if (!found)
        return 0;
    auto const query = reinterpret_cast<Query>(reinterpret_cast<void*>(found));
    int const SystemHandleInformation = 16;
    LONG const LengthMismatch = LONG(0xC0000004);
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    LONG status;
    while ((status = query(SystemHandleInformation, buffer.data(), ULONG(buffer.size()),
                           &needed)) == LengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    Table const* table = reinterpret_cast<Table const*>(buffer.data());
    ULONG const self = GetCurrentProcessId() & 0xFFFF;   // 16 bits on Windows
    for (ULONG i = 0; i < table->count; ++i)
        count += (table->entries[i].process & 0xFFFF) == self;
    return count;
}

// Every folder lister, read-ahead and sort half is a worker: none may keep
// its thread's handle once it is gone.
TEST(DWorkerThread, LeavesNoHandleBehind)
{
    Job job;
    SetEvent(job.go);
    DWORD const before = HandleCount();
    ASSERT_GT(before, 0ul);
    for (unsigned i = 0; i < 10000; ++i) {
        DWorkerThread worker;
        ASSERT_TRUE(worker.Start(WaitThenDouble, &job));
    }
    // A few handles may come and go meanwhile; one per worker may not.
    EXPECT_LT(HandleCount(), before + 100);
}

}
