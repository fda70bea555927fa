#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "DName.h"

namespace {

// A non-empty string must own exactly Size() + 1 bytes ending in NUL.
// Resize() turns the buffer's byte length into the size, so an exact buffer
// shows up as Size() + 1.
::testing::AssertionResult WellFormed(DName const& s)
{
    if (s.isEmpty()) {
        if ((&s) != nullptr || s.Size() != 0)
            return ::testing::AssertionFailure() << "empty string keeps a buffer or a size";
        return ::testing::AssertionSuccess();
    }
    if (s[s.Size()] != 0)
        return ::testing::AssertionFailure() << "no NUL at Size()";
    DName probe(s);
    unsigned const n = s.Size();
    probe.Resize();
    if (probe.Size() != n + 1)
        return ::testing::AssertionFailure() << "buffer of " << probe.Size() << " bytes for size " << n;
    return ::testing::AssertionSuccess();
}

std::string Bytes(DName const& s)
{
    return s.isEmpty() ? std::string() : std::string(&s, s.Size());
}

DName Raw(char const* s, unsigned n)
{
    DName d;
    d.Namen(s, n);
    return d;
}

} // namespace

TEST(DName, ConstructionGivesExactBuffers)
{
    EXPECT_TRUE(DName().isEmpty());
    EXPECT_TRUE(DName(static_cast<char const*>(nullptr)).isEmpty());
    EXPECT_TRUE(DName("").isEmpty());
    EXPECT_EQ(nullptr, &DName(""));
    EXPECT_STREQ("", DName().Name());

    DName ab("ab", "cd");
    EXPECT_STREQ("abcd", ab.Name());
    EXPECT_TRUE(WellFormed(ab));
    EXPECT_STREQ("cd", DName(nullptr, "cd").Name());
    EXPECT_STREQ("xxx", DName(3u, 'x').Name());
    EXPECT_TRUE(DName(0u, 'x').isEmpty());
    EXPECT_TRUE(DName(3u, '\0').isEmpty());

    EXPECT_TRUE(DName(0).isEmpty());
    EXPECT_TRUE(DName(0u).isEmpty());
    EXPECT_TRUE(DName(0ul).isEmpty());
    EXPECT_STREQ("4294967295", DName(-1).Name());
    EXPECT_STREQ("4000000000", DName(4000000000ul).Name());
    EXPECT_STREQ("17", DName(17u).Name());
    EXPECT_EQ(nullptr, DName("x").next);
}

TEST(DName, CopyIsByteExactButAssignmentStopsAtNul)
{
    DName raw = Raw("a\0b", 3);
    EXPECT_EQ(3u, raw.Size());
    EXPECT_TRUE(WellFormed(raw));

    DName copied(raw);
    EXPECT_EQ(std::string("a\0b", 3), Bytes(copied));
    DName viaCopy;
    EXPECT_EQ(std::addressof(viaCopy), std::addressof(viaCopy.Copy(raw)));
    EXPECT_EQ(std::string("a\0b", 3), Bytes(viaCopy));
    DName viaName;
    EXPECT_TRUE(viaName.Name(raw));
    EXPECT_EQ(3u, viaName.Size());

    DName assigned("old");
    assigned = raw;
    EXPECT_EQ(1u, assigned.Size());
    EXPECT_TRUE(WellFormed(assigned));

    // Links are never copied.
    DName linked("x");
    linked.next = std::addressof(linked);
    DName c(linked);
    EXPECT_EQ(nullptr, c.next);
    c = linked;
    EXPECT_EQ(nullptr, c.next);
}

TEST(DName, AssignmentForms)
{
    DName s("text");
    EXPECT_TRUE(s.Name(s.Handle()));     // own buffer: no change
    EXPECT_STREQ("text", s.Name());
    s = s;
    EXPECT_STREQ("text", s.Name());
    EXPECT_TRUE(s.Name(s.Handle() + 2));  // a tail of itself
    EXPECT_STREQ("xt", s.Name());
    EXPECT_TRUE(WellFormed(s));

    s = 0;
    EXPECT_TRUE(s.isEmpty());
    s = 'q';
    EXPECT_STREQ("q", s.Name());
    s = '\0';
    EXPECT_TRUE(s.isEmpty());
    s = 12u;
    EXPECT_STREQ("12", s.Name());
    s = 0ul;
    EXPECT_TRUE(s.isEmpty());
    s = 18446744073709551615ull;
    EXPECT_STREQ("18446744073709551615", s.Name());
    s = 0ull;
    EXPECT_TRUE(s.isEmpty());
    s = "abc";
    EXPECT_TRUE(s.Name(static_cast<char const*>(nullptr)));
    EXPECT_TRUE(s.isEmpty());
}

TEST(DName, StorageOperations)
{
    DName s("abc");
    EXPECT_FALSE(s.Namen(nullptr, 2));
    EXPECT_STREQ("abc", s.Name());
    EXPECT_TRUE(s.Namen("xyz", 0));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.Namen("\0\0z", 3));
    EXPECT_EQ(std::string("\0\0z", 3), Bytes(s));
    EXPECT_TRUE(WellFormed(s));

    EXPECT_FALSE(s.Alloc(0));
    EXPECT_EQ(3u, s.Size());
    EXPECT_TRUE(s.Alloc(5));
    EXPECT_EQ(5u, s.Size());
    EXPECT_EQ(std::string(5, '\0'), Bytes(s));
    EXPECT_TRUE(WellFormed(s));
    std::memcpy(s.Handle(), "hello", 5);
    EXPECT_STREQ("hello", s.Name());

    EXPECT_TRUE(s >>= 2);
    EXPECT_EQ(std::string(2, '\0'), Bytes(s));
    EXPECT_TRUE(s >>= 0);
    EXPECT_TRUE(s.isEmpty());

    // Release frees the buffer but keeps the size: empty and "full" at once,
    // and every other operation must treat it as empty.
    s = "abcd";
    s.Release();
    EXPECT_EQ(4u, s.Size());
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.isFull());
    EXPECT_STREQ("", s.Name());
    EXPECT_EQ(0, s(0));
    EXPECT_FALSE(s.Comp(s));
    s += "xy";
    EXPECT_STREQ("xy", s.Name());
    EXPECT_EQ(2u, s.Size());

    --s;
    EXPECT_TRUE(s.isEmpty());
    EXPECT_FALSE(s.isFull());
    EXPECT_TRUE(!s);
    s = "x";
    s.Destroy();
    EXPECT_EQ(0u, s.Size());

    EXPECT_EQ(nullptr, DName::dmalloc(0));
}

TEST(DName, ResizeCountsTheTerminatorAndKeepsOne)
{
    DName s("abc");
    EXPECT_TRUE(s.Resize());
    EXPECT_EQ(4u, s.Size());
    EXPECT_EQ('c', s[2]);
    EXPECT_EQ(0, s[3]);
    EXPECT_EQ(0, s[4]);
    DName e;
    EXPECT_TRUE(e.Resize());
    EXPECT_EQ(0u, e.Size());
}

TEST(DName, CheckedAccessors)
{
    DName e;
    // Left and Right of an empty string are NUL.
    EXPECT_EQ(0, e.Left());
    EXPECT_EQ(0, e.Right());
    EXPECT_EQ(0, e(0));
    EXPECT_FALSE(e.ModPos(0, 'x'));
    EXPECT_FALSE(e.isNum(0));

    DName s("a1E@");
    EXPECT_EQ('a', s.Left());
    EXPECT_EQ('@', s.Right());
    EXPECT_EQ('1', s.Char(1));
    EXPECT_EQ(0, s.Char(4));
    EXPECT_EQ(0, s(100));
    EXPECT_TRUE(s.isNum(1));
    EXPECT_FALSE(s.isNum(0));
    EXPECT_FALSE(s.isNum(4));
    EXPECT_TRUE(s.isAlpha(0));
    EXPECT_TRUE(s.isAlpha(2));
    EXPECT_FALSE(s.isAlpha(3));
    EXPECT_TRUE(s.isVow(0));
    EXPECT_TRUE(s.isVow(2));
    EXPECT_FALSE(s.isVow(1));
    EXPECT_FALSE(s.isVow(9));
    EXPECT_TRUE(DName("Y").isVow(0));

    EXPECT_TRUE(s.ModPos(0, 'Z'));
    EXPECT_FALSE(s.ModPos(4, 'Z'));
    EXPECT_TRUE(s(1, 0x141u));          // low byte only
    EXPECT_STREQ("ZAE@", s.Name());
    EXPECT_FALSE(s(4, 'x'));
    EXPECT_TRUE(WellFormed(s));
}

TEST(DName, EqualityIsNeverTrueForEmptyStrings)
{
    DName e1, e2;
    EXPECT_FALSE(e1 == e2);
    EXPECT_TRUE(e1 != e2);
    EXPECT_FALSE(e1 == "");
    EXPECT_FALSE(e1.Comp(e2));
    EXPECT_FALSE(e1.Compi(e2));

    DName a("Hello");
    EXPECT_TRUE(a == DName("hELLO"));
    EXPECT_TRUE(a == "HELLO");
    EXPECT_FALSE(a == "HELL");
    EXPECT_FALSE(a == static_cast<char const*>(nullptr));
    EXPECT_TRUE(a != "Hellos");
    EXPECT_TRUE(a.Comp(DName("Hello")));
    EXPECT_FALSE(a.Comp(DName("hello")));
    // Folding is ASCII only.
    EXPECT_FALSE(DName("\xC0").Compi(DName("\xE0")));
    // Equality is byte-exact over the whole size.
    EXPECT_FALSE(Raw("a\0b", 3).Comp(Raw("a\0c", 3)));
    EXPECT_TRUE(Raw("a\0B", 3).Compi(Raw("A\0b", 3)));

    // Numbers compare the size.
    EXPECT_TRUE(a == 5u);
    EXPECT_TRUE(a == 5);
    EXPECT_TRUE(a != 4);
    EXPECT_TRUE(a > 4u);
    EXPECT_TRUE(a >= 5);
    EXPECT_TRUE(a < 6);
    EXPECT_TRUE(a <= 5u);
    EXPECT_TRUE(e1 == 0);
}

TEST(DName, OrderingEmptyRules)
{
    DName e1, e2, x("x");
    EXPECT_TRUE(e1 < e2);
    EXPECT_TRUE(e1 <= e2);
    EXPECT_FALSE(e1 > e2);
    EXPECT_FALSE(e1 >= e2);
    EXPECT_TRUE(e1 < x);
    EXPECT_TRUE(e1 <= x);
    EXPECT_FALSE(e1 > x);
    EXPECT_FALSE(e1 >= x);
    EXPECT_TRUE(x > e1);
    EXPECT_FALSE(x >= e1);
    EXPECT_FALSE(x < e1);
    EXPECT_FALSE(x <= e1);
    EXPECT_TRUE(e1 < static_cast<char const*>(nullptr));
    EXPECT_FALSE(x < static_cast<char const*>(nullptr));
    EXPECT_FALSE(x <= static_cast<char const*>(nullptr));
}

TEST(DName, OrderingIsCaseInsensitiveOverUnsignedBytes)
{
    EXPECT_TRUE(DName("apple") < "Banana");
    EXPECT_FALSE(DName("Banana") < "apple");
    EXPECT_TRUE(DName("ABC") <= "abc");
    EXPECT_FALSE(DName("ABC") < "abc");
    EXPECT_TRUE(DName("abc") >= DName("ABC"));
    EXPECT_FALSE(DName("abc") > DName("ABC"));
    EXPECT_TRUE(DName("ab") < DName("abc"));
    EXPECT_TRUE(DName("abc") > DName("ab"));
    EXPECT_TRUE(DName("\xE9") > DName("z"));       // 0xE9 above 'z', not negative
    EXPECT_TRUE(DName("_") < DName("A"));          // 'A' folds to 'a' (0x61) before comparing
    EXPECT_TRUE(DName("Z") > DName("_"));
}

TEST(DName, FileSpecWildcards)
{
    struct Case { char const* text; char const* pattern; bool match; };
    Case const cases[] = {
        { "notes.txt", "*.TXT", true },
        { "a.b.txt", "*.txt", false },    // the star stops at the first '.'
        { "ab", "ab??", true },           // trailing '?' may match nothing
        { "ab", "ab?x", false },
        { "abc", "a?c", true },
        { "abc", "", true },
        { "", "", true },
        { "", "*", true },
        { "", "*.*", false },
        { "anything", "*", true },
        { "abc", "ab", false },           // text left over
        { "abcbc", "a*c", false },        // no backtracking to the last 'c'
        { "abc", "a*c", true },
        { "a?b", "*?b", true },           // '?' after a star is a literal
        { "axb", "*?b", false },
        { "ab*c", "a**c", true },         // so is a second star
        { "abxc", "a**c", false },
        { "FILE.DAT", "f*.d?t", true },
        { "x@y", "x`y", true },           // bit 0x20 pairs '@' with '`'
        { "x[y", "x{y", true },
        { "\xC9", "\xE9", true },
        { "abc", "abc*", true },
        { "abc", "abc*x", false },
    };
    for (Case const& c : cases)
        EXPECT_EQ(c.match, DName(c.text).isFileSpec(DName(c.pattern)))
            << '"' << c.text << "\" against \"" << c.pattern << '"';
}

TEST(DName, LockstepWildcard)
{
    DName abc("abc");
    EXPECT_FALSE(DName().Comps(DName("*")));
    EXPECT_FALSE(abc.Comps(DName()));
    EXPECT_TRUE(abc.Comps(DName("abc")));
    EXPECT_FALSE(abc.Comps(DName("ABC")));       // case-sensitive
    EXPECT_TRUE(abc.Comps(DName("a?c")));
    EXPECT_FALSE(abc.Comps(DName("abd")));
    EXPECT_TRUE(abc.Comps(DName("*")));
    EXPECT_TRUE(abc.Comps(DName("a*")));
    EXPECT_TRUE(abc.Comps(DName("a*x")));        // still seeking when the text ends
    // The final step: text used up, pattern used up or only stars left.
    EXPECT_TRUE(abc.Comps(DName("abc**")));
    EXPECT_FALSE(abc.Comps(DName("abcd")));
    EXPECT_FALSE(abc.Comps(DName("abc*d")));
    EXPECT_TRUE(abc.Comps(DName("ab")));         // pattern used up first
}

TEST(DName, CharacterSearch)
{
    DName p("a/b\\c");
    EXPECT_EQ(3u, p.FindFirstChar(DName("\\/")));  // set order wins over text order
    EXPECT_EQ(1u, p.FindFirstChar(DName("/\\")));
    EXPECT_EQ(3u, p.FindLastChar(DName("\\/")));
    EXPECT_EQ(1u, DName("a/b").FindFirstChar(DName("\\/")));
    EXPECT_EQ(1u, DName("a/b").FindLastChar(DName("\\/")));
    EXPECT_EQ(5u, p.FindFirstChar(DName("xyz")));
    EXPECT_EQ(5u, p.FindFirstChar(DName()));
    EXPECT_EQ(5u, p.FindLastChar(DName()));
    EXPECT_EQ(0u, DName().FindFirstChar('a'));
    EXPECT_EQ(1u, DName("abab").FindFirstChar('b'));
    EXPECT_EQ(3u, DName("abab").FindLastChar('b'));
    EXPECT_EQ(4u, DName("abab").FindLastChar('z'));
    EXPECT_EQ(2u, Raw("a\0b", 3).FindFirstChar('b'));   // past an inner NUL
}

TEST(DName, SubstringSearch)
{
    DName s("Hello World");
    unsigned pos = 99;
    EXPECT_TRUE(s.FindSub(DName("World"), &pos));
    EXPECT_EQ(6u, pos);
    pos = 99;
    EXPECT_FALSE(s.FindSub(DName("world"), &pos));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(s.FindSubi(DName("WORLD"), &pos));
    EXPECT_EQ(6u, pos);
    pos = 99;
    EXPECT_FALSE(s.FindSub(DName("Hello World!"), &pos));  // longer: pos untouched
    EXPECT_EQ(99u, pos);
    EXPECT_TRUE(s.FindSub(DName(), &pos));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(DName().FindSub(DName()));
    EXPECT_TRUE(s.FindSub(DName("d")));
    EXPECT_TRUE(DName("aab").FindSub(DName("ab"), &pos));
    EXPECT_EQ(1u, pos);
}

TEST(DName, NumbersInText)
{
    EXPECT_EQ(0u, DName().CountNumbers());
    EXPECT_EQ(3u, DName("1a22b333").CountNumbers());
    EXPECT_EQ(1u, DName("x9").CountNumbers());

    int pos = -7;
    EXPECT_EQ(-1, DName().GetNumber(0, &pos));
    EXPECT_EQ(-7, pos);
    EXPECT_EQ(2, DName("a1b2").GetNumber(5, &pos));       // the text ends inside a run
    EXPECT_EQ(3, pos);
    EXPECT_EQ(-1, DName("a1b2c").GetNumber(5, &pos));
    EXPECT_EQ(12, DName("x12y345z").GetNumber(0, &pos));
    EXPECT_EQ(1, pos);
    EXPECT_EQ(345, DName("x12y345z").GetNumber(1, &pos));
    EXPECT_EQ(4, pos);

    // The date-and-time reading of the record text: fields 0 to 7.
    DName when("2024/03/15 08:05:09 PM 7");
    int const expect[] = { 2024, 3, 15, 8, 5, 9 };
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_EQ(expect[i], when.GetNumber(i)) << i;
    EXPECT_EQ(7, when.GetNumber(6));     // the last run, whatever its number
}

TEST(DName, InsertsKeepExactSizesWithNulBytes)
{
    DName s = Raw("a\0b", 3);
    EXPECT_TRUE(s.InsertLeft('\0', 2));
    EXPECT_EQ(std::string("\0\0a\0b", 5), Bytes(s));
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.InsertRight('\0', 1));
    EXPECT_EQ(std::string("\0\0a\0b\0", 6), Bytes(s));
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.InsertPos('x', 3));
    EXPECT_EQ(std::string("\0\0ax\0b\0", 7), Bytes(s));
    EXPECT_TRUE(s.InsertPos('y', 100));
    EXPECT_EQ(std::string("\0\0ax\0b\0y", 8), Bytes(s));
    EXPECT_TRUE(WellFormed(s));

    EXPECT_TRUE(s.InsertLeft('z', 0));
    EXPECT_EQ(8u, s.Size());
    EXPECT_FALSE(s.InsertRight('z', 0));
    EXPECT_EQ(8u, s.Size());

    DName e;
    EXPECT_TRUE(e.InsertLeft('\0', 1));     // the two-byte index strings start this way
    EXPECT_EQ(1u, e.Size());
    EXPECT_TRUE(WellFormed(e));
    DName f;
    EXPECT_TRUE(f.InsertPos('q', 5));
    EXPECT_STREQ("q", f.Name());
}

TEST(DName, AppendsAndConcatenation)
{
    DName s("ab");
    EXPECT_FALSE(s.Attach(DName()));
    EXPECT_FALSE(s += DName());
    EXPECT_TRUE(s.Attach(Raw("\0c", 2)));          // byte-exact
    EXPECT_EQ(std::string("ab\0c", 4), Bytes(s));
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.Attach(s));                       // itself
    EXPECT_EQ(std::string("ab\0cab\0c", 8), Bytes(s));
    EXPECT_TRUE(WellFormed(s));

    DName t("12");
    EXPECT_TRUE(t.AttachPos(DName("xy"), 1));
    EXPECT_STREQ("1xy2", t.Name());
    EXPECT_TRUE(t.AttachPos(DName("!"), 99));
    EXPECT_STREQ("1xy2!", t.Name());
    EXPECT_FALSE(t.AttachPos(DName(), 0));

    DName n;
    n += 0;
    EXPECT_STREQ("0", n.Name());
    n += 'c';
    n += "de";
    n += static_cast<char const*>(nullptr);
    n += 42u;
    n += 4000000000ul;
    n += 10000000000ull;
    n += -1;
    EXPECT_STREQ("0cde42400000000010000000000" "4294967295", n.Name());
    EXPECT_TRUE(WellFormed(n));

    DName base = Raw("x\0y", 3);
    EXPECT_STREQ("x1", (base + 1).Name());         // the text up to its NUL
    EXPECT_EQ(2u, (base + 1).Size());
    EXPECT_STREQ("x0", (base + 0u).Name());
    EXPECT_STREQ("x5", (base + 5ul).Name());
    EXPECT_STREQ("x6", (base + 6ull).Name());
    EXPECT_STREQ("xz", (base + 'z').Name());
    EXPECT_STREQ("xzz", (base + "zz").Name());
    EXPECT_STREQ("xab", (base + DName("ab")).Name());
    EXPECT_EQ(3u, base.Size());                    // operands untouched
}

TEST(DName, Deletions)
{
    DName s("abcdef");
    EXPECT_TRUE(s.DelPos(4, 5));                   // range passes the end: the last five go
    EXPECT_STREQ("a", s.Name());
    s = "abcdef";
    EXPECT_TRUE(s.DelPos(1, 2));
    EXPECT_STREQ("adef", s.Name());
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.DelPos(3, 1));                   // pos + n == size: as DelRight
    EXPECT_STREQ("ade", s.Name());
    EXPECT_TRUE(s.DelPos(99, 1));
    EXPECT_STREQ("ad", s.Name());
    EXPECT_TRUE(s.DelPos(0, 0));
    EXPECT_STREQ("ad", s.Name());
    EXPECT_TRUE(s.DelPos(99, 9));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_FALSE(s.DelPos(0, 1));

    s = "abcdef";
    EXPECT_TRUE(s.DelLeft(2));
    EXPECT_STREQ("cdef", s.Name());
    EXPECT_TRUE(s.DelRight(1));
    EXPECT_STREQ("cde", s.Name());
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.DelRight(3));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_FALSE(s.DelRight(1));
    EXPECT_FALSE(s.DelLeft(0));
    s = "ab";
    EXPECT_TRUE(s.DelLeft(7));
    EXPECT_TRUE(s.isEmpty());
}

TEST(DName, FindAndRemove)
{
    DName s("aabb");
    EXPECT_TRUE(s.DelFind(DName("ab")));           // repeats until none is left
    EXPECT_TRUE(s.isEmpty());
    s = "one two one";
    EXPECT_TRUE(s.DelFind(DName("one")));
    EXPECT_STREQ(" two ", s.Name());
    // An empty pattern removes nothing and ends.
    EXPECT_TRUE(s.DelFind(DName()));
    EXPECT_TRUE(s.DelFindi(DName()));
    EXPECT_STREQ(" two ", s.Name());
    s = "xOnEyone";
    EXPECT_TRUE(s.DelFindi(DName("ONE")));
    EXPECT_STREQ("xy", s.Name());
    EXPECT_TRUE(s.DelFind(s));                     // itself
    EXPECT_TRUE(s.isEmpty());

    DName t("a-b-c");
    EXPECT_STREQ("abc", (t - DName("-")).Name());
    EXPECT_STREQ("a-b-c", (t - DName()).Name());
    EXPECT_STREQ("a-c", (t - "-b").Name());
    EXPECT_STREQ("abc", (t - '-').Name());
    EXPECT_STREQ("a-b-c", t.Name());
    EXPECT_EQ(std::string("ab", 2), Bytes(Raw("a\0b", 3) - '\0'));
}

TEST(DName, PrefixAndCharacterSets)
{
    DName s("prefix.rest");
    EXPECT_FALSE(s.DelMatch(DName()));
    EXPECT_FALSE(s.DelMatch(DName("Prefix")));     // case-sensitive
    EXPECT_FALSE(s.DelMatch(DName("prefix.rest")));// the whole text
    EXPECT_FALSE(s.DelMatch(DName("prefix.rest.x")));
    EXPECT_TRUE(s.DelMatch(DName("prefix.")));
    EXPECT_STREQ("rest", s.Name());

    s = "a1b2c3";
    EXPECT_TRUE(s.RemAllChars(DName("123")));
    EXPECT_STREQ("abc", s.Name());
    EXPECT_TRUE(s.RemAllChars(DName("cab")));
    EXPECT_TRUE(s.isEmpty());

    s = "a//b///c/";
    EXPECT_TRUE(s.RemRepeats('/'));
    EXPECT_STREQ("a/b/c/", s.Name());
    EXPECT_TRUE(WellFormed(s));

    s = "  \\x y/ ";
    EXPECT_FALSE(s.Trim(DName()));
    EXPECT_FALSE(s.Chop(DName()));
    EXPECT_FALSE(s.FrontChop(DName()));
    EXPECT_TRUE(s.Trim(DName("\\/ ")));
    EXPECT_STREQ("x y", s.Name());
    EXPECT_TRUE(WellFormed(s));
    s = "..ab..";
    EXPECT_TRUE(s.Chop(DName(".")));
    EXPECT_STREQ("..ab", s.Name());
    EXPECT_TRUE(s.FrontChop(DName(".")));
    EXPECT_STREQ("ab", s.Name());
    s = "///";
    EXPECT_TRUE(s.Trim(DName("/")));
    EXPECT_TRUE(s.isEmpty());

    s = "a/b/c";
    EXPECT_TRUE(s.Replace('/', '\\'));
    EXPECT_STREQ("a\\b\\c", s.Name());
    s = "MiXeD \xC9";
    EXPECT_TRUE(s.upc());
    EXPECT_STREQ("MIXED \xC9", s.Name());
    EXPECT_TRUE(s.lowc());
    EXPECT_STREQ("mixed \xC9", s.Name());
}

TEST(DName, SubstringCopies)
{
    DName src("abcdef");
    DName t("keep");
    EXPECT_FALSE(t.CopySubStr(src, 2, 2));         // a one-character range is refused
    EXPECT_STREQ("keep", t.Name());
    EXPECT_FALSE(t.CopySubStr(src, 3, 1));
    EXPECT_FALSE(t.CopySubStr(DName(), 0, 3));
    EXPECT_FALSE(t.CopySubStr(src, 5, 99));        // clamped to one character
    EXPECT_FALSE(t.CopySubStr(src, 9, 99));
    EXPECT_STREQ("keep", t.Name());
    EXPECT_TRUE(t.CopySubStr(src, 1, 3));
    EXPECT_STREQ("bcd", t.Name());
    EXPECT_TRUE(t.CopySubStr(src, 4, 99));
    EXPECT_STREQ("ef", t.Name());
    EXPECT_TRUE(WellFormed(t));
    EXPECT_TRUE(t.CopySubStr(t, 0, 0xFFFFFFFFu)); // from itself
    EXPECT_STREQ("ef", t.Name());

    EXPECT_TRUE(t.CopyToCh(DName("key=value"), '='));
    EXPECT_STREQ("key=", t.Name());
    EXPECT_TRUE(t.CopyToCh(DName("novalue"), '='));
    EXPECT_STREQ("novalue", t.Name());
    EXPECT_FALSE(t.CopyToCh(DName("=x"), '='));
    EXPECT_STREQ("novalue", t.Name());
}

TEST(DName, SlashesAndJoins)
{
    DName s("D:/data");
    EXPECT_TRUE(s.AttachSlash());
    EXPECT_STREQ("D:/data/", s.Name());
    s = "D:\\data\\";
    EXPECT_TRUE(s.AttachSlash(true));
    EXPECT_STREQ("D:\\data\\", s.Name());
    s = "";
    EXPECT_TRUE(s.AttachSlash());
    EXPECT_STREQ("\\", s.Name());
    s = "a/b\\";                                   // any '/' chooses '/'
    EXPECT_TRUE(s.AttachSlash());
    EXPECT_STREQ("a/b\\/", s.Name());

    s = "D:\\dir";
    EXPECT_STREQ("D:\\dir\\file", s.AddFile(DName("file")).Name());
    s = "D:\\dir";
    EXPECT_STREQ("D:\\dir/file", s.AddFile(DName("/file")).Name());
    s = "";
    EXPECT_STREQ("file", s.AddFile(DName("file")).Name());
    s = "D:\\dir";
    EXPECT_STREQ("D:\\dir", s.AddFile(DName()).Name());
    EXPECT_STREQ("D:\\dir\\D:\\dir", s.AddFile(s).Name());
}

TEST(DName, AddHome)
{
    DName home("D:\\base");
    DName s("sub\\file");
    EXPECT_STREQ("D:\\base\\sub\\file", s.AddHome(home).Name());
    s = "\\sub";
    EXPECT_STREQ("D:\\base\\sub", s.AddHome(home).Name());
    s = "E:\\x";
    EXPECT_STREQ("E:\\x", s.AddHome(home).Name());
    s = "";
    EXPECT_STREQ("D:\\base", s.AddHome(home).Name());
    s = "rel";
    EXPECT_STREQ("rel", s.AddHome(DName()).Name());

    // A "/" path not starting with "/" is rooted with one.
    s = "sub";
    EXPECT_STREQ("/base/x/sub", s.AddHome(DName("base/x")).Name());
    s = "sub";
    EXPECT_STREQ("/root/sub", s.AddHome(DName("/root")).Name());
    // A drive path with "/" is never given a leading "/".
    s = "sub";
    EXPECT_STREQ("D:/base/sub", s.AddHome(DName("D:/base")).Name());
    EXPECT_TRUE(WellFormed(s));
}

TEST(DName, ChopPath)
{
    DName s("\\\\dir\\sub\\\\");
    EXPECT_TRUE(s.ChopPath());
    EXPECT_STREQ("dir\\sub", s.Name());
    s = ".\\dir\\.";
    EXPECT_TRUE(s.ChopPath(false));
    EXPECT_STREQ(".\\dir", s.Name());
    s = ".\\dir\\.";
    EXPECT_TRUE(s.ChopPath(true));
    EXPECT_STREQ("dir", s.Name());
    s = "/./";
    EXPECT_TRUE(s.ChopPath(true));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.ChopPath());
    s = "C:\\";
    EXPECT_TRUE(s.ChopPath());
    EXPECT_STREQ("C:", s.Name());
    EXPECT_TRUE(WellFormed(s));
}

TEST(DName, RemoveFirstElement)
{
    DName s("D:\\dir\\file"), out("old");
    EXPECT_TRUE(s.RemIndexDir(out));
    EXPECT_STREQ("D:", out.Name());
    EXPECT_STREQ("dir\\file", s.Name());

    s = "\\dir";                                    // leading separator: out gets all
    EXPECT_TRUE(s.RemIndexDir(out));
    EXPECT_STREQ("\\dir", out.Name());
    EXPECT_STREQ("dir", s.Name());

    out = "old";
    s = "a\\b";                                     // one-character element: out unchanged
    EXPECT_TRUE(s.RemIndexDir(out));
    EXPECT_STREQ("old", out.Name());
    EXPECT_STREQ("b", s.Name());

    s = "name";
    EXPECT_TRUE(s.RemIndexDir(out));
    EXPECT_STREQ("name", out.Name());
    EXPECT_TRUE(s.isEmpty());
    EXPECT_FALSE(s.RemIndexDir(out));

    s = "dir\\";                                    // nothing follows the separator
    EXPECT_FALSE(s.RemIndexDir(out));
    EXPECT_STREQ("dir\\", s.Name());

    s = "a/b\\c";                                   // the backslash is looked for first
    EXPECT_TRUE(s.RemIndexDir());
    EXPECT_STREQ("c", s.Name());

    s = "C:\\x\\y";
    EXPECT_TRUE(s.RemDrive(out));
    EXPECT_STREQ("C:", out.Name());
    EXPECT_STREQ("x\\y", s.Name());
    EXPECT_FALSE(s.RemDrive(out));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_STREQ("x\\y", s.Name());
    s = "C:";
    EXPECT_TRUE(s.RemDrive());
    EXPECT_TRUE(s.isEmpty());
}

TEST(DName, SplitFolderNameAndExtension)
{
    DName s("D:\\dir\\file.txt"), out;
    EXPECT_TRUE(s.RemFilename(out));
    EXPECT_STREQ("D:\\dir", s.Name());
    EXPECT_STREQ("file.txt", out.Name());
    EXPECT_TRUE(WellFormed(s));

    s = "D:\\dir\\file.txt";
    EXPECT_TRUE(s.RemDir(out));
    EXPECT_STREQ("file.txt", s.Name());
    EXPECT_STREQ("D:\\dir", out.Name());

    s = "D:\\dir.d\\file";
    EXPECT_TRUE(s.RemExt(out));
    EXPECT_STREQ("D:\\dir", s.Name());
    EXPECT_STREQ(".d\\file", out.Name());

    s = "D:\\dir\\file.txt";
    EXPECT_TRUE(s.ExtOnly());
    EXPECT_STREQ("file", s.Name());
    s = "plain.c";
    EXPECT_TRUE(s.ExtOnly());
    EXPECT_STREQ("plain", s.Name());
    EXPECT_FALSE(DName().ExtOnly());

    // No separator / no dot: refused, unchanged.
    s = "file";
    EXPECT_FALSE(s.RemDir());
    EXPECT_FALSE(s.RemFilename());
    EXPECT_FALSE(s.RemExt());
    EXPECT_STREQ("file", s.Name());

    s = "dir\\";                                    // trailing separator
    EXPECT_TRUE(s.RemDir(out));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_STREQ("dir", out.Name());
    s = "dir / ";
    EXPECT_TRUE(s.RemDir());
    EXPECT_STREQ(" ", s.Name());

    s = "\\file";
    EXPECT_TRUE(s.RemFilename(out));
    EXPECT_STREQ("\\", s.Name());
    EXPECT_STREQ("file", out.Name());
    s = "/";
    EXPECT_TRUE(s.RemFilename());
    EXPECT_TRUE(s.isEmpty());

    s = ".hidden";
    EXPECT_TRUE(s.RemExt(out));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_STREQ(".hidden", out.Name());
    out = "old";
    s = "name.";                                    // a final dot: out unchanged
    EXPECT_TRUE(s.RemExt(out));
    EXPECT_STREQ("name", s.Name());
    EXPECT_STREQ("old", out.Name());
}

TEST(DName, LargestPath)
{
    EXPECT_EQ(7u, DName("C:\\longdir\\x\\file.txtname").LargestPath(DName()));
    EXPECT_EQ(0u, DName("file").LargestPath(DName()));
    EXPECT_EQ(0u, DName().LargestPath(DName()));
    EXPECT_EQ(4u, DName("ignored\\").LargestPath(DName("ab/abcd\\")));
    EXPECT_EQ(0u, DName("x").LargestPath(DName("\\\\")));
}

TEST(DName, IncName)
{
    DName s;
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("0001", s.Name());
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("0002", s.Name());
    s = "log09";
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("log10", s.Name());
    s = "log99";
    EXPECT_FALSE(s.IncName());
    EXPECT_STREQ("log00", s.Name());
    s = "a12b";
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("a13b", s.Name());
    s = "12a199x";                                  // only the last run counts
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("12a200x", s.Name());
    s = "file";
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("file0001", s.Name());
    s = "file7";
    EXPECT_TRUE(s.IncName());
    EXPECT_STREQ("file70001", s.Name());
    EXPECT_TRUE(WellFormed(s));
}

TEST(DName, DecimalText)
{
    DName s;
    EXPECT_TRUE(s.FromLong(0, 3));
    EXPECT_STREQ("000", s.Name());
    EXPECT_TRUE(s.FromLong(0, 0));
    EXPECT_STREQ("0", s.Name());
    EXPECT_TRUE(s.FromLong(4000000000ul, 0));
    EXPECT_STREQ("4000000000", s.Name());
    EXPECT_TRUE(s.FromLong(123, 2));
    EXPECT_STREQ("123", s.Name());
    EXPECT_TRUE(s.FromWord(7, 4));
    EXPECT_STREQ("0007", s.Name());
    EXPECT_TRUE(WellFormed(s));
    EXPECT_TRUE(s.FromLong64(18446744073709551615ull, 22));
    EXPECT_STREQ("0018446744073709551615", s.Name());
    EXPECT_TRUE(s.FromDouble(2.5, 0));
    EXPECT_STREQ("2.500000", s.Name());
    EXPECT_TRUE(s.FromDouble(2.5, 10));
    EXPECT_STREQ("002.500000", s.Name());
    EXPECT_TRUE(s.FromDouble(1e300, 0));            // 301 digits and six decimals
    EXPECT_EQ(308u, s.Size());

    EXPECT_EQ(1234ul, DName("1,234").ToLong());
    EXPECT_EQ(1234ul, DName("a1b2c34").ToLong());
    EXPECT_EQ(0ul, DName().ToLong());
    EXPECT_EQ(0ul, DName("abc").ToLong());
    EXPECT_EQ(705032704ul, DName("5000000000").ToLong());   // modulo 2^32
    EXPECT_EQ(705032704u, DName("5000000000").ToWord());
    EXPECT_EQ(5000000000ull, DName("5,000,000,000").ToLong64());
    EXPECT_EQ(0ull, DName("18446744073709551616").ToLong64()); // modulo 2^64
}

TEST(DName, Fractions)
{
    EXPECT_EQ(0ul, DName().ToDecimal(2));
    EXPECT_EQ(0ul, DName("12").ToDecimal(2));
    EXPECT_EQ(0ul, DName("1.5").ToDecimal(0));
    EXPECT_EQ(14ul, DName("3.14159").ToDecimal(2));
    EXPECT_EQ(5ul, DName("12.5").ToDecimal(2));
    EXPECT_EQ(23ul, DName("1.2a3").ToDecimal(3));       // non-digits skipped
    EXPECT_EQ(1ul, DName("1.1.9").ToDecimal(2));

    EXPECT_DOUBLE_EQ(12.5, DName("12.5").ToDouble(2));
    EXPECT_DOUBLE_EQ(3.14, DName("3.14159").ToDouble(2));
    EXPECT_DOUBLE_EQ(7.0, DName("7").ToDouble(2));
    EXPECT_DOUBLE_EQ(1234.0, DName("1,234").ToDouble(2));
    EXPECT_DOUBLE_EQ(8.0, DName("8.").ToDouble(2));
    EXPECT_DOUBLE_EQ(0.0, DName().ToDouble(2));
    EXPECT_DOUBLE_EQ(4.0, DName("4.75").ToDouble(0));
}

TEST(DName, ThousandsSeparators)
{
    EXPECT_STREQ("1,234,567", DName("1234567").FormatNumber().Name());
    EXPECT_STREQ("123", DName("123").FormatNumber().Name());
    EXPECT_STREQ("1,234", DName("1234").FormatNumber().Name());
    EXPECT_STREQ("123,456", DName("123456").FormatNumber().Name());
    EXPECT_STREQ("1", DName("1").FormatNumber().Name());
    EXPECT_STREQ("a,bcd", DName("abcd").FormatNumber().Name());
    EXPECT_TRUE(DName().FormatNumber().isEmpty());
    EXPECT_TRUE(WellFormed(DName("1234567").FormatNumber()));

    EXPECT_STREQ("0", DName::FormatNumber(0L).Name());
    EXPECT_STREQ("4,294,967,295", DName::FormatNumber(-1L).Name());
    EXPECT_STREQ("12,345,678,901,234", DName::FormatNumber(12345678901234ull).Name());
    EXPECT_STREQ("18,446,744,073,709,551,615", DName::FormatNumber(18446744073709551615ull).Name());
    EXPECT_STREQ("1,000", DName::FormatNumber(1000).Name());
    EXPECT_STREQ("1,000,000", DName::FormatNumber(1000000u).Name());
}

TEST(DName, RadixRoundTripsEveryByteInEveryBase)
{
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    DName bytes = Raw(all, 256);

    unsigned const width[37] = { 0, 0, 8, 6, 4, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                                 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
                                 2, 2, 2, 2, 2 };
    for (unsigned long base = 2; base <= 36; ++base) {
        DName digits = bytes.ToRadix(base);
        ASSERT_EQ(256u * width[base], digits.Size()) << "base " << base;
        ASSERT_TRUE(WellFormed(digits));
        for (unsigned i = 0; i < digits.Size(); ++i) {
            char const c = digits[i];
            unsigned const v = (c >= '0' && c <= '9') ? unsigned(c - '0') : unsigned(c - 'A' + 10);
            ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) << "base " << base;
            ASSERT_LT(v, base) << "base " << base;
        }
        // The largest byte uses the top digit in its first place only when it must.
        EXPECT_EQ(Bytes(bytes), Bytes(digits.FromRadix(base))) << "base " << base;
        DName lower(digits);
        lower.lowc();
        EXPECT_EQ(Bytes(bytes), Bytes(lower.FromRadix(base))) << "base " << base;
        EXPECT_EQ(Bytes(bytes), Bytes(DName::FromRadix(base, digits))) << "base " << base;
    }
}

TEST(DName, RadixDetails)
{
    EXPECT_STREQ("4142", DName("AB").ToRadix(16).Name());
    EXPECT_STREQ("01000001", DName("A").ToRadix(2).Name());
    EXPECT_STREQ("101", DName("A").ToRadix(8).Name());
    EXPECT_STREQ("1T", DName("A").ToRadix(36).Name());
    EXPECT_STREQ("AB", DName("4142").FromRadix(16).Name());
    EXPECT_STREQ("AB", DName("4142F").FromRadix(16).Name());  // incomplete group dropped
    EXPECT_TRUE(DName("4").FromRadix(16).isEmpty());
    EXPECT_STREQ("0000", Raw("\0\0", 2).ToRadix(16).Name());
    EXPECT_EQ(std::string("\0\x0A", 2), Bytes(DName("000A").FromRadix(16)));

    // Outside 2..36 the text is returned unchanged, NULs included.
    DName raw = Raw("x\0y", 3);
    EXPECT_EQ(Bytes(raw), Bytes(raw.ToRadix(1)));
    EXPECT_EQ(Bytes(raw), Bytes(raw.ToRadix(37)));
    EXPECT_EQ(Bytes(raw), Bytes(raw.FromRadix(0)));
    EXPECT_EQ(Bytes(raw), Bytes(raw.FromRadix(37)));
    EXPECT_TRUE(DName().ToRadix(16).isEmpty());

    // Malformed digits: above the base clamps to base-1, equal to it is used.
    EXPECT_EQ(std::string("\xF0", 1), Bytes(DName("Z0").FromRadix(16)));
    EXPECT_EQ(std::string("\xF0", 1), Bytes(DName("#0").FromRadix(16)));
    EXPECT_EQ(std::string("\x00", 1), Bytes(DName("G0").FromRadix(16)));  // 16*16 cut to 8 bits
    EXPECT_EQ(std::string("\x10", 1), Bytes(DName("0G").FromRadix(16)));
    EXPECT_EQ(std::string("\x02", 1), Bytes(DName("00000002").FromRadix(2)));
    EXPECT_EQ(std::string("\xFF", 1), Bytes(DName("\xFF\xFF").FromRadix(16)));
}

TEST(DName, KeyedXor)
{
    DName key("k3y");
    DName text = Raw("plain\0text", 10);
    DName work(text);
    unsigned pos = 0;
    EXPECT_TRUE(work.det(key, pos));
    EXPECT_EQ(1u, pos);                             // wrapped three times
    EXPECT_NE(Bytes(text), Bytes(work));
    EXPECT_EQ(char('p' ^ 'k'), work[0]);
    EXPECT_EQ(char('i' ^ 'k'), work[3]);           // the key restarted at position 3
    EXPECT_EQ(10u, work.Size());
    pos = 0;
    EXPECT_TRUE(work.det(key, pos));
    EXPECT_EQ(Bytes(text), Bytes(work));

    // The running position continues across calls.
    DName a("ab"), b("cd"), whole("abcd");
    unsigned p1 = 0, p2 = 0;
    a.det(key, p1);
    b.det(key, p1);
    whole.det(key, p2);
    EXPECT_EQ(Bytes(whole), Bytes(a) + Bytes(b));

    unsigned keep = 0;
    DName same("same");
    EXPECT_TRUE(same.det(DName(), keep));          // empty key: XOR with NUL
    EXPECT_STREQ("same", same.Name());

    DName c("secret");
    EXPECT_FALSE(c.Code(nullptr));
    EXPECT_TRUE(c.Code(""));
    EXPECT_STREQ("secret", c.Name());
    EXPECT_TRUE(c.Code("ab"));
    EXPECT_EQ(char('s' ^ 'a'), c[0]);
    EXPECT_EQ(char('e' ^ 'b'), c[1]);
    EXPECT_EQ(char('c' ^ 'a'), c[2]);
    EXPECT_TRUE(c.Code("ab"));
    EXPECT_STREQ("secret", c.Name());

    char buf[5] = { 'h', 'e', 'l', 'l', 'o' };
    unsigned p3 = 2;
    EXPECT_FALSE(DName::detp(nullptr, 5, "k3y", p3));
    EXPECT_EQ(2u, p3);
    EXPECT_TRUE(DName::detp(buf, 5, "k3y", p3));
    EXPECT_EQ(char('h' ^ 'y'), buf[0]);            // started at key position 2
    EXPECT_EQ(char('e' ^ 'k'), buf[1]);
    p3 = 2;
    DName::detp(buf, 5, "k3y", p3);
    EXPECT_EQ(0, std::memcmp(buf, "hello", 5));
}
