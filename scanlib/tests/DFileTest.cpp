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

WIN32_FIND_DATAA Entry(char const* name, unsigned attributes = 0x20, unsigned low = 0,
                       unsigned high = 0)
{
    WIN32_FIND_DATAA e = {};
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
    WIN32_FIND_DATAA e = Entry("file.txt", 0x21, 10, 2);
    DFile const f(e, DName("C:\\dir"));
    EXPECT_STREQ("C:\\dir\\file.txt", &f);
    EXPECT_EQ(0x21u, f.GetAttribute());
    EXPECT_EQ(10u, f.GetFileSize());
    EXPECT_EQ(2ull * 0x100000000ull + 10, f.GetFileSize64());
    EXPECT_TRUE(f.is64() && DFile::is64(e));
    EXPECT_TRUE(DFile::CompDates(e.ftLastAccessTime, f.GetDateLastAccessed()));
    EXPECT_STREQ("C:\\dir\\file.txt", &DFile::GetByFormat(e, DName("C:\\dir\\")));

    // Copy of an entry keeps the key.
    DFile keyed = Sample();
    keyed.SetIndex(DName("k"));
    keyed.Copy(e, DName("D:\\"));
    EXPECT_STREQ("D:\\file.txt", &keyed);
    EXPECT_STREQ("k", keyed.GetKey().Name());

    // The real name even when its alias is longer; the alias only without
    // one. Entries from elsewhere may fill the arrays without a terminator.
    strcpy(e.cFileName, "faq.html");
    strcpy(e.cAlternateFileName, "FAQ~~JPP.HTM");
    EXPECT_STREQ("faq.html", DFile::ExtractFilename(e).Name());
    e.cFileName[0] = 0;
    EXPECT_STREQ("FAQ~~JPP.HTM", DFile::ExtractFilename(e).Name());
    memset(e.cFileName, 'n', sizeof e.cFileName);
    memset(e.cAlternateFileName, 'a', sizeof e.cAlternateFileName);
    EXPECT_EQ(std::string(MAX_PATH, 'n'), DFile::ExtractFilename(e).Name());

    // Dots are the name alone.
    EXPECT_TRUE(DFile(DName("C:\\dir\\.."), 0x10, 0).isDots());
    EXPECT_FALSE(DFile(DName("C:\\dir\\..."), 0x10, 0).isDots());
    EXPECT_TRUE(DFile(DName("C:\\..\\x"), 0x10, 0).isNotDots());
    EXPECT_TRUE(DFile::isDots(Entry(".")) && DFile::isNotDots(Entry(".profile")));
}

TEST(DFile, Attributes)
{
    DFile f;
    f.SetAttribute(0x40);
    EXPECT_TRUE(f.isEncrypted() && f.isFile());
    f.SetAttribute(0x4000);    // the platform's encrypted bit is not ours
    EXPECT_TRUE(!f.isEncrypted() && f.isFile());
    f.AddAttribute(0x10 | 0x2);
    EXPECT_TRUE(f.isDir() && !f.isFile());
    f.SubAttribute(0x10);
    f.SubAttribute(0x10);
    EXPECT_EQ(0x4002u, f.GetAttribute());

    // Every bit of a mask, or any bit; only the bits up to 0x4000 and 0x8000.
    EXPECT_TRUE(DFile::isAttribute(0x23u, 0x21u));
    EXPECT_FALSE(DFile::isAttribute(0x23u, 0x25u));
    EXPECT_TRUE(DFile::isAttribute(0x0u, 0x8000u));
    EXPECT_FALSE(DFile::isAttribute(0x0u, 0x4000u));
    EXPECT_FALSE(DFile::isAnAttribute(0xFFFFu, 0x0u));
    EXPECT_TRUE(DFile::isAnAttribute(0x23u, 0x4u | 0x2u));
    EXPECT_TRUE(DFile::isAnAttribute(0x8000u, 0x8000u));
    EXPECT_FALSE(DFile::isAnAttribute(0x10000u, 0x10000u));
    EXPECT_TRUE(DFile::isAttribute(Entry("x", 0x12), 0x12));
    EXPECT_TRUE(DFile::isAnAttribute(Entry("x", 0x12), 0x3));

    // As words and letters; a negative value stands for the record's own word.
    EXPECT_STREQ("R-A--H---", f.FormatAttributes(false, 0x23).Name());
    EXPECT_STREQ("No Attributes", f.FormatAttributes(true, 0x200 | 0x4000).Name());
    EXPECT_STREQ("---------", f.FormatAttributes(false, 0).Name());
    unsigned const all = 0x1 | 0x2 | 0x4 | 0x10 | 0x20 | 0x40 | 0x80 | 0x100 | 0x800;
    EXPECT_STREQ("RDANSHCTE", f.FormatAttributes(false, all).Name());
    f.SetAttribute(0x10 | 0x800);
    EXPECT_STREQ("Folder, Compressed", f.FormatAttributes(true, -1).Name());
    EXPECT_STREQ("-D----C--", f.FormatAttributes(false, -1).Name());
}

TEST(DFile, EqualityIgnoresLastAccessOnly)
{
    DFile const a = Sample();
    DFile b = a;
    b.SetDateLastAccessed(TestTime::Utc(2020, 1, 1));
    b.SetFullPath(DName("c:\\DATA\\REPORT.TXT"));    // paths ignore case
    EXPECT_TRUE(a == b && !(a != b));

    struct Change
    {
        char const* what;
        void (*apply)(DFile&);
    } const changes[] = {
        {"path", [](DFile& f) { f.SetFullPath(DName("C:\\data\\other.txt")); }},
        {"attributes", [](DFile& f) { f.AddAttribute(0x2); }},
        {"size low", [](DFile& f) { f.SetFileSize(1235, 5); }},
        {"size high", [](DFile& f) { f.SetFileSize(1234, 6); }},
        {"written", [](DFile& f) { f.SetDateWritten(TestTime::Utc(2003, 3, 3)); }},
        {"created", [](DFile& f) { f.SetDateCreated(TestTime::Utc(2001, 1, 1)); }},
        {"scrambled", [](DFile& f) { f.Encrypt(); }},
    };
    for (Change const& c : changes) {
        DFile d = a;
        c.apply(d);
        EXPECT_TRUE(!(a == d) && a != d) << c.what;
        EXPECT_EQ(std::string(c.what) == "path", a.CompStruct(d)) << c.what;
    }

    // A record without a path equals nothing, not even its copy.
    DFile const empty;
    EXPECT_FALSE(empty == DFile(empty));
    EXPECT_TRUE(empty.CompStruct(DFile(empty)));
    DFile later = a;
    later.SetDateLastAccessed(TestTime::Utc(1999, 1, 1));
    EXPECT_TRUE(a.CompDates(later));
    later.SetDateCreated(TestTime::Utc(1999, 1, 1));
    EXPECT_FALSE(a.CompDates(later));
}

TEST(DFile, CopyAssignmentAndDestroy)
{
    DFile a = Sample();
    DFile b;
    b.Copy(DFile(DName("sub\\r.txt"), 0, 0), DName("E:\\base"));
    EXPECT_STREQ("E:\\base\\sub\\r.txt", &b);
    b.Copy(a, DName("E:\\base"));    // a drive path stays as it is
    EXPECT_STREQ("C:\\data\\report.txt", &b);

    // The copy constructor takes every field; assignment keeps the flag.
    ASSERT_TRUE(a.Encrypt());
    EXPECT_TRUE(DFile(a).isDataEncrypted());
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
    EXPECT_TRUE(linked.isEmpty() && linked.GetKey().isEmpty() && !linked.isDataEncrypted());
    EXPECT_EQ(0ull, linked.GetFileSize64());
    EXPECT_TRUE(DFile::isEmpty(linked.GetDateCreated()));
    EXPECT_EQ(std::addressof(b), linked.next);
}

TEST(DFile, FromTheFileSystem)
{
    TempFolder dir;
    std::string const path = dir.Path("A Rather Long File Name.text");
    ASSERT_TRUE(TempFolder::Put(path, "1234567"));
    DFile const f(DName(path.c_str()));
    EXPECT_STREQ(path.c_str(), &f);
    EXPECT_EQ(7u, f.GetFileSize());
    WIN32_FIND_DATAA e;
    FindClose(FindFirstFileA(path.c_str(), &e));
    EXPECT_EQ(e.dwFileAttributes, f.GetAttribute());
    EXPECT_TRUE(DFile::CompDates(e.ftLastWriteTime, f.GetDateWritten()));
    EXPECT_TRUE(DFile(DName(dir.Dir().c_str())).isDir());

    // A missing path leaves the record as it was.
    DFile kept = Sample();
    EXPECT_FALSE(kept.FromPath(DName(dir.Path("missing").c_str())));
    EXPECT_FALSE(kept.FromPath(DName()));
    EXPECT_TRUE(kept == Sample());

    EXPECT_EQ(dir.Dir(), f.GetParentPath(DName()).Name());
    std::string const missing = dir.Path("gone\\x.txt");
    EXPECT_EQ(missing, f.GetParentPath(DName(missing.c_str())).Name());

    // Short and long forms; paths that cannot be converted come back unchanged.
    std::string const shortName = f.GetOldFullPath().Name();
    EXPECT_NE("A Rather Long File Name.text", shortName);
    EXPECT_LE(shortName.size(), 12u) << shortName;
    DFile const back(f.GetOldStyle(), 0, 0);
    EXPECT_EQ(shortName, back.GetFileName().Name());
    EXPECT_TRUE(back.GetNewStyle() == f.GetFullPath()) << back.GetNewStyle().Name();
    EXPECT_STREQ("A Rather Long File Name.text", back.GetNewFullPath().Name());
    DFile const gone(DName(missing.c_str()), 0, 0);
    EXPECT_EQ(missing, gone.GetOldStyle().Name());
    EXPECT_EQ(missing, gone.GetNewStyle().Name());
    EXPECT_TRUE(DFile().GetOldStyle().isEmpty() && DFile().GetNewFullPath().isEmpty());
}

TEST(DFile, OneLineFormAndBack)
{
    FILETIME const c = DFile::GetUTCDate(TestTime::Local(2004, 3, 9, 0, 7, 5));
    FILETIME const w = DFile::GetUTCDate(TestTime::Local(2004, 7, 4, 12, 0, 59));
    FILETIME const a = DFile::GetUTCDate(TestTime::Local(2005, 12, 31, 23, 59, 1));
    DFile f(DName("C:\\a,b\\file.txt"), 0x23, 4242, &c, &a, &w);
    DName line;
    ASSERT_TRUE(f.ToString(line, ','));
    EXPECT_STREQ("C:\\a,b\\file.txt,4242,R-A--H---,3/09/2004 12:07:05 AM,"
                 "7/04/2004 12:00:59 PM,12/31/2005 11:59:01 PM",
                 line.Name());
    DFile back = Sample();
    ASSERT_TRUE(back.FromString(line, ','));
    EXPECT_TRUE(back == f);
    EXPECT_EQ(0, DFile::CompDate(a, back.GetDateLastAccessed()));
    EXPECT_TRUE(back.GetKey().isEmpty());

    // Past 4 GiB, and with dates of zero.
    DFile big(DName("x"), 0, 0);
    big.SetFileSize(10, 1);
    ASSERT_TRUE(big.ToString(line, '\t'));
    EXPECT_STREQ("x\t4294967306\t---------\t0/00/1985 12:00:00 AM\t"
                 "0/00/1985 12:00:00 AM\t0/00/1985 12:00:00 AM",
                 line.Name());
    ASSERT_TRUE(back.FromString(line, '\t'));
    EXPECT_EQ(4294967306ull, back.GetFileSize64());
    EXPECT_TRUE(DFile::isEmpty(back.GetDateCreated()));
    EXPECT_TRUE(back == big);
    ASSERT_TRUE(DFile().ToString(line, ';'));
    EXPECT_EQ(';', line[0]);

    // Too few fields: nothing is taken.
    DFile partial = Sample();
    EXPECT_FALSE(partial.FromString(DName("a;1;R--------;1/01/2000 1:00:00 AM"), ';'));
    EXPECT_TRUE(partial.isEmpty());
    EXPECT_FALSE(partial.FromString(DName(), ';'));
}

}  // namespace
