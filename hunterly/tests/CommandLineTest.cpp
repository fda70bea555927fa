// The command line: how it splits into words, how files are recognised by
// their first bytes, and how arguments become a new search.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "DirectoryListingSpec.h"
#include "StoredFormats.h"
#include "TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

Strings Words(char const* text)
{
    CommandLine line(text);
    Strings words;
    for (unsigned i = 0; i <= line.GetCount(); ++i)
        words.push_back(line.GetWord(i).Name());
    return words;    // an empty word past the last
}

Strings Entries(Container<DName> const& list)
{
    Strings entries;
    for (DName const* e = list.First(); e; e = e->next)
        entries.push_back(e->Name());
    return entries;
}

TEST(CommandLine, SplitsIntoWordsAndPaths)
{
    EXPECT_EQ((Strings{"C:\\Program Files\\hunterly.exe", "a.hur", "b c.hup", "d", ""}),
              Words("\"C:\\Program Files\\hunterly.exe\" a.hur \"b c.hup\" d"));
    // A program path without quotes is a word of its own.
    EXPECT_EQ((Strings{"C:\\x\\hunterly.exe", "one", ""}), Words("C:\\x\\hunterly.exe one"));
    // Runs of blanks and empty quotes make no empty words.
    EXPECT_EQ((Strings{"p", "a", "b", ""}), Words("p   a  \"\" b "));
    EXPECT_EQ((Strings{"p", "x", ""}), Words("\"p\"\"x\""));
    // A quote that is never closed runs to the end.
    EXPECT_EQ((Strings{"p", "open ended", ""}), Words("p \"open ended"));
    EXPECT_EQ(Strings{""}, Words("   "));

    struct { char const* path; char const* folder; char const* name; } const cases[] = {
        {"C:\\dir\\f.txt", "C:\\dir", "f.txt"}, {"C:\\f.txt", "C:\\", "f.txt"},
        {"/tmp/x", "/tmp", "x"}, {"f.txt", "", "f.txt"},
    };
    for (auto const& c : cases) {
        DName folder("stale"), name("stale");
        CommandLine::SplitPath(c.path, folder, name);
        EXPECT_STREQ(c.folder, folder.Name()) << c.path;
        EXPECT_STREQ(c.name, name.Name()) << c.path;
    }
}

class CommandLineFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TempFolder::Put(Path("stored.hur"), std::string("\x12\x90\x18\x23rest", 8)));
        ASSERT_TRUE(TempFolder::Put(Path("saved.hup"), std::string("\x17\x82\x02\x91rest", 8)));
        ASSERT_TRUE(TempFolder::Put(Path("text.txt"), "plain text"));
        ASSERT_TRUE(TempFolder::Put(Path("short.hur"), std::string("\x12\x90", 2)));
        ASSERT_TRUE(CreateDirectoryA(Path("sub").c_str(), nullptr));
        ASSERT_TRUE(TempFolder::Put(Path("sub\\b.txt"), "b"));
        ASSERT_TRUE(TempFolder::Put(Path("sub\\c.txt"), "c"));
    }

    std::string Path(char const* name) const { return temp.Path(name); }

    static CommandLine Line(Strings const& arguments)
    {
        std::string text = "\"C:\\hunterly\\hunterly.exe\"";
        for (std::string const& argument : arguments)
            text += " \"" + argument + "\"";
        return CommandLine(text.c_str());
    }

    TempFolder temp;
};

TEST_F(CommandLineFiles, RecognisesFilesByTheirFirstBytes)
{
    EXPECT_EQ(StoredFormats::StoredResults, StoredFormats::GetKind(Path("stored.hur").c_str()));
    EXPECT_EQ(StoredFormats::Profile, StoredFormats::GetKind(Path("saved.hup").c_str()));
    for (char const* other : {"text.txt", "short.hur", "missing.hur", "sub"})
        EXPECT_EQ(StoredFormats::Other, StoredFormats::GetKind(Path(other).c_str())) << other;
    EXPECT_EQ(StoredFormats::Other, StoredFormats::GetKind(DName()));

    EXPECT_TRUE(Line({Path("stored.hur"), Path("saved.hup")}).isLoadable());
    EXPECT_FALSE(Line({Path("saved.hup"), Path("text.txt")}).isLoadable());
    EXPECT_FALSE(Line({}).isLoadable());
}

TEST_F(CommandLineFiles, FoldersAndFilesBecomeANewSearch)
{
    DirectoryListingSpec criteria("old.txt", "C:\\old");
    std::string const missing = Path("not here");
    EXPECT_EQ(unsigned(CommandLine::SeenFiles | CommandLine::SeenFolders),
              Line({Path("sub"), Path("sub"), missing, Path("text.txt"), Path("sub\\b.txt"),
                    Path("sub\\c.txt")})
                  .MakeSearch(criteria));
    // Each folder once, whether given itself or as a file's folder; a path
    // that names nothing counts as a folder.
    EXPECT_EQ((Strings{Path("sub"), missing, temp.Dir()}), Entries(criteria.folders));
    EXPECT_EQ((Strings{"text.txt", "b.txt", "c.txt"}), Entries(criteria.names));

    EXPECT_EQ(unsigned(CommandLine::SeenFiles),
              Line({Path("sub\\b.txt"), Path("sub\\c.txt")}).MakeSearch(criteria));
    EXPECT_EQ((Strings{Path("sub")}), Entries(criteria.folders));
    EXPECT_EQ((Strings{"b.txt", "c.txt"}), Entries(criteria.names));

    EXPECT_EQ(unsigned(CommandLine::SeenFolders), Line({Path("sub")}).MakeSearch(criteria));
    EXPECT_TRUE(criteria.names.isEmpty());
}

}
