#include "DSystemTray.h"

#include <cstdlib>
#include <cstring>

#include <shellapi.h>

DSystemTray::DSystemTray(HWND parent, HICON icon, DName const& tip, unsigned id)
    : DIBasics(parent, 0), ids(nullptr), idCount(0)
{
    if (id)
        AddIcon(icon, tip, id);
}

DSystemTray::~DSystemTray()
{
    while (idCount)
        RemoveIcon(ids[idCount - 1]);
    std::free(ids);
}

bool DSystemTray::Notify(DWORD action, UINT flags, HICON icon, DName const& tip, unsigned id) const
{
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    // The first layout of the record: every shell version takes it.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = GetParent();
    data.uID = id;
    data.uFlags = flags;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = icon;
    if (flags & NIF_TIP)
        lstrcpynA(data.szTip, tip.Name(), 64);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

bool DSystemTray::isAdded(unsigned id) const
{
    for (unsigned i = 0; i < idCount; ++i)
        if (ids[i] == id)
            return true;
    return false;
}

bool DSystemTray::AddIcon(HICON icon, DName const& tip, unsigned id)
{
    if (isAdded(id))
        return false;
    UINT const flags = NIF_MESSAGE | NIF_ICON | (tip.isEmpty() ? 0 : NIF_TIP);
    if (!Notify(NIM_ADD, flags, icon, tip, id))
        return false;
    // Only icons the shell took are listed, so a refused one may be tried again.
    void* grown = std::realloc(ids, (idCount + 1) * sizeof(unsigned));
    if (!grown) {
        Notify(NIM_DELETE, 0, nullptr, DName(), id);
        return false;
    }
    ids = static_cast<unsigned*>(grown);
    ids[idCount++] = id;
    return true;
}

bool DSystemTray::ModifyIcon(HICON icon, DName const& tip, unsigned id)
{
    if (!icon && tip.isEmpty())
        return false;
    UINT const flags = (icon ? NIF_ICON : 0) | (tip.isEmpty() ? 0 : NIF_TIP);
    return Notify(NIM_MODIFY, flags, icon, tip, id);
}

bool DSystemTray::RemoveIcon(unsigned id)
{
    for (unsigned i = 0; i < idCount; ++i)
        if (ids[i] == id) {
            std::memmove(ids + i, ids + i + 1, (idCount - i - 1) * sizeof(unsigned));
            --idCount;
            break;
        }
    return Notify(NIM_DELETE, 0, nullptr, DName(), id);
}
