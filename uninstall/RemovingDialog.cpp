#include "RemovingDialog.h"

#include "DFileLoad.h"
#include "DMsgBox.h"
#include "Deliverables.h"
#include "InstallKeys.h"
#include "Resource.h"
#include "SpecialFolder.h"

namespace {

char const* const GroupLinks[] = {"Hunterly.lnk", "Uninstall.lnk", "Hunterly Help.lnk"};

// Removes the named shortcut from folder when the folder can be entered.
void RemoveLink(DName const& folder, char const* name)
{
    DFileLoad dirs;
    dirs.StoreCurrentDir();
    if (dirs.ChangeDir(folder))
        dirs.Remove(DName(folder).AddFile(name));
    dirs.RestoreDir();
}

}

RemovingDialog::RemovingDialog(Mode removal) : WorkDialog(IDD_REMOVING), mode(removal) {}

DName RemovingDialog::InstallFolder()
{
    DName const folder = InstallKeys::Folder();
    return folder.isEmpty() ? DFileLoad().GetDir() : folder;
}

bool RemovingDialog::OnCancel()
{
    return OnOK();
}

bool RemovingDialog::Work()
{
    Begin();
    DName const folder = InstallFolder();
    DFileLoad().ChangeDir(folder);
    RemoveFiles(folder);
    RemoveShortcuts();
    Step(Steps);
    if (mode == Complete) {
        Status("Uninstalling components...");
        InstallKeys::RemoveAssociations();
        InstallKeys::RemoveSettings();
    }
    Finish();
    return true;
}

// A file that will not go is reported, and the next one is tried.
void RemovingDialog::RemoveFiles(DName const& folder)
{
    DFileLoad files;
    for (unsigned i = 0; i < Deliverables::Uninstaller; ++i) {
        DName const path = DName(folder).AddFile(Deliverables::Name(i));
        Status(DName("Removing file ") + path + "...");
        if (!files.Remove(path))
            DMsgBox(GetWnd()).ErrorFile("Could not remove", path, "Deletion Error");
        Step(i);
    }
}

// Missing shortcuts and folders are passed over.
void RemovingDialog::RemoveShortcuts()
{
    DName const group = SpecialFolder::ProgramGroup();
    if (!group.isEmpty()) {
        for (char const* link : GroupLinks)
            RemoveLink(group, link);
        // A folder goes from its parent.
        DFileLoad dirs;
        dirs.StoreCurrentDir();
        if (dirs.ChangeDir(SpecialFolder::Programs()))
            dirs.RemoveDir(group);
        dirs.RestoreDir();
    }
    RemoveLink(SpecialFolder::SendTo(), "Hunterly.lnk");
    RemoveLink(SpecialFolder::Desktop(), "Hunterly.lnk");
}
