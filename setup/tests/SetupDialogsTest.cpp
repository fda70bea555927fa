// The installer's dialogs: the agreement and its failure box, the folder
// and its browse rule, the copying work's failures, and the last page's
// "Run Program".
#include <string>

#include "AboutMenuDialog.h"
#include "CopyingDialog.h"
#include "DisclaimerDialog.h"
#include "FinishedDialog.h"
#include "InstallFixture.h"
#include "ProgramPathDialog.h"
#include "Resource.h"
#include "ShellDialogs.h"
#include "ShellRun.h"

#include <shlobj.h>

namespace {

class SetupDialogs : public InstallFixture
{
protected:
    static bool Key(HWND control, WPARAM key)
    {
        MSG msg = {};
        msg.hwnd = control;
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }

    static void Click(HWND dialog, int id)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    // The files of an installation in the current folder, each holding its
    // own name; skip leaves one out.
    void PutSources(char const* skip = "") const
    {
        for (char const* name : {"ctlkit.dll", "scanlib.dll", "baselib.dll", "reglib.dll",
                                 "hunterly.exe", "Hunterly.chm", "Uninstall.exe"}) {
            if (std::string(name) != skip) {
                ASSERT_TRUE(TempFolder::Put(temp.Path(name), name));
            }
        }
    }
};

// The about box of the system menu, read and closed from a timer.
std::string aboutSeen;

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND const about = FindWindowA(nullptr, "About Setup");
    if (!about)
        return;
    KillTimer(nullptr, timer);
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        aboutSeen += WindowProbe::Text(child) + "|";
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

TEST_F(SetupDialogs, MissingOrEmptyAgreementEndsTheInstaller)
{
    char const* const text = "The file \"EULA.TXT\" could not be found.  This program will not "
                             "continue without its presence in the current folder.";
    EXPECT_EQ(IDABORT, DisclaimerDialog().DoModal());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(text, boxes[0].text);
    EXPECT_EQ("EULA Missing or Corrupt", boxes[0].caption);

    ASSERT_TRUE(TempFolder::Put(temp.Path("eula.txt"), ""));
    EXPECT_EQ(IDABORT, DisclaimerDialog().DoModal());
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(text, boxes[1].text);
}

TEST_F(SetupDialogs, AgreementIsShownUpToItsLimitAndOnlyTheButtonsAct)
{
    std::string agreement;
    while (agreement.size() < 13000)
        agreement += "Line " + std::to_string(agreement.size()) + " of the agreement.\r\n";
    ASSERT_TRUE(TempFolder::Put(temp.Path("eula.txt"), agreement));
    DisclaimerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND const window = dialog.GetWnd();
    EXPECT_EQ("Disclaimer", Text(window));
    HWND const field = GetDlgItem(window, IDC_AGREEMENT);
    std::string shown(GetWindowTextLengthA(field) + 1, '\0');
    shown.resize(GetWindowTextA(field, &shown[0], static_cast<int>(shown.size())));
    EXPECT_EQ(agreement.substr(0, DisclaimerDialog::AgreementLimit), shown);
    EXPECT_TRUE(boxes.empty());

    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_F1})
        EXPECT_TRUE(Key(GetDlgItem(window, IDC_AGREE), key)) << key;
    EXPECT_TRUE(IsWindow(window));

    // The about entry closes the system menu, after a separator.
    HMENU const menu = GetSystemMenu(window, FALSE);
    int const last = GetMenuItemCount(menu) - 1;
    char entry[64] = "";
    GetMenuStringA(menu, last, entry, sizeof entry, MF_BYPOSITION);
    EXPECT_STREQ("&About Setup...", entry);
    EXPECT_EQ(AboutMenuDialog::AboutCommand, GetMenuItemID(menu, last));
    EXPECT_TRUE(GetMenuState(menu, last - 1, MF_BYPOSITION) & MF_SEPARATOR);
    aboutSeen.clear();
    SetTimer(nullptr, 0, 50, CloseAbout);
    SendMessageA(window, WM_SYSCOMMAND, AboutMenuDialog::AboutCommand, 0);
    EXPECT_NE(std::string::npos, aboutSeen.find("|Setup Version 1.0|")) << aboutSeen;

    // "Deny" ends the installer.
    Click(window, IDCANCEL);
    EXPECT_FALSE(IsWindow(window));
}

// The browser's answer, as the shell would give it.
LPITEMIDLIST browsed = nullptr;

LPITEMIDLIST WINAPI Browse(BROWSEINFOA*)
{
    LPITEMIDLIST const item = browsed;
    browsed = nullptr;
    return item;
}

TEST_F(SetupDialogs, BrowseGivesTheProgramAFolderOfItsOwn)
{
    ShellDialogs::BrowseFolder const before = ShellDialogs::ReplaceBrowseFolder(Browse);
    ProgramPathDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND const window = dialog.GetWnd();
    HWND const field = GetDlgItem(window, IDC_FOLDER);
    EXPECT_EQ("C:\\Program Files\\Hunterly", Text(field));

    browsed = ILCreateFromPathA(temp.Dir().c_str());
    Click(window, IDC_BROWSE);
    EXPECT_EQ(temp.Dir() + "\\Hunterly", Text(field));
    // A drive's root keeps one separator.
    browsed = ILCreateFromPathA("C:\\");
    Click(window, IDC_BROWSE);
    EXPECT_EQ("C:\\Hunterly", Text(field));
    // Cancelled: the field stays.
    Click(window, IDC_BROWSE);
    EXPECT_EQ("C:\\Hunterly", Text(field));
    ShellDialogs::ReplaceBrowseFolder(before);

    for (WPARAM key : {VK_ESCAPE, VK_F1})
        EXPECT_TRUE(Key(field, key)) << key;

    // An empty field is no folder; what is typed is taken as it stands.
    SetWindowTextA(field, "");
    Click(window, IDOK);
    EXPECT_TRUE(IsWindow(window));
    SetWindowTextA(field, "D:\\My Tools\\Hunterly\\");
    Click(window, IDOK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_STREQ("D:\\My Tools\\Hunterly\\", dialog.GetFolder().Name());
}

TEST_F(SetupDialogs, FolderThatCannotBeMadeEndsTheInstaller)
{
    PutSources();
    // A file stands where a folder of the path would have to be.
    std::string const folder = temp.Path("ctlkit.dll") + "\\Hunterly";
    EXPECT_EQ(WorkDialog::Failed, CopyingDialog(folder.c_str()).DoModal());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Error creating folder\"" + folder + "\".", boxes[0].text);
    EXPECT_EQ("Could not Make Folder", boxes[0].caption);
    EXPECT_EQ(8u, boxes[0].range);
    EXPECT_EQ("Preparing...", boxes[0].status);
    // Nothing was registered, and the current folder is where it was.
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Hunterly"));
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(temp.Dir(), current);
}

TEST_F(SetupDialogs, FileThatCannotBeCopiedEndsTheInstallerAndEarlierFilesStay)
{
    PutSources("Hunterly.chm");
    std::string const folder = temp.Path("Program Files") + "\\Hunter ly";
    EXPECT_EQ(WorkDialog::Failed, CopyingDialog(folder.c_str()).DoModal());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Could not copy file \"Hunterly.chm\".", boxes[0].text);
    EXPECT_EQ("Copy File Error", boxes[0].caption);
    EXPECT_EQ("Copying file " + folder + "\\Hunterly.chm...", boxes[0].status);
    EXPECT_EQ(8u, boxes[0].range);
    EXPECT_EQ(4u, boxes[0].position);
    EXPECT_EQ("hunterly.exe", TempFolder::Get(folder + "\\hunterly.exe"));
    EXPECT_EQ("ctlkit.dll", TempFolder::Get(folder + "\\ctlkit.dll"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + "\\Uninstall.exe").c_str()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Hunterly"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".hur"));
}

// What the last page would start.
std::vector<std::string> started;

TEST_F(SetupDialogs, FinishStartsTheProgramOnlyWhenAsked)
{
    ShellRun::OpenFunction const before = ShellRun::SetOpen([](char const* file, char const*) {
        started.push_back(file);
        return true;
    });
    started.clear();
    {
        FinishedDialog dialog("C:\\Program Files\\Hunterly");
        ASSERT_TRUE(dialog.Create());
        HWND const window = dialog.GetWnd();
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(window, IDC_RUNPROGRAM));
        for (WPARAM key : {VK_ESCAPE, VK_F1})
            EXPECT_TRUE(Key(GetDlgItem(window, IDOK), key)) << key;
        EXPECT_TRUE(started.empty());
        Click(window, IDOK);
        EXPECT_FALSE(IsWindow(window));
    }
    EXPECT_EQ(std::vector<std::string>{"C:\\Program Files\\Hunterly\\hunterly.exe"}, started);

    // Closing the window finishes as well; without "Run Program" nothing starts.
    started.clear();
    FinishedDialog dialog("C:\\Tools");
    ASSERT_TRUE(dialog.Create());
    CheckDlgButton(dialog.GetWnd(), IDC_RUNPROGRAM, BST_UNCHECKED);
    SendMessageA(dialog.GetWnd(), WM_CLOSE, 0, 0);
    // The dialog manager posts the close on as a cancel.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_FALSE(IsWindow(dialog.GetWnd()));
    EXPECT_TRUE(started.empty());
    ShellRun::SetOpen(before);
}

}  // namespace
