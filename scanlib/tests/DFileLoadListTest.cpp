// The result list: its operations, the stored-results body against cut,
// huge and damaged files, the text forms and the comparison of two lists.
#include "DFileLoad.h"
#include "FileOper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "TempFolder.h"
#include "TestTime.h"

namespace {

DFile Record(char const* path, unsigned long long size = 0, unsigned attributes = 0x20,
             int day = 1)
{
    FILETIME const c = TestTime::Utc(2001, 2, day, 4, 5, 6);
    FILETIME const a = TestTime::Utc(2002, 3, day, 5, 6, 7);
    FILETIME const w = TestTime::Utc(2003, 4, day, 6, 7, 8);
    DFile f(DName(path), attributes, 0, &c, &a, &w);
    f.SetFileSize(unsigned(size), unsigned(size >> 32));
    return f;
}

void Fill(DFileLoad& load)
{
    load.InsertRight(Record("C:\\data\\one.txt", 5));
    load.InsertRight(Record("C:\\data\\sub", 0, 0x10, 2));
    load.InsertRight(Record("D:\\big\\Two.BIN", 0x10000000Aull, 0x821, 3));
    load.InsertRight(Record("", 9));
}

unsigned Word(std::string const& bytes, size_t at)
{
    unsigned w;
    memcpy(&w, bytes.data() + at, 4);
    return w;
}

std::string Le32(unsigned v)
{
    return std::string(reinterpret_cast<char const*>(&v), 4);
}

class List : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isMade()); }

    std::string Stored(DFileLoad const& load)
    {
        std::string const path = dir_.Path("list.hur");
        FileOper out;
        EXPECT_TRUE(out.Create(path.c_str()));
        EXPECT_TRUE(load.Write(out));
        out.Close();
        return TempFolder::Get(path);
    }

    bool Restore(std::string const& bytes, DFileLoad& load)
    {
        std::string const path = dir_.Path("in.hur");
        EXPECT_TRUE(TempFolder::Put(path, bytes));
        FileOper in(path.c_str(), false);
        return load.Read(in);
    }

    TempFolder dir_;
};

TEST(ListOperations, PositionsInsertsAndRemovals)
{
    DFileLoad load;
    EXPECT_TRUE(!load);
    EXPECT_EQ(nullptr, load(0));
    EXPECT_FALSE(load.DelLeft());
    EXPECT_FALSE(load.DelRight());
    Fill(load);
    ASSERT_TRUE(load.InsertLeft(Record("C:\\first")));
    ASSERT_TRUE(load.InsertPos(Record("C:\\middle"), 2));
    ASSERT_TRUE(load.InsertPos(Record("C:\\last"), 99));
    WIN32_FIND_DATAA e = {};
    strcpy(e.cFileName, "entry.dat");
    ASSERT_TRUE(load.InsertLeft(e));
    char const* const order[] = {"entry.dat", "C:\\first", "C:\\data\\one.txt", "C:\\middle",
                                 "C:\\data\\sub", "D:\\big\\Two.BIN", "", "C:\\last"};
    ASSERT_EQ(8u, load.Size());
    for (unsigned i = 0; i < 8; ++i)
        EXPECT_STREQ(order[i], &load[i]) << i;
    // Beyond the end: the first record.
    EXPECT_STREQ("entry.dat", &load[8]);
    EXPECT_STREQ("entry.dat", &*load(100));
    EXPECT_TRUE(load == 8u && load > 7u && load <= 8u && !(load < 8u));

    EXPECT_EQ(2, load.FindPos(DName("c:\\DATA\\one.txt")));
    EXPECT_EQ(5, load.FindByLong(DName("D:\\big\\two.bin")));
    EXPECT_EQ(5, load.FindByFilename(DName("X:\\elsewhere\\TWO.bin")));
    EXPECT_EQ(-1, load.FindPos(DName("C:\\nothing")));
    EXPECT_EQ(-1, load.FindPos(DName()));

    EXPECT_EQ(7u, load.GetTotalFiles());
    EXPECT_EQ(1u, load.GetTotalDirs(DName()));
    EXPECT_EQ(1u, load.GetTotalDirs(DName("c:\\data")));
    EXPECT_EQ(0u, load.GetTotalDirs(DName("C:\\data\\sub")));
    // The low halves, in 32 bits.
    EXPECT_EQ(5u + 10u + 9u, load.GetTotalFileSizes());

    EXPECT_TRUE(load.DelLeft());
    EXPECT_TRUE(load.DelRight());
    EXPECT_TRUE(load.DelPos(1));
    EXPECT_FALSE(load.DelPos(5));
    load.RemDirs();
    EXPECT_EQ(4u, load.Size());
    EXPECT_STREQ("C:\\middle", &load[1]);
    load.RemFiles();
    EXPECT_TRUE(load.isEmpty());

    Fill(load);
    DFileLoad copy(load);
    load.Destroy();
    EXPECT_EQ(4u, copy.Size());
    EXPECT_TRUE(copy != load);
    EXPECT_TRUE(copy[2] == Record("D:\\big\\Two.BIN", 0x10000000Aull, 0x821, 3));
}

TEST_F(List, StoredBodyLayout)
{
    DFileLoad load;
    EXPECT_EQ(std::string(4, '\0'), Stored(load));

    Fill(load);
    std::string const bytes = Stored(load);
    EXPECT_EQ(4u, Word(bytes, 0));
    // Each record is a scrambled DFile record with a key of its own.
    std::string const path = dir_.Path("list.hur");
    FileOper in(path.c_str(), false);
    ASSERT_EQ(4, in.Qread());
    size_t at = 4;
    DName previous;
    for (unsigned i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(1, bytes[at]);
        unsigned const k = Word(bytes, at + 1);
        ASSERT_GE(k, 1u);
        ASSERT_LE(k, 993u);
        for (unsigned j = 0; j < k; ++j) {
            unsigned char const c = static_cast<unsigned char>(bytes[at + 5 + j]);
            ASSERT_TRUE(c >= 1 && c <= 129);
        }
        DFile r;
        ASSERT_TRUE(r.Read(in));
        EXPECT_FALSE(r.GetKey().Comp(previous));
        previous = r.GetKey();
        EXPECT_TRUE(r.CompStruct(load[i]));
        EXPECT_TRUE(r.GetFullPath().Comp(load[i].GetFullPath()) || i == 3);
        at += 1 + 4 + k + 4 + r.GetLongSize() + 36;
    }
    EXPECT_EQ(bytes.size(), at);
    // The list is left as it was.
    EXPECT_FALSE(load[0].isDataEncrypted());
    EXPECT_TRUE(load[0].GetKey().isEmpty());
}

TEST_F(List, RoundTripKeepsEverythingAndOrder)
{
    DFileLoad load;
    Fill(load);
    DFileLoad back;
    back.InsertRight(Record("C:\\old"));
    ASSERT_TRUE(Restore(Stored(load), back));
    ASSERT_EQ(4u, back.Size());
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_TRUE(back[i] == load[i]) << i;
        EXPECT_TRUE(DFile::CompDates(back[i].GetDateLastAccessed(),
                                     load[i].GetDateLastAccessed()));
        EXPECT_FALSE(back[i].isDataEncrypted());
    }
    EXPECT_TRUE(back[3].GetFullPath().isEmpty());
    EXPECT_EQ(9ull, back[3].GetFileSize64());

    ASSERT_TRUE(Restore(Le32(0), back));
    EXPECT_TRUE(back.isEmpty());
}

TEST_F(List, CutDamagedAndHugeBodies)
{
    DFileLoad load;
    Fill(load);
    std::string const bytes = Stored(load);
    // Where each record ends.
    size_t ends[4];
    for (size_t i = 0, at = 4; i < 4; ++i) {
        unsigned const k = Word(bytes, at + 1);
        at += 1 + 4 + k + 4 + Word(bytes, at + 5 + k) + 36;
        ends[i] = at;
    }
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        DFileLoad back;
        back.InsertRight(Record("C:\\before"));
        ASSERT_FALSE(Restore(bytes.substr(0, cut), back)) << cut;
        unsigned whole = 0;
        while (whole < 4 && ends[whole] <= cut)
            ++whole;
        // A cut count leaves the list alone; otherwise the whole records.
        ASSERT_EQ(cut < 4 ? 1u : whole, back.Size()) << cut;
    }

    // A count of four billion reads what is there.
    DFileLoad back;
    EXPECT_FALSE(Restore(Le32(0xFFFFFFFFu) + bytes.substr(4), back));
    EXPECT_EQ(4u, back.Size());

    // Lengths that no string may have.
    for (unsigned length : {0xFFF0u, 0xFFFFFFFFu}) {
        std::string bad = bytes;
        bad.replace(ends[1] + 1, 4, Le32(length));    // the third key
        EXPECT_FALSE(Restore(bad, back));
        EXPECT_EQ(2u, back.Size());
    }

    // Damage anywhere never crashes.
    srand(5);
    for (unsigned round = 0; round < 300; ++round) {
        std::string bad = bytes;
        for (unsigned n = 0; n < 4; ++n)
            bad[size_t(rand()) % bad.size()] = char(rand());
        Restore(bad, back);
        EXPECT_LE(back.Size(), Word(bad, 0));
    }
}

TEST_F(List, FindsOneRecordInABody)
{
    DFileLoad load;
    Fill(load);
    std::string const path = dir_.Path("find.hur");
    ASSERT_TRUE(TempFolder::Put(path, Stored(load)));
    DFile found;
    {
        FileOper in(path.c_str(), false);
        ASSERT_TRUE(load.ReadFind(in, DName("d:\\BIG\\two.bin"), found));
        EXPECT_TRUE(found == load[2]);
    }
    FileOper in(path.c_str(), false);
    EXPECT_FALSE(load.ReadFind(in, DName("C:\\absent"), found));
}

TEST_F(List, TextForms)
{
    DFileLoad load;
    Fill(load);
    std::string const path = dir_.Path("blocks.txt");
    std::string expected = "       Creation     Last Access      Write Date           Size Attributes\r\n";
    for (unsigned i = 0; i < load.Size(); ++i) {
        FileOper one;
        ASSERT_TRUE(one.Create(path.c_str()));
        ASSERT_TRUE(load[i].TextWrite(one));
        one.Close();
        expected += TempFolder::Get(path);
    }
    FileOper out;
    ASSERT_TRUE(out.Create(path.c_str()));
    ASSERT_TRUE(load.TextWrite(out));
    out.Close();
    EXPECT_EQ(expected, TempFolder::Get(path));
}

TEST(ListFormat, ColumnsPaddedToTheWidestOfTheList)
{
    DFileLoad load;
    load.InsertRight(Record("C:\\a.txt", 5));
    load.InsertRight(Record("D:\\longer\\bb.dat", 123456, 0x21));
    std::string const c = DFile::FormatNumericalDate(load[0].GetDateCreated()).Name();
    std::string const a = DFile::FormatNumericalDate(load[0].GetDateLastAccessed()).Name();
    std::string const w = DFile::FormatNumericalDate(load[0].GetDateWritten()).Name();
    ASSERT_EQ(c.size(), DFile::FormatNumericalDate(load[1].GetDateCreated()).Size());
    auto pad = [](std::string const& text, size_t width) {
        return text + std::string(width + 1 - text.size(), ' ');
    };
    std::string const line = load.Format(0).Name();
    EXPECT_EQ(pad("a.txt", 6) + "C:\\ " + pad("C:\\a.txt", 16) + pad("5", 6) +
                  pad("--A------", 9) + pad(c, c.size()) + pad(a, a.size()) + w,
              line);
    std::string const second = pad("bb.dat", 6) + "D:\\ " + pad("D:\\longer\\bb.dat", 16) +
                               pad("123456", 6) + pad("R-A------", 9);
    EXPECT_EQ(second, std::string(load.Format(1).Name()).substr(0, second.size()));
    EXPECT_STREQ("", load.Format(2).Name());

    // A longer record appended later widens the lines that follow; a
    // removal is measured anew.
    load.InsertRight(Record("C:\\a-much-longer-name.txt", 1));
    EXPECT_EQ("bb.dat                 ", std::string(load.Format(1).Name()).substr(0, 23));
    load.DelPos(2);
    EXPECT_EQ("bb.dat D:", std::string(load.Format(1).Name()).substr(0, 9));
    EXPECT_EQ(line, load.Format(0).Name());
}

TEST(ListCompare, ReportsRecordsOfTheOtherWithoutAnEqual)
{
    DFileLoad load;
    Fill(load);
    load.DelRight();    // a record without a path equals nothing
    DFileLoad same(load);
    DFileLoad out;
    out.InsertRight(Record("C:\\stale"));
    EXPECT_FALSE(load.FindDifferences(same, out));
    EXPECT_TRUE(out.isEmpty());

    DFileLoad other;
    other.InsertRight(Record("c:\\DATA\\ONE.TXT", 5));          // capitals alone: equal
    DFile accessed = Record("C:\\data\\sub", 0, 0x10, 2);
    accessed.SetDateLastAccessed(TestTime::Utc(2020, 1, 1));     // last access: equal
    other.InsertRight(accessed);
    other.InsertRight(Record("D:\\big\\Two.BIN", 0x20000000Aull, 0x821, 3));
    other.InsertRight(Record("E:\\new"));
    other.InsertRight(Record("", 9));                            // no path: never equal
    ASSERT_TRUE(load.FindDifferences(other, out));
    ASSERT_EQ(3u, out.Size());
    EXPECT_STREQ("D:\\big\\Two.BIN", &out[0]);
    EXPECT_STREQ("E:\\new", &out[1]);
    EXPECT_STREQ("", &out[2]);

    // The output may be one of the two lists.
    ASSERT_TRUE(load.FindDifferences(other, other));
    EXPECT_EQ(3u, other.Size());
}

}  // namespace
