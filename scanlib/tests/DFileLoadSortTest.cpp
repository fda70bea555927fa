// Sorting by every column in both directions, the column comparison
// against the record's own comparisons, and the column texts.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestTime.h"

namespace {

unsigned const Columns[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x40, 0x80, 0x3};

// The order of the columns as the records compare themselves: names and
// paths with DName's ordering, dates with CompDate, then the path.
bool Reference(DFile const& a, DFile const& b, unsigned column)
{
    auto path = [&] { return a.GetFullPath() > b.GetFullPath(); };
    auto then = [&](int c) { return c != 0 ? c > 0 : path(); };
    switch (column) {
    case 0x2:
    case 0x4:
        return path();
    case 0x8:
        return then(a.GetFileSize64() < b.GetFileSize64()   ? -1
                    : a.GetFileSize64() > b.GetFileSize64() ? 1
                                                            : 0);
    case 0x10:
        return then(a.FormatAttributes(false, -1) > b.FormatAttributes(false, -1)   ? 1
                    : b.FormatAttributes(false, -1) > a.FormatAttributes(false, -1) ? -1
                                                                                    : 0);
    case 0x20:
        return then(DFile::CompDate(a.GetDateCreated(), b.GetDateCreated()));
    case 0x40:
        return then(DFile::CompDate(a.GetDateLastAccessed(), b.GetDateLastAccessed()));
    case 0x80:
        return then(DFile::CompDate(a.GetDateWritten(), b.GetDateWritten()));
    default:
        return a.GetFileName() > b.GetFileName();
    }
}

// Few distinct values of each key, so that ties and the path decide often:
// names in both cases, a shared folder part, sizes past 4 GiB, dates of 0,
// before 1985, in summer and winter and within one second.
DFile RandomRecord()
{
    static char const* const folders[] = {"C:\\Tree\\", "c:\\tree\\Sub\\", "D:\\", "C:\\TREE\\sub\\"};
    static char const* const names[] = {"a.txt", "A.TXT", "b", "B.dat", "", "zz.Z"};
    static FILETIME const dates[] = {
        {0, 0},
        TestTime::Utc(1984, 6, 1),
        TestTime::Utc(2003, 7, 1, 12, 0, 0, 100),
        TestTime::Utc(2003, 7, 1, 12, 0, 0, 900),
        TestTime::Utc(2003, 12, 1, 12),
        TestTime::Utc(2030, 1, 1),
    };
    std::string const path = std::string(folders[rand() % 4]) + names[rand() % 6];
    DFile r(DName(path.c_str()), unsigned(rand() % 4) * 0x11, 0, &dates[rand() % 6],
            &dates[rand() % 6], &dates[rand() % 6]);
    r.SetFileSize(unsigned(rand() % 3) * 10, unsigned(rand() % 2));
    return r;
}

TEST(Sort, EveryColumnBothWaysAgreesWithTheRecords)
{
    srand(3);
    DFileLoad load;
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(load.InsertRight(RandomRecord()));

    // The column comparison itself.
    for (unsigned column : Columns) {
        for (unsigned i = 0; i < 300; ++i) {
            DFile const& other = load[unsigned(rand()) % 300];
            ASSERT_EQ(Reference(load[i], other, column), load.CompareColumn(i, other, column))
                << column << " " << &load[i] << " " << &other;
        }
    }
    EXPECT_FALSE(load.CompareColumn(300, load[0], 0x1));

    for (unsigned column : Columns) {
        for (bool descending : {false, true}) {
            SCOPED_TRACE(std::to_string(column) + (descending ? " down" : " up"));
            DFileLoad sorted(load);
            ASSERT_TRUE(sorted.SortAlpha(column, descending));
            ASSERT_EQ(300u, sorted.Size());
            for (unsigned i = 0; i + 1 < 300; ++i) {
                DFile const& a = sorted[descending ? i + 1 : i];
                DFile const& b = sorted[descending ? i : i + 1];
                ASSERT_FALSE(Reference(a, b, column)) << i;
            }
            // The same records, each once, linked in the new order.
            std::multiset<std::string> before;
            std::multiset<std::string> after;
            for (unsigned i = 0; i < 300; ++i) {
                before.insert(std::string(&load[i]) + load[i].FormatAttributes(true, -1).Name());
                after.insert(std::string(&sorted[i]) + sorted[i].FormatAttributes(true, -1).Name());
            }
            EXPECT_EQ(before, after);
            unsigned linked = 0;
            for (DFile const* r = std::addressof(sorted[0]); r; r = r->next, ++linked)
                ASSERT_EQ(r, std::addressof(sorted[linked]));
            EXPECT_EQ(300u, linked);
        }
    }
}

TEST(Sort, ColumnTexts)
{
    FILETIME const w = TestTime::Utc(2004, 3, 9, 15, 7, 5);
    DFileLoad load;
    DFile r(DName("C:\\dir\\a.txt"), 0x21, 10, &w, &w, &w);
    r.SetFileSize(10, 1);
    load.InsertRight(r);
    EXPECT_STREQ("a.txt", load.GetColumn(0, 0x1).Name());
    EXPECT_STREQ("C:\\dir\\a.txt", load.GetColumn(0, 0x4).Name());
    EXPECT_STREQ("4294967306", load.GetColumn(0, 0x8).Name());
    EXPECT_STREQ("R-A------", load.GetColumn(0, 0x10).Name());
    for (unsigned column : {0x20u, 0x40u, 0x80u})
        EXPECT_STREQ(DFile::FormatNumericalDate(w).Name(), load.GetColumn(0, column).Name());
    EXPECT_STREQ("", load.GetColumn(1, 0x1).Name());
    EXPECT_STREQ("", load.GetColumn(0, 0x100).Name());
}

}  // namespace
