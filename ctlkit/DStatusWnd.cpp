#include "DStatusWnd.h"

#include <commctrl.h>

namespace {

unsigned long const Missing = 0xFFFFFFFFul;

}

DStatusWnd::DStatusWnd(HWND parent, int id) : DIBasics(parent, id) {}

DStatusWnd::DStatusWnd(DName const& text, int id, HWND parent) : DIBasics(parent, id)
{
    Make(text);
}

DStatusWnd::~DStatusWnd()
{
    Destroy();
}

bool DStatusWnd::Make(DName const& text, unsigned long id, HWND parent)
{
    Destroy();
    HWND const owner = parent ? parent : GetParent();
    UINT const which = id == Missing ? static_cast<UINT>(GetId()) : static_cast<UINT>(id);
    SetWnd(CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER, text.Name(), owner, which));
    return GetWnd() != nullptr;
}

void DStatusWnd::Destroy()
{
    if (GetWnd())
        DestroyWindow(GetWnd());
    SetWnd(nullptr);
}

bool DStatusWnd::SetText(DName const& text) const
{
    return !text.isEmpty() && GetWnd() && SetWindowTextA(GetWnd(), text.Name());
}

bool DStatusWnd::SetTextId(unsigned long id) const
{
    char text[1025] = "";
    LoadStringA(GetResource(), static_cast<UINT>(id), text, sizeof text);
    SetText(text);
    return true;
}

bool DStatusWnd::SetWord(unsigned long value) const
{
    return SetText(DName(value));
}

bool DStatusWnd::MergeText(DName const& text, DName const& detail, bool quote) const
{
    DName line = text + " ";
    line += quote ? DName("\"") + detail + "\"" : detail;
    line += ".";
    return SetText(line);
}

bool DStatusWnd::SetCords(unsigned long a, unsigned long b, unsigned long c, unsigned long d,
                          unsigned long e, unsigned long f, unsigned long g,
                          unsigned long h) const
{
    DName line;
    auto add = [&line](unsigned long number) {
        line += ", ";
        line += number;
    };
    auto addPresent = [&add](unsigned long number) {
        if (number != Missing)
            add(number);
    };
    line = "(";
    line += a;
    add(b);
    addPresent(c);
    addPresent(d);
    line += ") ";
    if (e != Missing) {
        line += "(";
        line += e;
        add(f);
        addPresent(g);
        addPresent(h);
        line += ") ";
    }
    return SetText(line);
}
