#include "UninstallDialog.h"

#include "DCheckBox.h"
#include "DText.h"
#include "Resource.h"

namespace {

char const* const AbortText =
    "All components of Hunterly will be removed from this computer.  Complete removes "
    "everything except the uninstall file; Files Only removes the program files and "
    "shortcuts and keeps your settings.";
char const* const CompleteText =
    "Every component of Hunterly and all of its stored settings will be removed.  You will "
    "have to install the program again before you can use it.  If in doubt, choose Files "
    "Only.";
char const* const FilesOnlyText =
    "Only files will be uninstalled.  Your settings will be saved and not deleted should you "
    "want to re-install this application again.";

}

UninstallDialog::UninstallDialog()
    : AboutMenuDialog(IDD_UNINSTALL, "&About Uninstall...", IDD_ABOUTUNINSTALL, IDR_MAINFRAME)
{
}

bool UninstallDialog::OnInit()
{
    AboutMenuDialog::OnInit();
    DCheckBox(GetWnd(), IDC_ABORT).SetOn();
    Explain(IDC_ABORT);
    return true;
}

bool UninstallDialog::OnCommand(unsigned id, unsigned code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_COMPLETE:
    case IDC_FILESONLY:
        Explain(id);
        return true;
    case IDC_ABORT:
        EndDialog(IDCANCEL);
        return true;
    default:
        return false;
    }
}

void UninstallDialog::Explain(unsigned mode) const
{
    char const* const text = mode == IDC_COMPLETE    ? CompleteText
                             : mode == IDC_FILESONLY ? FilesOnlyText
                                                     : AbortText;
    DText(GetWnd(), IDC_EXPLANATION).Set(text);
}

bool UninstallDialog::OnOK()
{
    DCheckBox const mode(GetWnd(), 0);
    if (mode.isOn(IDC_ABORT) || (mode.isOff(IDC_COMPLETE) && mode.isOff(IDC_FILESONLY))) {
        EndDialog(IDCANCEL);
        return true;
    }
    RemovingDialog removing(mode.isOn(IDC_COMPLETE) ? RemovingDialog::Complete
                                                    : RemovingDialog::FilesOnly);
    ShowWindow(GetWnd(), SW_HIDE);
    removing.DoModal();
    EndDialog(IDOK);
    return true;
}

bool UninstallDialog::OnEnter()
{
    return true;
}

bool UninstallDialog::OnHelp()
{
    return true;
}
