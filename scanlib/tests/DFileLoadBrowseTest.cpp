// The file and folder choosers: what the platform's dialogs are given and how
// their answers fill the browse settings, through stand-ins that answer in
// the user's place; and one real file dialog, closed from a timer.
#include "DFileLoad.h"
#include "ShellDialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

// What the stand-in dialogs were given, and what they answer.
struct Exchange
{
    Strings filter;
    DWORD flags = 0;
    std::string initialDir, currentDir, title;
    std::string start;        // where the folder browser is asked to open
    HWND owner = nullptr;
    bool displayBuffer = false, root = false;

    bool choose = true;
    std::string chosen;       // NULs included
    DWORD chosenIndex = 1;
    LPITEMIDLIST item = nullptr;
} exchange;

BOOL WINAPI OpenFileStandIn(OPENFILENAMEA* dialog)
{
    exchange.filter.clear();
    for (char const* p = dialog->lpstrFilter; *p; p += std::strlen(p) + 1)
        exchange.filter.push_back(p);
    exchange.initialDir = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : "(null)";
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    exchange.currentDir = cwd;
    exchange.title = dialog->lpstrTitle ? dialog->lpstrTitle : "(null)";
    exchange.flags = dialog->Flags;
    if (!exchange.choose)
        return FALSE;
    std::memcpy(dialog->lpstrFile, exchange.chosen.data(), exchange.chosen.size());
    dialog->nFilterIndex = exchange.chosenIndex;
    return TRUE;
}

LPITEMIDLIST WINAPI BrowseFolderStandIn(BROWSEINFOA* browser)
{
    exchange.owner = browser->hwndOwner;
    exchange.title = browser->lpszTitle ? browser->lpszTitle : "(null)";
    exchange.flags = browser->ulFlags;
    exchange.displayBuffer = browser->pszDisplayName != nullptr;
    exchange.root = browser->pidlRoot != nullptr;
    bool const starts = browser->lpfn && browser->lParam;
    exchange.start = starts ? reinterpret_cast<char const*>(browser->lParam) : "";
    return exchange.choose ? exchange.item : nullptr;
}

class Choosers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        exchange = Exchange();
        ShellDialogs::ReplaceOpenFile(OpenFileStandIn);
        ShellDialogs::ReplaceBrowseFolder(BrowseFolderStandIn);
        load_.SetBrowseDir(DName(dir_.Dir().c_str()));
    }
    void TearDown() override
    {
        ShellDialogs::ReplaceOpenFile(nullptr);
        ShellDialogs::ReplaceBrowseFolder(nullptr);
        SetCurrentDirectoryA(saved_);
    }

    void Choose(std::string const& chosen, DWORD index = 1)
    {
        exchange.choose = true;
        exchange.chosen = chosen + std::string(2, '\0');
        exchange.chosenIndex = index;
    }
    Strings Names() const
    {
        Strings names;
        for (unsigned i = 0; i < load_.GetBrowseTotal(); ++i)
            names.push_back(load_.GetBrowseFilename(i).Name());
        return names;
    }

    TempFolder dir_;
    char saved_[MAX_PATH] = "";
    DFileLoad load_;
};

TEST_F(Choosers, FileDialogIsGivenTheSettings)
{
    Choose("C:\\Data\\a.txt");
    ASSERT_TRUE(load_.BrowseForFile());
    // The dialog opens in the browse folder, also as the current folder.
    EXPECT_EQ(dir_.Dir(), exchange.initialDir);
    EXPECT_EQ(dir_.Dir(), exchange.currentDir);
    EXPECT_TRUE(exchange.flags & OFN_ALLOWMULTISELECT);

    load_.SetBrowseTitle("Open a list");
    load_.SetFlagNoMultiSelection();
    Choose("C:\\Data\\a.log", 2);
    ASSERT_TRUE(load_.BrowseForFile("Logs\0*.log\0Old logs\0*.old\0"));
    EXPECT_EQ((Strings{"Logs", "*.log", "Old logs", "*.old"}), exchange.filter);
    EXPECT_EQ("Open a list", exchange.title);
    EXPECT_FALSE(exchange.flags & OFN_ALLOWMULTISELECT);
    // The filter the user took is kept for the next dialog.
    EXPECT_EQ(2u, load_.GetBrowseIndex());
}

TEST_F(Choosers, AnswersBecomeAFolderAndItsNames)
{
    exchange.item = ILCreateFromPathA(dir_.Dir().c_str());
    ASSERT_TRUE(load_.BrowseForDir());
    ASSERT_TRUE(load_.isFolderBrowsed());

    Choose("C:\\Data\\a.txt", 3);
    ASSERT_TRUE(load_.BrowseForFile());
    EXPECT_FALSE(load_.isFolderBrowsed());
    EXPECT_STREQ("C:\\Data", load_.GetBrowseDir().Name());
    EXPECT_EQ((Strings{"a.txt"}), Names());
    EXPECT_STREQ("C:\\Data\\a.txt", load_.GetBrowseFullFilename(0).Name());
    // Past the chosen names: the folder alone.
    EXPECT_STREQ("C:\\Data", load_.GetBrowseFilename(1).Name());
    EXPECT_STREQ("C:\\Data", load_.GetBrowseFullFilename(1).Name());

    // Several: a folder and its names, parted by NULs, or by blanks in the old style.
    Choose(std::string("C:\\Data\0a.txt\0b c.txt", 21));
    ASSERT_TRUE(load_.BrowseForFile());
    EXPECT_EQ((Strings{"a.txt", "b c.txt"}), Names());
    EXPECT_STREQ("C:\\Data\\b c.txt", load_.GetBrowseFullFilename(1).Name());
    load_.SetFlagNonExplorerStyle();
    Choose("C:\\Old a.txt b.txt");
    ASSERT_TRUE(load_.BrowseForFile());
    EXPECT_STREQ("C:\\Old", load_.GetBrowseDir().Name());
    EXPECT_EQ((Strings{"a.txt", "b.txt"}), Names());
    // Old style without multiple choice: blanks belong to the one path.
    load_.SetFlagNoMultiSelection();
    Choose("C:\\My Data\\a b.txt", 4);
    ASSERT_TRUE(load_.BrowseForFile());
    EXPECT_STREQ("C:\\My Data", load_.GetBrowseDir().Name());
    EXPECT_EQ((Strings{"a b.txt"}), Names());

    // Nothing chosen: no names, the filter kept; an empty answer: the folder
    // the dialog left current.
    exchange.choose = false;
    EXPECT_FALSE(load_.BrowseForFile());
    EXPECT_EQ(0u, load_.GetBrowseTotal());
    EXPECT_EQ(4u, load_.GetBrowseIndex());
    Choose("");
    ASSERT_TRUE(load_.BrowseForFile());
    EXPECT_EQ(0u, load_.GetBrowseTotal());
    EXPECT_EQ(dir_.Dir(), load_.GetBrowseDir().Name());
}

TEST_F(Choosers, FolderBrowserIsGivenTheSettingsAndFillsTheChoice)
{
    HWND const owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    exchange.item = ILCreateFromPathA(dir_.Dir().c_str());
    ASSERT_NE(nullptr, exchange.item);
    ASSERT_TRUE(load_.BrowseForDir(owner));
    EXPECT_EQ(owner, exchange.owner);
    EXPECT_TRUE(exchange.displayBuffer && !exchange.root);
    // It opens at the browse folder, when there is one.
    EXPECT_EQ(dir_.Dir(), exchange.start);
    EXPECT_TRUE(load_.isFolderBrowsed());
    EXPECT_EQ((Strings{dir_.Dir()}), Names());
    DestroyWindow(owner);

    load_.SetBrowseTitle("Where to search");
    load_.SetDBFEditBox();
    load_.SetBrowseDir(DName());
    exchange.choose = false;
    EXPECT_FALSE(load_.BrowseForDir());
    EXPECT_EQ("", exchange.start);
    EXPECT_EQ("Where to search", exchange.title);
    EXPECT_TRUE(exchange.flags & BIF_EDITBOX);
    EXPECT_EQ(0u, load_.GetBrowseTotal());

    // A shell item outside the file system gives no folder.
    exchange.choose = true;
    exchange.item = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &exchange.item));
    EXPECT_FALSE(load_.BrowseForDir());
    EXPECT_EQ(0u, load_.GetBrowseTotal());
}

// The real dialog: found by its title and cancelled from a timer.
char const SmokeTitle[] = "Hunterly chooser smoke test";
bool dialogSeen = false;

void CALLBACK CancelDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND const dialog = FindWindowA("#32770", SmokeTitle)) {
        dialogSeen = true;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(BrowseSmoke, RealFileDialogOpensAndIsCancelled)
{
    TempFolder dir;
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, saved);
    DFileLoad load;
    load.SetBrowseDir(DName(dir.Dir().c_str()));
    load.SetBrowseTitle(SmokeTitle);
    UINT_PTR const timer = SetTimer(nullptr, 0, 100, CancelDialog);
    EXPECT_FALSE(load.BrowseForFile());
    KillTimer(nullptr, timer);
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(0u, load.GetBrowseTotal());
}

}  // namespace
