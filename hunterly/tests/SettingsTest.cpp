// Settings across sessions: what the window and every page hold at exit
// comes back at the next start when "Remember Settings" is on, and the
// defaults come back when it is off; the switches of the window and the
// display style are kept either way.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "TempFolder.h"
#include "TestTime.h"

#include <commctrl.h>

namespace {

class SettingsTest : public MainWindowFixture
{
protected:
    static std::vector<std::string> Of(Container<DName> const& list)
    {
        std::vector<std::string> texts;
        for (unsigned i = 0; i < list.Size(); ++i)
            texts.push_back(list[i].Name());
        return texts;
    }

    std::string Tab(unsigned index) const
    {
        return window->GetSheet().GetTabControl().GetText(index).Name();
    }

    // Every page's criterion set, as the pages would set them; the
    // references of the dates to the whole second, as the page shows them.
    void SetEveryPage(MainWindow& main) const
    {
        DirectoryListingSpec& c = main.GetCriteria();
        c.names.InsertRight(DName("*.txt"));
        c.names.InsertRight(DName("read?e.*"));
        c.folders.InsertRight(DName(tree.Dir().c_str()));
        c.attributeMode = DirectoryListingSpec::AttributeAny;
        c.attributeMask = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
        c.sizeMode = DirectoryListingSpec::SizeRange;
        c.sizeValue = 10;
        c.sizeUpper = 5000;
        c.writtenMode = DirectoryListingSpec::PassGreater;
        c.written = written;
        c.containingMode = 2;
        c.containing = DName("alpha \"beta gamma\"");
        main.GetFlags().searchSubfolders = false;
    }

    void ExpectEveryPage(MainWindow& main) const
    {
        DirectoryListingSpec const& c = main.GetCriteria();
        EXPECT_EQ((std::vector<std::string>{"*.txt", "read?e.*"}), Of(c.names));
        EXPECT_EQ(std::vector<std::string>{tree.Dir()}, Of(c.folders));
        EXPECT_EQ(DirectoryListingSpec::AttributeAny, c.attributeMode);
        EXPECT_EQ(static_cast<unsigned>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE),
                  c.attributeMask);
        EXPECT_EQ(DirectoryListingSpec::SizeRange, c.sizeMode);
        EXPECT_EQ(10u, c.sizeValue);
        EXPECT_EQ(5000u, c.sizeUpper);
        EXPECT_EQ(DirectoryListingSpec::PassGreater, c.writtenMode);
        EXPECT_EQ(0, CompareFileTime(&written, &c.written));
        EXPECT_EQ(2, c.containingMode);
        EXPECT_STREQ("alpha \"beta gamma\"", c.containing.Name());
        EXPECT_FALSE(main.GetFlags().searchSubfolders);
    }

    TempFolder tree;
    FILETIME const written = TestTime::Utc(2021, 6, 15, 14, 30, 5);
};

TEST_F(SettingsTest, RememberedSettingsOfEveryPageComeBack)
{
    ASSERT_TRUE(tree.isMade());
    MainWindow& first = Start();
    SetEveryPage(first);
    Command(IDM_OPTIMIZE);
    Command(IDM_SMALLICONS);
    first.GetSheet().SetActivePage(MainWindow::DatesPage);
    Command(IDM_EXIT);

    MainWindow& second = Start();
    ExpectEveryPage(second);
    EXPECT_TRUE(second.GetFlags().rememberSettings && second.GetFlags().optimizeForSpeed);
    EXPECT_EQ(MainWindow::DatesPage, Shown());
    EXPECT_TRUE(Checked(IDM_REMEMBER) && Checked(IDM_OPTIMIZE) && Checked(IDM_SMALLICONS));
    EXPECT_FALSE(Visible(IDC_PROGRESS));
    // The pages were shown once at the start: each criterion in use is
    // marked on its tab.
    for (unsigned page = 0; page < MainWindow::OptionPages; ++page) {
        if (page != MainWindow::DatesPage) {
            EXPECT_EQ('*', Tab(page).back()) << Tab(page);
        }
    }

    // A third session finds the same: nothing was lost by reading it.
    Command(IDM_EXIT);
    ExpectEveryPage(Start());
}

TEST_F(SettingsTest, WithoutRememberSettingsTheNextStartHasTheDefaults)
{
    ASSERT_TRUE(tree.isMade());
    MainWindow& first = Start();
    SetEveryPage(first);
    first.GetFlags().entireDrive = true;
    Command(IDM_LIST);
    first.GetSheet().SetActivePage(MainWindow::ContainingPage);
    Command(IDM_REMEMBER);
    Command(IDM_EXIT);
    EXPECT_EQ(static_cast<unsigned long>(MainWindow::ContainingPage),
              Stored(SharedFlags::Key, "Active"));

    MainWindow& second = Start();
    EXPECT_TRUE(isNothingSought(second.GetCriteria()));
    EXPECT_TRUE(second.GetFlags().searchSubfolders);
    EXPECT_FALSE(second.GetFlags().entireDrive || second.GetFlags().searchAllDrives);
    // The switch itself and the display style are kept; the page is not.
    EXPECT_FALSE(second.GetFlags().rememberSettings || Checked(IDM_REMEMBER));
    EXPECT_TRUE(Checked(IDM_LIST));
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    for (unsigned page = 0; page < second.GetSheet().GetPageCount(); ++page)
        EXPECT_EQ(std::string::npos, Tab(page).find('*')) << Tab(page);

    // Turned on again, this session's settings are kept for the next.
    SetEveryPage(second);
    Command(IDM_REMEMBER);
    Command(IDM_EXIT);
    ExpectEveryPage(Start());
}

TEST_F(SettingsTest, StoredPageOutsideTheSheetShowsTheFirst)
{
    for (unsigned long stored : {7ul, 0xFFFFFFFFul}) {
        Put(SharedFlags::Key, "Active", stored);
        Start();
        EXPECT_EQ(MainWindow::FileNamesPage, Shown()) << stored;
        window.reset();
    }
}

}
