// The "File Names" page on the real main window: adding and refusing names
// and folders by button and by Enter, the two drive boxes and the roots
// they add and withdraw, the folder browser through its seam, the item
// lists, the tab mark, what the page stores and finds again, and a search
// over what the page shows.
#include <algorithm>
#include <string>
#include <vector>

#include "DTabControl.h"
#include "MainWindowFixture.h"
#include "PropFileNamesIds.h"
#include "ShellDialogs.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

using Strings = std::vector<std::string>;

char const* const PageKey = "Software\\Hunterly\\FileNames";

// What the stand-in folder browser was asked and answers.
struct Browser
{
    std::string start;
    std::string answer;     // empty: cancelled
    int calls = 0;
} browser;

LPITEMIDLIST WINAPI BrowseStandIn(BROWSEINFOA* info)
{
    ++browser.calls;
    browser.start = info->lpfn && info->lParam ? reinterpret_cast<char const*>(info->lParam) : "";
    return browser.answer.empty() ? nullptr : ILCreateFromPathA(browser.answer.c_str());
}

class PropFileNamesTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        browser = Browser();
        browseBefore = ShellDialogs::ReplaceBrowseFolder(BrowseStandIn);
        GetCurrentDirectoryA(MAX_PATH, folderBefore);
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        ShellDialogs::ReplaceBrowseFolder(browseBefore);
        SetCurrentDirectoryA(folderBefore);
    }

    PropFileNames& Page() const
    {
        return static_cast<PropFileNames&>(*window->GetOptionPage(MainWindow::FileNamesPage));
    }
    HWND PageItem(int id) const { return GetDlgItem(Page().GetWnd(), id); }
    DirectoryListingSpec& Criteria() const { return window->GetCriteria(); }
    SharedFlags& Flags() const { return window->GetFlags(); }

    void Click(int id) const { SendMessageA(PageItem(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(PageItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(PageItem(id)) != FALSE; }
    void Type(int box, std::string const& text) const { SetWindowTextA(PageItem(box), text.c_str()); }

    // A key as the message loop hands it over, pressed in the window.
    static bool Press(HWND window, WPARAM key)
    {
        MSG msg = {};
        msg.hwnd = window;
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }
    // The edit field inside a combo box, where typed keys arrive.
    HWND EditOf(int box) const { return FindWindowExA(PageItem(box), nullptr, "Edit", nullptr); }

    static Strings Of(Container<DName> const& list)
    {
        Strings texts;
        for (unsigned i = 0; i < list.Size(); ++i)
            texts.push_back(list[i].Name());
        return texts;
    }

    // The texts of a combo box's drop-down list, and its selection.
    Strings Drop(int box) const
    {
        Strings texts;
        LRESULT const count = SendMessageA(PageItem(box), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[MAX_PATH] = "";
            SendMessageA(PageItem(box), CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    LRESULT DropSelected(int box) const { return SendMessageA(PageItem(box), CB_GETCURSEL, 0, 0); }

    // The item list of an inner tab: its window, its rows, its selection.
    HWND ListPage(unsigned tab) const { return Page().GetItemLists().GetPage(tab)->GetWnd(); }
    HWND ListBox(unsigned tab) const { return GetDlgItem(ListPage(tab), IDC_ITEMLIST); }
    Strings Rows(unsigned tab) const
    {
        Strings rows;
        LRESULT const count = SendMessageA(ListBox(tab), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[MAX_PATH] = "";
            SendMessageA(ListBox(tab), LB_GETTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }
    LRESULT RowSelected(unsigned tab) const { return SendMessageA(ListBox(tab), LB_GETCURSEL, 0, 0); }
    int InnerTab() const { return Page().GetItemLists().GetActiveIndex(); }

    static std::string CurrentFolder()
    {
        char now[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof now, now);
        return now;
    }
    static std::string CurrentRoot() { return CurrentFolder().substr(0, 3); }

    static void PutText(char const* name, std::string const& text)
    {
        DReg reg;
        ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, PageKey));
        ASSERT_TRUE(reg.SetValue(name, text.c_str(), REG_SZ));
    }
    // A stored text value, and whether it is there at all.
    static bool Read(std::string const& name, std::string& text)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, PageKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        char data[MAX_PATH] = "";
        DWORD size = sizeof data - 1;
        DWORD type = 0;
        bool const found = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        data[size] = '\0';
        text = data;
        return found && type == REG_SZ;
    }
    static std::string Stored(std::string const& name)
    {
        std::string text;
        EXPECT_TRUE(Read(name, text)) << name;
        return text;
    }
    static bool isStored(std::string const& name)
    {
        std::string text;
        return Read(name, text);
    }

    // Ends the window as the program does, which saves every page.
    void Close()
    {
        Command(IDM_EXIT);
        window.reset();
    }

    char folderBefore[MAX_PATH] = "";

private:
    ShellDialogs::BrowseFolder browseBefore = nullptr;
};

TEST_F(PropFileNamesTest, FirstStartShowsDefaultsWithoutAddingThem)
{
    MainWindow& main = Start();
    EXPECT_EQ((Strings{"*.*"}), Drop(IDC_FILENAME));
    EXPECT_EQ(0, DropSelected(IDC_FILENAME));
    EXPECT_EQ((Strings{CurrentRoot()}), Drop(IDC_FOLDER));
    EXPECT_EQ(0, DropSelected(IDC_FOLDER));
    EXPECT_TRUE(Criteria().names.isEmpty() && Criteria().folders.isEmpty());
    EXPECT_TRUE(Checked(IDC_SUBFOLDERS));
    EXPECT_FALSE(Checked(IDC_ENTIREDRIVE) || Checked(IDC_ALLDRIVES));
    EXPECT_TRUE(Enabled(IDC_ENTIREDRIVE));

    // The inner tabs, both lists made, the names shown.
    DTabControl& tabs = Page().GetItemLists().GetTabControl();
    EXPECT_TRUE(tabs.GetText(0).Comp("File Names") && tabs.GetText(1).Comp("Folders"));
    EXPECT_TRUE(ListPage(0) && ListPage(1));
    EXPECT_EQ(0, InnerTab());
    EXPECT_TRUE(Rows(0).empty() && Rows(1).empty());

    // Ten controls have their tips, the two boxes' edit fields theirs too.
    EXPECT_EQ(12, SendMessageA(Page().links.GetWnd(), TTM_GETTOOLCOUNT, 0, 0));
    char text[80] = "";
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = EditOf(IDC_FOLDER);
    tool.lpszText = text;
    SendMessageA(Page().links.GetWnd(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("Select or enter the folder to start search at", text);
    EXPECT_TRUE(main.GetSheet().GetTabControl().GetText(0).Comp("File Names"));
}

TEST_F(PropFileNamesTest, NamesAreAddedOnceByButtonOrEnter)
{
    Start();
    Type(IDC_FILENAME, "*.txt");
    Click(IDC_ADDNAME);
    EXPECT_EQ((Strings{"*.txt"}), Of(Criteria().names));
    EXPECT_EQ((Strings{"*.txt"}), Rows(0));
    EXPECT_EQ("Added to file name list \"*.txt\".", Status());
    // The box's drop-down list is left as it was.
    EXPECT_EQ((Strings{"*.*"}), Drop(IDC_FILENAME));

    // Enter in the box; the same name again, in any case, is refused silently.
    Type(IDC_FILENAME, "a?.doc");
    EXPECT_TRUE(Press(EditOf(IDC_FILENAME), VK_RETURN));
    window->GetStatus().SetText("before");
    Type(IDC_FILENAME, "*.TXT");
    Click(IDC_ADDNAME);
    Type(IDC_FILENAME, "");
    Click(IDC_ADDNAME);
    EXPECT_EQ((Strings{"*.txt", "a?.doc"}), Of(Criteria().names));
    EXPECT_EQ((Strings{"*.txt", "a?.doc"}), Rows(0));
    EXPECT_EQ(1, RowSelected(0));
    EXPECT_EQ("before", Status());

    // Enter elsewhere on the page adds nothing; nothing closes.
    Type(IDC_FILENAME, "*.log");
    EXPECT_TRUE(Press(PageItem(IDC_SUBFOLDERS), VK_RETURN));
    EXPECT_TRUE(Press(PageItem(IDC_SUBFOLDERS), VK_ESCAPE));
    EXPECT_TRUE(Press(EditOf(IDC_FILENAME), VK_ESCAPE));
    EXPECT_EQ(2u, Criteria().names.Size());
    EXPECT_TRUE(IsWindow(window->GetWnd()) && IsWindow(Page().GetWnd()));
}

TEST_F(PropFileNamesTest, FoldersMustBeFoldersAndLeaveTheCurrentFolder)
{
    TempFolder tree;
    ASSERT_TRUE(TempFolder::Put(tree.Path("file.txt"), "x"));
    Start();
    std::string const here = CurrentFolder();
    // The names tab is shown; a folder added shows the folders tab.
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    EXPECT_EQ((Strings{tree.Dir()}), Of(Criteria().folders));
    EXPECT_EQ((Strings{tree.Dir()}), Rows(1));
    EXPECT_EQ(1, InnerTab());
    EXPECT_EQ("Added to folder list \"" + tree.Dir() + "\".", Status());

    // A file typed as a folder and a folder that is not there are refused
    // with a text; the lists and the current folder stay.
    Page().GetItemLists().SetActivePage(0);
    for (std::string const& bad : {tree.Path("file.txt"), tree.Path("missing")}) {
        Type(IDC_FOLDER, bad);
        Click(IDC_ADDFOLDER);
        EXPECT_EQ("The path is invalid for \"" + bad + "\".", Status());
    }
    EXPECT_EQ(0, InnerTab());
    // A repeat is refused silently; Enter in the folder box adds.
    Type(IDC_FOLDER, tree.Dir());
    EXPECT_TRUE(Press(EditOf(IDC_FOLDER), VK_RETURN));
    ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));
    Type(IDC_FOLDER, tree.Path("sub"));
    EXPECT_TRUE(Press(EditOf(IDC_FOLDER), VK_RETURN));
    EXPECT_EQ((Strings{tree.Dir(), tree.Path("sub")}), Of(Criteria().folders));
    EXPECT_EQ(here, CurrentFolder());
}

TEST_F(PropFileNamesTest, DriveBoxesAddAndWithdrawTheirRoots)
{
    TempFolder tree;
    Start();
    std::string const root = CurrentRoot();
    std::string const here = CurrentFolder();
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);

    // The entire drive, on and off.
    Click(IDC_ENTIREDRIVE);
    EXPECT_TRUE(Flags().entireDrive);
    EXPECT_EQ((Strings{tree.Dir(), root}), Of(Criteria().folders));
    EXPECT_EQ((Strings{root}), Of(Page().GetAddedRoots()));
    EXPECT_EQ((Strings{tree.Dir(), root}), Rows(1));
    Click(IDC_ENTIREDRIVE);
    EXPECT_FALSE(Flags().entireDrive);
    EXPECT_EQ((Strings{tree.Dir()}), Of(Criteria().folders));
    EXPECT_TRUE(Page().GetAddedRoots().isEmpty());

    // The entire drive, then all drives: the root once, the entire-drive
    // box cleared and disabled; every ready drive's root added.
    Click(IDC_ENTIREDRIVE);
    Click(IDC_ALLDRIVES);
    EXPECT_TRUE(Flags().searchAllDrives);
    EXPECT_FALSE(Flags().entireDrive || Checked(IDC_ENTIREDRIVE) || Enabled(IDC_ENTIREDRIVE));
    Strings expected{tree.Dir(), root};
    for (unsigned drive = 1; drive <= 26; ++drive) {
        std::string const other = std::string(1, static_cast<char>('A' + drive - 1)) + ":\\";
        if (DFileLoad::isDriveReady(drive) && other != root)
            expected.push_back(other);
    }
    EXPECT_EQ(expected, Of(Criteria().folders));
    EXPECT_EQ(Strings(expected.begin() + 1, expected.end()), Of(Page().GetAddedRoots()));
    EXPECT_LE(3u, expected.size());     // C: and Z: under the test prefix
    EXPECT_EQ(here, CurrentFolder());

    // Off: every root either box added goes, the entire-drive root too.
    Click(IDC_ALLDRIVES);
    EXPECT_FALSE(Flags().searchAllDrives);
    EXPECT_EQ((Strings{tree.Dir()}), Of(Criteria().folders));
    EXPECT_TRUE(Page().GetAddedRoots().isEmpty());
    EXPECT_TRUE(Enabled(IDC_ENTIREDRIVE));

    // A root typed by hand stays when the box that would add it goes off.
    Type(IDC_FOLDER, root);
    Click(IDC_ADDFOLDER);
    Click(IDC_ENTIREDRIVE);
    EXPECT_TRUE(Page().GetAddedRoots().isEmpty());
    Click(IDC_ENTIREDRIVE);
    EXPECT_EQ((Strings{tree.Dir(), root}), Of(Criteria().folders));
}

TEST_F(PropFileNamesTest, ClearingFoldersTurnsTheDriveBoxesOff)
{
    TempFolder tree;
    Start();
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    Click(IDC_ENTIREDRIVE);
    Click(IDC_CLEARFOLDERS);
    EXPECT_FALSE(Flags().entireDrive || Checked(IDC_ENTIREDRIVE));
    EXPECT_TRUE(Criteria().folders.isEmpty() && Page().GetAddedRoots().isEmpty());
    EXPECT_EQ("Removed all items from list.", Status());

    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    Click(IDC_ALLDRIVES);
    Page().GetItemLists().SetActivePage(0);
    Click(IDC_CLEARFOLDERS);
    EXPECT_FALSE(Flags().searchAllDrives || Checked(IDC_ALLDRIVES));
    EXPECT_TRUE(Enabled(IDC_ENTIREDRIVE));
    EXPECT_TRUE(Criteria().folders.isEmpty() && Page().GetAddedRoots().isEmpty());
    EXPECT_EQ(1, InnerTab());
    EXPECT_TRUE(Rows(1).empty());

    // Clearing names empties the names list only.
    Criteria().names.InsertRight("*.a");
    Criteria().folders.InsertRight(tree.Dir().c_str());
    Click(IDC_CLEARNAMES);
    EXPECT_TRUE(Criteria().names.isEmpty());
    EXPECT_EQ(1u, Criteria().folders.Size());
    EXPECT_EQ(0, InnerTab());
}

TEST_F(PropFileNamesTest, SubfoldersSwitch)
{
    Start();
    Click(IDC_SUBFOLDERS);
    EXPECT_FALSE(Flags().searchSubfolders);
    EXPECT_EQ("Sub-folders will not be included in search.", Status());
    Click(IDC_SUBFOLDERS);
    EXPECT_TRUE(Flags().searchSubfolders);
    EXPECT_EQ("Sub-folders will be searched.", Status());
}

TEST_F(PropFileNamesTest, BrowseAddsTheChosenFolder)
{
    TempFolder tree;
    Start();
    browser.answer = tree.Dir();
    window->GetStatus().SetText("before");
    Click(IDC_BROWSE);
    EXPECT_EQ(1, browser.calls);
    // Nothing valid is selected in the box: no start folder.
    EXPECT_EQ("", browser.start);
    EXPECT_EQ((Strings{tree.Dir()}), Of(Criteria().folders));
    EXPECT_EQ((Strings{tree.Dir()}), Rows(1));
    EXPECT_EQ((Strings{CurrentRoot(), tree.Dir()}), Drop(IDC_FOLDER));
    EXPECT_EQ(1, DropSelected(IDC_FOLDER));
    EXPECT_EQ("before", Status());

    // With the box on an entry of the list, the browser opens there; a
    // repeat and a cancel change nothing.
    SendMessageA(PageItem(IDC_FOLDER), CB_SETCURSEL, 0, 0);
    Criteria().folders.InsertLeft(CurrentRoot().c_str());
    Click(IDC_BROWSE);
    EXPECT_EQ(CurrentRoot(), browser.start);
    browser.answer.clear();
    Click(IDC_BROWSE);
    EXPECT_EQ(2u, Criteria().folders.Size());
}

TEST_F(PropFileNamesTest, ItemListsRemoveFromTheCriteria)
{
    Start();
    for (char const* name : {"a", "b", "c", "d"}) {
        Type(IDC_FILENAME, name);
        Click(IDC_ADDNAME);
    }
    HWND const remove = GetDlgItem(ListPage(0), IDOK);
    // The last row is selected: Remove takes the entries from the end.
    SendMessageA(remove, BM_CLICK, 0, 0);
    EXPECT_EQ((Strings{"a", "b", "c"}), Of(Criteria().names));
    EXPECT_EQ("Removed from list item \"d\".", Status());
    EXPECT_EQ(2, RowSelected(0));
    SendMessageA(ListBox(0), LB_SETCURSEL, 0, 0);
    SendMessageA(remove, BM_CLICK, 0, 0);
    EXPECT_EQ((Strings{"b", "c"}), Of(Criteria().names));
    EXPECT_EQ((Strings{"b", "c"}), Rows(0));
    EXPECT_EQ(1, RowSelected(0));

    // No row selected: nothing happens, no text.
    SendMessageA(ListBox(0), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    window->GetStatus().SetText("before");
    SendMessageA(remove, BM_CLICK, 0, 0);
    EXPECT_EQ(2u, Criteria().names.Size());
    EXPECT_EQ("before", Status());
    // Enter on the list removes nothing either.
    EXPECT_TRUE(Press(ListBox(0), VK_RETURN));
    EXPECT_EQ(2u, Criteria().names.Size());

    Click(IDC_CLEARNAMES);
    EXPECT_TRUE(Criteria().names.isEmpty() && Rows(0).empty());
    window->GetStatus().SetText("before");
    Click(IDC_CLEARNAMES);
    EXPECT_EQ("Removed all items from list.", Status());
    // The button shows its icon.
    EXPECT_NE(0, SendMessageA(remove, BM_GETIMAGE, IMAGE_ICON, 0));
}

TEST_F(PropFileNamesTest, ActivationShowsTheCriteriaAndHidingMarksTheTab)
{
    MainWindow& main = Start();
    DTabControl& tabs = main.GetSheet().GetTabControl();
    main.GetSheet().SetActivePage(MainWindow::AttributesPage);
    EXPECT_TRUE(tabs.GetText(0).Comp("File Names"));

    // Criteria changed elsewhere, as a profile does, show on activation.
    Criteria().names.InsertRight("*.cpp");
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ((Strings{"*.cpp"}), Rows(0));
    main.GetSheet().SetActivePage(MainWindow::AttributesPage);
    EXPECT_TRUE(tabs.GetText(0).Comp("File Names*"));

    // A folder alone marks it too; nothing clears it.
    Criteria().names.Destroy();
    Criteria().folders.InsertRight(CurrentRoot().c_str());
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    EXPECT_TRUE(tabs.GetText(0).Comp("File Names*"));
    Criteria().folders.Destroy();
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(Rows(1).empty());
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    EXPECT_TRUE(tabs.GetText(0).Comp("File Names"));
}

TEST_F(PropFileNamesTest, ListsAreStoredAndFoundAgain)
{
    TempFolder tree;
    ASSERT_TRUE(CreateDirectoryA(tree.Path("kept").c_str(), nullptr));
    ASSERT_TRUE(TempFolder::Put(tree.Path("file.txt"), "x"));
    for (unsigned i = 0; i < 28; ++i)
        PutText(PropFileNames::ValueName("Filename", i).Name(), "*." + std::to_string(i));
    // A blank and a value of another type are passed over, not the end.
    PutText("Filename0003", "");
    Put(PageKey, "Filename0004", 7);
    // Folders that are gone, or files, are dropped at load.
    PutText("Path0000", tree.Path("kept"));
    PutText("Path0001", tree.Path("gone"));
    PutText("Path0002", tree.Path("file.txt"));
    PutText("Path0003", tree.Path("kept"));
    PutText("Cache0000", tree.Path("gone"));
    Put(PageKey, "Subs", 0);

    Start();
    EXPECT_EQ("Filename000A", std::string(PropFileNames::ValueName("Filename", 10).Name()));
    EXPECT_EQ("Path0100", std::string(PropFileNames::ValueName("Path", 256).Name()));
    ASSERT_EQ(26u, Criteria().names.Size());
    EXPECT_EQ("*.10", std::string(Criteria().names[8].Name()));
    EXPECT_EQ((Strings{tree.Path("kept")}), Of(Criteria().folders));
    EXPECT_TRUE(Page().GetAddedRoots().isEmpty());
    EXPECT_FALSE(Flags().searchSubfolders || Checked(IDC_SUBFOLDERS));
    // The box shows the list and stands on its last entry.
    EXPECT_EQ(26u, Drop(IDC_FILENAME).size());
    EXPECT_EQ(25, DropSelected(IDC_FILENAME));

    // Cut to three: the values past them are blanked, not deleted.
    while (Criteria().names.Size() > 3)
        Criteria().names.DelPos(3);
    Flags().searchSubfolders = true;
    Close();
    EXPECT_EQ("*.2", Stored("Filename0002"));
    EXPECT_EQ("", Stored("Filename0003"));
    EXPECT_EQ("", Stored("Filename000A"));
    EXPECT_EQ("", Stored("Filename001B"));
    EXPECT_FALSE(isStored("Filename001C"));
    EXPECT_EQ(tree.Path("kept"), Stored("Path0000"));
    EXPECT_EQ("", Stored("Path0003"));
    EXPECT_EQ("", Stored("Cache0000"));
    EXPECT_EQ(1u, MainWindowFixture::Stored(PageKey, "Subs"));

    Start();
    EXPECT_EQ((Strings{"*.0", "*.1", "*.2"}), Of(Criteria().names));
    EXPECT_EQ((Strings{tree.Path("kept")}), Of(Criteria().folders));
}

TEST_F(PropFileNamesTest, DriveRootsComeBackWithTheirSwitch)
{
    TempFolder tree;
    Start();
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    Click(IDC_ENTIREDRIVE);
    Close();
    EXPECT_EQ(CurrentRoot(), Stored("Cache0000"));

    // The switch is read by the main window; the root is in the list once
    // and is still withdrawn by the box.
    MainWindow& main = Start();
    EXPECT_TRUE(main.GetFlags().entireDrive && Checked(IDC_ENTIREDRIVE));
    EXPECT_EQ((Strings{tree.Dir(), CurrentRoot()}), Of(Criteria().folders));
    EXPECT_EQ((Strings{CurrentRoot()}), Of(Page().GetAddedRoots()));
    Click(IDC_ENTIREDRIVE);
    EXPECT_EQ((Strings{tree.Dir()}), Of(Criteria().folders));

    // New Search's part of the page: switches off, boxes enabled, roots forgotten.
    Click(IDC_ALLDRIVES);
    Page().Reset();
    EXPECT_FALSE(Flags().searchAllDrives || Flags().entireDrive);
    EXPECT_FALSE(Checked(IDC_ALLDRIVES) || Checked(IDC_ENTIREDRIVE));
    EXPECT_TRUE(Enabled(IDC_ENTIREDRIVE) && Enabled(IDC_ALLDRIVES));
    EXPECT_TRUE(Page().GetAddedRoots().isEmpty());
}

TEST_F(PropFileNamesTest, WithoutRememberSettingsTheDefaultsAreStored)
{
    TempFolder tree;
    Start();
    Type(IDC_FILENAME, "*.txt");
    Click(IDC_ADDNAME);
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    Click(IDC_ENTIREDRIVE);
    Click(IDC_SUBFOLDERS);
    Command(IDM_REMEMBER);
    Close();
    EXPECT_EQ("", Stored("Filename0000"));
    EXPECT_EQ("", Stored("Path0000"));
    EXPECT_EQ("", Stored("Path0001"));
    EXPECT_EQ("", Stored("Cache0000"));
    EXPECT_EQ(1u, MainWindowFixture::Stored(PageKey, "Subs"));

    Start();
    EXPECT_TRUE(Criteria().names.isEmpty() && Criteria().folders.isEmpty());
    EXPECT_TRUE(Flags().searchSubfolders);
}

TEST_F(PropFileNamesTest, ASearchLooksForWhatThePageShows)
{
    TempFolder tree;
    TempFolder elsewhere;
    ASSERT_TRUE(TempFolder::Put(tree.Path("a.txt"), "a"));
    ASSERT_TRUE(TempFolder::Put(tree.Path("b.log"), "b"));
    ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));
    ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\c.txt"), "c"));
    ASSERT_TRUE(TempFolder::Put(tree.Path("sub\\d.doc"), "d"));
    ASSERT_TRUE(TempFolder::Put(elsewhere.Path("e.txt"), "e"));
    MainWindow& main = Start();
    Type(IDC_FILENAME, "*.txt");
    Click(IDC_ADDNAME);
    Type(IDC_FILENAME, "*.doc");
    Click(IDC_ADDNAME);
    Type(IDC_FOLDER, tree.Dir());
    Click(IDC_ADDFOLDER);
    Click(IDC_SUBFOLDERS);

    PropResults& results = main.GetResultsPage();
    auto const search = [&]() {
        Command(IDC_STARTSEARCH);
        EXPECT_TRUE(WaitForSearch());
        Strings found;
        for (unsigned i = 0; i < results.GetResults().Size(); ++i)
            found.push_back(results.GetResults()[i].GetFullPath().Name());
        std::sort(found.begin(), found.end());
        return found;
    };
    EXPECT_EQ((Strings{tree.Path("a.txt")}), search());

    // The sub-folders box on, and "*.doc" taken out through its item list.
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    Click(IDC_SUBFOLDERS);
    SendMessageA(GetDlgItem(ListPage(0), IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ((Strings{tree.Path("a.txt"), tree.Path("sub\\c.txt")}), search());
}

TEST_F(PropFileNamesTest, ItemListsGrowWithTheWindow)
{
    MainWindow& main = Start();
    RECT const sheet = Place(GetDlgItem(Page().GetWnd(), IDC_ITEMTABS));
    RECT const list = Place(ListBox(0));
    RECT frame;
    GetWindowRect(main.GetWnd(), &frame);
    SetWindowPos(main.GetWnd(), nullptr, 0, 0, frame.right - frame.left + 100,
                 frame.bottom - frame.top + 60, SWP_NOMOVE | SWP_NOZORDER);
    RECT const sheetAfter = Place(GetDlgItem(Page().GetWnd(), IDC_ITEMTABS));
    RECT const listAfter = Place(ListBox(0));
    EXPECT_EQ(sheet.right - sheet.left + 100, sheetAfter.right - sheetAfter.left);
    EXPECT_EQ(sheet.bottom - sheet.top + 60, sheetAfter.bottom - sheetAfter.top);
    EXPECT_EQ(list.right - list.left + 100, listAfter.right - listAfter.left);
    EXPECT_EQ(list.bottom - list.top + 60, listAfter.bottom - listAfter.top);
    EXPECT_EQ(list.left, listAfter.left);
}

}
