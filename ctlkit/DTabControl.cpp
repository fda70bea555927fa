#include "DTabControl.h"

#include <commctrl.h>

DTabControl::DTabControl(HWND parent, int id) : DIBasics(parent, id) {}

DTabControl& DTabControl::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DTabControl& DTabControl::operator()(int index)
{
    DIBasics::SetIndex(index);
    return *this;
}

int DTabControl::Create(unsigned long style, int x, int y, int width, int height,
                        unsigned long controlId)
{
    return MakeWindow(WC_TABCONTROLA, DName(), style, true, x, y, width, height, controlId);
}

int DTabControl::Created(unsigned long style, int x, int y, int width, int height,
                         unsigned long controlId)
{
    return MakeWindow(WC_TABCONTROLA, DName(), style, false, x, y, width, height, controlId);
}

int DTabControl::Add(DName const& text, int id) const
{
    return Insert(text, GetSize(id), id);
}

int DTabControl::Insert(DName const& text, unsigned long index, int id) const
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.Name());
    return static_cast<int>(ParentMsg(TCM_INSERTITEMA, id, index, reinterpret_cast<LPARAM>(&item)));
}

bool DTabControl::Del(unsigned long index, int id) const
{
    return ParentMsg(TCM_DELETEITEM, id, index) != 0;
}

int DTabControl::GetIndex(int id) const
{
    return static_cast<int>(ParentMsg(TCM_GETCURSEL, id));
}

int DTabControl::SetIndex(unsigned long index, int id) const
{
    return static_cast<int>(ParentMsg(TCM_SETCURSEL, id, index));
}

void DTabControl::SetFocus(unsigned long index, int id) const
{
    ParentMsg(TCM_SETCURFOCUS, id, index);
}

DName DTabControl::GetText(unsigned long index, int id) const
{
    char text[256] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!ParentMsg(TCM_GETITEMA, id, index, reinterpret_cast<LPARAM>(&item)))
        return DName();
    return DName(text);
}

bool DTabControl::SetText(DName const& text, unsigned long index, int id) const
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.Name());
    return ParentMsg(TCM_SETITEMA, id, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

unsigned long DTabControl::GetSize(int id) const
{
    LRESULT const count = ParentMsg(TCM_GETITEMCOUNT, id);
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

bool DTabControl::isChange(LPARAM notify, int id) const
{
    NMHDR const* header = reinterpret_cast<NMHDR const*>(notify);
    HWND const tabs = GetHandle(id);
    return header && tabs && header->hwndFrom == tabs && header->code == TCN_SELCHANGE;
}
