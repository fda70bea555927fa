// Cutting the containing text into phrases, and the fast scan against the
// plain comparison at every position.
#include "PhraseSearch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

DName Bytes(std::string const& s)
{
    DName n;
    n.Namen(s.data(), unsigned(s.size()));
    return n;
}

// The phrases, each in brackets, and the mode after preparation.
std::string Cut(std::string const& text, unsigned char& mode)
{
    Container<DName> phrases;
    EXPECT_TRUE(PhraseSearch::Prepare(Bytes(text), mode, phrases));
    std::string out;
    for (DName const* p = phrases.First(); p; p = p->next)
        out += "[" + std::string(p->Name(), p->Size()) + "]";
    return out;
}

TEST(PhraseSearch, CutsAtBlanksAndQuotes)
{
    struct
    {
        char const* text;
        unsigned char mode;
        char const* phrases;
        unsigned char after;
    } const cases[] = {
        {"alpha beta", 2, "[alpha][beta]", 2},
        {"\"alpha beta\" gamma", 2, "[alpha beta][gamma]", 2},
        {"alpha  beta", 4, "[alpha][beta]", 4},
        {"alpha beta ", 12, "[alpha][beta]", 12},
        {"a \"\" b", 2, "[a][][b]", 2},            // a closed quote keeps an empty phrase
        {"a \"b c", 2, "[a][b c]", 2},             // an unclosed one counts after another
        // Fewer than two phrases: whole-text mode with the phrase cut, or
        // the whole text when none was cut; ignore capitals stays.
        {"\"alpha beta\"", 2, "[alpha beta]", 1},
        {"alpha ", 10, "[alpha]", 9},
        {"alpha", 4, "[alpha]", 1},
        {"   ", 2, "[   ]", 1},
        // The whole text as it stands, blanks and quotes included.
        {" \"x y\" ", 1, "[ \"x y\" ]", 1},
        {"x y", 9, "[x y]", 9},
        {"x y", 8, "[x y]", 8},
        // No text, no test, whatever the mode.
        {"", 2, "", 0},
        {"", 1, "", 0},
        {"abc", 0, "", 0},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.text);
        unsigned char mode = c.mode;
        EXPECT_EQ(c.phrases, Cut(c.text, mode));
        EXPECT_EQ(c.after, mode);
    }
}

TEST(PhraseSearch, NumericBytesAreCutLikeText)
{
    // 0x20 and 0x22 in typed byte values cut like a blank and a quote;
    // 0x00 is an ordinary byte.
    unsigned char mode = 2;
    EXPECT_EQ(std::string("[\x01][\x02\x00\x03][\x04]", 11),
              Cut(std::string("\x01\x20\x02\x00\x03\x22\x04\x22", 8), mode));
    EXPECT_EQ(2, mode);
}

bool Reference(std::string const& buffer, std::string const& phrase,
               bool ignoreCase)
{
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    for (size_t p = 0; p + phrase.size() <= buffer.size(); ++p) {
        size_t k = 0;
        while (k < phrase.size() &&
               (ignoreCase ? fold(buffer[p + k]) == fold(phrase[k])
                           : buffer[p + k] == phrase[k]))
            ++k;
        if (k == phrase.size())
            return true;
    }
    return false;
}

TEST(PhraseSearch, ScanAgreesWithPlainComparison)
{
    // Few distinct bytes, both cases of letters, NUL and high bytes, so
    // that near misses and hits are common.
    char const alphabet[] = "aAbB\0\xe1\xc1 ";
    srand(11);
    unsigned hits = 0;
    for (unsigned round = 0; round < 20000; ++round) {
        std::string buffer(rand() % 40, ' ');
        for (char& c : buffer)
            c = alphabet[rand() % 8];
        std::string phrase(rand() % 5, ' ');
        for (char& c : phrase)
            c = alphabet[rand() % 8];
        bool const ignoreCase = rand() % 2;
        bool const expected = !buffer.empty() && Reference(buffer, phrase, ignoreCase);
        hits += expected;
        ASSERT_EQ(expected, PhraseSearch::isIn(buffer.data(), unsigned(buffer.size()),
                                               Bytes(phrase), ignoreCase))
            << "buffer '" << buffer << "' phrase '" << phrase << "' " << ignoreCase;
    }
    // Both outcomes were exercised.
    EXPECT_GT(hits, 2000u);
    EXPECT_LT(hits, 18000u);
}

TEST(PhraseSearch, EveryPlaceOfALongBufferInBothCases)
{
    std::string const phrase = "Zeppelin";
    for (unsigned at = 0; at + phrase.size() <= 70; ++at) {
        SCOPED_TRACE(at);
        std::string buffer(70, '.');
        buffer.replace(at, 8, "zEPPELIN");
        EXPECT_TRUE(PhraseSearch::isIn(buffer.data(), 70, Bytes(phrase), true));
        EXPECT_FALSE(PhraseSearch::isIn(buffer.data(), 70, Bytes(phrase), false));
        buffer.replace(at, 8, phrase);
        EXPECT_TRUE(PhraseSearch::isIn(buffer.data(), 70, Bytes(phrase), false));
        // First and last in place, the middle not.
        buffer.replace(at, 8, "ZeppeliN");
        EXPECT_FALSE(PhraseSearch::isIn(buffer.data(), 70, Bytes(phrase), false));
        buffer.replace(at, 8, "Zepp-lin");
        EXPECT_FALSE(PhraseSearch::isIn(buffer.data(), 70, Bytes(phrase), true));
    }
}

TEST(PhraseSearch, EdgesOfTheBuffer)
{
    std::string const b = "xyzABC";
    EXPECT_TRUE(PhraseSearch::isIn(b.data(), 6, Bytes("xyzABC"), false));
    EXPECT_TRUE(PhraseSearch::isIn(b.data(), 6, Bytes("ABC"), false));
    EXPECT_FALSE(PhraseSearch::isIn(b.data(), 5, Bytes("ABC"), false));
    EXPECT_TRUE(PhraseSearch::isIn(b.data(), 6, Bytes("abc"), true));
    EXPECT_FALSE(PhraseSearch::isIn(b.data(), 6, Bytes("abc"), false));
    EXPECT_FALSE(PhraseSearch::isIn(b.data(), 6, Bytes("xyzABCD"), false));
    EXPECT_TRUE(PhraseSearch::isIn(b.data(), 1, DName(), false));
    EXPECT_FALSE(PhraseSearch::isIn(b.data(), 0, DName(), false));
}

}  // namespace
