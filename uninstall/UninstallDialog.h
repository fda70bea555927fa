// UninstallDialog: the uninstaller's first dialog, where the user picks how
// much is removed.
#pragma once

#include "AboutMenuDialog.h"
#include "RemovingDialog.h"

class UninstallDialog : public AboutMenuDialog
{
public:
    UninstallDialog();

protected:
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    // "Continue".
    bool OnOK() override;
    bool OnEnter() override;
    bool OnHelp() override;

private:
    void Explain(unsigned mode) const;
};
