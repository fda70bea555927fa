#include "SplitWork.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every index is visited exactly once; a long loop as [0, n / 2) and
// [n / 2, n), the first half on a worker when the machine has a second
// processor.
TEST(SplitWork, HalvesVisitEachIndexOnceAndRunTheFirstHalfOnAWorker)
{
    for (unsigned n : {0u, 1u, SplitWork::Many - 1, SplitWork::Many, SplitWork::Many * 2 + 1}) {
        SCOPED_TRACE(n);
        std::vector<unsigned char> visits(n, 0);
        DWORD threads[2] = {0, 0};
        unsigned starts[2] = {~0u, ~0u};
        EXPECT_TRUE(SplitWork::Halves(n, [&](unsigned from, unsigned to) {
            unsigned const half = from ? 1 : 0;
            threads[half] = GetCurrentThreadId();
            starts[half] = from;
            for (unsigned i = from; i < to; ++i)
                ++visits[i];
            return true;
        }));
        for (unsigned i = 0; i < n; ++i)
            ASSERT_EQ(1, visits[i]) << i;
        unsigned const calls = (starts[0] == 0) + (starts[1] != ~0u);
        if (SplitWork::isSplit(n)) {
            EXPECT_EQ(2u, calls);
            EXPECT_EQ(n / 2, starts[1]);
            EXPECT_NE(threads[0], threads[1]);
            EXPECT_EQ(GetCurrentThreadId(), threads[1]);
        } else {
            EXPECT_EQ(1u, calls);
            EXPECT_EQ(GetCurrentThreadId(), threads[0]);
        }
    }
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    EXPECT_EQ(info.dwNumberOfProcessors > 1, SplitWork::isSplit(SplitWork::Many));
    EXPECT_FALSE(SplitWork::isSplit(SplitWork::Many - 1));
}

TEST(SplitWork, FailsWhenEitherPartFails)
{
    EXPECT_TRUE(SplitWork::Both([] { return true; }, [] { return true; }));
    EXPECT_FALSE(SplitWork::Both([] { return false; }, [] { return true; }));
    EXPECT_FALSE(SplitWork::Both([] { return true; }, [] { return false; }));
    // A part that throws on the worker fails rather than ending the program.
    EXPECT_FALSE(SplitWork::Both([]() -> bool { throw 1; }, [] { return true; }));
    unsigned const n = SplitWork::Many * 2;
    EXPECT_FALSE(SplitWork::Halves(n, [&](unsigned from, unsigned) { return from != n / 2; }));
    EXPECT_FALSE(SplitWork::Halves(n, [&](unsigned from, unsigned) { return from != 0; }));
}

}  // namespace
