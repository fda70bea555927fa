// The criteria record: construction, copying, emptiness and the profile form.
#include "DirectoryListingSpec.h"

#include <gtest/gtest.h>

#include <string>

#include "StoredForm.h"
#include "TestTime.h"

namespace {

std::string Joined(Container<DName> const& list)
{
    std::string out;
    for (DName const* e = list.First(); e; e = e->next)
        out += Bytes(*e) + "|";
    return out;
}

std::string Counted(std::string const& s)
{
    return Le32(unsigned(s.size())) + s;
}

std::string Words(FILETIME const& t)
{
    return Le32(t.dwLowDateTime) + Le32(t.dwHighDateTime);
}

std::string const Magic = "\x93\x82\x01\x28";

DirectoryListingSpec Full()
{
    DirectoryListingSpec s(DName("*.txt"), DName("C:\\data"), 0x21, 1000, 5, 6);
    s.names.InsertRight(DName("a?c"));
    s.radix = 16;
    s.containing.Namen("\x00\x22\xFF", 3);
    s.readSize = 4096;
    s.writtenMode = 1;
    s.createdMode = 2;
    s.accessedMode = 3;
    s.notContaining = true;
    s.containingMode = 10;
    s.sizeUpper = 2000;
    s.created = TestTime::Utc(2001, 1, 2, 3, 4, 5);
    s.accessed = TestTime::Utc(2002, 1, 2, 3, 4, 5);
    s.written = TestTime::Utc(2003, 1, 2, 3, 4, 5);
    return s;
}

// Every field of Full(), in the order and form of the profile.
std::string FullBytes()
{
    DirectoryListingSpec const s = Full();
    return Magic + Le32(2) + Counted("*.txt") + Counted("a?c") + Le32(1) + Counted("C:\\data") +
           "\x10" + Counted("0022FF") + Le32(4096) +
           std::string("\x06\x01\x02\x03\x05\x01\x0A", 7) + Le32(2000) + Le32(1000) +
           Le32(0x21) + Words(s.created) + Words(s.accessed) + Words(s.written);
}

// The profile form holds every field: records that store alike are alike.
std::string Written(DirectoryListingSpec const& s, bool expected = true)
{
    return Stored(s, expected);
}

TEST(Criteria, ProfileLayoutByteByByteAndBack)
{
    EXPECT_EQ(Magic + std::string(60, '\0'), Written(DirectoryListingSpec()));
    DirectoryListingSpec back = Full();
    ASSERT_TRUE(ReadBack(Written(DirectoryListingSpec()), back));
    EXPECT_EQ(Magic + std::string(60, '\0'), Written(back));

    EXPECT_EQ(FullBytes(), Written(Full()));
    ASSERT_TRUE(ReadBack(FullBytes(), back));
    EXPECT_EQ(FullBytes(), Written(back));
    EXPECT_EQ(std::string("\x00\x22\xFF", 3), Bytes(back.containing));

    // A wrong magic, or nothing at all, changes nothing.
    std::string bytes = FullBytes();
    bytes[3] = 0x29;
    DirectoryListingSpec s(DName("kept"), DName("C:\\kept"), 0x4, 77, 2, 3);
    std::string const before = Written(s);
    EXPECT_FALSE(ReadBack(bytes, s));
    EXPECT_FALSE(ReadBack("", s));
    EXPECT_EQ(before, Written(s));
}

TEST(Criteria, EveryCutFailsAndACutInsideTheFoldersKeepsTheNames)
{
    std::string const bytes = FullBytes();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        DirectoryListingSpec s;
        ASSERT_FALSE(ReadBack(bytes.substr(0, cut), s)) << cut;
    }

    size_t const folders = 4 + 4 + 9 + 7;    // the folder count
    DirectoryListingSpec s(DName("old"), DName("C:\\old"), 0x4, 77, 2, 3);
    s.containing = "keep";
    for (size_t cut : {folders, folders + 2, folders + 10}) {
        SCOPED_TRACE(cut);
        DirectoryListingSpec r(s);
        EXPECT_FALSE(ReadBack(bytes.substr(0, cut), r));
        EXPECT_EQ("*.txt|a?c|", Joined(r.names));
        EXPECT_EQ("", Joined(r.folders));
        EXPECT_EQ("keep", Bytes(r.containing));
        EXPECT_EQ(77u, r.sizeValue);
        EXPECT_EQ(3, r.sizeMode);
    }
    // A cut inside a name empties the names.
    DirectoryListingSpec r(s);
    EXPECT_FALSE(ReadBack(bytes.substr(0, 4 + 4 + 9 + 2), r));
    EXPECT_EQ("", Joined(r.names));
    EXPECT_EQ("C:\\old|", Joined(r.folders));
}

TEST(Criteria, HugeCountsAndLengthsFail)
{
    std::string const tail = Le32(0) + std::string(1, '\0') + Le32(0) + std::string(47, '\0');
    std::string const bad[] = {
        Magic + Le32(0xFFFFFFFFu) + Counted("a") + Counted("b"),
        Magic + Le32(0xFFFFFFFFu) + std::string(400, '\0'),
        Magic + Le32(1) + Le32(65520) + std::string(70000, 'n') + tail,
        Magic + Le32(1) + Le32(0xFFFFFFFFu) + tail,
        Magic + Le32(0) + Le32(3000000000u) + Counted("C:\\") + tail,
        Magic + Le32(0) + Le32(0) + std::string(1, '\0') + Le32(65520) +
            std::string(70000, '0') + std::string(47, '\0'),
    };
    for (std::string const& bytes : bad) {
        DirectoryListingSpec s;
        EXPECT_FALSE(ReadBack(bytes, s)) << bytes.size();
        EXPECT_TRUE(s.names.isEmpty() && s.folders.isEmpty()) << bytes.size();
    }
    // The largest length that can be read back is read back.
    DirectoryListingSpec s;
    EXPECT_TRUE(ReadBack(Magic + Le32(1) + Counted(std::string(65519, 'n')) + tail, s));
    EXPECT_EQ(65519u, s.names[0].Size());

    // A text too long to read back is not written.
    s.names.Destroy();
    s.containing = DName(32760u, 'z');    // 65,520 digits
    EXPECT_EQ(Magic + std::string(9, '\0'), Written(s, false));
    s.containing = DName(32759u, 'z');
    DirectoryListingSpec back;
    ASSERT_TRUE(ReadBack(Written(s), back));
    EXPECT_EQ(32759u, back.containing.Size());
}

}  // namespace
