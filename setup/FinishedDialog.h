// FinishedDialog: "Installation Finished", which may start the program just
// installed.
#pragma once

#include "DDialog.h"
#include "DName.h"

class FinishedDialog : public DDialog
{
public:
    explicit FinishedDialog(DName const& folder);

protected:
    bool OnInit() override;
    // "Finish", Enter and closing the window all finish.
    bool OnOK() override;
    bool OnCancel() override;
    bool OnEscape() override;
    bool OnHelp() override;

private:
    DName folder;
};
