#include "ProgramPathDialog.h"

#include "DFileLoad.h"
#include "DText.h"
#include "Resource.h"

char const* const ProgramPathDialog::DefaultFolder = "C:\\Program Files\\Hunterly";

ProgramPathDialog::ProgramPathDialog() : DDialog(IDD_PROGRAMPATH), folder(DefaultFolder) {}

DName const& ProgramPathDialog::GetFolder() const
{
    return folder;
}

bool ProgramPathDialog::OnInit()
{
    DText(GetWnd(), IDC_FOLDER).Set(folder);
    return true;
}

bool ProgramPathDialog::OnCommand(unsigned id, unsigned code, HWND)
{
    if (id != IDC_BROWSE || code != BN_CLICKED)
        return false;
    OnBrowse();
    return true;
}

// The program gets a folder of its own inside the one chosen.
void ProgramPathDialog::OnBrowse() const
{
    DFileLoad browser;
    if (!browser.BrowseForDir(GetWnd()))
        return;
    DName chosen = browser.GetBrowseFilename(0);
    if (chosen.Right() == '\\')
        chosen.DelRight(1);
    chosen += "\\Hunterly";
    DText(GetWnd(), IDC_FOLDER).Set(chosen);
}

// The folder is taken as typed; the copying reports one that cannot be
// made. An empty field is no folder at all: "Next" waits for one.
bool ProgramPathDialog::OnOK()
{
    DName const typed = DText(GetWnd(), IDC_FOLDER).Get();
    if (typed.isEmpty())
        return true;
    folder = typed;
    EndDialog(IDOK);
    return true;
}

bool ProgramPathDialog::OnEscape()
{
    return true;
}

bool ProgramPathDialog::OnHelp()
{
    return true;
}
