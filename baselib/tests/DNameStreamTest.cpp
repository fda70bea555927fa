#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "DName.h"
#include "FileOper.h"
#include "TempFolder.h"

namespace {

// Each test works in its own fresh folder under the temporary path.
class DNameStream : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isMade());
        path_ = folder_.Path("s.bin");
    }

    void WriteRaw(std::string const& bytes)
    {
        ASSERT_TRUE(TempFolder::Put(path_, bytes));
    }

    std::string ReadRaw() const
    {
        return TempFolder::Get(path_);
    }

    static std::string Count(unsigned n)
    {
        char b[4];
        std::memcpy(b, &n, 4);
        return std::string(b, 4);
    }

    TempFolder folder_;
    std::string path_;
};

DName Raw(char const* s, unsigned n)
{
    DName d;
    d.Namen(s, n);
    return d;
}

std::string Bytes(DName const& s)
{
    return s.isEmpty() ? std::string() : std::string(&s, s.Size());
}

} // namespace

TEST_F(DNameStream, StoredFormIsCountThenBytes)
{
    {
        FileOper f;
        ASSERT_TRUE(f.Create(path_.c_str(), 0));
        EXPECT_TRUE(DName("abc").Write(f));
        EXPECT_TRUE(DName().Write(f));
        EXPECT_TRUE(Raw("x\0y", 3) >> f);
        EXPECT_TRUE(f.Close());
    }
    EXPECT_EQ(Count(3) + "abc" + Count(0) + Count(3) + std::string("x\0y", 3), ReadRaw());

    FileOper f;
    ASSERT_TRUE(f.Open(path_.c_str(), false, false));
    DName a("junk"), b("junk"), c;
    EXPECT_TRUE(a.Read(f));
    EXPECT_TRUE(b << f);
    EXPECT_TRUE(c.Read(f));
    EXPECT_STREQ("abc", a.Name());
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(std::string("x\0y", 3), Bytes(c));
    EXPECT_EQ(0, c[c.Size()]);
    EXPECT_FALSE(a.Read(f));                 // at the end: nothing left
    EXPECT_TRUE(a.isEmpty());
}

TEST_F(DNameStream, CountLimit)
{
    // 65,519 characters is the longest string that stores and reads back.
    std::string const longest(65519, 'q');
    {
        FileOper f;
        ASSERT_TRUE(f.Create(path_.c_str(), 0));
        EXPECT_TRUE(DName(longest.c_str()).Write(f));
        f.Close();
    }
    EXPECT_EQ(4u + 65519u, ReadRaw().size());
    {
        FileOper f;
        ASSERT_TRUE(f.Open(path_.c_str(), false, false));
        DName s;
        EXPECT_TRUE(s.Read(f));
        EXPECT_EQ(65519u, s.Size());
        EXPECT_EQ(longest, Bytes(s));
    }

    // One more is refused on both sides; the writer leaves nothing behind.
    std::string const tooLong(65520, 'q');
    {
        FileOper f;
        ASSERT_TRUE(f.Create(path_.c_str(), 0));
        EXPECT_FALSE(DName(tooLong.c_str()).Write(f));
        EXPECT_FALSE(DName(std::string(70000, 'q').c_str()) >> f);
        f.Close();
    }
    EXPECT_EQ(0u, ReadRaw().size());

    WriteRaw(Count(65520) + tooLong);
    FileOper f;
    ASSERT_TRUE(f.Open(path_.c_str(), false, false));
    DName s("old");
    EXPECT_FALSE(s.Read(f));
    EXPECT_TRUE(s.isEmpty());
}

TEST_F(DNameStream, HugeAndZeroCounts)
{
    WriteRaw(Count(0xFFFFFFFFu) + "abc");
    {
        FileOper f;
        ASSERT_TRUE(f.Open(path_.c_str(), false, false));
        DName s("old");
        EXPECT_FALSE(s.Read(f));
        EXPECT_TRUE(s.isEmpty());
    }
    WriteRaw(Count(0) + Count(2) + "hi");
    FileOper f;
    ASSERT_TRUE(f.Open(path_.c_str(), false, false));
    DName s("old");
    EXPECT_TRUE(s.Read(f));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.Read(f));
    EXPECT_STREQ("hi", s.Name());
}

TEST_F(DNameStream, TruncatedCountFails)
{
    // Fewer than four bytes left is a failure, never a short count.
    for (unsigned cut = 1; cut < 4; ++cut) {
        WriteRaw(Count(1).substr(0, cut));
        FileOper f;
        ASSERT_TRUE(f.Open(path_.c_str(), false, false));
        DName s("old");
        EXPECT_FALSE(s.Read(f)) << cut;
        EXPECT_TRUE(s.isEmpty()) << cut;
    }
}

TEST_F(DNameStream, TruncatedTextFailsAndKeepsWhatWasRead)
{
    WriteRaw(Count(10) + "abcd");
    FileOper f;
    ASSERT_TRUE(f.Open(path_.c_str(), false, false));
    DName s;
    EXPECT_FALSE(s.Read(f));
    EXPECT_EQ(10u, s.Size());
    EXPECT_EQ(std::string("abcd") + std::string(6, '\0'), Bytes(s));
    EXPECT_EQ(0, s[10]);
}

TEST_F(DNameStream, EveryTruncationOfARecordFails)
{
    std::string const whole = Count(3) + "one" + Count(0) + Count(5) + "three";
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        WriteRaw(whole.substr(0, cut));
        FileOper f;
        ASSERT_TRUE(f.Open(path_.c_str(), false, false));
        DName a, b, c;
        bool const all = a.Read(f) && b.Read(f) && c.Read(f);
        EXPECT_FALSE(all) << "cut at " << cut;
    }
    WriteRaw(whole);
    FileOper f;
    ASSERT_TRUE(f.Open(path_.c_str(), false, false));
    DName a, b, c;
    EXPECT_TRUE(a.Read(f) && b.Read(f) && c.Read(f));
    EXPECT_STREQ("three", c.Name());
}

TEST_F(DNameStream, WrongModeFails)
{
    FileOper f;
    ASSERT_TRUE(f.Create(path_.c_str(), 0));
    DName s("abc");
    EXPECT_FALSE(s.Read(f));                 // open for writing only
    EXPECT_TRUE(s.isEmpty());
    f.Close();

    FileOper closed;
    EXPECT_FALSE(DName("abc").Write(closed));
    EXPECT_FALSE(DName().Write(closed));
}
