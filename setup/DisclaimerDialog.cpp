#include "DisclaimerDialog.h"

#include "CopyingDialog.h"
#include "DMsgBox.h"
#include "DText.h"
#include "FileOper.h"
#include "FinishedDialog.h"
#include "ProgramPathDialog.h"
#include "Resource.h"

DisclaimerDialog::DisclaimerDialog()
    : AboutMenuDialog(IDD_DISCLAIMER, "&About Setup...", IDD_ABOUTSETUP, IDR_MAINFRAME)
{
}

bool DisclaimerDialog::OnInit()
{
    AboutMenuDialog::OnInit();
    if (!ShowAgreement()) {
        DMsgBox(GetWnd()).Error("The file \"EULA.TXT\" could not be found.  This program will "
                                "not continue without its presence in the current folder.",
                                "EULA Missing or Corrupt");
        EndDialog(IDABORT);
    }
    return true;
}

bool DisclaimerDialog::ShowAgreement() const
{
    FileOper f;
    if (!f.Open("eula.txt", false, false))
        return false;
    char text[AgreementLimit + 1] = "";
    if (!f.Read(text, AgreementLimit, false))
        return false;
    text[f.GetReadSize()] = '\0';
    return DText(GetWnd(), IDC_AGREEMENT).Set(text);
}

bool DisclaimerDialog::OnCommand(unsigned id, unsigned code, HWND)
{
    if (id != IDC_AGREE || code != BN_CLICKED)
        return false;
    RunWizard();
    return true;
}

void DisclaimerDialog::RunWizard()
{
    ShowWindow(GetWnd(), SW_HIDE);
    ProgramPathDialog path;
    if (path.DoModal() == IDOK) {
        CopyingDialog copying(path.GetFolder());
        if (copying.DoModal() == IDOK)
            FinishedDialog(path.GetFolder()).DoModal();
    }
    EndDialog(IDOK);
}

bool DisclaimerDialog::OnEnter()
{
    return true;
}

bool DisclaimerDialog::OnEscape()
{
    return true;
}

bool DisclaimerDialog::OnHelp()
{
    return true;
}
