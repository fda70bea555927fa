#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DName.h"
#include "TempFolder.h"

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

DName Raw(char const* s, unsigned n)
{
    DName d;
    d.Namen(s, n);
    return d;
}

// One edit on a fresh copy: "1:" or "0:" for its answer, then the bytes
// left, after checking that the buffer is still exact.
template <class Call>
std::string Edit(DName s, Call call)
{
    bool const ok = call(s);
    ::testing::AssertionResult const form = WellFormed(s);
    return form ? (ok ? "1:" : "0:") + Bytes(s) : form.message();
}
#define EDIT(text, call) Edit(DName(text), [&](DName& s) { return bool(s.call); })

// The four orderings of a against b: "<l>g" with '-' for each that fails.
std::string Order(DName const& a, DName const& b)
{
    return std::string() + (a < b ? '<' : '-') + (a <= b ? 'l' : '-') + (a > b ? '>' : '-') +
           (a >= b ? 'g' : '-');
}

} // namespace

TEST(DName, CopyIsByteExactButAssignmentStopsAtNul)
{
    DName raw = Raw("a\0b", 3);
    EXPECT_EQ(std::string("a\0b", 3), Bytes(DName(raw)));
    DName viaCopy;
    EXPECT_EQ(std::string("1:a\0b", 5), EDIT("", Name(raw)));
    DName assigned("old");
    assigned = raw;
    EXPECT_EQ("a", Bytes(assigned));
    EXPECT_TRUE(WellFormed(assigned));

    // Links are never copied.
    DName linked("x");
    linked.next = std::addressof(linked);
    DName c(linked);
    EXPECT_EQ(nullptr, c.next);
    c = linked;
    EXPECT_EQ(nullptr, c.next);
}

TEST(DName, EqualityIsNeverTrueForEmptyStrings)
{
    DName e1, e2;
    EXPECT_FALSE(e1 == e2 || e1 == "" || e1.Comp(e2) || e1.Compi(e2));
    EXPECT_TRUE(e1 != e2);

    DName a("Hello");
    EXPECT_FALSE(a == "HELL" || a == static_cast<char const*>(nullptr));
    EXPECT_FALSE(a.Comp(DName("hello")));
    // Folding is ASCII only; equality is byte-exact over the whole size.
    EXPECT_FALSE(DName("\xC0").Compi(DName("\xE0")));
    EXPECT_FALSE(Raw("a\0b", 3).Comp(Raw("a\0c", 3)));
    EXPECT_TRUE(Raw("a\0B", 3).Compi(Raw("A\0b", 3)));

    // Numbers compare the size.
    EXPECT_TRUE(a == 5u && a == 5 && a != 4 && a > 4u && a >= 5 && a < 6 && a <= 5u);
    EXPECT_TRUE(e1 == 0);
}

TEST(DName, Ordering)
{
    // An empty string is below everything, itself included; nothing is at
    // or above an empty string, yet a text is above it.
    DName e1, e2, x("x");
    EXPECT_EQ("<l--", Order(e1, e2));
    EXPECT_EQ("<l--", Order(e1, x));
    EXPECT_EQ("-->-", Order(x, e1));
    EXPECT_TRUE(e1 < static_cast<char const*>(nullptr));
    EXPECT_FALSE(x < static_cast<char const*>(nullptr) || x <= static_cast<char const*>(nullptr));

    // Case-insensitive over unsigned bytes.
    EXPECT_EQ("-l-g", Order(DName("ABC"), DName("abc")));
    EXPECT_EQ("-->g", Order(DName("\xE9"), DName("z")));  // 0xE9 above 'z', not negative
    EXPECT_EQ("<l--", Order(DName("_"), DName("A")));     // 'A' folds to 'a' before comparing
}

namespace {

// The wildcard rules spelled out by trying every place a star can stop.
bool FitsEveryWay(std::string const& text, std::string const& pattern)
{
    auto same = [](char a, char b) { return char(a | 0x20) == char(b | 0x20); };
    if (pattern.empty())
        return text.empty();
    if (text.empty())
        return pattern.find_first_not_of("?*") == std::string::npos;
    if (pattern[0] == '*') {
        if (pattern.size() == 1)
            return true;
        for (size_t k = 0; k < text.size(); ++k)
            if (same(text[k], pattern[1]) && FitsEveryWay(text.substr(k + 1), pattern.substr(2)))
                return true;
        return false;
    }
    return (pattern[0] == '?' || same(text[0], pattern[0])) &&
           FitsEveryWay(text.substr(1), pattern.substr(1));
}

// Every string of up to the given length over the given characters.
std::vector<std::string> AllStrings(std::string const& chars, size_t length)
{
    std::vector<std::string> out{""};
    for (size_t begin = 0, size = 1; size <= length; ++size) {
        size_t const end = out.size();
        for (size_t k = begin; k < end; ++k)
            for (char c : chars)
                out.push_back(out[k] + c);
        begin = end;
    }
    return out;
}

} // namespace

TEST(DName, Wildcards)
{
    struct Case { char const* text; char const* pattern; bool match; };
    Case const specs[] = {
        { "notes.txt", "*.TXT", true },
        { "a.b.txt", "*.txt", true },     // the star goes on to the last '.'
        { "1.5.0.txt", "*.txt", true }, { "backup.tar.gz", "*.gz", true },
        { "release.notes.txt", "*.t?t", true }, { "a.txt.bak", "*.txt", false },
        { "ab", "ab??", true },           // trailing '?' may match nothing
        { "ab", "ab?x", false }, { "abc", "ab", false },   // text left over
        { "abcbc", "a*c", true }, { "abcbd", "a*c", false },
        { "a?b", "*?b", true },           // '?' after a star is a literal
        { "axb", "*?b", false },
        { "abxc", "a**c", false },        // so is a second star
        { "FILE.DAT", "f*.d?t", true },
        { "x@y", "x`y", true },           // bit 0x20 pairs '@' with '`'
        { "\xC9", "\xE9", true }, { "abc", "abc*", true }, { "abc", "abc*x", false },
        { "ab", "ab*?", true }, { "abc", "abc**", true },
    };
    for (Case const& c : specs)
        EXPECT_EQ(c.match, DName(c.text).isFileSpec(DName(c.pattern))) << c.text << " " << c.pattern;

    // Every short text against every short pattern: a star stops wherever
    // the rest can follow.
    std::vector<std::string> const texts = AllStrings("aB.", 5);
    for (std::string const& pattern : AllStrings("Ab.?*", 4)) {
        if (pattern.empty())
            continue;
        for (std::string const& text : texts)
            ASSERT_EQ(FitsEveryWay(text, pattern), DName(text.c_str()).isFileSpec(DName(pattern.c_str())))
                << "'" << text << "' '" << pattern << "'";
    }

    // Many stars over a long name that nearly fits end in bounded work.
    std::string const name(250, 'a');
    EXPECT_FALSE(DName(name.c_str()).isFileSpec(DName("*a*a*a*a*b")));
    EXPECT_TRUE(DName((name + "b").c_str()).isFileSpec(DName("*a*a*a*a*b")));

    // In lockstep, case-sensitive; the final step: text used up, pattern
    // used up or only stars left.
    Case const lockstep[] = {
        { "", "*", false }, { "abc", "", false }, { "abc", "ABC", false }, { "abc", "a?c", true },
            { "abc", "abc**", true }, { "abc", "abcd", false }, { "abc", "abc*d", false },
        { "abc", "ab", true },                            // pattern used up first
    };
    for (Case const& c : lockstep)
        EXPECT_EQ(c.match, DName(c.text).Comps(DName(c.pattern))) << c.text << " " << c.pattern;
}

TEST(DName, Searches)
{
    DName p("a/b\\c");
    EXPECT_EQ(3u, p.FindFirstChar(DName("\\/")));  // set order wins over text order
    EXPECT_EQ(3u, p.FindLastChar(DName("\\/")));
    EXPECT_EQ(0u, DName().FindFirstChar('a'));
    EXPECT_EQ(2u, Raw("a\0b", 3).FindFirstChar('b'));   // past an inner NUL

    DName s("Hello World");
    unsigned pos = 99;
    EXPECT_FALSE(s.FindSub(DName("world"), &pos));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(s.FindSubi(DName("WORLD"), &pos));
    EXPECT_EQ(6u, pos);
    pos = 99;
    EXPECT_FALSE(s.FindSub(DName("Hello World!"), &pos));  // longer: pos untouched
    EXPECT_EQ(99u, pos);
    EXPECT_TRUE(s.FindSub(DName(), &pos) && DName().FindSub(DName()));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(DName("aab").FindSub(DName("ab"), &pos));
    EXPECT_EQ(1u, pos);

    int at = -7;
    EXPECT_EQ(-1, DName().GetNumber(0, &at));
    EXPECT_EQ(-7, at);
    EXPECT_EQ(2, DName("a1b2").GetNumber(5, &at));       // the text ends inside a run
    EXPECT_EQ(3, at);
    EXPECT_EQ(-1, DName("a1b2c").GetNumber(5, &at));
}

TEST(DName, InsertsAndAppendsKeepExactSizesWithNulBytes)
{
    DName const raw = Raw("a\0b", 3);
    EXPECT_EQ(std::string("1:\0\0a\0b", 7), EDIT(raw, InsertLeft('\0', 2)));
    EXPECT_EQ(std::string("1:ax\0b", 6), EDIT(raw, InsertPos('x', 1)));
    EXPECT_EQ(std::string("1:a\0b", 5), EDIT(raw, InsertLeft('z', 0)));
    EXPECT_EQ(std::string("0:a\0b", 5), EDIT(raw, InsertRight('z', 0)));
    EXPECT_EQ(std::string("1:\0", 3), EDIT("", InsertLeft('\0', 1)));  // two-byte index strings start so

    EXPECT_EQ("0:ab", EDIT("ab", Attach(DName())));
    EXPECT_EQ(std::string("1:ab\0c", 6), EDIT("ab", Attach(Raw("\0c", 2))));  // byte-exact
    EXPECT_EQ(std::string("1:a\0ba\0b", 8), EDIT(raw, Attach(s)));             // itself
    EXPECT_EQ("0:12", EDIT("12", AttachPos(DName(), 0)));

    DName n;
    n += 0;
    n += 'c';
    n += static_cast<char const*>(nullptr);
    n += 10000000000ull;
    n += -1;
    EXPECT_EQ("0c100000000004294967295", Bytes(n));
    DName const base = Raw("x\0y", 3);
    EXPECT_EQ("x1", Bytes(base + 1));         // the text up to its NUL
    EXPECT_EQ("xab", Bytes(base + DName("ab")));
    EXPECT_EQ(3u, base.Size());                // operands untouched
}

TEST(DName, SlashesAndJoins)
{
    EXPECT_EQ("1:\\", EDIT("", AttachSlash()));
    EXPECT_EQ("1:a/b\\/", EDIT("a/b\\", AttachSlash()));  // any '/' chooses '/'

    EXPECT_EQ("D:\\dir/file", Bytes(DName("D:\\dir").AddFile(DName("/file"))));
    EXPECT_EQ("D:\\dir", Bytes(DName("D:\\dir").AddFile(DName())));
    DName s("D:\\dir");
    EXPECT_EQ("D:\\dir\\D:\\dir", Bytes(s.AddFile(s)));

    DName const home("D:\\base");
    EXPECT_EQ("D:\\base\\sub\\file", Bytes(DName("sub\\file").AddHome(home)));
    EXPECT_EQ("D:\\base", Bytes(DName().AddHome(home)));
    // A "/" path not starting with "/" is rooted with one; a drive path never.
    EXPECT_EQ("/base/x/sub", Bytes(DName("sub").AddHome(DName("base/x"))));
    EXPECT_EQ("/root/sub", Bytes(DName("sub").AddHome(DName("/root"))));
    EXPECT_EQ("D:/base/sub", Bytes(DName("sub").AddHome(DName("D:/base"))));
}

TEST(DName, PathElements)
{
    EXPECT_EQ("1:dir", EDIT(".\\dir\\.", ChopPath(true)));
    EXPECT_EQ("1:", EDIT("/./", ChopPath(true)));
    EXPECT_EQ("1:C:", EDIT("C:\\", ChopPath()));

    DName out("old");
    EXPECT_EQ("1:dir\\file", EDIT("D:\\dir\\file", RemIndexDir(out)));
    EXPECT_STREQ("D:", out.Name());
    EXPECT_EQ("1:dir", EDIT("\\dir", RemIndexDir(out)));   // leading separator: out gets all
    EXPECT_STREQ("\\dir", out.Name());
    out = "old";
    EXPECT_EQ("1:b", EDIT("a\\b", RemIndexDir(out)));      // one-character element: out unchanged
    EXPECT_STREQ("old", out.Name());
    EXPECT_EQ("1:", EDIT("name", RemIndexDir(out)));
    EXPECT_EQ("0:", EDIT("", RemIndexDir(out)));
    EXPECT_EQ("0:dir\\", EDIT("dir\\", RemIndexDir(out)));  // nothing follows the separator
    EXPECT_EQ("1:c", EDIT("a/b\\c", RemIndexDir()));       // the backslash is looked for first
    EXPECT_EQ("1:x\\y", EDIT("C:\\x\\y", RemDrive(out)));
    EXPECT_STREQ("C:", out.Name());
    EXPECT_EQ("0:x\\y", EDIT("x\\y", RemDrive(out)));
    EXPECT_TRUE(out.isEmpty());

    EXPECT_EQ("1:file.txt", EDIT("D:\\dir\\file.txt", RemDir(out)));
    EXPECT_STREQ("D:\\dir", out.Name());
    EXPECT_EQ("1:D:\\dir", EDIT("D:\\dir.d\\file", RemExt(out)));
    EXPECT_STREQ(".d\\file", out.Name());
    EXPECT_EQ("0:", EDIT("", ExtOnly()));
    // No separator / no dot: refused, unchanged.
    EXPECT_EQ("0:file0:file0:file", EDIT("file", RemDir()) + EDIT("file", RemFilename()) +
                                        EDIT("file", RemExt()));
    EXPECT_EQ("1:", EDIT("dir\\", RemDir(out)));          // trailing separator
    EXPECT_STREQ("dir", out.Name());
    EXPECT_EQ("1:\\", EDIT("\\file", RemFilename(out)));
    EXPECT_EQ("1:", EDIT(".hidden", RemExt(out)));
    EXPECT_STREQ(".hidden", out.Name());
    out = "old";
    EXPECT_EQ("1:name", EDIT("name.", RemExt(out)));      // a final dot: out unchanged
    EXPECT_STREQ("old", out.Name());

    EXPECT_EQ(7u, DName("C:\\longdir\\x\\file.txtname").LargestPath(DName()));
    EXPECT_EQ(4u, DName("ignored\\").LargestPath(DName("ab/abcd\\")));
}

TEST(DName, NumbersAsText)
{
    EXPECT_EQ("1:log10", EDIT("log09", IncName()));
    EXPECT_EQ("0:log00", EDIT("log99", IncName()));
    EXPECT_EQ("1:12a200x", EDIT("12a199x", IncName()));    // only the last run counts
    EXPECT_EQ("1:file70001", EDIT("file7", IncName()));

    EXPECT_EQ("1:0018446744073709551615", EDIT("x", FromLong64(18446744073709551615ull, 22)));
    EXPECT_EQ("1:002.500000", EDIT("x", FromDouble(2.5, 10)));
    EXPECT_EQ(310u, EDIT("x", FromDouble(1e300, 0)).size());   // 301 digits and six decimals

    EXPECT_EQ(1234ul, DName("a1b2c34").ToLong());
    EXPECT_EQ(705032704ul, DName("5000000000").ToLong());   // modulo 2^32
    EXPECT_EQ(705032704u, DName("5000000000").ToWord());
    EXPECT_EQ(5000000000ull, DName("5,000,000,000").ToLong64());
    EXPECT_EQ(0ull, DName("18446744073709551616").ToLong64()); // modulo 2^64
    EXPECT_EQ(0ul, DName("12").ToDecimal(2) + DName("1.5").ToDecimal(0));
    EXPECT_EQ(5ul, DName("12.5").ToDecimal(2));
    EXPECT_EQ(23ul, DName("1.2a3").ToDecimal(3));       // non-digits skipped
    EXPECT_DOUBLE_EQ(8.0, DName("8.").ToDouble(2));
    EXPECT_DOUBLE_EQ(4.0, DName("4.75").ToDouble(0));

    EXPECT_EQ("a,bcd", Bytes(DName("abcd").FormatNumber()));
    EXPECT_TRUE(DName().FormatNumber().isEmpty());
    EXPECT_EQ("4,294,967,295", Bytes(DName::FormatNumber(-1L)));
    EXPECT_EQ("18,446,744,073,709,551,615", Bytes(DName::FormatNumber(18446744073709551615ull)));
}

TEST(DName, Radix)
{
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    DName const bytes = Raw(all, 256);
    // Digits per byte: the fewest whose range holds 256, at the bases where
    // that count changes.
    struct { unsigned long base; unsigned width; } const bases[] = {
        {2, 8}, {3, 6}, {4, 4}, {6, 4}, {7, 3}, {15, 3}, {16, 2}, {36, 2}};
    for (auto const& b : bases) {
        SCOPED_TRACE(b.base);
        DName const digits = bytes.ToRadix(b.base);
        ASSERT_EQ(256u * b.width, digits.Size());
        for (unsigned i = 0; i < digits.Size(); ++i) {
            char const c = digits[i];
            ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'));
            ASSERT_LT(unsigned(c <= '9' ? c - '0' : c - 'A' + 10), b.base);
        }
        EXPECT_EQ(Bytes(bytes), Bytes(digits.FromRadix(b.base)));
        DName lower(digits);
        lower.lowc();
        EXPECT_EQ(Bytes(bytes), Bytes(DName::FromRadix(b.base, lower)));
    }

    EXPECT_EQ("AB", Bytes(DName("4142F").FromRadix(16)));  // incomplete group dropped
    EXPECT_TRUE(DName("4").FromRadix(16).isEmpty());
    EXPECT_EQ(std::string("\0\x0A", 2), Bytes(DName("000A").FromRadix(16)));
    // Outside 2..36 the text is returned unchanged, NULs included.
    DName const raw = Raw("x\0y", 3);
    EXPECT_EQ(Bytes(raw), Bytes(raw.ToRadix(1)));
    EXPECT_EQ(Bytes(raw), Bytes(raw.FromRadix(37)));
    // Malformed digits: above the base clamps to base-1, equal to it is used.
    EXPECT_EQ("\xF0", Bytes(DName("Z0").FromRadix(16)));
    EXPECT_EQ(std::string(1, '\0'), Bytes(DName("G0").FromRadix(16)));  // 16*16 cut to 8 bits
    EXPECT_EQ("\x10", Bytes(DName("0G").FromRadix(16)));
    EXPECT_EQ("\xFF", Bytes(DName("\xFF\xFF").FromRadix(16)));
}

TEST(DName, KeyedXor)
{
    DName const key("k3y");
    DName const text = Raw("plain\0text", 10);
    DName work(text);
    unsigned pos = 0;
    EXPECT_TRUE(work.det(key, pos));
    EXPECT_EQ(1u, pos);                             // wrapped three times
    EXPECT_EQ(char('i' ^ 'k'), work[3]);           // the key restarted at position 3
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
    EXPECT_EQ("1:same", EDIT("same", det(DName(), keep)));   // empty key: XOR with NUL

    EXPECT_EQ("0:secret", EDIT("secret", Code(nullptr)));
    EXPECT_EQ("1:secret", EDIT("secret", Code("")));
    EXPECT_EQ(std::string("1:") + char('s' ^ 'a') + char('e' ^ 'b') + char('c' ^ 'a'),
              EDIT("secret", Code("ab")).substr(0, 5));
    char buf[2] = { 'h', 'e' };
    unsigned p3 = 2;
    EXPECT_FALSE(DName::detp(nullptr, 2, "k3y", p3));
    EXPECT_TRUE(DName::detp(buf, 2, "k3y", p3));
    EXPECT_EQ(char('h' ^ 'y'), buf[0]);            // started at key position 2
    EXPECT_EQ(char('e' ^ 'k'), buf[1]);
}
