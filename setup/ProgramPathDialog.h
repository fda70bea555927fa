// ProgramPathDialog: "Program Path", where the user chooses the
// installation folder.
#pragma once

#include "DDialog.h"
#include "DName.h"

class ProgramPathDialog : public DDialog
{
public:
    ProgramPathDialog();

    static char const* const DefaultFolder;     // "C:\Program Files\Hunterly"

    // The folder taken at "Next"; until then the default.
    DName const& GetFolder() const;

protected:
    bool OnInit() override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;
    bool OnOK() override;
    bool OnEscape() override;
    bool OnHelp() override;

private:
    void OnBrowse() const;

    DName folder;
};
