// DFile scrambling and its stored forms: the binary record of a
// stored-results file and the text block.
#include "DFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "StoredForm.h"
#include "TempFolder.h"
#include "TestTime.h"

namespace {

DFile Sample()
{
    FILETIME const c = TestTime::Utc(2001, 2, 3, 4, 5, 6);
    FILETIME const a = TestTime::Utc(2002, 3, 4, 5, 6, 7);
    FILETIME const w = TestTime::Utc(2003, 4, 5, 6, 7, 8);
    DFile f(DName("C:\\data\\some file.txt"), 0x821, 0, &c, &a, &w);
    f.SetFileSize(0xFFFFFFF0u, 0x12);
    return f;
}

// Every field alike: the comparison leaves out the last access and capitals.
bool Same(DFile const& a, DFile const& b)
{
    return a == b && a.GetFullPath().Comp(b.GetFullPath()) &&
           DFile::CompDates(a.GetDateLastAccessed(), b.GetDateLastAccessed());
}

TEST(DFileScramble, WordMixingUsesShiftsOneEightZeroZero)
{
    DName key;
    ASSERT_TRUE(key.Namen("\x01\x02\x03\x04\x05", 5));
    unsigned pos = 0;
    // 1<<1 + 2<<8 + 3 + 4
    EXPECT_EQ(0u ^ 521u, DFile::DecWord(0, key, pos));
    EXPECT_EQ(4u, pos);
    // The position wraps: 5<<1 + 1<<8 + 2 + 3
    EXPECT_EQ(0xFFu ^ 271u, DFile::DecWord(0xFF, key, pos));
    EXPECT_EQ(3u, pos);

    // Key characters are signed: 0x80 is -128, 0x81 is -127.
    DName high;
    ASSERT_TRUE(high.Namen("\x80\x81\x80\x81", 4));
    pos = 0;
    unsigned const sum = unsigned(-256 + (-127 * 256) - 128 - 127);
    EXPECT_EQ(0x12345678u ^ sum, DFile::DecWord(0x12345678u, high, pos));

    // An empty key mixes nothing in.
    pos = 0;
    EXPECT_EQ(0xCAFEu, DFile::DecWord(0xCAFEu, DName(), pos));
}

TEST(DFileScramble, EncryptAndDecryptRestoreTheRecord)
{
    DFile const plain = Sample();
    DFile f = plain;
    EXPECT_FALSE(f.Decrypt());
    ASSERT_TRUE(f.Encrypt());
    EXPECT_TRUE(f.isDataEncrypted());
    EXPECT_FALSE(f.GetFullPath().Comp(plain.GetFullPath()));
    EXPECT_NE(plain.GetFileSize64(), f.GetFileSize64());
    DName const key(f.GetKey());
    EXPECT_FALSE(f.Encrypt());    // no second layer, no new key
    EXPECT_TRUE(f.GetKey().Comp(key));
    ASSERT_TRUE(f.Decrypt());
    EXPECT_TRUE(f.GetKey().Comp(key));
    EXPECT_TRUE(Same(plain, f));
}

TEST(DFileStore, RecordRoundTripKeepsEveryField)
{
    DFile f = Sample();
    std::string const bytes = Stored(f);
    // Writing leaves the record plain, holding the key it used.
    EXPECT_FALSE(f.GetKey().isEmpty());
    EXPECT_TRUE(Same(Sample(), f));
    DFile back;
    ASSERT_TRUE(ReadBack(bytes, back));
    EXPECT_TRUE(Same(Sample(), back));
    EXPECT_TRUE(back.GetKey().Comp(f.GetKey()));

    // Every write draws a new key, so the bytes differ.
    EXPECT_NE(bytes, Stored(f));

    DFile empty;
    ASSERT_TRUE(ReadBack(Stored(empty), back));
    EXPECT_TRUE(back.isEmpty() && DFile::isEmpty(back.GetDateWritten()));
    EXPECT_EQ(0ull, back.GetFileSize64());
}

TEST(DFileStore, RecordLayoutOnDisk)
{
    DFile f = Sample();
    std::string const bytes = Stored(f);
    std::string const path = Sample().GetFullPath().Name();
    DName const& key = f.GetKey();
    unsigned const k = key.Size();
    size_t const p = path.size();
    ASSERT_EQ(1 + 4 + k + 4 + p + 36, bytes.size());
    EXPECT_EQ(1, bytes[0]);
    EXPECT_EQ(k, Word(bytes, 1));
    EXPECT_EQ(std::string(key.Name(), k), bytes.substr(5, k));
    EXPECT_EQ(p, Word(bytes, 5 + k));

    // The path is XORed with the key from its first byte on.
    size_t const at = 9 + k;
    for (size_t i = 0; i < p; ++i)
        ASSERT_EQ(path[i], char(bytes[at + i] ^ key[unsigned(i % k)])) << i;

    // The words are mixed in field order (size, attributes, created,
    // accessed, written) with the key position running on after the path,
    // and stored written, accessed, created, attributes, size low, high.
    size_t const fixed = at + p;
    size_t const stored[] = {fixed + 28, fixed + 32, fixed + 24,
                             fixed + 16, fixed + 20, fixed + 8,
                             fixed + 12, fixed + 0,  fixed + 4};
    DFile const plain = Sample();
    unsigned const expected[] = {
        0xFFFFFFF0u, 0x12u, 0x821u,
        plain.GetDateCreated().dwLowDateTime,
        plain.GetDateCreated().dwHighDateTime,
        plain.GetDateLastAccessed().dwLowDateTime,
        plain.GetDateLastAccessed().dwHighDateTime,
        plain.GetDateWritten().dwLowDateTime,
        plain.GetDateWritten().dwHighDateTime,
    };
    unsigned pos = unsigned(p % k);
    for (unsigned i = 0; i < 9; ++i)
        EXPECT_EQ(expected[i], DFile::DecWord(Word(bytes, stored[i]), key, pos)) << i;
}

TEST(DFileStore, ReadFailsAtEveryCut)
{
    DFile f = Sample();
    std::string const bytes = Stored(f);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        DFile g;
        ASSERT_FALSE(ReadBack(bytes.substr(0, cut), g)) << cut;
    }
    DFile whole;
    ASSERT_TRUE(ReadBack(bytes, whole));
    EXPECT_TRUE(Same(whole, f));
}

TEST(DFileStore, ReadRefusesHugeLengths)
{
    std::string const lengths[] = {
        std::string("\xFF\xFF\xFF\xFF", 4),
        std::string("\xF0\xFF\0\0", 4),    // 65,520
        std::string("\xEF\xFF\0\0", 4),    // 65,519 with nothing behind it
    };
    for (std::string const& n : lengths) {
        SCOPED_TRACE(Word(n, 0));
        DFile f;
        EXPECT_FALSE(ReadBack(std::string(1, '\1') + n + std::string(64, 'x'), f));
        std::string const key = std::string(1, '\1') + std::string("\1\0\0\0k", 5);
        EXPECT_FALSE(ReadBack(key + n + std::string(64, 'x'), f));
    }
}

TEST(DFileStore, TextBlockShowsUtcDates)
{
    FILETIME const c = TestTime::Utc(2004, 3, 9, 15, 7, 5);
    FILETIME const a = TestTime::Utc(1999, 12, 31, 0, 0, 0);
    FILETIME const w = TestTime::Utc(2010, 1, 2, 23, 59, 58);
    DFile f(DName("C:\\dir\\a.txt"), 0x21, 3000000000u, &c, &a, &w);
    TempFolder dir;
    std::string const path = dir.Path("block.txt");
    FileOper out;
    ASSERT_TRUE(out.Create(path.c_str()));
    ASSERT_TRUE(f.TextWrite(out));
    // Past 4 GiB; the zero date as it stands.
    f.SetFileSize(0, 1);
    f.SetDateCreated(FILETIME{0, 0});
    ASSERT_TRUE(f.TextWrite(out));
    out.Close();
    std::string const block = "C:\\dir\\a.txt\r\n"
                              "Creation Date   : [03/09/2004 15:07:05]\r\n"
                              "Last Access Date: [12/31/1999 00:00:00]\r\n"
                              "Write Date      : [01/02/2010 23:59:58]\r\n"
                              "Size            : 3000000000\r\n"
                              "Attributes      : R-A------\r\n"
                              "\r\n";
    std::string second = block;
    second.replace(second.find("03/09/2004 15:07:05"), 19, "01/01/1601 00:00:00");
    second.replace(second.find("3000000000"), 10, "4294967296");
    EXPECT_EQ(block + second, TempFolder::Get(path));
}

}  // namespace
