// The result list: its operations, the stored-results body against cut,
// huge and damaged files, the text forms and the comparison of two lists.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "StoredForm.h"
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

class List : public ::testing::Test
{
protected:
    TempFolder dir_;
    DFileLoad load_;
};

TEST_F(List, StoredBodyLayoutAndRoundTrip)
{
    EXPECT_EQ(std::string(4, '\0'), Stored(load_));
    Fill(load_);
    std::string const bytes = Stored(load_);
    std::string const path = dir_.Path("list.hur");
    ASSERT_TRUE(TempFolder::Put(path, bytes));
    // Each record is a scrambled DFile record with a key of its own.
    FileOper in(path.c_str(), false);
    ASSERT_EQ(4, in.Qread());
    size_t at = 4;
    DName previous;
    for (unsigned i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(1, bytes[at]);
        DFile r;
        ASSERT_TRUE(r.Read(in));
        EXPECT_FALSE(r.GetKey().Comp(previous));
        previous = r.GetKey();
        EXPECT_TRUE(r.CompStruct(load_[i]));
        at += 1 + 4 + r.GetKey().Size() + 4 + r.GetLongSize() + 36;
    }
    EXPECT_EQ(bytes.size(), at);
    in.Close();
    // The list is left as it was.
    EXPECT_FALSE(load_[0].isDataEncrypted());
    EXPECT_TRUE(load_[0].GetKey().isEmpty());

    DFileLoad back;
    back.InsertRight(Record("C:\\old"));
    ASSERT_TRUE(ReadBack(bytes, back));
    ASSERT_EQ(4u, back.Size());
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_TRUE(back[i] == load_[i]) << i;
        EXPECT_TRUE(DFile::CompDates(back[i].GetDateLastAccessed(), load_[i].GetDateLastAccessed()));
        EXPECT_FALSE(back[i].isDataEncrypted());
    }
    EXPECT_TRUE(back[3].GetFullPath().isEmpty());
    EXPECT_EQ(9ull, back[3].GetFileSize64());
    ASSERT_TRUE(ReadBack(Le32(0), back));
    EXPECT_TRUE(back.isEmpty());

    // One record found in a body by its path.
    DFile found;
    FileOper body(path.c_str(), false);
    ASSERT_TRUE(load_.ReadFind(body, DName("d:\\BIG\\two.bin"), found));
    EXPECT_TRUE(found == load_[2]);
    ASSERT_TRUE(body.SetPos(0));
    EXPECT_FALSE(load_.ReadFind(body, DName("C:\\absent"), found));
}

TEST_F(List, CutDamagedAndHugeBodies)
{
    Fill(load_);
    std::string const bytes = Stored(load_);
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
        ASSERT_FALSE(ReadBack(bytes.substr(0, cut), back)) << cut;
        unsigned whole = 0;
        while (whole < 4 && ends[whole] <= cut)
            ++whole;
        // A cut count leaves the list alone; otherwise the whole records.
        ASSERT_EQ(cut < 4 ? 1u : whole, back.Size()) << cut;
    }

    // A count of four billion reads what is there.
    DFileLoad back;
    EXPECT_FALSE(ReadBack(Le32(0xFFFFFFFFu) + bytes.substr(4), back));
    EXPECT_EQ(4u, back.Size());
    // Lengths that no string may have.
    for (unsigned length : {0xFFF0u, 0xFFFFFFFFu}) {
        std::string bad = bytes;
        bad.replace(ends[1] + 1, 4, Le32(length));    // the third key
        EXPECT_FALSE(ReadBack(bad, back));
        EXPECT_EQ(2u, back.Size());
    }
    // Damage anywhere never crashes.
    srand(5);
    for (unsigned round = 0; round < 300; ++round) {
        std::string bad = bytes;
        for (unsigned n = 0; n < 4; ++n)
            bad[size_t(rand()) % bad.size()] = char(rand());
        ReadBack(bad, back);
        EXPECT_LE(back.Size(), Word(bad, 0));
    }
}

TEST_F(List, TextFormsPaddedToTheWidestOfTheList)
{
    // The blocks of every record under one heading.
    Fill(load_);
    std::string expected = "       Creation     Last Access      Write Date           Size Attributes\r\n";
    FileOper out;
    for (unsigned i = 0; i < load_.Size(); ++i) {
        ASSERT_TRUE(out.Create(dir_.Path("one.txt").c_str()) && load_[i].TextWrite(out));
        out.Close();
        expected += TempFolder::Get(dir_.Path("one.txt"));
    }
    ASSERT_TRUE(out.Create(dir_.Path("all.txt").c_str()) && load_.TextWrite(out));
    out.Close();
    EXPECT_EQ(expected, TempFolder::Get(dir_.Path("all.txt")));

    // The widths are those of the whole list: a longer record appended later
    // widens the lines before it; a removal is measured anew.
    DFileLoad load;
    load.InsertRight(Record("C:\\a.txt", 5));
    load.InsertRight(Record("D:\\longer\\bb.dat", 123456, 0x21));
    std::string const line = load.Format(0).Name();
    EXPECT_EQ("a.txt  C:\\ ", line.substr(0, 11));
    EXPECT_STREQ("", load.Format(2).Name());
    load.InsertRight(Record("C:\\a-much-longer-name.txt", 1));
    EXPECT_EQ("bb.dat                 ", std::string(load.Format(1).Name()).substr(0, 23));
    load.DelPos(2);
    EXPECT_EQ(line, load.Format(0).Name());
}

TEST_F(List, ComparisonReportsRecordsOfTheOtherWithoutAnEqual)
{
    Fill(load_);
    load_.DelRight();    // a record without a path equals nothing
    DFileLoad same(load_);
    DFileLoad out;
    out.InsertRight(Record("C:\\stale"));
    EXPECT_FALSE(load_.FindDifferences(same, out));
    EXPECT_TRUE(out.isEmpty());

    DFileLoad other;
    other.InsertRight(Record("c:\\DATA\\ONE.TXT", 5));          // capitals alone: equal
    DFile accessed = Record("C:\\data\\sub", 0, 0x10, 2);
    accessed.SetDateLastAccessed(TestTime::Utc(2020, 1, 1));     // last access: equal
    other.InsertRight(accessed);
    other.InsertRight(Record("D:\\big\\Two.BIN", 0x20000000Aull, 0x821, 3));
    other.InsertRight(Record("E:\\new"));
    other.InsertRight(Record("", 9));                            // no path: never equal
    ASSERT_TRUE(load_.FindDifferences(other, out));
    ASSERT_EQ(3u, out.Size());
    EXPECT_STREQ("D:\\big\\Two.BIN", &out[0]);
    EXPECT_STREQ("E:\\new", &out[1]);
    EXPECT_STREQ("", &out[2]);
    // The output may be one of the two lists.
    ASSERT_TRUE(load_.FindDifferences(other, other));
    EXPECT_EQ(3u, other.Size());
}

}  // namespace
