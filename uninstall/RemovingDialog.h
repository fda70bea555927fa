// RemovingDialog: "Uninstall in Progress": removes the program files and
// the shortcuts and, in Complete mode, every registry key of the program.
// The uninstaller itself stays.
#pragma once

#include "WorkDialog.h"

class RemovingDialog : public WorkDialog
{
public:
    enum Mode
    {
        Complete,
        FilesOnly,
    };

    explicit RemovingDialog(Mode mode);

    // The stored installation folder, or the current folder when none is
    // stored.
    static DName InstallFolder();

protected:
    // Its "Cancel" is never enabled: closing the window counts only once
    // the work is done.
    bool OnCancel() override;
    bool Work() override;

private:
    void RemoveFiles(DName const& folder);
    static void RemoveShortcuts();

    Mode mode;
};
