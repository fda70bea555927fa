#include "PropFileNames.h"

#include <shellapi.h>

#include "DCheckBox.h"
#include "DComboBox.h"
#include "DReg.h"
#include "DStatusWnd.h"
#include "DirectoryListingSpec.h"
#include "PropFileNamesIds.h"
#include "Resource.h"
#include "SharedFlags.h"

namespace {

char const* const NamePrefix = "Filename";
char const* const FolderPrefix = "Path";
char const* const RootPrefix = "Cache";
char const* const SubfoldersValue = "Subs";
unsigned const Drives = 26;

OptionPage::Tip const Tips[] = {
    {IDC_FILENAME, "Select or enter the file name to search for"},
    {IDC_FOLDER, "Select or enter the folder to start search at"},
    {IDC_BROWSE, "Browse for a folder as a starting search folder"},
    {IDC_SUBFOLDERS, "Allows any folders found to be searched also"},
    {IDC_ADDNAME, "Add this file name to the file names list below"},
    {IDC_ADDFOLDER, "Add this folder to the folder list below"},
    {IDC_CLEARNAMES, "Clear all current file names in the file names list below"},
    {IDC_CLEARFOLDERS, "Clear all current folders in the folders list below"},
    {IDC_ENTIREDRIVE, "The entire current drive will be searched"},
    {IDC_ALLDRIVES, "All available drives known will be searched"},
};

bool isListed(Container<DName> const& list, DName const& entry)
{
    for (unsigned i = 0; i < list.Size(); ++i)
        if (list[i] == entry)
            return true;
    return false;
}

// The stored entries from index 0 up to the first one missing; blank ones
// and repeats are passed over, and so are folders that are gone when the
// list holds folders.
void LoadList(DReg& key, char const* prefix, Container<DName>& list, bool folders)
{
    for (unsigned i = 0; i < PropFileNames::MaxStored; ++i) {
        if (!key.LoadKeyValue(PropFileNames::ValueName(prefix, i)))
            return;
        // A value of another type holds no text.
        if (key.GetKeyType() != REG_SZ)
            continue;
        DName entry;
        entry = key.GetKeyValue();
        if (entry.isEmpty() || isListed(list, entry) || (folders && !DFileLoad::isFolder(entry)))
            continue;
        list.InsertRight(entry);
    }
}

// Values past the list are blanked, not deleted: loading stops only at a
// missing one.
void SaveList(DReg& key, char const* prefix, Container<DName> const& list, bool remember)
{
    for (unsigned i = 0; i < PropFileNames::MaxStored; ++i) {
        DName const name = PropFileNames::ValueName(prefix, i);
        if (i < list.Size())
            key.SetValue(name, remember ? list[i] : DName(), REG_SZ);
        else if (key.LoadKeyValue(name))
            key.SetValue(name, DName(), REG_SZ);
        else
            return;
    }
}

// The root of the current folder's drive, as "C:\".
DName CurrentRoot(DFileLoad const& dirs)
{
    DName root = dirs.GetDir();
    if (root.Size() > 3)
        root.DelRight(root.Size() - 3);
    return root;
}

// The shell's small icon of the current folder; null when it has none.
HICON FolderIcon(DName const& folder)
{
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(folder.Name(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        return nullptr;
    return info.hIcon;
}

}

PropFileNames::PropFileNames()
    : OptionPage(IDD_FILENAMES, 0, "Software\\Hunterly\\FileNames")
{
    lists.AddPage(&nameList);
    lists.AddPage(&folderList);
}

DName PropFileNames::ValueName(char const* prefix, unsigned index)
{
    char const bytes[] = {static_cast<char>(index >> 8 & 0xFF), static_cast<char>(index & 0xFF)};
    DName number;
    number.Namen(bytes, 2);
    return DName(prefix) + number.ToRadix(16);
}

Container<DName> const& PropFileNames::GetAddedRoots() const
{
    return addedRoots;
}

DPropertySheet& PropFileNames::GetItemLists()
{
    return lists;
}

void PropFileNames::Load(DReg& key)
{
    DirectoryListingSpec& criteria = *links.criteria;
    criteria.folders.Destroy();
    criteria.names.Destroy();
    LoadList(key, NamePrefix, criteria.names, false);
    LoadList(key, FolderPrefix, criteria.folders, true);
    LoadList(key, RootPrefix, addedRoots, true);
    links.flags->searchSubfolders = key.LoadKeyBool(SubfoldersValue, true);
}

void PropFileNames::Save(DReg& key, bool remember) const
{
    SaveList(key, NamePrefix, links.criteria->names, remember);
    SaveList(key, FolderPrefix, links.criteria->folders, remember);
    SaveList(key, RootPrefix, addedRoots, remember);
    key.SetDwordValue(SubfoldersValue, remember ? links.flags->searchSubfolders : 1);
}

void PropFileNames::InitControls()
{
    HWND const page = GetWnd();
    DButton buttons(page);
    buttons.SetIcon(LoadAppSmallIcon(IDI_ADD), false, true, IDC_ADDNAME);
    buttons.SetIcon(LoadAppSmallIcon(IDI_ADD), false, true, IDC_ADDFOLDER);
    buttons.SetIcon(LoadAppSmallIcon(IDI_CLEAR), false, true, IDC_CLEARNAMES);
    buttons.SetIcon(LoadAppSmallIcon(IDI_CLEAR), false, true, IDC_CLEARFOLDERS);
    browseButton.SetParent(page, IDC_BROWSE);
    HICON const shellIcon = FolderIcon(dirs.GetDir());
    if (shellIcon)
        browseButton.SetIcon(shellIcon, true);
    else
        browseButton.SetIcon(LoadAppSmallIcon(IDI_FOLDER), false);
    AddTips(Tips);
    MakeLists();

    Refresh();
    // The stored switches add their roots again.
    if (links.flags->searchAllDrives)
        OnAllDrives();
    else if (links.flags->entireDrive)
        OnEntireDrive();
    // Both item lists are made.
    ShowList(FoldersTab);
    ShowList(NamesTab);
}

void PropFileNames::MakeLists()
{
    for (View* list : {&nameList, &folderList}) {
        list->links.status = links.status;
        list->links.flags = links.flags;
        list->links.criteria = links.criteria;
    }
    nameList.Link(&links.criteria->names);
    folderList.Link(&links.criteria->folders);

    HWND const place = GetDlgItem(GetWnd(), IDC_LISTPLACE);
    RECT area;
    GetWindowRect(place, &area);
    MapWindowPoints(nullptr, GetWnd(), reinterpret_cast<POINT*>(&area), 2);
    if (!lists.Create(GetWnd(), area, IDC_ITEMTABS))
        return;
    DTabControl& tabs = lists.GetTabControl();
    tabs.SetText("File Names", NamesTab);
    tabs.SetText("Folders", FoldersTab);
    Stretch(IDC_ITEMTABS);
}

void PropFileNames::Refresh()
{
    DirectoryListingSpec const& criteria = *links.criteria;
    DComboBox names(GetWnd(), IDC_FILENAME);
    names.Reset();
    if (criteria.names.isEmpty())
        names.Add("*.*");
    for (unsigned i = 0; i < criteria.names.Size(); ++i)
        if (names.FindTextA(criteria.names[i]) < 0)
            names.Add(criteria.names[i]);
    // Past the end, as for an empty list, the first item is selected.
    names.SetSel(criteria.names.Size() - 1);
    nameList.Refill();

    DComboBox folders(GetWnd(), IDC_FOLDER);
    folders.Reset();
    // The drive's root is shown only; the criteria stay empty.
    if (criteria.folders.isEmpty())
        folders.Add(CurrentRoot(dirs));
    for (unsigned i = 0; i < criteria.folders.Size(); ++i)
        if (folders.FindTextA(criteria.folders[i]) < 0)
            folders.Add(criteria.folders[i]);
    folders.SetSel(criteria.folders.Size() - 1);
    folderList.Refill();

    SharedFlags& flags = *links.flags;
    DCheckBox boxes(GetWnd());
    boxes.SetState(flags.searchSubfolders, IDC_SUBFOLDERS);
    boxes.SetState(flags.searchAllDrives, IDC_ALLDRIVES);
    if (flags.searchAllDrives) {
        flags.entireDrive = false;
        boxes.Disable(IDC_ENTIREDRIVE);
    }
    boxes.SetState(flags.entireDrive, IDC_ENTIREDRIVE);
}

void PropFileNames::Show()
{
    nameList.Refill();
    folderList.Refill();
}

bool PropFileNames::isInUse() const
{
    return !links.criteria->names.isEmpty() || !links.criteria->folders.isEmpty();
}

void PropFileNames::Reset()
{
    if (links.flags) {
        links.flags->entireDrive = false;
        links.flags->searchAllDrives = false;
    }
    addedRoots.Destroy();
    if (!GetWnd())
        return;
    DCheckBox boxes(GetWnd());
    for (int id : {IDC_ENTIREDRIVE, IDC_ALLDRIVES}) {
        boxes.SetOff(id);
        boxes.Enable(id);
    }
}

void PropFileNames::ShowList(unsigned tab)
{
    lists.SetActivePage(tab);
}

bool PropFileNames::OnCommand(unsigned id, unsigned code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_ADDNAME:
        OnAddName();
        return true;
    case IDC_CLEARNAMES:
        OnClearNames();
        return true;
    case IDC_ADDFOLDER:
        OnAddFolder();
        return true;
    case IDC_BROWSE:
        OnBrowse();
        return true;
    case IDC_CLEARFOLDERS:
        OnClearFolders();
        return true;
    case IDC_SUBFOLDERS:
        OnSubfolders();
        return true;
    case IDC_ENTIREDRIVE:
        OnEntireDrive();
        return true;
    case IDC_ALLDRIVES:
        OnAllDrives();
        return true;
    default:
        return false;
    }
}

bool PropFileNames::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    bool const handled = OptionPage::OnMessage(message, wparam, lparam, result);
    // The tabbed area has grown with the page; its strip and lists follow.
    if (message == WM_SIZE && lists.GetWnd()) {
        DRect const area(lists.GetWnd());
        lists.SetSize(static_cast<int>(area.GetWidth()), static_cast<int>(area.GetHeight()));
    }
    return handled;
}

bool PropFileNames::isIn(HWND window, int id) const
{
    HWND const box = GetDlgItem(GetWnd(), id);
    return box && (window == box || IsChild(box, window));
}

bool PropFileNames::PreTranslateMessage(MSG& msg)
{
    // Enter in a box adds what it holds; the frame consumes the key.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        if (isIn(msg.hwnd, IDC_FOLDER))
            OnAddFolder();
        else if (isIn(msg.hwnd, IDC_FILENAME))
            OnAddName();
    }
    return OptionPage::PreTranslateMessage(msg);
}

void PropFileNames::OnAddName()
{
    DComboBox box(GetWnd(), IDC_FILENAME);
    DName const name = box.GetEditBox();
    if (name.isEmpty())
        return;
    ShowList(NamesTab);
    Container<DName>& names = links.criteria->names;
    if (isListed(names, name))
        return;
    names.InsertRight(name);
    nameList.Refill();
    box.Focus();
    links.status->MergeText("Added to file name list", name, true);
}

void PropFileNames::OnClearNames()
{
    ShowList(NamesTab);
    nameList.RemoveAll();
}

void PropFileNames::OnAddFolder()
{
    DComboBox box(GetWnd(), IDC_FOLDER);
    DName const folder = box.GetEditBox();
    if (folder.isEmpty())
        return;
    // A file, or a folder that is not there.
    if (!DFileLoad::isFolder(folder)) {
        links.status->MergeText("The path is invalid for", folder, true);
        return;
    }
    ShowList(FoldersTab);
    Container<DName>& folders = links.criteria->folders;
    if (isListed(folders, folder))
        return;
    folders.InsertRight(folder);
    folderList.Refill();
    box.Focus();
    links.status->MergeText("Added to folder list", folder, true);
}

void PropFileNames::OnBrowse()
{
    DComboBox box(GetWnd(), IDC_FOLDER);
    Container<DName>& folders = links.criteria->folders;
    int const selected = box.GetIndex();
    if (selected >= 0 && static_cast<unsigned>(selected) < folders.Size())
        dirs.SetBrowseDir(folders[static_cast<unsigned>(selected)]);
    if (!dirs.BrowseForDir(GetWnd()))
        return;
    DName const chosen = dirs.GetBrowseFilename(0);
    if (chosen.isEmpty() || isListed(folders, chosen))
        return;
    folders.InsertRight(chosen);
    ShowList(FoldersTab);
    folderList.Refill();
    int const shown = box.FindTextA(chosen);
    if (shown >= 0)
        box.SetSel(static_cast<unsigned long>(shown));
    else
        box.Add(chosen, true);
    box.Focus();
}

void PropFileNames::OnClearFolders()
{
    SharedFlags& flags = *links.flags;
    DCheckBox boxes(GetWnd());
    if (flags.searchAllDrives) {
        boxes.SetOff(IDC_ALLDRIVES);
        OnAllDrives();
    }
    if (flags.entireDrive) {
        boxes.SetOff(IDC_ENTIREDRIVE);
        OnEntireDrive();
    }
    ShowList(FoldersTab);
    folderList.RemoveAll();
}

void PropFileNames::OnSubfolders()
{
    bool const on = DCheckBox(GetWnd(), IDC_SUBFOLDERS).isOn();
    links.flags->searchSubfolders = on;
    links.status->SetText(on ? "Sub-folders will be searched."
                             : "Sub-folders will not be included in search.");
}

bool PropFileNames::AddRoot(DName const& root)
{
    Container<DName>& folders = links.criteria->folders;
    if (isListed(folders, root))
        return false;
    folders.InsertRight(root);
    addedRoots.InsertRight(root);
    return true;
}

void PropFileNames::OnEntireDrive()
{
    bool const on = DCheckBox(GetWnd(), IDC_ENTIREDRIVE).isOn();
    links.flags->entireDrive = on;
    if (on)
        AddRoot(CurrentRoot(dirs));
    else
        WithdrawRoots();
    ShowList(FoldersTab);
    folderList.Refill();
}

void PropFileNames::OnAllDrives()
{
    DCheckBox boxes(GetWnd());
    bool const on = boxes.isOn(IDC_ALLDRIVES);
    links.flags->searchAllDrives = on;
    if (on) {
        for (unsigned drive = 1; drive <= Drives; ++drive) {
            if (!DFileLoad::isDriveReady(drive))
                continue;
            char const root[] = {static_cast<char>('A' + drive - 1), ':', '\\', '\0'};
            AddRoot(root);
        }
        boxes.Disable(IDC_ENTIREDRIVE);
        links.flags->entireDrive = false;
        boxes.SetOff(IDC_ENTIREDRIVE);
    } else {
        WithdrawRoots();
        boxes.Enable(IDC_ENTIREDRIVE);
    }
    ShowList(FoldersTab);
    folderList.Refill();
}

void PropFileNames::WithdrawRoots()
{
    Container<DName>& folders = links.criteria->folders;
    for (unsigned r = 0; r < addedRoots.Size(); ++r) {
        for (unsigned i = 0; i < folders.Size(); ++i) {
            if (folders[i] == addedRoots[r]) {
                folders.DelPos(i);
                break;
            }
        }
    }
    addedRoots.Destroy();
}
