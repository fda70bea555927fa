// DisclaimerDialog: the installer's first dialog, which shows the agreement
// of "eula.txt" and, once the user agrees, leads through the others.
#pragma once

#include "AboutMenuDialog.h"

class DisclaimerDialog : public AboutMenuDialog
{
public:
    DisclaimerDialog();

    // The most of the agreement that is shown, in bytes.
    static constexpr unsigned long AgreementLimit = 12800;

protected:
    // Ends the dialog with IDABORT when the agreement cannot be read.
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnEnter() override;
    bool OnEscape() override;
    bool OnHelp() override;

private:
    bool ShowAgreement() const;
    // "Program Path", "Copying in Progress" and "Installation Finished" in
    // turn; any that is cancelled or fails ends the installer.
    void RunWizard();
};
