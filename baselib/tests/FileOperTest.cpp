#include "FileOper.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <type_traits>
#include <vector>

// An open file and its name holder have one owner each.
static_assert(!std::is_copy_constructible<FileOper>::value, "FileOper copies");
static_assert(!std::is_copy_assignable<FileOper>::value, "FileOper assigns");
static_assert(!std::is_copy_constructible<ShortName>::value, "ShortName copies");
static_assert(!std::is_copy_assignable<ShortName>::value, "ShortName assigns");

namespace {

// Each test gets a fresh folder under the temporary path, removed afterwards.
class FileOperTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isMade()); }

    std::string Path(char const* name) const { return folder_.Path(name); }

    // A file holding these bytes; its path.
    std::string Put(char const* name, std::string const& bytes) const
    {
        std::string const path = Path(name);
        EXPECT_TRUE(TempFolder::Put(path, bytes)) << path;
        return path;
    }

    static std::string Get(std::string const& path) { return TempFolder::Get(path); }

    TempFolder folder_;
};

TEST_F(FileOperTest, OpenModesNamesAndCreation)
{
    FileOper f(nullptr);
    EXPECT_TRUE(!f && f.Close());
    EXPECT_FALSE(f.Reopen(false, false)); // no stored name

    std::string const p = Put("a.txt", "123456");
    ASSERT_TRUE(f.Open(p.c_str(), true, false));
    EXPECT_FALSE(f.isRead());
    ASSERT_TRUE(f.Write("ab", 2));
    ASSERT_TRUE(f.Close());
    EXPECT_EQ("ab3456", Get(p)); // without create nothing is cut

    // Reopen hands the stored name back to Open.
    ASSERT_TRUE(f.Reopen(true, true));
    ASSERT_TRUE(f.Close());
    EXPECT_EQ("", Get(p));

    std::string const missing = Path("missing.txt");
    EXPECT_FALSE(f.isExists(missing.c_str()) || f.Open(missing.c_str(), false, false));
    EXPECT_STREQ(missing.c_str(), f.GetFileName());
    EXPECT_FALSE(f.Open(missing.c_str(), true, false));
    EXPECT_TRUE(f.Open(missing.c_str(), true, true));
    EXPECT_FALSE(f.Open(nullptr, false, false));
    EXPECT_FALSE(f.isOpen()); // the open file was closed first
    EXPECT_FALSE(f.Create("", 0));
    EXPECT_EQ(nullptr, f.GetFileName());

    EXPECT_TRUE(f.CreateWrite(p.c_str(), "payload", 7));
    EXPECT_EQ("payload", Get(p));
    EXPECT_FALSE(f.CreateWrite(p.c_str(), "", 0)); // the write fails
    EXPECT_FALSE(f.isOpen());
}

TEST_F(FileOperTest, SecondOpenOfAHeldFileFails)
{
    std::string const p = Put("held.bin", "data");
    FileOper first;
    ASSERT_TRUE(first.Open(p.c_str(), false, false));
    FileOper second;
    EXPECT_FALSE(second.Open(p.c_str(), false, false));
    EXPECT_FALSE(second.OpenComm(p.c_str()));
    EXPECT_FALSE(second.Create(p.c_str(), 0));
    EXPECT_EQ(0u, second.GetFileLength(p.c_str()));
    first.Close();
    EXPECT_TRUE(second.Open(p.c_str(), false, false));
}

TEST_F(FileOperTest, CreateReplacesReadOnlyFilesButAFailureKeepsTheProtection)
{
    std::string const p = Put("ro.txt", "old contents");
    ASSERT_TRUE(SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    FileOper f;
    ASSERT_TRUE(f.Create(p.c_str(), 0));
    ASSERT_TRUE(f.Write("new", 3));
    f.Close();
    EXPECT_EQ("new", Get(p));
    ASSERT_TRUE(f.Create(Path("given.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    f.Close();
    EXPECT_TRUE(GetFileAttributesA(Path("given.txt").c_str()) & FILE_ATTRIBUTE_READONLY);

    // Held open elsewhere, a read-only file can be neither replaced nor
    // appended to, and stays read-only.
    std::string const kept = Put("keep.txt", "keep me");
    ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
    FileOper holder;
    ASSERT_TRUE(holder.Open(kept.c_str(), false, false));
    EXPECT_FALSE(f.Create(kept.c_str(), 0));
    EXPECT_FALSE(f.isOpen());
    EXPECT_STREQ(kept.c_str(), f.GetFileName());
    EXPECT_FALSE(f.Append(kept.c_str(), 0));
    holder.Close();
    EXPECT_TRUE(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ("keep me", Get(kept));
}

TEST_F(FileOperTest, BlockLimitsOfReadAndWrite)
{
    std::string const p = Path("big.bin");
    std::vector<char> data(70000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7);
    FileOper f;
    ASSERT_TRUE(f.Create(p.c_str(), 0));
    EXPECT_FALSE(f.Write(data.data(), 0) || f.Write(data.data(), 65535) || f.Write(nullptr, 5));
    EXPECT_EQ(0u, f.GetTotalWriteSize());
    ASSERT_TRUE(f.Write(data.data(), 65534) && f.Write(data.data() + 65534, 4466));
    EXPECT_FALSE(f.Read(data.data(), 1, false)); // mode 2 cannot read
    ASSERT_TRUE(f.Close());

    std::vector<char> back(70000);
    ASSERT_TRUE(f.Open(p.c_str(), false, false));
    EXPECT_EQ(70000u, f.GetLength());
    EXPECT_FALSE(f.Read(back.data(), 0, false) || f.Read(back.data(), 65535, false) ||
                 f.Read(nullptr, 10, false));
    ASSERT_TRUE(f.Read(back.data(), 65534, true));
    ASSERT_TRUE(f.Read(back.data() + 65534, 60000, false)); // cut to what is left
    EXPECT_EQ(4466u, f.GetReadSize());
    EXPECT_EQ(70000u, f.GetTotalReadSize());
    EXPECT_TRUE(f.isEof() && f.isFinished());
    EXPECT_TRUE(data == back);
}

TEST_F(FileOperTest, ReadNearTheEndAndSetPos)
{
    FileOper f;
    ASSERT_TRUE(f.Open(Put("ten.bin", "0123456789").c_str(), false, false));
    char buf[16] = {};
    ASSERT_TRUE(f.Read(buf, 6, true));
    // Exact counts against what is left, so this still succeeds.
    ASSERT_TRUE(f.Read(buf, 10, true));
    EXPECT_EQ(4u, f.GetReadSize());
    EXPECT_EQ(0, memcmp(buf, "6789", 4));
    EXPECT_TRUE(f.isEof());
    EXPECT_FALSE(f.Read(buf, 10, false));

    // The read size given as the length is taken before it is cleared.
    ASSERT_TRUE(f.SetPos(0));
    ASSERT_TRUE(f.Read(buf, 3, true));
    ASSERT_TRUE(f.Read(buf, f.GetReadSize(), true));
    EXPECT_EQ(0, memcmp(buf, "345", 3));
    ASSERT_TRUE(f.SetPos(f.GetTotalReadSize())); // a reference to our own count
    EXPECT_EQ(6u, f.GetTotalReadSize());
    // Beyond 2 GiB the position still counts as unsigned.
    EXPECT_TRUE(f.SetPos(0x90000000ul));
    EXPECT_EQ(0x90000000ul, f.GetTotalReadSize());
    EXPECT_FALSE(f.Read(buf, 1, false));

    // Writing, SetPos moves the write count and only that.
    std::string const p = Path("pos.bin");
    FileOper w;
    ASSERT_TRUE(w.Create(p.c_str(), 0));
    ASSERT_TRUE(w.Write("abcdef", 6));
    ASSERT_TRUE(w.SetPos(2));
    EXPECT_EQ(2u, w.GetTotalWriteSize());
    EXPECT_EQ(0u, w.GetTotalReadSize());
    ASSERT_TRUE(w.Write("XY", 2));
    EXPECT_EQ(4u, w.GetTotalWriteSize());
    w.Close();
    EXPECT_EQ("abXYef", Get(p));
}

TEST_F(FileOperTest, WordsAreLittleEndianAndCountsAreBounded)
{
    std::string const p = Path("words.bin");
    FileOper f;
    ASSERT_TRUE(f.Create(p.c_str(), 0));
    unsigned const words[3] = {0x04030201u, 0xFFFFFFFFu, 7u};
    ASSERT_TRUE(f.Writei(words, 3));
    // A count whose byte size wraps to 4 must be refused, not shortened.
    EXPECT_FALSE(f.Writei(words, 0x40000001ul) || f.Writei(words, 16384) || f.Writei(words, 0));
    f.Close();
    EXPECT_EQ(std::string("\x01\x02\x03\x04\xFF\xFF\xFF\xFF\x07\0\0\0", 12), Get(p));

    ASSERT_TRUE(f.Open(p.c_str(), false, false));
    EXPECT_EQ(0x04030201L, f.Qread());
    unsigned two[2] = {};
    EXPECT_FALSE(f.Readi(two, 0x40000001ul));
    EXPECT_EQ(4u, f.GetTotalReadSize());
    ASSERT_TRUE(f.Readi(two, 2));
    EXPECT_EQ(7u, two[1]);
    EXPECT_EQ(-1L, f.Qread()); // at the end
    ASSERT_TRUE(f.SetPos(10));
    EXPECT_EQ(-1L, f.Qread()); // two bytes left: not a whole word
    EXPECT_EQ(10u, f.GetTotalReadSize());
}

TEST_F(FileOperTest, TextLinesAreByteExact)
{
    std::string const p = Path("lines.txt");
    FileOper f;
    ASSERT_TRUE(f.Create(p.c_str(), 0));
    EXPECT_FALSE(f.TWrite(nullptr) || f.Writes(nullptr));
    EXPECT_FALSE(f.TWritef(nullptr, "x") || f.TWritef("Name", nullptr));
    ASSERT_TRUE(f.TWrite2("Size", "12", true));
    ASSERT_TRUE(f.TWrite2(nullptr, "v", false));
    ASSERT_TRUE(f.TWrite2("t", nullptr, true)); // the dot belongs to the value
    ASSERT_TRUE(f.TWritef("Name", "x"));
    // Writes and the text of TWrite have no block limit.
    std::string const text(100000, 'q');
    ASSERT_TRUE(f.Writes(text.c_str()) && f.TWrite(text.c_str()));
    EXPECT_EQ(200030u, f.GetTotalWriteSize());
    f.Close();
    EXPECT_EQ("Size 12.\r\n v\r\nt\r\nName \"x\".\r\n" + text + text + "\r\n", Get(p));

    ASSERT_TRUE(f.Open(p.c_str(), false, false));
    EXPECT_FALSE(f.TWrite("x") || f.wtf()); // read-only mode writes nothing
}

TEST_F(FileOperTest, TReadSplitsLines)
{
    // Long lines come in pieces of size - 1; lone CRs vanish; 0xFF ends a line.
    FileOper f;
    ASSERT_TRUE(f.Open(Put("in.txt", "abcdefg\r\nh\ri\nx\xFFy\n\nz").c_str(), false, false));
    char buf[16];
    std::vector<std::string> lines;
    while (f.TRead(buf, 4))
        lines.push_back(buf);
    std::vector<std::string> const want = {"abc", "def", "g", "hi", "x\xFF", "y", "", "z"};
    EXPECT_EQ(want, lines);

    ASSERT_TRUE(f.SetPos(0));
    EXPECT_FALSE(f.TRead(buf, 1) || f.TRead(buf, 0) || f.TRead(nullptr, 4)); // no room for a character
    EXPECT_EQ(0u, f.GetTotalReadSize());
    ASSERT_TRUE(f.Open(Put("empty.txt", "").c_str(), false, false));
    EXPECT_FALSE(f.TRead(buf, sizeof buf));
}

// Pieces of source bytes run through the key as In and Out must deliver them.
std::string Keyed(std::string const& src, std::string const& key, size_t piece)
{
    std::string out = src;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] ^= key[(i % piece) % key.size()];
    return out;
}

TEST_F(FileOperTest, KeyedCopyRestartsTheKeyEveryPiece)
{
    std::string src(40000, '\0');
    for (size_t i = 0; i < src.size(); ++i)
        src[i] = static_cast<char>(i / 7);
    std::string const ps = Put("src.bin", src), pt = Path("dst.bin");

    unsigned const three = 3;
    FileOper in, out;
    ASSERT_TRUE(in.Open(ps.c_str(), false, false));
    ASSERT_TRUE(out.Create(pt.c_str(), 0));
    ASSERT_TRUE(in.Out(out, 0, "abc", &three)); // 0: the whole source
    EXPECT_EQ(40000u, in.GetTotalReadSize());
    EXPECT_EQ(40000u, out.GetTotalWriteSize());
    out.Close();
    // 3200 is not a multiple of 3: byte 3200 takes key[0] again, not key[2].
    EXPECT_EQ(Keyed(src, "abc", 3200), Get(pt));

    // In reads the other way round, and decodes what Out encoded.
    FileOper back, plain;
    ASSERT_TRUE(back.Open(pt.c_str(), false, false));
    ASSERT_TRUE(plain.Create(Path("plain.bin").c_str(), 0));
    ASSERT_TRUE(plain.In(back, 0, "abc", &three));
    plain.Close();
    EXPECT_EQ(src, Get(Path("plain.bin")));

    // Up to 32,000 bytes the copy is one piece and the key runs straight on.
    ASSERT_TRUE(in.SetPos(0));
    ASSERT_TRUE(out.Create(Path("short.bin").c_str(), 0));
    ASSERT_TRUE(out.In(in, 6400, "abc", &three));
    out.Close();
    EXPECT_EQ(Keyed(src.substr(0, 6400), "abc", 6400), Get(Path("short.bin")));
}

TEST_F(FileOperTest, CopyFailuresAndKeyForms)
{
    std::string const pt = Path("t.bin");
    FileOper in, out;
    ASSERT_TRUE(in.Open(Put("s.bin", "hello").c_str(), false, false));
    EXPECT_FALSE(in.Out(out, 0)); // target not open
    ASSERT_TRUE(out.Create(pt.c_str(), 0));
    EXPECT_FALSE(out.Out(in, 0)); // directions swapped
    // More than the source holds: refused before a piece padded with
    // unread bytes reaches the target.
    EXPECT_FALSE(in.Out(out, 6));
    EXPECT_EQ(0u, out.GetTotalWriteSize());
    EXPECT_EQ(0u, in.GetTotalReadSize());

    // No count: the key runs to its NUL; a zero count means no key at all.
    ASSERT_TRUE(in.Out(out, 2, "\x01\x02", nullptr));
    unsigned const zero = 0;
    ASSERT_TRUE(in.Out(out, 3, "\x01", &zero));
    EXPECT_FALSE(in.Out(out, 0)); // at the end: the first read fails
    out.Close();
    EXPECT_EQ("igllo", Get(pt));

    ASSERT_TRUE(in.Open(Put("e.bin", "").c_str(), false, false));
    ASSERT_TRUE(out.Create(pt.c_str(), 0));
    EXPECT_TRUE(out.In(in, 0)); // nothing to copy
}

TEST_F(FileOperTest, CommonModeReadsPastTheCachedLength)
{
    std::string const p = Path("comm.bin");
    FileOper f;
    EXPECT_FALSE(f.OpenComm(p.c_str())); // never creates
    Put("comm.bin", std::string("\x01\0\0\0", 4));
    ASSERT_TRUE(f.OpenComm(p.c_str()));
    EXPECT_TRUE(f.isRead() && f.isWrite());
    EXPECT_EQ(4u, f.GetLength());
    EXPECT_EQ(1L, f.Qread());
    // At the real end an exact read fails in this mode too.
    EXPECT_EQ(-1L, f.Qread());
    char buf[8];
    EXPECT_FALSE(f.Read(buf, 8, false));
    EXPECT_EQ(4u, f.GetTotalReadSize());

    ASSERT_TRUE(f.Write("\x02\0\0\0", 4));
    EXPECT_EQ(4u, f.GetLength()); // the cache is not refreshed by writes
    ASSERT_TRUE(f.SetPos(4));
    EXPECT_EQ(4u, f.GetTotalWriteSize());
    // The length check is skipped: the file grew beyond the cached length.
    EXPECT_EQ(2L, f.Qread());
    ASSERT_TRUE(f.SetPos(6));
    EXPECT_FALSE(f.Read(buf, 4, true));
    ASSERT_TRUE(f.SetPos(6));
    ASSERT_TRUE(f.Read(buf, 4, false));
    EXPECT_EQ(2u, f.GetReadSize());
}

} // namespace
