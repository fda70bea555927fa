// The matching test of the search: names, size, attributes and the three
// dates, each mode against entries just below, at and above the reference.
#include "DFileLoad.h"

#include "DFile.h"
#include "DirectoryListingSpec.h"

#include <gtest/gtest.h>

#include <string>

#include "TestTime.h"

namespace {

// Outcome of a test against an entry below, at and above the reference.
struct Row
{
    unsigned char mode;
    bool below;
    bool at;
    bool above;
};

// The same for sizes and dates: bit 1 passes equal, 2 less, 4 greater; 0 is
// off, and a mode without those bits passes nothing.
Row const ComparisonModes[] = {
    {0, true, true, true},  {1, false, true, false}, {2, true, false, false},
    {4, false, false, true}, {5, false, true, true},  {8, false, false, false},
};

DirectoryListingSpec Everything()
{
    return DirectoryListingSpec(DName("*.*"));
}

DFile Entry(char const* path, unsigned attributes = 0x20, unsigned size = 0)
{
    return DFile(DName(path), attributes, size);
}

DFile Dated(FILETIME const* created, FILETIME const* accessed, FILETIME const* written)
{
    return DFile(DName("C:\\f"), 0x20, 0, created, accessed, written);
}

class Match : public ::testing::Test
{
protected:
    bool Test(DirectoryListingSpec const& criteria, DFile const& entry) const
    {
        return load_.IsFileSpec(criteria, entry);
    }

    DFileLoad load_;
};

TEST_F(Match, NamePatterns)
{
    struct
    {
        char const* pattern;
        char const* path;
        bool fits;
    } const cases[] = {
        {"*.*", "C:\\dir\\README", true},          // no dot needed
        {"", "C:\\dir\\README", true},
        {"*.TXT", "C:\\dir\\notes.txt", true},
        {"*.txt", "C:\\dir\\notes.text", false},
        // A folder path fits the full path though the name does not.
        {"C:\\data\\*", "C:\\data\\sub\\x.bin", true},
        {"C:\\data\\*", "C:\\other\\x.bin", false},
        {"x.bin", "C:\\data\\x.bin", true},
        {"x.bin", "C:\\data\\xx.bin", false},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.path);
        DirectoryListingSpec single;
        single.names.InsertRight(DName(c.pattern));
        EXPECT_EQ(c.fits, Test(single, Entry(c.path)));
        // The same through a list of names: one fitting pattern is enough.
        DirectoryListingSpec list(DName("*.none"));
        list.names.InsertRight(DName(c.pattern));
        list.names.InsertRight(DName("*.nothing"));
        EXPECT_EQ(c.fits, Test(list, Entry(c.path)));
    }
    // With no names nothing matches; dots never.
    EXPECT_FALSE(Test(DirectoryListingSpec(), Entry("C:\\a.txt")));
    EXPECT_FALSE(Test(Everything(), Entry("C:\\dir\\.", 0x10)));
    EXPECT_FALSE(Test(Everything(), Entry("C:\\dir\\..", 0x10)));
    EXPECT_TRUE(Test(Everything(), Entry("C:\\dir\\...", 0x10)));
}

TEST_F(Match, SizeModes)
{
    for (Row const& r : ComparisonModes) {
        SCOPED_TRACE(int(r.mode));
        DirectoryListingSpec criteria = Everything();
        criteria.sizeMode = r.mode;
        criteria.sizeValue = 1000;
        EXPECT_EQ(r.below, Test(criteria, Entry("C:\\f", 0x20, 999)));
        EXPECT_EQ(r.at, Test(criteria, Entry("C:\\f", 0x20, 1000)));
        EXPECT_EQ(r.above, Test(criteria, Entry("C:\\f", 0x20, 1001)));
    }
    // The size compares as unsigned.
    DirectoryListingSpec big = Everything();
    big.sizeMode = 4;
    big.sizeValue = 0x7FFFFFFF;
    EXPECT_TRUE(Test(big, Entry("C:\\f", 0x20, 0x80000000u)));

    // The whole size counts: 4 GiB + 10 bytes is larger than any value,
    // its low half alone never decides.
    DFile huge = Entry("C:\\f");
    huge.SetFileSize(10, 1);
    struct
    {
        unsigned char mode;
        unsigned value;
        unsigned upper;
        bool passes;
    } const past4GiB[] = {
        {1, 10, 0, false},          {2, 1000, 0, false},         {3, 0xFFFFFFFFu, 0, false},
        {4, 4000000000u, 0, true},  {5, 0xFFFFFFFFu, 0, true},   {4, 10, 0, true},
        {6, 0, 0xFFFFFFFFu, false}, {6, 10, 20, false},
    };
    for (auto const& c : past4GiB) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + std::to_string(c.value));
        DirectoryListingSpec criteria = Everything();
        criteria.sizeMode = c.mode;
        criteria.sizeValue = c.value;
        criteria.sizeUpper = c.upper;
        EXPECT_EQ(c.passes, Test(criteria, huge));
    }

    // A range includes both ends; turned round it holds nothing.
    DirectoryListingSpec criteria = Everything();
    criteria.sizeMode = 6;
    criteria.sizeValue = 10;
    criteria.sizeUpper = 20;
    unsigned const sizes[] = {9, 10, 20, 21};
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(i == 1 || i == 2, Test(criteria, Entry("C:\\f", 0x20, sizes[i]))) << sizes[i];
    criteria.sizeValue = 20;
    criteria.sizeUpper = 10;
    for (unsigned size : sizes)
        EXPECT_FALSE(Test(criteria, Entry("C:\\f", 0x20, size))) << size;
}

TEST_F(Match, AttributeModes)
{
    struct
    {
        unsigned char mode;
        unsigned mask;
        bool none;     // entry with no bit of the mask
        bool some;     // one bit of it
        bool every;    // every bit of it
    } const rows[] = {
        {0, 0x3, true, true, true},
        {1, 0x3, false, true, true},
        {5, 0x3, true, false, false},
        {2, 0x3, false, false, true},
        {6, 0x3, true, true, false},
        // Empty masks.
        {1, 0x0, false, false, false},
        {5, 0x0, true, true, true},
        {2, 0x0, true, true, true},
        {6, 0x0, false, false, false},
    };
    for (auto const& r : rows) {
        SCOPED_TRACE(int(r.mode) * 100 + int(r.mask));
        DirectoryListingSpec const criteria(DName("*.*"), DName(), r.mask, 0, r.mode, 0);
        EXPECT_EQ(r.none, Test(criteria, Entry("C:\\f", 0x20 | 0x10)));
        EXPECT_EQ(r.some, Test(criteria, Entry("C:\\f", 0x20 | 0x2)));
        EXPECT_EQ(r.every, Test(criteria, Entry("C:\\f", 0x20 | 0x2 | 0x1)));
    }
}

TEST_F(Match, DateModes)
{
    // 10:00:00.9 is still the reference second.
    FILETIME const reference = DFile::GetUTCDate(TestTime::Local(2004, 7, 1, 10, 0, 0));
    FILETIME const dates[] = {TestTime::Shift(reference, -1000), TestTime::Shift(reference, 900),
                              TestTime::Shift(reference, 1000)};
    for (Row const& r : ComparisonModes) {
        DirectoryListingSpec criteria = Everything();
        criteria.writtenMode = r.mode;
        criteria.written = reference;
        bool const expected[] = {r.below, r.at, r.above};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(expected[i], Test(criteria, Dated(nullptr, nullptr, &dates[i])))
                << int(r.mode) << " " << i;
    }

    // Each date is tested against its own reference, the others far away.
    FILETIME const other = DFile::GetUTCDate(TestTime::Local(1999, 1, 1));
    DirectoryListingSpec created = Everything();
    created.createdMode = 1;
    created.created = reference;
    DirectoryListingSpec accessed = Everything();
    accessed.accessedMode = 1;
    accessed.accessed = reference;
    EXPECT_TRUE(Test(created, Dated(&dates[1], &other, &other)));
    EXPECT_FALSE(Test(created, Dated(&other, &dates[1], &dates[1])));
    EXPECT_TRUE(Test(accessed, Dated(&other, &dates[1], &other)));
    EXPECT_FALSE(Test(accessed, Dated(&dates[1], &other, &dates[1])));
}

TEST_F(Match, EveryTestMustPass)
{
    DirectoryListingSpec criteria(DName("*.log"), DName(), 0x1, 100, 2, 2);
    criteria.writtenMode = 4;
    criteria.written = DFile::GetUTCDate(TestTime::Local(2000, 1, 1));
    FILETIME const late = DFile::GetUTCDate(TestTime::Local(2001, 1, 1));
    FILETIME const early = DFile::GetUTCDate(TestTime::Local(1999, 1, 1));

    DFile const good(DName("C:\\a.log"), 0x21, 50, nullptr, nullptr, &late);
    EXPECT_TRUE(Test(criteria, good));
    EXPECT_FALSE(Test(criteria, DFile(DName("C:\\a.txt"), 0x21, 50, nullptr, nullptr, &late)));
    EXPECT_FALSE(Test(criteria, DFile(DName("C:\\a.log"), 0x21, 150, nullptr, nullptr, &late)));
    EXPECT_FALSE(Test(criteria, DFile(DName("C:\\a.log"), 0x20, 50, nullptr, nullptr, &late)));
    EXPECT_FALSE(Test(criteria, DFile(DName("C:\\a.log"), 0x21, 50, nullptr, nullptr, &early)));
}

}  // namespace
