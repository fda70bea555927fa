// DSystemTray: icons in the taskbar's notification area. Each icon reports
// mouse actions to the parent window with the message CallbackMessage.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DSystemTray : public DIBasics
{
public:
    enum { CallbackMessage = WM_USER + 167 };

    // With an id other than 0 the icon is added at once.
    DSystemTray(HWND parent = nullptr, HICON icon = nullptr, DName const& tip = DName(),
                unsigned id = 0);
    ~DSystemTray() override;                                 // removes every icon added

    bool AddIcon(HICON icon, DName const& tip, unsigned id);    // tips are cut at 63 characters
    bool ModifyIcon(HICON icon, DName const& tip, unsigned id);
    bool RemoveIcon(unsigned id);

private:
    bool Notify(DWORD action, UINT flags, HICON icon, DName const& tip, unsigned id) const;
    bool isAdded(unsigned id) const;

    unsigned* ids;
    unsigned idCount;
};
