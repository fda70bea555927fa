// SplitWork: long loops run in two halves at once, the first on a worker
// thread and the second on the calling thread. A loop is split only when
// the machine has a second processor and the loop is long enough to pay for
// starting a thread; otherwise the caller runs it whole.
//
// The halves must not touch the same data, and must not wait for the
// calling thread's windows: the caller waits for the worker without
// answering messages.
#pragma once

#include "DWorkerThread.h"
#include "ScanlibApi.h"

class SCANLIB_API SplitWork
{
public:
    // Loops over fewer items than this run whole.
    static unsigned const Many = 1u << 16;

    // True when a loop over n items runs in two halves.
    static bool isSplit(unsigned n);

    // Runs first on a worker thread while second runs here; when no thread
    // can be had, both run here, one after the other. True when both
    // returned true.
    template <class First, class Second>
    static bool Both(First const& first, Second const& second);

    // part(from, to) over 0 .. n - 1: as [0, n / 2) and [n / 2, n) at once
    // when isSplit(n), else as [0, n). The halves are the same whether or
    // not a thread could be had. True when every call returned true.
    template <class Part>
    static bool Halves(unsigned n, Part const& part);
    // Halves as a function object: the split Container::Arrange takes.
    template <class Part>
    bool operator()(unsigned n, Part const& part) const
    {
        return Halves(n, part);
    }

private:
    template <class Work>
    struct Job
    {
        Work const* work;
        bool done;
    };

    template <class Work>
    static unsigned long Run(void* job);
};

template <class Work>
unsigned long SplitWork::Run(void* job)
{
    Job<Work>* const j = static_cast<Job<Work>*>(job);
    j->done = (*j->work)();
    return 0;
}

template <class First, class Second>
bool SplitWork::Both(First const& first, Second const& second)
{
    Job<First> job = {&first, false};
    DWorkerThread worker;
    bool const started = worker.Start(&Run<First>, &job);
    if (!started)
        job.done = first();
    bool const done = second();
    if (started)
        worker.Wait(INFINITE, false);
    return job.done && done;
}

template <class Part>
bool SplitWork::Halves(unsigned n, Part const& part)
{
    if (!isSplit(n))
        return part(0u, n);
    unsigned const middle = n / 2;
    return Both([&] { return part(0u, middle); }, [&] { return part(middle, n); });
}
