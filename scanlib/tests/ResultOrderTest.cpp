// Large sorts: texts that agree over many bytes and end at and around
// every eight-byte step, letters in both cases, bytes above 127, and
// groups of equal numbers of every size, against the column comparison.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Path(unsigned i)
{
    static char const* const folders[] = {
        "C:\\", "C:\\Shared Folder\\Part", "c:\\shared folder\\part\\", "C:\\Shared Folder\\Parts\\",
        "D:\\Deep\\A\\B\\C\\D\\E\\F\\G\\H\\I\\J\\K\\", "C:\\Shared Folder\\Part\\\xE9t\xE9\\",
    };
    std::string path = folders[rand() % 6];
    // Names from one to twenty-four bytes over few letters, so that texts
    // agree long and one is often the start of another.
    unsigned const length = 1 + unsigned(rand()) % 24;
    for (unsigned k = 0; k < length; ++k)
        path += "aAbB._"[rand() % (k < length / 2 ? 2 : 6)];
    return i % 97 == 0 ? path.substr(0, path.size() / 2) : path;
}

TEST(ResultOrder, LargeListsWithLongSharedTextsSortLikeTheColumnComparison)
{
    srand(11);
    DFileLoad load;
    unsigned const n = 70000;
    for (unsigned i = 0; i < n; ++i) {
        FILETIME const w = {unsigned(rand()) % 4 * 10000000u, 0x01D00000u};
        DFile r(DName(Path(i).c_str()), 0x20, 0, &w, &w, &w);
        // Mostly a few sizes, so that groups of equal sizes are large,
        // and some of every size below 2,000, so that many are small.
        r.SetFileSize(rand() % 4 ? unsigned(rand()) % 3 * 100 : unsigned(rand()) % 2000, 0);
        ASSERT_TRUE(load.InsertRight(r));
    }
    for (unsigned column : {0x1u, 0x4u, 0x8u, 0x80u}) {
        SCOPED_TRACE(column);
        DFileLoad sorted(load);
        ASSERT_TRUE(sorted.SortAlpha(column, false));
        ASSERT_EQ(n, sorted.Size());
        for (unsigned i = 0; i + 1 < n; ++i)
            ASSERT_FALSE(sorted.CompareColumn(i, sorted[i + 1], column)) << i << " " << &sorted[i];
    }
}

}  // namespace
