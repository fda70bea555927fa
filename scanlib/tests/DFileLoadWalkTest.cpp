// The walk over real trees: order, totals, starting folders, criteria,
// stopping, link cycles, and walks and readers on other threads.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "FileOper.h"
#include "TestTime.h"
#include "WalkTree.h"

namespace {

using Paths = std::set<std::string>;

class Walk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // a.txt 5, b.dat 7, sub1\c.txt 3, sub1\deep\d.txt 11, sub2\e.txt 13
        ASSERT_TRUE(tree_.File("a.txt", "12345"));
        ASSERT_TRUE(tree_.File("b.dat", "1234567"));
        ASSERT_TRUE(tree_.Folder("sub1"));
        ASSERT_TRUE(tree_.Folder("sub2"));
        ASSERT_TRUE(tree_.Folder("sub1\\deep"));
        ASSERT_TRUE(tree_.File("sub1\\c.txt", "123"));
        ASSERT_TRUE(tree_.File("sub1\\deep\\d.txt", "12345678901"));
        ASSERT_TRUE(tree_.File("sub2\\e.txt", "1234567890123"));
    }

    WalkTree tree_;
    DFileLoad load_;
};

unsigned Depth(std::string const& p)
{
    unsigned n = 0;
    for (char c : p)
        n += c == '\\';
    return n;
}

TEST_F(Walk, BreadthFirstWithTotals)
{
    ASSERT_TRUE(load_.LoadAllDirListings(tree_.Criteria(), true));
    std::vector<std::string> const found = tree_.Found(load_);
    EXPECT_EQ((Paths{"a.txt", "b.dat", "sub1", "sub2", "sub1\\c.txt", "sub1\\deep",
                     "sub2\\e.txt", "sub1\\deep\\d.txt"}),
              tree_.FoundSet(load_));
    // Breadth-first: a folder's entries all come before deeper ones.
    for (size_t i = 1; i < found.size(); ++i)
        EXPECT_LE(Depth(found[i - 1]), Depth(found[i])) << found[i];
    EXPECT_EQ(8u, load_.GetTotalSearched());
    EXPECT_EQ(4u, load_.GetTotalSearchDirs());    // the start and three met
    EXPECT_EQ(5u, load_.GetTotalSearchFiles());
    EXPECT_EQ(39u, load_.GetTotalSearchedSize());
    EXPECT_FALSE(load_.isOpen());

    // Matches are appended to what the list holds; names narrow them.
    ASSERT_TRUE(load_.LoadAllDirListings(tree_.Criteria("*.txt"), true));
    EXPECT_EQ(12u, load_.Size());
    EXPECT_EQ(8u, load_.GetTotalSearched());
    EXPECT_EQ(4u, load_.GetTotalMatches());
    EXPECT_EQ(32u, load_.GetTotalMatchesSize());
}

TEST_F(Walk, NamesAndStartingFolders)
{
    // Without sub-folders the folders are still met; "*.*" among other
    // names stands for every name; no names as well.
    DirectoryListingSpec search = tree_.Criteria("*.txt");
    search.names.InsertRight(DName("*.*"));
    ASSERT_TRUE(load_.LoadDirListing(search));
    EXPECT_EQ((Paths{"a.txt", "b.dat", "sub1", "sub2"}), tree_.FoundSet(load_));
    EXPECT_EQ(3u, load_.GetTotalSearchDirs());
    EXPECT_EQ(2u, load_.GetTotalSearchFiles());
    load_.Destroy();
    search.names.Destroy();
    ASSERT_TRUE(load_.LoadDirListing(search));
    EXPECT_EQ(4u, load_.Size());
    load_.Destroy();

    // A folder given twice, in other capitals, is walked once; one inside
    // another is reached through it; a sibling that merely starts alike
    // is no nested folder. A missing folder is skipped.
    ASSERT_TRUE(tree_.Folder("sub1x"));
    ASSERT_TRUE(tree_.File("sub1x\\f.txt"));
    DirectoryListingSpec starts(DName("*.txt"), DName((tree_.Dir() + "\\sub1").c_str()));
    for (char const* f : {"\\sub1x", "\\SUB1", "\\sub1\\deep", "\\missing"})
        starts.folders.InsertRight(DName((tree_.Dir() + f).c_str()));
    // Without sub-folders each starting folder is listed on its own.
    for (bool sub : {true, false}) {
        DFileLoad load;
        ASSERT_TRUE(load.LoadAllDirListings(starts, sub));
        EXPECT_EQ(3u, load.Size()) << sub;
        EXPECT_EQ((Paths{"sub1\\c.txt", "sub1x\\f.txt", "sub1\\deep\\d.txt"}),
                  tree_.FoundSet(load)) << sub;
    }

    // A folder given relative to the current one is walked by the full
    // path it leads to, and becomes the current one; one that leads
    // nowhere from there is skipped.
    char saved[MAX_PATH];
    ASSERT_TRUE(GetCurrentDirectoryA(MAX_PATH, saved));
    ASSERT_TRUE(SetCurrentDirectoryA(tree_.Dir().c_str()));
    DirectoryListingSpec relative(DName("*.txt"), DName("sub1"));
    relative.folders.InsertRight(DName("deep"));
    relative.folders.InsertRight(DName("missing"));
    DFileLoad load;
    bool const walked = load.LoadAllDirListings(relative, false);
    SetCurrentDirectoryA(saved);
    ASSERT_TRUE(walked);
    EXPECT_EQ((Paths{"sub1\\c.txt", "sub1\\deep\\d.txt"}), tree_.FoundSet(load));
}

// Names that are not 8.3 have a short alias (under wine every one), often
// longer than the name itself ("FAQ~~JPP.HTM"): the list, the name test,
// the stored form and the text export all keep the real names.
TEST(WalkNames, RealNamesNotTheirAliases)
{
    WalkTree tree;
    Paths const names = {"faq.html", "release.notes.txt", "1.5.0.txt", "g++-12", ".git",
                         ".git\\config"};
    ASSERT_TRUE(tree.Folder(".git"));
    for (std::string const& name : names)
        ASSERT_TRUE(name == ".git" || tree.File(name)) << name;

    DFileLoad load;
    ASSERT_TRUE(load.LoadAllDirListings(tree.Criteria(), true));
    EXPECT_EQ(names, tree.FoundSet(load));
    for (auto const& [pattern, found] : std::vector<std::pair<char const*, Paths>>{
             {"*.html", {"faq.html"}}, {"*.txt", {"release.notes.txt", "1.5.0.txt"}},
             {"g++*", {"g++-12"}}}) {
        DFileLoad matched;
        ASSERT_TRUE(matched.LoadAllDirListings(tree.Criteria(pattern), true));
        EXPECT_EQ(found, tree.FoundSet(matched)) << pattern;
    }

    // Stored and restored, and written as text.
    FileOper f;
    ASSERT_TRUE(f.Create(tree.Path("stored").c_str()) && load.Write(f));
    f.Close();
    DFileLoad back;
    ASSERT_TRUE(f.Open(tree.Path("stored").c_str(), false, false) && back.Read(f));
    f.Close();
    EXPECT_EQ(names, tree.FoundSet(back));
    ASSERT_TRUE(f.Create(tree.Path("text").c_str()) && load.TextWrite(f));
    f.Close();
    std::string const text = TempFolder::Get(tree.Path("text"));
    for (std::string const& name : names) {
        WIN32_FIND_DATAA entry;
        HANDLE const h = FindFirstFileA(tree.Path(name).c_str(), &entry);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        FindClose(h);
        EXPECT_NE(std::string::npos, text.find(entry.cFileName)) << name;
        if (entry.cAlternateFileName[0]) {
            EXPECT_EQ(std::string::npos, text.find(entry.cAlternateFileName)) << name;
        }
    }
}

TEST_F(Walk, NoFolderMeansTheRootOfTheCurrentDrive)
{
    ASSERT_TRUE(SetCurrentDirectoryA(tree_.Path("sub1").c_str()));
    DirectoryListingSpec const search("*.*");
    ASSERT_TRUE(load_.LoadDirListing(search));
    ASSERT_GT(load_.Size(), 0u);
    std::string const root = tree_.Dir().substr(0, 3);
    for (unsigned i = 0; i < load_.Size(); ++i) {
        std::string const p = load_[i].GetFullPath().Name();
        EXPECT_EQ(root, p.substr(0, 3));
        EXPECT_EQ(std::string::npos, p.find('\\', 3)) << p;
    }

    // With empty criteria: the folders there, or the files.
    DFileLoad folders, files;
    ASSERT_TRUE(folders.LoadDirSubDirs(DirectoryListingSpec(), false));
    ASSERT_TRUE(files.LoadDirFiles(DirectoryListingSpec(), false));
    EXPECT_EQ(folders.Size(), folders.GetTotalDirs(DName()));
    EXPECT_EQ(files.Size(), files.GetTotalFiles());
    EXPECT_EQ(load_.Size(), folders.Size() + files.Size());
}

TEST_F(Walk, EveryCriterionTogether)
{
    FILETIME const old = TestTime::Utc(2001, 6, 1, 12);
    FILETIME const recent = TestTime::Utc(2011, 6, 1, 12);
    auto make = [&](char const* name, size_t size, unsigned attributes,
                    FILETIME const& written, char const* text) {
        std::string bytes(size, 'x');
        bytes.replace(0, strlen(text), text);
        ASSERT_TRUE(tree_.File(name, bytes));
        HANDLE h = CreateFileA(tree_.Path(name).c_str(), GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        SetFileTime(h, nullptr, nullptr, &written);
        CloseHandle(h);
        ASSERT_TRUE(SetFileAttributesA(tree_.Path(name).c_str(), attributes));
    };
    make("sub2\\hit.log", 40, FILE_ATTRIBUTE_HIDDEN, old, "key");
    make("sub2\\small.log", 20, FILE_ATTRIBUTE_HIDDEN, old, "key");
    make("sub2\\shown.log", 40, FILE_ATTRIBUTE_ARCHIVE, old, "key");
    make("sub2\\new.log", 40, FILE_ATTRIBUTE_HIDDEN, recent, "key");
    make("sub2\\other.log", 40, FILE_ATTRIBUTE_HIDDEN, old, "lock");
    make("sub2\\hit.txt", 40, FILE_ATTRIBUTE_HIDDEN, old, "key");

    DirectoryListingSpec search = tree_.Criteria("*.log");
    search.sizeMode = 4;    // greater than 30
    search.sizeValue = 30;
    search.attributeMode = 1;
    search.attributeMask = FILE_ATTRIBUTE_HIDDEN;
    search.writtenMode = 2;    // before 2005
    search.written = TestTime::Utc(2005, 1, 1);
    search.containingMode = 1;
    search.containing = "key";
    ASSERT_TRUE(load_.LoadAllDirListings(search, true));
    EXPECT_EQ((Paths{"sub2\\hit.log"}), tree_.FoundSet(load_));
}

TEST_F(Walk, CountsWithoutStoringAndAnalyses)
{
    EXPECT_EQ(4u, load_.GetTotalDirListings(tree_.Criteria("*.txt"), true));
    EXPECT_TRUE(load_.isEmpty());

    // A file past 4 GiB counts in full in every size total.
    HANDLE h = CreateFileA(tree_.Path("sub2\\big.bin").c_str(), GENERIC_WRITE, 0,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    LARGE_INTEGER const big = {{10, 1}};
    ASSERT_TRUE(SetFilePointerEx(h, big, nullptr, FILE_BEGIN) && SetEndOfFile(h));
    CloseHandle(h);
    ASSERT_TRUE(SetFileAttributesA(tree_.Path("a.txt").c_str(),
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(9u, load_.GetTotalAnalysis(tree_.Criteria(), true));
    SetFileAttributesA(tree_.Path("a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(load_.isEmpty());
    unsigned long long const total = 39ull + big.QuadPart;
    EXPECT_EQ(total, load_.GetTotalMatchesSize());
    EXPECT_EQ(total, load_.GetTotalSearchArchiveSize());
    EXPECT_EQ(3u, load_.GetTotalSearchDirectory());
    EXPECT_EQ(1u, load_.GetTotalSearchReadOnly());
    EXPECT_EQ(5ull, load_.GetTotalSearchReadOnlySize());
    EXPECT_EQ(0u, load_.GetTotalSearchHidden());
}

// A content test reading a large file in tiny buffers keeps the walk busy
// long enough to be stopped from here.
TEST_F(Walk, StopsOnRequestFromAnotherThread)
{
    ASSERT_TRUE(tree_.File("sub1\\deep\\large.txt", std::string(16 << 20, 'x')));
    DirectoryListingSpec search = tree_.Criteria();
    search.containingMode = 1;
    search.containing = "never there";
    search.readSize = 16;
    ASSERT_TRUE(load_.InsertRight(DFile(DName("C:\\kept.txt"), 0x20, 1)));

    load_.SetAbort();    // no walk runs: nothing happens
    bool result = true;
    std::thread worker([&] { result = load_.LoadAllDirListings(search, true); });
    Sleep(200);
    load_.SetAbort();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_EQ(1u, load_.Size());    // what the list held stays

    // A stopped count reports nothing; the next walk runs to its end.
    unsigned counted = 1;
    std::thread counter([&] { counted = load_.GetTotalDirListings(search, true); });
    Sleep(200);
    load_.SetAbort();
    counter.join();
    EXPECT_EQ(0u, counted);
    EXPECT_EQ(0ull, load_.GetTotalMatchesSize());
    search.containingMode = 0;
    EXPECT_TRUE(load_.LoadAllDirListings(search, true));
    EXPECT_EQ(10u, load_.Size());
}

// A walk that reads contents lists its folders ahead on a second thread:
// it must still meet the files in the order of a walk that does not, also
// through a folder larger than what the lister may hold ready.
TEST_F(Walk, ContentWalkMeetsFilesInTheOrderOfANameWalk)
{
    for (unsigned i = 0; i < 5000; ++i)
        ASSERT_TRUE(tree_.File("sub1\\many" + std::to_string(i) + ".txt", "x"));
    auto files = [](DFileLoad const& load) {
        std::vector<std::string> paths;
        for (unsigned i = 0; i < load.Size(); ++i) {
            if (!load[i].isDir())
                paths.push_back(load[i].GetFullPath().Name());
        }
        return paths;
    };
    DirectoryListingSpec search = tree_.Criteria();
    ASSERT_TRUE(load_.LoadAllDirListings(search, true));
    search.containingMode = 1;
    search.containing = "never there";
    search.notContaining = true;
    DFileLoad read;
    ASSERT_TRUE(read.LoadAllDirListings(search, true));
    std::vector<std::string> const named = files(load_);
    ASSERT_EQ(5005u, named.size());
    EXPECT_EQ(named, files(read));
}

// Two walks at once share the process's current folder; each must list
// only its own tree.
TEST_F(Walk, TwoWalksOnTwoThreads)
{
    WalkTree other;
    ASSERT_TRUE(other.isMade());
    for (int i = 0; i < 30; ++i) {
        std::string const d = "o" + std::to_string(i);
        ASSERT_TRUE(other.Folder(d));
        ASSERT_TRUE(other.File(d + "\\x.dat"));
        ASSERT_TRUE(tree_.Folder("m" + std::to_string(i)));
        ASSERT_TRUE(tree_.File("m" + std::to_string(i) + "\\y.dat"));
    }
    DFileLoad second;
    bool a = false;
    bool b = false;
    std::thread one([&] {
        for (int r = 0; r < 3; ++r)
            a = load_.LoadAllDirListings(tree_.Criteria(), true);
    });
    std::thread two([&] {
        for (int r = 0; r < 3; ++r)
            b = second.LoadAllDirListings(other.Criteria(), true);
    });
    one.join();
    two.join();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(3 * (8u + 60u), load_.Size());
    EXPECT_EQ(3 * 60u, second.Size());
    EXPECT_EQ(0u, tree_.FoundSet(load_).count("?"));
    EXPECT_EQ(0u, other.FoundSet(second).count("?"));
}

// The window thread reads rows while the walk appends them.
TEST_F(Walk, ReadingWhileAppending)
{
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(tree_.File("sub2\\n" + std::to_string(i) + ".txt"));
    std::atomic<bool> done(false);
    unsigned bad = 0;
    unsigned reads = 0;
    std::thread reader([&] {
        std::string const root = tree_.Dir();
        while (!done) {
            unsigned const n = load_.Size();
            if (n == 0)
                continue;
            for (unsigned pos : {n - 1, n / 2, 0u}) {
                std::string const p = load_[pos].GetFullPath().Name();
                bad += p.compare(0, root.size(), root) != 0;
                ++reads;
            }
        }
    });
    bool ok = true;
    for (int r = 0; r < 5 && ok; ++r)
        ok = load_.LoadAllDirListings(tree_.Criteria(), true);
    done = true;
    reader.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(5 * 408u, load_.Size());
    EXPECT_EQ(0u, bad);
    EXPECT_GT(reads, 0u);
}

// Made on the Linux side by the test fixture: links to folders that lead
// back up the tree.
TEST(WalkLinks, LinkCyclesAreListedNotEntered)
{
    char const* root = getenv("HUNTERLY_LINK_TREE");
    if (!root)
        GTEST_SKIP() << "HUNTERLY_LINK_TREE is set by the CTest fixture";
    std::string dir = root;
    for (char& c : dir)
        c = c == '/' ? '\\' : c;
    dir += "\\tree";
    DFileLoad load;
    ASSERT_TRUE(load.LoadAllDirListings(DirectoryListingSpec(DName("*.*"), DName(dir.c_str())), true));
    std::set<std::string> found;
    for (unsigned i = 0; i < load.Size(); ++i)
        found.insert(std::string(load[i].GetFullPath().Name()).substr(dir.size() + 1));
    EXPECT_EQ((Paths{"file.txt", "sub", "self", "sub\\inner.txt", "sub\\up", "sub\\again"}),
              found);
    int const self = load.FindPos(DName((dir + "\\self").c_str()));
    ASSERT_GE(self, 0);
    EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT,
              load[self].GetAttribute() &
                  (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

TEST_F(Walk, DirectoryIterator)
{
    DirectoryListingSpec search = tree_.Criteria();
    search.folders.InsertRight(DName(tree_.Path("sub1").c_str()));
    // An index beyond the folders takes the last one.
    ASSERT_TRUE(load_.OpenDirListing(search, DName(), 7));
    EXPECT_TRUE(load_.isOpen());
    EXPECT_STREQ(tree_.Path("sub1").c_str(), load_.GetWorkPath().Name());
    Paths seen;
    do {
        seen.insert(load_.GetFoundFile().GetFileName().Name());
    } while (++load_);
    EXPECT_EQ((Paths{"c.txt", "deep"}), seen);
    --load_;
    EXPECT_FALSE(load_.isOpen());
    EXPECT_FALSE(load_.NextDirListing());

    EXPECT_FALSE(load_.isDirEmpty(search, DName(tree_.Path("sub2").c_str())));
    EXPECT_TRUE(load_.isDirEmpty(tree_.Criteria("*.dat"), DName(tree_.Path("sub2").c_str())));
    EXPECT_TRUE(load_.isDirEmpty(search, DName(tree_.Path("missing").c_str())));
    EXPECT_FALSE(load_.isOpen());
}

}  // namespace
