#include "CopyingDialog.h"

#include "DFileLoad.h"
#include "DMsgBox.h"
#include "Deliverables.h"
#include "InstallKeys.h"
#include "Resource.h"
#include "ShellLink.h"
#include "SpecialFolder.h"

CopyingDialog::CopyingDialog(DName const& installFolder)
    : WorkDialog(IDD_COPYING), folder(installFolder)
{
}

// Nothing is undone: the files copied so far stay.
bool CopyingDialog::OnCancel()
{
    EndDialog(IDCANCEL);
    return true;
}

bool CopyingDialog::Work()
{
    Begin();
    Status("Preparing...");
    DFileLoad dirs;
    // The files come from where the installer was started; making the
    // folder moves the current folder.
    DName source = dirs.GetDir();
    source.AttachSlash();
    dirs.StoreCurrentDir();
    // An empty folder would be the current one: the files onto themselves.
    bool const made = !folder.isEmpty() && dirs.MakeDir(folder);
    dirs.RestoreDir();
    if (!made) {
        DMsgBox(GetWnd()).ErrorFile("Error creating folder", folder, "Could not Make Folder");
        return false;
    }
    if (!CopyFiles(source))
        return false;
    Status("Registering components...");
    InstallKeys::Write(folder);
    MakeShortcuts();
    Finish();
    return true;
}

bool CopyingDialog::CopyFiles(DName const& source)
{
    DName target(folder);
    target.AttachSlash();
    for (unsigned i = 0; i < Deliverables::Count; ++i) {
        char const* const name = Deliverables::Name(i);
        Status(DName("Copying file ") + target + name + "...");
        if (!CopyFileA((source + name).Name(), (target + name).Name(), FALSE)) {
            DMsgBox(GetWnd()).ErrorFile("Could not copy file ", name, "Copy File Error");
            return false;
        }
        Step(i);
    }
    return true;
}

// A shortcut that cannot be made is passed over.
void CopyingDialog::MakeShortcuts() const
{
    DName const program = Installed(Deliverables::Program);
    DFileLoad dirs;
    dirs.StoreCurrentDir();
    DName const group = SpecialFolder::ProgramGroup();
    if (!group.isEmpty() && dirs.MakeDir(group)) {
        ShellLink::Make(DName(group).AddFile("Hunterly.lnk"), program, "Hunterly");
        ShellLink::Make(DName(group).AddFile("Uninstall.lnk"),
                        Installed(Deliverables::Name(Deliverables::Uninstaller)),
                        "Uninstall Hunterly");
        ShellLink::Make(DName(group).AddFile("Hunterly Help.lnk"), Installed(Deliverables::Help),
                        "Help files for using Hunterly");
    }
    dirs.RestoreDir();
    DName const sendTo = SpecialFolder::SendTo();
    if (dirs.ChangeDir(sendTo))
        ShellLink::Make(DName(sendTo).AddFile("Hunterly.lnk"), program, "Search directory");
    dirs.RestoreDir();
    DName const desktop = SpecialFolder::Desktop();
    if (dirs.ChangeDir(desktop))
        ShellLink::Make(DName(desktop).AddFile("Hunterly.lnk"), program, "Hunterly");
    dirs.RestoreDir();
}

DName CopyingDialog::Installed(char const* name) const
{
    return DName(folder).AddFile(name);
}
