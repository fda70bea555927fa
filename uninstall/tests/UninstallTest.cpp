// The uninstaller: its modes and their texts, the removal of the files with
// a file that will not go, and what Complete takes from the registry.
#include <string>

#include "AboutMenuDialog.h"
#include "DReg.h"
#include "FileOper.h"
#include "InstallFixture.h"
#include "InstallKeys.h"
#include "RemovingDialog.h"
#include "Resource.h"
#include "UninstallDialog.h"

namespace {

char const* const Files[] = {"ctlkit.dll", "scanlib.dll", "baselib.dll", "reglib.dll",
                             "hunterly.exe", "Hunterly.chm", "Uninstall.exe"};

class Uninstall : public InstallFixture
{
protected:
    void SetUp() override
    {
        InstallFixture::SetUp();
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        for (char const* name : Files)
            ASSERT_TRUE(TempFolder::Put(folder + "\\" + name, name));
    }

    bool Exists(char const* name) const
    {
        return GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    static INT_PTR Remove(RemovingDialog::Mode mode)
    {
        PressWhenReady("Uninstall in Progress", IDOK);
        return RemovingDialog(mode).DoModal();
    }

    std::string const folder = temp.Path("Hunterly Folder");
};

TEST_F(Uninstall, EachModeExplainsItselfAndAbortEndsAtOnce)
{
    UninstallDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND const window = dialog.GetWnd();
    HWND const text = GetDlgItem(window, IDC_EXPLANATION);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(window, IDC_ABORT));
    std::string const abortText = Text(text);
    EXPECT_NE(std::string::npos, abortText.find("except the uninstall file")) << abortText;

    CheckRadioButton(window, IDC_COMPLETE, IDC_ABORT, IDC_FILESONLY);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_FILESONLY, BN_CLICKED), 0);
    EXPECT_EQ("Only files will be uninstalled.  Your settings will be saved and not deleted "
              "should you want to re-install this application again.",
              Text(text));
    CheckRadioButton(window, IDC_COMPLETE, IDC_ABORT, IDC_COMPLETE);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_COMPLETE, BN_CLICKED), 0);
    std::string const completeText = Text(text);
    EXPECT_NE(std::string::npos, completeText.find("stored settings")) << completeText;
    EXPECT_NE(std::string::npos, completeText.find("Files Only")) << completeText;

    // Enter and F1 do nothing; the system menu has its about entry.
    for (WPARAM key : {VK_RETURN, VK_F1}) {
        MSG msg = {GetDlgItem(window, IDC_COMPLETE), WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(DDialog::FilterMessage(msg)) << key;
    }
    HMENU const menu = GetSystemMenu(window, FALSE);
    char entry[64] = "";
    GetMenuStringA(menu, AboutMenuDialog::AboutCommand, entry, sizeof entry, MF_BYCOMMAND);
    EXPECT_STREQ("&About Uninstall...", entry);
    EXPECT_TRUE(IsWindow(window));

    // Picking "Abort" ends the program.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_ABORT, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(window));

    // So do Escape and "Continue" with "Abort" chosen, removing nothing.
    UninstallDialog again;
    ASSERT_TRUE(again.Create());
    MSG escape = {GetDlgItem(again.GetWnd(), IDC_ABORT), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    DDialog::FilterMessage(escape);
    EXPECT_FALSE(IsWindow(again.GetWnd()));
    UninstallDialog third;
    ASSERT_TRUE(third.Create());
    SendMessageA(third.GetWnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(third.GetWnd()));
    for (char const* name : Files)
        EXPECT_TRUE(Exists(name)) << name;
}

TEST_F(Uninstall, FilesOnlyReportsAFileThatWillNotGoAndRemovesTheRest)
{
    InstallKeys::Write(folder.c_str());
    // A read-only file goes too; an open one does not.
    SetFileAttributesA((folder + "\\ctlkit.dll").c_str(), FILE_ATTRIBUTE_READONLY);
    FileOper locked;
    ASSERT_TRUE(locked.Open((folder + "\\scanlib.dll").c_str(), false, false));

    EXPECT_EQ(IDOK, Remove(RemovingDialog::FilesOnly));
    ASSERT_EQ(1u, boxes.size());
    std::string const path = folder + "\\scanlib.dll";
    EXPECT_EQ("Could not remove\"" + path + "\".", boxes[0].text);
    EXPECT_EQ("Deletion Error", boxes[0].caption);
    EXPECT_EQ("Removing file " + path + "...", boxes[0].status);
    // The bar's range is there while the work runs.
    EXPECT_EQ(8u, boxes[0].range);
    EXPECT_EQ(0u, boxes[0].position);

    EXPECT_TRUE(Exists("scanlib.dll"));
    for (char const* name : {"ctlkit.dll", "baselib.dll", "reglib.dll", "hunterly.exe",
                             "Hunterly.chm"})
        EXPECT_FALSE(Exists(name)) << name;
    // The uninstaller and the folder stay, and so do the settings.
    EXPECT_TRUE(Exists("Uninstall.exe"));
    EXPECT_EQ(folder, Value(HKEY_CURRENT_USER, "Software\\Hunterly", "Folder"));
    EXPECT_EQ("Hunterly Results", Value(HKEY_CLASSES_ROOT, ".hur"));
}

TEST_F(Uninstall, WithoutAStoredFolderTheFilesAreLookedForInTheCurrentFolder)
{
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    EXPECT_EQ(folder, RemovingDialog::InstallFolder().Name());
    EXPECT_EQ(IDOK, Remove(RemovingDialog::FilesOnly));
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(Exists("hunterly.exe"));
    EXPECT_TRUE(Exists("Uninstall.exe"));
    ASSERT_TRUE(SetCurrentDirectoryA(temp.Dir().c_str()));
}

TEST_F(Uninstall, CompleteTakesEveryKeyOfBothExtensionsAndTheSettings)
{
    InstallKeys::Write(folder.c_str());
    // What the shell and the program add below the keys goes with them.
    char const* const FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
    for (std::string const& key : {std::string(FileExts) + "\\.hur\\OpenWithList",
                                  std::string("Software\\Hunterly\\Results"),
                                  std::string("Software\\Hunterly\\Radix\\Deeper")}) {
        DReg extra;
        ASSERT_TRUE(extra.Create(HKEY_CURRENT_USER, key.c_str()));
    }
    ASSERT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".hup\\Shell\\Open\\Command"));

    EXPECT_EQ(IDOK, Remove(RemovingDialog::Complete));
    for (char const* ext : {".hur", ".hup"}) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext)) << ext;
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, (std::string(FileExts) + "\\" + ext).c_str()))
            << ext;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Hunterly"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, FileExts));
    EXPECT_TRUE(Exists("Uninstall.exe"));
    EXPECT_FALSE(Exists("reglib.dll"));
}

}  // namespace
