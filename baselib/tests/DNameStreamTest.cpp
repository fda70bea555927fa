#include <gtest/gtest.h>

#include <string>

#include "DName.h"
#include "FileOper.h"
#include "TempFolder.h"

namespace {

// Each test works in its own fresh folder under the temporary path.
class DNameStream : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isMade()); }

    FileOper& Out()
    {
        EXPECT_TRUE(file_.Create(path_.c_str(), 0));
        return file_;
    }

    std::string Written()
    {
        file_.Close();
        return TempFolder::Get(path_);
    }

    // The file holding exactly these bytes, open for reading.
    FileOper& In(std::string const& bytes)
    {
        file_.Close();
        EXPECT_TRUE(TempFolder::Put(path_, bytes));
        EXPECT_TRUE(file_.Open(path_.c_str(), false, false));
        return file_;
    }

    TempFolder folder_;
    std::string const path_ = folder_.Path("s.bin");
    FileOper file_;
};

} // namespace

TEST_F(DNameStream, StoredFormIsCountThenBytes)
{
    DName raw;
    raw.Namen("x\0y", 3);
    EXPECT_TRUE(DName("abc").Write(Out()));
    EXPECT_TRUE(DName().Write(file_));
    EXPECT_TRUE(raw >> file_);
    std::string const bytes = Written();
    EXPECT_EQ(Le32(3) + "abc" + Le32(0) + Le32(3) + std::string("x\0y", 3), bytes);

    DName a("junk"), b("junk"), c;
    EXPECT_TRUE(a.Read(In(bytes)));
    EXPECT_TRUE(b << file_);
    EXPECT_TRUE(c.Read(file_));
    EXPECT_STREQ("abc", a.Name());
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(std::string("x\0y", 3), Bytes(c));
    EXPECT_EQ(0, c[c.Size()]);
    EXPECT_FALSE(a.Read(file_));                 // at the end: nothing left
    EXPECT_TRUE(a.isEmpty());
}

TEST_F(DNameStream, CountLimit)
{
    // 65,519 characters is the longest string that stores and reads back.
    std::string const longest(65519, 'q');
    EXPECT_TRUE(DName(longest.c_str()).Write(Out()));
    std::string const bytes = Written();
    EXPECT_EQ(4u + 65519u, bytes.size());
    DName s;
    EXPECT_TRUE(s.Read(In(bytes)));
    EXPECT_EQ(longest, Bytes(s));

    // One more is refused on both sides; the writer leaves nothing behind.
    std::string const tooLong(65520, 'q');
    EXPECT_FALSE(DName(tooLong.c_str()).Write(Out()));
    EXPECT_FALSE(DName(std::string(70000, 'q').c_str()) >> file_);
    EXPECT_EQ("", Written());
    s = "old";
    EXPECT_FALSE(s.Read(In(Le32(65520) + tooLong)));
    EXPECT_TRUE(s.isEmpty());
}

TEST_F(DNameStream, HugeZeroAndCutCountsAndTexts)
{
    DName s("old");
    EXPECT_FALSE(s.Read(In(Le32(0xFFFFFFFFu) + "abc")));
    EXPECT_TRUE(s.isEmpty());
    s = "old";
    EXPECT_TRUE(s.Read(In(Le32(0) + Le32(2) + "hi")));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.Read(file_));
    EXPECT_STREQ("hi", s.Name());

    // A cut text fails and keeps what was read.
    EXPECT_FALSE(s.Read(In(Le32(10) + "abcd")));
    ASSERT_EQ(std::string("abcd") + std::string(6, '\0'), Bytes(s));
    EXPECT_EQ(0, s[10]);
}

// Also a count cut to fewer than four bytes: a failure, never a short count.
TEST_F(DNameStream, EveryTruncationOfARecordFails)
{
    std::string const whole = Le32(3) + "one" + Le32(0) + Le32(5) + "three";
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        DName a, b, c;
        FileOper& in = In(whole.substr(0, cut));
        EXPECT_FALSE(a.Read(in) && b.Read(in) && c.Read(in)) << "cut at " << cut;
    }
}

TEST_F(DNameStream, WrongModeFails)
{
    DName s("abc");
    EXPECT_FALSE(s.Read(Out()));                 // open for writing only
    EXPECT_TRUE(s.isEmpty());
    file_.Close();
    EXPECT_FALSE(DName("abc").Write(file_));
    EXPECT_FALSE(DName().Write(file_));
}
