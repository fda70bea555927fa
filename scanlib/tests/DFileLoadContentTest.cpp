// The content test inside the walk: every mode, capitals, not containing,
// and phrases across and as long as the read buffers.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "WalkTree.h"

namespace {

using Names = std::set<std::string>;

class Content : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tree_.isMade()); }

    // The entries of the tree that contain text under mode.
    Names Matches(std::string const& text, unsigned char mode,
                  bool notContaining = false, unsigned readSize = 0)
    {
        DirectoryListingSpec criteria = tree_.Criteria();
        criteria.containing.Namen(text.data(), unsigned(text.size()));
        criteria.containingMode = mode;
        criteria.notContaining = notContaining;
        criteria.readSize = readSize;
        DFileLoad load;
        EXPECT_TRUE(load.LoadAllDirListings(criteria, true));
        return tree_.FoundSet(load);
    }

    WalkTree tree_;
};

TEST_F(Content, EveryMode)
{
    ASSERT_TRUE(tree_.File("a", "an alpha here"));
    ASSERT_TRUE(tree_.File("b", "beta"));
    ASSERT_TRUE(tree_.File("ab", "beta and then alpha"));
    ASSERT_TRUE(tree_.File("caps", "ALPHA"));
    ASSERT_TRUE(tree_.File("none", "gamma"));
    ASSERT_TRUE(tree_.File("empty", ""));
    ASSERT_TRUE(tree_.Folder("folder"));

    EXPECT_EQ((Names{"a", "ab"}), Matches("alpha", 1));
    EXPECT_EQ((Names{"a", "ab", "caps"}), Matches("alpha", 9));
    EXPECT_EQ((Names{"a", "b", "ab"}), Matches("alpha beta", 2));
    EXPECT_EQ((Names{"ab"}), Matches("alpha beta", 4));
    EXPECT_EQ((Names{"ab"}), Matches("ALPHA BETA", 12));
    EXPECT_EQ((Names{"a", "b", "ab", "caps"}), Matches("ALPHA BETA", 10));
    EXPECT_EQ((Names{"caps"}), Matches("ALPHA BETA", 2));
    // A complete text is one phrase, blanks and all.
    EXPECT_EQ((Names{}), Matches("alpha beta", 1));
    EXPECT_EQ((Names{"ab"}), Matches("then alpha", 1));
    // A quoted phrase alone is searched as the phrase.
    EXPECT_EQ((Names{"ab"}), Matches("\"then alpha\"", 2));
    // An empty phrase is in every file of one byte or more.
    EXPECT_EQ((Names{"a", "b", "ab", "caps", "none"}), Matches("\"\" zzz", 2));
    // No text: no content test at all, folders and empty files included.
    EXPECT_EQ(7u, Matches("", 1).size());

    // Not containing: files without the phrases, the empty one too; a
    // folder, which cannot be read, never.
    EXPECT_EQ((Names{"caps", "none", "empty"}), Matches("alpha beta", 2, true));
    EXPECT_EQ((Names{"a", "b", "caps", "none", "empty"}), Matches("alpha beta", 4, true));
}

TEST_F(Content, PhrasesAcrossBuffers)
{
    // A 16-byte buffer: the needle starts at every place around its end.
    for (unsigned k = 8; k < 24; ++k)
        ASSERT_TRUE(tree_.File("at" + std::to_string(k),
                               std::string(k, '.') + "needle" + std::string(20, '.')));
    ASSERT_TRUE(tree_.File("without", std::string(100, '.')));
    ASSERT_TRUE(tree_.File("split", std::string(13, '.') + "need" + "." + "le"));
    Names const found = Matches("needle", 1, false, 16);
    EXPECT_EQ(16u, found.size());
    EXPECT_EQ(0u, found.count("without") + found.count("split"));

    // Every phrase, in any buffer of the file, each once.
    ASSERT_TRUE(tree_.File("spread", "beta" + std::string(100, '.') + "alpha"));
    EXPECT_EQ((Names{"spread"}), Matches("alpha beta", 4, false, 16));

    // A phrase longer than the buffer; a whole file that is the phrase.
    EXPECT_EQ((Names{"without", "spread"}), Matches(std::string(100, '.'), 1, false, 16));
}

TEST_F(Content, PhrasesAsLongAsTheBuffer)
{
    ASSERT_TRUE(tree_.File("in", std::string(13, '.') + "abcdefgh" + std::string(40, '.')));
    ASSERT_TRUE(tree_.File("out", std::string(70, '.')));
    // The buffer grows past the phrase, so the scan always moves on.
    EXPECT_EQ((Names{"in"}), Matches("abcdefgh", 1, false, 8));
    EXPECT_EQ((Names{"in"}), Matches("cdefgh", 1, false, 4));
    EXPECT_EQ((Names{"out"}), Matches("abcdefgh", 1, true, 8));
}

TEST_F(Content, AFileThatCannotBeOpenedNeverMatches)
{
    ASSERT_TRUE(tree_.File("locked", "alpha"));
    ASSERT_TRUE(tree_.File("free", "beta"));
    HANDLE const h = CreateFileA(tree_.Path("locked").c_str(), GENERIC_READ, 0,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_EQ((Names{}), Matches("alpha", 1));
    EXPECT_EQ((Names{"free"}), Matches("alpha", 1, true));
    CloseHandle(h);
    EXPECT_EQ((Names{"locked"}), Matches("alpha", 1));
}

}  // namespace
