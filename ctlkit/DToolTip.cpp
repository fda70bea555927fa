#include "DToolTip.h"

#include <commctrl.h>

#include <initializer_list>

DToolTip::DToolTip(HWND parent, int id) : DIBasics(parent, id) {}

DToolTip::~DToolTip()
{
    Destroy();
}

bool DToolTip::Create(unsigned long delay, unsigned long stay, unsigned long)
{
    Destroy();
    SetWnd(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr));
    if (!GetWnd())
        return false;
    if (delay)
        SetDelay(delay);
    if (stay)
        SetStayDelay(stay);
    return true;
}

void DToolTip::Destroy()
{
    if (GetWnd())
        DestroyWindow(GetWnd());
    SetWnd(nullptr);
}

namespace {

// An editable combo box's edit part is a window of its own, which the mouse
// meets before the box: it carries the box's tip too. Null for other tools.
HWND EditPart(HWND tool)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(tool, &info) || info.hwndItem == tool)
        return nullptr;
    return info.hwndItem;
}

TTTOOLINFOA ToolInfo(HWND tool)
{
    // The second layout of the record, which every version of the control takes.
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = tool;
    info.uId = 0;
    return info;
}

bool AddTool(HWND tips, DName const& text, HWND tool)
{
    TTTOOLINFOA info = ToolInfo(tool);
    GetClientRect(tool, &info.rect);
    info.lpszText = const_cast<char*>(text.Name());
    return SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

}

bool DToolTip::AddTip(DName const& text, HWND tool)
{
    HWND const window = tool ? tool : GetHandle();
    if (!GetWnd() || !window || !AddTool(GetWnd(), text, window))
        return false;
    if (HWND const edit = EditPart(window))
        AddTool(GetWnd(), text, edit);
    return true;
}

bool DToolTip::AddTip(DName const& text, int id)
{
    SetId(static_cast<unsigned long>(id));
    return AddTip(text, GetHandle());
}

bool DToolTip::AddTip(unsigned long value, HWND tool)
{
    return AddTip(Decimal(value), tool);
}

bool DToolTip::AddTip(unsigned long value, int id)
{
    return AddTip(Decimal(value), id);
}

bool DToolTip::DelTip(HWND tool)
{
    if (!GetWnd() || !tool)
        return false;
    for (HWND const window : {tool, EditPart(tool)}) {
        if (!window)
            continue;
        TTTOOLINFOA info = ToolInfo(window);
        SendMessageA(GetWnd(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

bool DToolTip::DelTip(int id)
{
    return DelTip(GetHandle(id));
}

void DToolTip::SetDelay(unsigned long ms) const
{
    SendMessageA(GetWnd(), TTM_SETDELAYTIME, TTDT_INITIAL, static_cast<LPARAM>(ms));
}

void DToolTip::SetStayDelay(unsigned long ms) const
{
    SendMessageA(GetWnd(), TTM_SETDELAYTIME, TTDT_AUTOPOP, static_cast<LPARAM>(ms));
}

void DToolTip::RelayEvent(MSG const& msg) const
{
    if (GetWnd())
        SendMessageA(GetWnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
