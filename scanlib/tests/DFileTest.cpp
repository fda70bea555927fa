// DFile as a record: construction from directory entries and paths,
// attributes, comparison, path forms and the one-line text form.
#include "DFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "TempFolder.h"
#include "TestTime.h"

namespace {

std::string Text(DName const& n)
{
    return n.Name();
}

WIN32_FIND_DATAA Entry(char const* name, unsigned attributes = 0x20,
                       unsigned low = 0, unsigned high = 0)
{
    WIN32_FIND_DATAA e;
    memset(&e, 0, sizeof e);
    strcpy(e.cFileName, name);
    e.dwFileAttributes = attributes;
    e.nFileSizeLow = low;
    e.nFileSizeHigh = high;
    e.ftCreationTime = TestTime::Utc(2001, 1, 1);
    e.ftLastAccessTime = TestTime::Utc(2002, 2, 2);
    e.ftLastWriteTime = TestTime::Utc(2003, 3, 3);
    return e;
}

DFile Sample()
{
    FILETIME const c = TestTime::Utc(2001, 1, 1, 1, 1, 1);
    FILETIME const a = TestTime::Utc(2002, 2, 2, 2, 2, 2);
    FILETIME const w = TestTime::Utc(2003, 3, 3, 3, 3, 3);
    DFile f(DName("C:\\data\\report.txt"), 0x21, 1234, &c, &a, &w);
    f.SetFileSize(1234, 5);
    return f;
}

TEST(DFile, FromDirectoryEntry)
{
    WIN32_FIND_DATAA const e = Entry("file.txt", 0x21, 10, 2);
    DFile const f(e, DName("C:\\dir"));
    EXPECT_STREQ("C:\\dir\\file.txt", &f);
    EXPECT_EQ(0x21u, f.GetAttribute());
    EXPECT_EQ(10u, f.GetFileSize());
    EXPECT_EQ(2ull * 0x100000000ull + 10, f.GetFileSize64());
    EXPECT_TRUE(f.is64());
    EXPECT_TRUE(DFile::is64(e));
    EXPECT_TRUE(DFile::CompDates(e.ftCreationTime, f.GetDateCreated()));
    EXPECT_TRUE(DFile::CompDates(e.ftLastAccessTime, f.GetDateLastAccessed()));
    EXPECT_TRUE(DFile::CompDates(e.ftLastWriteTime, f.GetDateWritten()));

    EXPECT_STREQ("file.txt", &DFile(e, DName()));
    EXPECT_STREQ("C:\\dir\\file.txt", &DFile::GetByFormat(e, DName("C:\\dir\\")));

    // Copy of an entry keeps the key and the scrambled flag.
    DFile keyed = Sample();
    keyed.SetIndex(DName("k"));
    keyed.Copy(e, DName("D:\\"));
    EXPECT_STREQ("D:\\file.txt", &keyed);
    EXPECT_STREQ("k", keyed.GetKey().Name());
}

TEST(DFile, EntryNameChoiceAndUnterminatedNames)
{
    WIN32_FIND_DATAA e = Entry("ab");
    strcpy(e.cAlternateFileName, "ABCDEF~1.TXT");
    EXPECT_EQ("ABCDEF~1.TXT", Text(DFile::ExtractFilename(e)));
    strcpy(e.cFileName, "abcdefghijkl");    // as long: the real name wins
    EXPECT_EQ("abcdefghijkl", Text(DFile::ExtractFilename(e)));

    // Entries from elsewhere may fill the arrays without a terminator.
    memset(e.cFileName, 'n', sizeof e.cFileName);
    memset(e.cAlternateFileName, 'a', sizeof e.cAlternateFileName);
    EXPECT_EQ(std::string(MAX_PATH, 'n'), Text(DFile::ExtractFilename(e)));
}

TEST(DFile, DotsAreTheNameAlone)
{
    EXPECT_TRUE(DFile(DName("C:\\dir\\.."), 0x10, 0).isDots());
    EXPECT_FALSE(DFile(DName("C:\\dir\\..."), 0x10, 0).isDots());
    EXPECT_TRUE(DFile(DName("C:\\..\\x"), 0x10, 0).isNotDots());
    EXPECT_TRUE(DFile::isDots(Entry(".")));
    EXPECT_TRUE(DFile::isNotDots(Entry(".profile")));
}

TEST(DFile, AttributePredicatesTestOneBitEach)
{
    struct
    {
        bool (DFile::*test)() const;
        unsigned bit;
    } const predicates[] = {
        {&DFile::isReadOnly, 0x1},  {&DFile::isHidden, 0x2},
        {&DFile::isSystem, 0x4},    {&DFile::isDir, 0x10},
        {&DFile::isArchive, 0x20},  {&DFile::isEncrypted, 0x40},
        {&DFile::isNormal, 0x80},   {&DFile::isTemp, 0x100},
        {&DFile::isCompressed, 0x800},
    };
    for (auto const& p : predicates) {
        SCOPED_TRACE(p.bit);
        DFile f;
        f.SetAttribute(p.bit);
        EXPECT_TRUE((f.*p.test)());
        f.SetAttribute(~p.bit);
        EXPECT_FALSE((f.*p.test)());
    }
    DFile f;
    f.SetAttribute(0x4000);    // the platform's encrypted bit is not ours
    EXPECT_FALSE(f.isEncrypted());
    EXPECT_TRUE(f.isFile());
    f.AddAttribute(0x10 | 0x2);
    EXPECT_TRUE(f.isDir());
    EXPECT_FALSE(f.isFile());
    f.SubAttribute(0x10);
    EXPECT_EQ(0x4002u, f.GetAttribute());
    f.SubAttribute(0x10);
    EXPECT_EQ(0x4002u, f.GetAttribute());
}

TEST(DFile, EveryBitAndAnyBitMasks)
{
    EXPECT_TRUE(DFile::isAttribute(0x0u, 0x0u));
    EXPECT_TRUE(DFile::isAttribute(0x23u, 0x21u));
    EXPECT_FALSE(DFile::isAttribute(0x23u, 0x25u));
    // Only the bits up to 0x4000 are looked at.
    EXPECT_TRUE(DFile::isAttribute(0x0u, 0x8000u));
    EXPECT_FALSE(DFile::isAttribute(0x0u, 0x4000u));

    EXPECT_FALSE(DFile::isAnAttribute(0xFFFFu, 0x0u));
    EXPECT_TRUE(DFile::isAnAttribute(0x23u, 0x4u | 0x2u));
    EXPECT_FALSE(DFile::isAnAttribute(0x23u, 0x4u | 0x10u));
    EXPECT_TRUE(DFile::isAnAttribute(0x8000u, 0x8000u));
    EXPECT_FALSE(DFile::isAnAttribute(0x10000u, 0x10000u));

    DFile f;
    f.SetAttribute(0x12);
    EXPECT_TRUE(f.isAttribute(0x10));
    EXPECT_FALSE(f.isAnAttribute(0x1));
    WIN32_FIND_DATAA const e = Entry("x", 0x12);
    EXPECT_TRUE(DFile::isAttribute(e, 0x12));
    EXPECT_TRUE(DFile::isAnAttribute(e, 0x3));
}

TEST(DFile, AttributeWordsAndLetters)
{
    DFile f;
    EXPECT_EQ("Read Only, Archive", Text(f.FormatAttributes(true, 0x21)));
    EXPECT_EQ("R-A--H---", Text(f.FormatAttributes(false, 0x23)));
    EXPECT_EQ("No Attributes", Text(f.FormatAttributes(true, 0)));
    EXPECT_EQ("---------", Text(f.FormatAttributes(false, 0)));
    EXPECT_EQ("No Attributes", Text(f.FormatAttributes(true, 0x200 | 0x4000)));
    EXPECT_EQ("---------", Text(f.FormatAttributes(false, 0x200 | 0x4000)));
    unsigned const all = 0x1 | 0x2 | 0x4 | 0x10 | 0x20 | 0x40 | 0x80 | 0x100 | 0x800;
    EXPECT_EQ("Read Only, Folder, Archive, Normal, System, Hidden, Compressed, "
              "Temporary, Encrypted",
              Text(f.FormatAttributes(true, all)));
    EXPECT_EQ("RDANSHCTE", Text(f.FormatAttributes(false, all)));
    EXPECT_EQ("-------T-", Text(f.FormatAttributes(false, 0x100)));

    // A negative value stands for the record's own word.
    f.SetAttribute(0x10 | 0x800);
    EXPECT_EQ("Folder, Compressed", Text(f.FormatAttributes(true, -1)));
    EXPECT_EQ("-D----C--", Text(f.FormatAttributes(false, -1)));
}

TEST(DFile, EqualityIgnoresLastAccessOnly)
{
    DFile const a = Sample();
    DFile b = a;
    EXPECT_TRUE(a == b);
    b.SetDateLastAccessed(TestTime::Utc(2020, 1, 1));
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    b.SetFullPath(DName("c:\\DATA\\REPORT.TXT"));    // paths ignore case
    EXPECT_TRUE(a == b);

    struct Change
    {
        char const* what;
        void (*apply)(DFile&);
    };
    Change const changes[] = {
        {"path", [](DFile& f) { f.SetFullPath(DName("C:\\data\\other.txt")); }},
        {"attributes", [](DFile& f) { f.AddAttribute(0x2); }},
        {"size low", [](DFile& f) { f.SetFileSize(1235, 5); }},
        {"size high", [](DFile& f) { f.SetFileSize(1234, 6); }},
        {"written", [](DFile& f) { f.SetDateWritten(TestTime::Utc(2003, 3, 3)); }},
        {"created", [](DFile& f) { f.SetDateCreated(TestTime::Utc(2001, 1, 1)); }},
        {"scrambled", [](DFile& f) { f.Encrypt(); }},
    };
    for (Change const& c : changes) {
        SCOPED_TRACE(c.what);
        DFile d = a;
        c.apply(d);
        EXPECT_FALSE(a == d);
        EXPECT_TRUE(a != d);
        EXPECT_EQ(std::string(c.what) == "path", a.CompStruct(d));
    }

    // A record without a path equals nothing, not even its copy.
    DFile const empty;
    DFile const emptyCopy(empty);
    EXPECT_FALSE(empty == emptyCopy);
    EXPECT_TRUE(empty.CompStruct(emptyCopy));

    DFile later = a;
    later.SetDateLastAccessed(TestTime::Utc(1999, 1, 1));
    EXPECT_TRUE(a.CompDates(later));
    later.SetDateCreated(TestTime::Utc(1999, 1, 1));
    EXPECT_FALSE(a.CompDates(later));
}

TEST(DFile, CopyAssignmentAndDestroy)
{
    DFile a = Sample();
    DFile rel(DName("sub\\r.txt"), 0, 0);
    DFile b;
    b.Copy(rel, DName("E:\\base"));
    EXPECT_STREQ("E:\\base\\sub\\r.txt", &b);
    b.Copy(a, DName("E:\\base"));    // a drive path stays as it is
    EXPECT_STREQ("C:\\data\\report.txt", &b);

    // The copy constructor takes every field; assignment keeps the flag.
    ASSERT_TRUE(a.Encrypt());
    DFile const copied(a);
    EXPECT_TRUE(copied.isDataEncrypted());
    DFile assigned;
    assigned = a;
    EXPECT_FALSE(assigned.isDataEncrypted());
    EXPECT_TRUE(assigned.GetKey().Comp(a.GetKey()));
    EXPECT_TRUE(assigned.CompDates(a));

    // The link belongs to the list: not copied, kept through Destroy.
    DFile linked = Sample();
    linked.next = std::addressof(b);
    linked = a;
    EXPECT_EQ(std::addressof(b), linked.next);
    EXPECT_EQ(nullptr, DFile(linked).next);
    --linked;
    EXPECT_TRUE(linked.isEmpty());
    EXPECT_TRUE(linked.GetKey().isEmpty());
    EXPECT_FALSE(linked.isDataEncrypted());
    EXPECT_EQ(0ull, linked.GetFileSize64());
    EXPECT_TRUE(DFile::isEmpty(linked.GetDateCreated()));
    EXPECT_EQ(std::addressof(b), linked.next);
}

class DFileDisk : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isMade()); }
    TempFolder dir_;
};

TEST_F(DFileDisk, FromPathReadsTheFileSystem)
{
    std::string const path = dir_.Path("seven.bin");
    ASSERT_TRUE(TempFolder::Put(path, "1234567"));
    DFile f(DName(path.c_str()));
    EXPECT_STREQ(path.c_str(), &f);
    EXPECT_EQ(7u, f.GetFileSize());
    EXPECT_TRUE(f.isFile());
    WIN32_FIND_DATAA e;
    HANDLE h = FindFirstFileA(path.c_str(), &e);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FindClose(h);
    EXPECT_EQ(e.dwFileAttributes, f.GetAttribute());
    EXPECT_TRUE(DFile::CompDates(e.ftLastWriteTime, f.GetDateWritten()));
    EXPECT_TRUE(DFile::CompDates(e.ftCreationTime, f.GetDateCreated()));

    DFile const folder(DName(dir_.Dir().c_str()));
    EXPECT_TRUE(folder.isDir());

    // A missing path leaves the record as it was.
    DFile kept = Sample();
    EXPECT_FALSE(kept.FromPath(DName(dir_.Path("missing").c_str())));
    EXPECT_FALSE(kept.FromPath(DName()));
    EXPECT_TRUE(kept == Sample());
}

TEST_F(DFileDisk, ParentPathOfFilesFoldersAndMissingPaths)
{
    std::string const file = dir_.Path("f.txt");
    ASSERT_TRUE(TempFolder::Put(file, "x"));
    DFile const f(DName(file.c_str()));
    EXPECT_EQ(dir_.Dir(), Text(f.GetParentPath(DName())));
    EXPECT_EQ(dir_.Dir(), Text(f.GetParentPath(DName(dir_.Dir().c_str()))));
    std::string const missing = dir_.Path("gone\\x.txt");
    EXPECT_EQ(missing, Text(f.GetParentPath(DName(missing.c_str()))));
}

TEST_F(DFileDisk, ShortAndLongForms)
{
    std::string const path = dir_.Path("A Rather Long File Name.text");
    ASSERT_TRUE(TempFolder::Put(path, "x"));
    DFile const f(DName(path.c_str()));
    std::string const shortName = Text(f.GetOldFullPath());
    EXPECT_NE("A Rather Long File Name.text", shortName);
    EXPECT_LE(shortName.size(), 12u) << shortName;
    EXPECT_EQ(shortName, Text(DFile(f.GetOldStyle(), 0, 0).GetFileName()));

    DFile const back(f.GetOldStyle(), 0, 0);
    EXPECT_TRUE(back.GetNewStyle() == f.GetFullPath()) << Text(back.GetNewStyle());
    EXPECT_EQ("A Rather Long File Name.text", Text(back.GetNewFullPath()));

    // Paths that cannot be converted come back unchanged.
    std::string const missing = dir_.Path("not here at all.text");
    DFile const gone(DName(missing.c_str()), 0, 0);
    EXPECT_EQ(missing, Text(gone.GetOldStyle()));
    EXPECT_EQ(missing, Text(gone.GetNewStyle()));
    EXPECT_TRUE(DFile().GetOldStyle().isEmpty());
    EXPECT_TRUE(DFile().GetNewFullPath().isEmpty());
}

TEST(DFileText, OneLineFormAndBack)
{
    FILETIME const c = DFile::GetUTCDate(TestTime::Local(2004, 3, 9, 0, 7, 5));
    FILETIME const w = DFile::GetUTCDate(TestTime::Local(2004, 7, 4, 12, 0, 59));
    FILETIME const a = DFile::GetUTCDate(TestTime::Local(2005, 12, 31, 23, 59, 1));
    DFile f(DName("C:\\a,b\\file.txt"), 0x23, 4242, &c, &a, &w);
    DName line;
    ASSERT_TRUE(f.ToString(line, ','));
    EXPECT_EQ("C:\\a,b\\file.txt,4242,R-A--H---,3/09/2004 12:07:05 AM,"
              "7/04/2004 12:00:59 PM,12/31/2005 11:59:01 PM",
              Text(line));

    DFile back = Sample();
    ASSERT_TRUE(back.FromString(line, ','));
    EXPECT_TRUE(back == f);
    EXPECT_EQ(0, DFile::CompDate(a, back.GetDateLastAccessed()));
    EXPECT_TRUE(back.GetKey().isEmpty());
}

TEST(DFileText, OneLineFormOfLargeAndEmptyRecords)
{
    DFile big(DName("x"), 0, 0);
    big.SetFileSize(10, 1);
    DName line;
    ASSERT_TRUE(big.ToString(line, '\t'));
    EXPECT_EQ("x\t4294967306\t---------\t0/00/1985 12:00:00 AM\t"
              "0/00/1985 12:00:00 AM\t0/00/1985 12:00:00 AM",
              Text(line));
    DFile back;
    ASSERT_TRUE(back.FromString(line, '\t'));
    EXPECT_EQ(4294967306ull, back.GetFileSize64());
    EXPECT_TRUE(DFile::isEmpty(back.GetDateCreated()));
    EXPECT_TRUE(back == big);

    DFile const empty;
    ASSERT_TRUE(empty.ToString(line, ';'));
    EXPECT_EQ(";0;---------;0/00/1985 12:00:00 AM;0/00/1985 12:00:00 AM;"
              "0/00/1985 12:00:00 AM",
              Text(line));

    // Too few fields: nothing is taken.
    DFile partial = Sample();
    EXPECT_FALSE(partial.FromString(DName("a;1;R--------;1/01/2000 1:00:00 AM"), ';'));
    EXPECT_TRUE(partial.isEmpty());
    EXPECT_FALSE(partial.FromString(DName(), ';'));
}

}  // namespace
