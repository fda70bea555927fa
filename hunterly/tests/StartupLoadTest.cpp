// A stored results file or a profile given first on the command line is
// loaded at start: what is loaded, where the window ends, and the boxes and
// texts of damaged files.
#include <string>

#include "FileOper.h"
#include "MainWindowFixture.h"
#include "StoredFormats.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

class StartupLoadTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(TempFolder::Put(temp.Path("one.txt"), "one"));
        ASSERT_TRUE(TempFolder::Put(temp.Path("two.txt"), "second"));
        // A stored list of the two files, and criteria for "*.txt" below the folder.
        DFileLoad list;
        list.InsertRight(DFile(DName(temp.Path("one.txt").c_str())));
        list.InsertRight(DFile(DName(temp.Path("two.txt").c_str())));
        unsigned long const magics[] = {StoredFormats::StoredResultsMagic,
                                        StoredFormats::ProfileMagic};
        FileOper f;
        ASSERT_TRUE(f.Create(stored.c_str()) && f.Write(&magics[0], 4) && list.Write(f));
        DirectoryListingSpec const criteria(DName("*.txt"), DName(temp.Dir().c_str()));
        ASSERT_TRUE(f.Create(profile.c_str()) && f.Write(&magics[1], 4) && criteria.Write(f));
    }

    // The file cut to its first bytes.
    std::string Cut(std::string const& path, size_t keep, char const* name) const
    {
        std::string const cut = temp.Path(name);
        EXPECT_TRUE(TempFolder::Put(cut, TempFolder::Get(path).substr(0, keep)));
        return cut;
    }

    DFileLoad& Results() const { return window->GetResultsPage().GetResults(); }

    TempFolder temp;
    std::string const stored = temp.Path("found.hur");
    std::string const profile = temp.Path("search.hup");
};

TEST_F(StartupLoadTest, StoredResultsAreRestoredOntoTheResultsPage)
{
    MainWindow& main = Start({stored});
    EXPECT_EQ("Results restored from file.", Status());
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(2u, Results().Size());
    EXPECT_EQ(6ull, Results()[1].GetFileSize64());
    // Loading results is not a search.
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    // Each entry is a row of the list.
    HWND const list = GetDlgItem(main.GetResultsPage().GetWnd(), IDC_RESULTLIST);
    ASSERT_EQ(2, ListView_GetItemCount(list));
    char name[MAX_PATH] = "";
    ListView_GetItemText(list, 1, 0, name, sizeof name);
    EXPECT_STREQ("two.txt", name);

    // Only the first loadable file is loaded.
    Start({stored, profile});
    EXPECT_EQ("Only one stored results file could be loaded.", Status());
    EXPECT_EQ(2u, Results().Size());
    EXPECT_TRUE(isNothingSought(window->GetCriteria()));
    Start({profile, stored});
    EXPECT_EQ("Only one profile could be loaded.", Status());
    EXPECT_EQ(1u, window->GetCriteria().folders.Size());
    EXPECT_TRUE(Results().isEmpty());
}

TEST_F(StartupLoadTest, ProfileBecomesTheCriteriaOfEveryPage)
{
    // Shown at start by the stored settings, left for the file names.
    Put(SharedFlags::Key, "Active", MainWindow::ContainingPage);
    DirectoryListingSpec const& criteria = Start({profile}).GetCriteria();
    EXPECT_EQ("Profile was loaded successfully.", Status());
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    ASSERT_EQ(1u, criteria.folders.Size());
    EXPECT_STREQ(temp.Dir().c_str(), criteria.folders[0].Name());
    ASSERT_EQ(1u, criteria.names.Size());
    EXPECT_STREQ("*.txt", criteria.names[0].Name());
    EXPECT_TRUE(boxes.empty());

    // A damaged profile is reported on the status line alone.
    Start({Cut(profile, TempFolder::Get(profile).size() - 1, "short.hup")});
    EXPECT_EQ("Could not read profile.", Status());
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupLoadTest, DamagedStoredResultsAreReportedNotRestored)
{
    // The magic alone, the count without its records, a record cut short.
    size_t const keeps[] = {4, 8, TempFolder::Get(stored).size() - 1};
    for (size_t keep : keeps) {
        SCOPED_TRACE(keep);
        boxes.clear();
        std::string const damaged = Cut(stored, keep, "damaged.hur");
        Start({damaged});
        EXPECT_EQ("Was unable to load stored results.", Status());
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Invalid Results", boxes[0].caption);
        EXPECT_EQ("Could not open stored results or it was invalid \"" + damaged + "\".",
                  boxes[0].text);
        EXPECT_NE(MainWindow::ResultsPage, Shown());
        // Nothing of a damaged file is listed.
        EXPECT_TRUE(Results().isEmpty());
    }
}

TEST_F(StartupLoadTest, LoadingByNameChecksTheKind)
{
    // The same loads serve the file commands, which may be given anything.
    MainWindow& main = Start();
    EXPECT_FALSE(main.GetFileCommands().LoadStoredResults(DName(profile.c_str())));
    EXPECT_EQ("Was unable to load stored results.", Status());
    EXPECT_FALSE(main.GetFileCommands().LoadProfile(DName(stored.c_str())));
    EXPECT_EQ("Was unable to load specified profile.", Status());
    EXPECT_FALSE(main.GetFileCommands().LoadProfile(DName(temp.Path("missing.hup").c_str())));
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ("Invalid Profile", boxes[2].caption);
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    EXPECT_TRUE(Results().isEmpty());
}

}
