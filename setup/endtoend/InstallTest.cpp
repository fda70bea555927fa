// Installing, using and removing Hunterly as a user does it: setup.exe
// driven through its four dialogs, the installed files, registry entries
// and shortcuts read back, a stored results file opened through the
// registered command, and Uninstall.exe run in both of its modes.
//
// It changes the user's folders and the machine's registry, so it runs only
// under wine, in the throw-away prefix that its CTest fixture makes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "DFileLoad.h"
#include "FileOper.h"
#include "TempFolder.h"
#include "WindowProbe.h"
// The control ids of both programs' dialogs.
#include "../Resource.h"
#include "../../uninstall/Resource.h"

namespace {

char const* const Files[] = {"ctlkit.dll", "scanlib.dll", "baselib.dll", "reglib.dll",
                             "hunterly.exe", "Hunterly.chm", "Uninstall.exe"};
char const* const FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
char const* const Agreement = "Hunterly test agreement.\r\nUse it well.\r\n";
unsigned long const StoredResultsMagic = 0x23189012;
DWORD const Patience = 30000;

bool isWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

bool isFile(std::string const& path)
{
    DWORD const attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(std::string const& path)
{
    DWORD const attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Special(int folder)
{
    char path[MAX_PATH] = "";
    EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, path, folder, FALSE)) << folder;
    return path;
}

// A registry value's type and text; type REG_NONE with "(missing)" when absent.
struct Value
{
    DWORD type;
    std::string text;
};

Value Read(HKEY root, std::string const& key, char const* name = "")
{
    char data[1024] = "";
    DWORD size = sizeof data - 1;
    DWORD type = REG_NONE;
    if (RegGetValueA(root, key.c_str(), name, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
        return {REG_NONE, "(missing)"};
    std::string text(data, size);
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return {type, text};
}

bool KeyExists(HKEY root, std::string const& key)
{
    HKEY open = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS)
        return false;
    RegCloseKey(open);
    return true;
}

// A shortcut's target and description, read through the shell's link object.
struct Shortcut
{
    bool read;
    std::string target, description;
};

Shortcut ReadLink(std::string const& file)
{
    Shortcut link = {false, "", ""};
    IShellLinkA* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shell))))
        return link;
    IPersistFile* persist = nullptr;
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    char target[MAX_PATH] = "";
    char description[MAX_PATH] = "";
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        link.read = SUCCEEDED(persist->Load(wide, STGM_READ))
                    && SUCCEEDED(shell->GetPath(target, MAX_PATH, nullptr, 0))
                    && SUCCEEDED(shell->GetDescription(description, MAX_PATH));
        persist->Release();
    }
    shell->Release();
    link.target = target;
    link.description = description;
    return link;
}

// One program started as the shell starts it, ended by the test when it
// outstays its welcome.
class Process
{
public:
    Process(std::string const& commandLine, std::string const& folder)
    {
        STARTUPINFOA start = {};
        start.cb = sizeof start;
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.c_str(), &start, &info) != 0;
    }

    ~Process()
    {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }

    // The top-level window with the caption, once the process shows it;
    // with anyProcess, once any process shows it.
    HWND Window(char const* caption, bool anyProcess = false) const
    {
        DWORD const end = GetTickCount() + Patience;
        while (GetTickCount() < end) {
            for (HWND w = FindWindowA(nullptr, caption); w;
                 w = FindWindowExA(nullptr, w, nullptr, caption)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if ((anyProcess || owner == info.dwProcessId) && IsWindowVisible(w))
                    return w;
            }
            Sleep(50);
        }
        ADD_FAILURE() << "no window \"" << caption << "\"; shown: " << Shown();
        return nullptr;
    }

    bool Ended() const
    {
        return WaitForSingleObject(info.hProcess, Patience) == WAIT_OBJECT_0;
    }

    // The process that shows the window, to wait for; null when it is gone.
    static HANDLE Owner(HWND window)
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return OpenProcess(SYNCHRONIZE, FALSE, owner);
    }

    // The captions of the process's visible windows, for failure messages.
    std::string Shown() const
    {
        Search search = {info.dwProcessId, ""};
        EnumWindows(Caption, reinterpret_cast<LPARAM>(&search));
        return search.captions;
    }

    bool started = false;
    PROCESS_INFORMATION info = {};

private:
    struct Search
    {
        DWORD id;
        std::string captions;
    };

    static BOOL CALLBACK Caption(HWND w, LPARAM data)
    {
        Search& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == s.id && IsWindowVisible(w))
            s.captions += "[" + WindowProbe::Text(w) + "]";
        return TRUE;
    }
};

// A window's text; asked with a message, as the window is another program's.
std::string TextOf(HWND window)
{
    char text[2048] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Waits until the control is enabled, as a user waits for a button.
bool WaitEnabled(HWND control)
{
    DWORD const end = GetTickCount() + Patience;
    while (GetTickCount() < end) {
        if (IsWindowEnabled(control))
            return true;
        Sleep(50);
    }
    return false;
}

// A click as the button sends it; posted, because the click may open a
// dialog that keeps the other program busy.
void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Waits for a window text, which the other program sets in its own time.
std::string WaitText(HWND window, std::string const& expected)
{
    DWORD const end = GetTickCount() + Patience;
    std::string text = TextOf(window);
    while (text != expected && GetTickCount() < end) {
        Sleep(50);
        text = TextOf(window);
    }
    return text;
}

// The folder of the built programs, with Windows separators.
std::string Built()
{
    char const* const bin = getenv("HUNTERLY_BIN");
    std::string built(bin ? bin : "");
    for (char& c : built)
        if (c == '/')
            c = '\\';
    return built;
}

// The manifest a program carries for the loader.
std::string Manifest(std::string const& program)
{
    HMODULE const module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return "(not loaded)";
    std::string text;
    HRSRC const found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (HGLOBAL const data = found ? LoadResource(module, found) : nullptr)
        text.assign(static_cast<char const*>(LockResource(data)), SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

// The associations and the default folder are the machine's: both programs
// ask for administrator rights, so that nothing they write fails unseen.
TEST(Programs, AskForAdministratorRightsAndTheCommonControls)
{
    ASSERT_FALSE(Built().empty()) << "HUNTERLY_BIN names the built programs";
    for (char const* name : {"setup.exe", "Uninstall.exe"}) {
        std::string const manifest = Manifest(Built() + "\\" + name);
        EXPECT_NE(std::string::npos,
                  manifest.find("requestedExecutionLevel level=\"requireAdministrator\""))
            << name << ": " << manifest;
        EXPECT_NE(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"))
            << name << ": " << manifest;
    }
}

class Installation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!isWine())
            GTEST_SKIP() << "installs into the machine: runs only in a throw-away wine prefix";
        // setup.exe writes the prefix's own current user, not the scratch key
        // that the test programs' main() puts in its place.
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, nullptr));
        std::string const built = Built();
        ASSERT_FALSE(built.empty()) << "HUNTERLY_BIN names the built programs";
        ASSERT_TRUE(CreateDirectoryA(source.c_str(), nullptr));
        for (char const* name : {"setup.exe", "ctlkit.dll", "scanlib.dll", "baselib.dll",
                                 "reglib.dll", "hunterly.exe", "Uninstall.exe"})
            ASSERT_TRUE(CopyFileA((built + "\\" + name).c_str(), (source + "\\" + name).c_str(),
                                  FALSE))
                << name;
        // The help file is not built yet: the installer copies what it finds.
        ASSERT_TRUE(TempFolder::Put(source + "\\Hunterly.chm", "placeholder help"));
        ASSERT_TRUE(TempFolder::Put(source + "\\eula.txt", Agreement));
        CoInitialize(nullptr);
    }

    void TearDown() override { CoUninitialize(); }

    // setup.exe from its folder: I Agree, the folder typed, Next, Next,
    // "Run Program" off, Finish.
    void Install()
    {
        Process setup("\"" + source + "\\setup.exe\"", source);
        ASSERT_TRUE(setup.started);
        HWND const disclaimer = setup.Window("Disclaimer");
        ASSERT_NE(nullptr, disclaimer);
        EXPECT_EQ(Agreement, TextOf(GetDlgItem(disclaimer, IDC_AGREEMENT)));
        Click(disclaimer, IDC_AGREE);

        HWND const path = setup.Window("Program Path");
        ASSERT_NE(nullptr, path);
        HWND const field = GetDlgItem(path, IDC_FOLDER);
        EXPECT_EQ("C:\\Program Files\\Hunterly", TextOf(field));
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        Click(path, IDOK);

        HWND const copying = setup.Window("Copying in Progress");
        ASSERT_NE(nullptr, copying);
        ASSERT_TRUE(WaitEnabled(GetDlgItem(copying, IDOK))) << setup.Shown();
        EXPECT_EQ("Completed.", TextOf(GetDlgItem(copying, IDC_WORKSTATUS)));
        EXPECT_EQ(8, SendDlgItemMessageA(copying, IDC_WORKPROGRESS, PBM_GETPOS, 0, 0));
        Click(copying, IDOK);

        HWND const finished = setup.Window("Installation Finished");
        ASSERT_NE(nullptr, finished);
        SendDlgItemMessageA(finished, IDC_RUNPROGRAM, BM_SETCHECK, BST_UNCHECKED, 0);
        Click(finished, IDOK);
        EXPECT_TRUE(setup.Ended()) << setup.Shown();
    }

    // Uninstall.exe as the program group's shortcut starts it, in the mode.
    // It goes on from a copy of itself, which shows the dialogs.
    void Uninstall(int mode)
    {
        Process uninstall("\"" + folder + "\\Uninstall.exe\"", temp.Dir());
        ASSERT_TRUE(uninstall.started);
        EXPECT_TRUE(uninstall.Ended());
        HWND const dialog = uninstall.Window("Uninstall", true);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(dialog, IDC_ABORT, BM_GETCHECK, 0, 0));
        SendDlgItemMessageA(dialog, IDC_ABORT, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(dialog, mode, BM_SETCHECK, BST_CHECKED, 0);
        Click(dialog, mode);
        if (mode == IDC_FILESONLY) {
            EXPECT_EQ("Only files will be uninstalled.  Your settings will be saved and not "
                      "deleted should you want to re-install this application again.",
                      WaitText(GetDlgItem(dialog, IDC_EXPLANATION),
                               "Only files will be uninstalled.  Your settings will be saved "
                               "and not deleted should you want to re-install this "
                               "application again."));
        }
        Click(dialog, IDOK);

        HWND const progress = uninstall.Window("Uninstall in Progress", true);
        ASSERT_NE(nullptr, progress);
        ASSERT_TRUE(WaitEnabled(GetDlgItem(progress, IDOK)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(progress, IDCANCEL)));
        EXPECT_EQ("Completed.", TextOf(GetDlgItem(progress, IDC_WORKSTATUS)));
        EXPECT_EQ(8, SendDlgItemMessageA(progress, IDC_WORKPROGRESS, PBM_GETRANGE, FALSE, 0));
        HANDLE const aside = Process::Owner(progress);
        ASSERT_NE(nullptr, aside);
        Click(progress, IDOK);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(aside, Patience));
        CloseHandle(aside);
    }

    std::string Installed(char const* name) const { return folder + "\\" + name; }

    // The five shortcuts: file, target, description.
    std::vector<std::vector<std::string>> Shortcuts() const
    {
        std::string const group = Special(CSIDL_PROGRAMS) + "\\Hunterly\\";
        std::string const program = Installed("hunterly.exe");
        return {
            {group + "Hunterly.lnk", program, "Hunterly"},
            {group + "Uninstall.lnk", Installed("Uninstall.exe"), "Uninstall Hunterly"},
            {group + "Hunterly Help.lnk", Installed("Hunterly.chm"),
             "Help files for using Hunterly"},
            {Special(CSIDL_SENDTO) + "\\Hunterly.lnk", program, "Search directory"},
            {Special(CSIDL_DESKTOPDIRECTORY) + "\\Hunterly.lnk", program, "Hunterly"},
        };
    }

    TempFolder temp;
    std::string const source = temp.Path("Hunterly Setup");
    std::string const folder = "C:\\My Programs\\Hunterly";
};

TEST_F(Installation, InstallOpenAndUninstallAsAUserDoes)
{
    Install();
    if (HasFatalFailure())
        return;

    // The seven files, as they were beside the installer.
    for (char const* name : Files)
        EXPECT_EQ(TempFolder::Get(source + "\\" + name), TempFolder::Get(Installed(name)))
            << name;

    // The registry entries; the open command keeps a path with blanks whole.
    EXPECT_EQ(folder, Read(HKEY_CURRENT_USER, "Software\\Hunterly", "Folder").text);
    for (auto const& [ext, kind] : {std::pair<std::string, std::string>{".hup", "Hunterly Profiles"},
                                    {".hur", "Hunterly Results"}}) {
        EXPECT_EQ(kind, Read(HKEY_CURRENT_USER, FileExts + ext).text) << ext;
        EXPECT_EQ(kind, Read(HKEY_CLASSES_ROOT, ext).text) << ext;
        EXPECT_EQ(Installed("hunterly.exe"),
                  Read(HKEY_CLASSES_ROOT, ext + "\\DefaultIcon").text) << ext;
        Value const open = Read(HKEY_CLASSES_ROOT, ext + "\\Shell\\Open\\Command");
        EXPECT_EQ("\"" + Installed("hunterly.exe") + "\" \"%1\"", open.text) << ext;
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), open.type) << ext;
        Value const properties = Read(HKEY_CLASSES_ROOT, ext + "\\Shell\\Properties\\Command");
        EXPECT_EQ(kind, properties.text) << ext;
        EXPECT_EQ(static_cast<DWORD>(REG_NONE), properties.type) << ext;
    }

    for (auto const& shortcut : Shortcuts()) {
        Shortcut const link = ReadLink(shortcut[0]);
        ASSERT_TRUE(link.read) << shortcut[0];
        EXPECT_EQ(0, lstrcmpiA(shortcut[1].c_str(), link.target.c_str()))
            << shortcut[0] << ": " << link.target;
        EXPECT_EQ(shortcut[2], link.description) << shortcut[0];
    }

    // A stored results file in a folder with a blank, opened as the shell
    // opens it: the registered command with the file in place of %1.
    std::string const results = "C:\\My Results";
    ASSERT_TRUE(CreateDirectoryA(results.c_str(), nullptr));
    ASSERT_TRUE(TempFolder::Put(results + "\\one.txt", "one"));
    ASSERT_TRUE(TempFolder::Put(results + "\\two.txt", "second"));
    std::string const stored = results + "\\found list.hur";
    {
        DFileLoad list;
        list.InsertRight(DFile(DName((results + "\\one.txt").c_str())));
        list.InsertRight(DFile(DName((results + "\\two.txt").c_str())));
        FileOper f;
        ASSERT_TRUE(f.Create(stored.c_str()) && f.Write(&StoredResultsMagic, 4) && list.Write(f));
    }
    std::string command = Read(HKEY_CLASSES_ROOT, ".hur\\Shell\\Open\\Command").text;
    size_t const argument = command.find("%1");
    ASSERT_NE(std::string::npos, argument) << command;
    command.replace(argument, 2, stored);
    {
        Process hunterly(command, temp.Dir());
        ASSERT_TRUE(hunterly.started) << command;
        HWND const main = hunterly.Window("Hunterly");
        ASSERT_NE(nullptr, main);
        HWND const status = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
        EXPECT_EQ("Results restored from file.", WaitText(status, "Results restored from file."));
        struct Rows
        {
            static BOOL CALLBACK Find(HWND w, LPARAM found)
            {
                char name[64] = "";
                GetClassNameA(w, name, sizeof name);
                if (lstrcmpiA(name, WC_LISTVIEWA) != 0)
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = w;
                return FALSE;
            }
        };
        HWND list = nullptr;
        EnumChildWindows(main, Rows::Find, reinterpret_cast<LPARAM>(&list));
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(2, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(hunterly.Ended()) << hunterly.Shown();
    }

    // Files Only: the program files and shortcuts go, the settings stay.
    Uninstall(IDC_FILESONLY);
    for (char const* name : Files)
        EXPECT_EQ(std::string(name) == "Uninstall.exe", isFile(Installed(name))) << name;
    for (auto const& shortcut : Shortcuts())
        EXPECT_FALSE(isFile(shortcut[0])) << shortcut[0];
    EXPECT_FALSE(isFolder(Special(CSIDL_PROGRAMS) + "\\Hunterly"));
    EXPECT_EQ(folder, Read(HKEY_CURRENT_USER, "Software\\Hunterly", "Folder").text);
    EXPECT_EQ("Hunterly Results", Read(HKEY_CLASSES_ROOT, ".hur").text);
    EXPECT_EQ("Hunterly Profiles", Read(HKEY_CLASSES_ROOT, ".hup").text);

    // Installed again over what is left, then removed completely.
    Install();
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(isFile(Installed("hunterly.exe")));
    EXPECT_TRUE(ReadLink(Shortcuts()[0][0]).read);
    Uninstall(IDC_COMPLETE);
    for (char const* name : Files)
        EXPECT_EQ(std::string(name) == "Uninstall.exe", isFile(Installed(name))) << name;
    EXPECT_TRUE(isFolder(folder));
    for (auto const& shortcut : Shortcuts())
        EXPECT_FALSE(isFile(shortcut[0])) << shortcut[0];
    EXPECT_FALSE(isFolder(Special(CSIDL_PROGRAMS) + "\\Hunterly"));
    for (char const* ext : {".hup", ".hur"}) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext)) << ext;
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(FileExts) + ext)) << ext;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Hunterly"));
}

}  // namespace
