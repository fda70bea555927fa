// AboutMenuDialog: the first dialog of the installer and of the uninstaller:
// the program's icons, and an entry in the system menu that opens a small
// about box.
#pragma once

#include "DDialog.h"

class AboutMenuDialog : public DDialog
{
public:
    // entry is the system menu's text; aboutId the template of the box and
    // iconId the program's icon. The text must outlive the object.
    AboutMenuDialog(unsigned templateId, char const* entry, unsigned aboutId, unsigned iconId);

    // The command of the entry in the system menu.
    static constexpr unsigned AboutCommand = 0x0010;

protected:
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    char const* entry;
    unsigned aboutId;
    HICON icon;
};
