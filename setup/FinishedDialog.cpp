#include "FinishedDialog.h"

#include "DCheckBox.h"
#include "Deliverables.h"
#include "Resource.h"
#include "ShellRun.h"

FinishedDialog::FinishedDialog(DName const& installFolder)
    : DDialog(IDD_FINISHED), folder(installFolder)
{
}

bool FinishedDialog::OnInit()
{
    DCheckBox(GetWnd(), IDC_RUNPROGRAM).SetOn();
    return true;
}

bool FinishedDialog::OnOK()
{
    if (DCheckBox(GetWnd(), IDC_RUNPROGRAM).isOn())
        ShellRun::Open(DName(folder).AddFile(Deliverables::Program));
    EndDialog(IDOK);
    return true;
}

bool FinishedDialog::OnCancel()
{
    return OnOK();
}

bool FinishedDialog::OnEscape()
{
    return true;
}

bool FinishedDialog::OnHelp()
{
    return true;
}
