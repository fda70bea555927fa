#include "WorkDialog.h"

#include "DButton.h"
#include "DProgressBar.h"
#include "DStatic.h"
#include "WorkResource.h"

WorkDialog::WorkDialog(unsigned templateId) : DDialog(templateId), done(false) {}

bool WorkDialog::isDone() const
{
    return done;
}

bool WorkDialog::OnInit()
{
    // The user watches the work.
    ShowWindow(GetWnd(), SW_SHOW);
    Paint();
    if (!Work())
        EndDialog(Failed);
    return true;
}

bool WorkDialog::OnOK()
{
    if (done)
        EndDialog(IDOK);
    return true;
}

bool WorkDialog::OnEscape()
{
    return true;
}

bool WorkDialog::OnHelp()
{
    return true;
}

void WorkDialog::Begin() const
{
    DProgressBar(Steps, 0, GetWnd(), IDC_WORKPROGRESS);
    DButton(GetWnd(), IDOK).Disable();
    Paint();
}

void WorkDialog::Status(DName const& text) const
{
    DStatic(GetWnd(), IDC_WORKSTATUS).Modify(text);
    Paint();
}

void WorkDialog::Step(unsigned long position) const
{
    DProgressBar(GetWnd(), IDC_WORKPROGRESS).SetPos(position);
    Paint();
}

void WorkDialog::Finish()
{
    Step(Steps);
    Status("Completed.");
    DButton(GetWnd(), IDOK).Enable();
    done = true;
}

void WorkDialog::Paint() const
{
    RedrawWindow(GetWnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}
