// CopyingDialog: "Copying in Progress": makes the installation folder,
// copies the files of the installation into it from the current folder,
// writes the registry entries and makes the shortcuts.
#pragma once

#include "WorkDialog.h"

class CopyingDialog : public WorkDialog
{
public:
    explicit CopyingDialog(DName const& folder);

protected:
    bool OnCancel() override;
    bool Work() override;

private:
    bool CopyFiles(DName const& source);
    void MakeShortcuts() const;
    DName Installed(char const* name) const;

    DName folder;
};
