#include "DListBox.h"

DListBox::DListBox(HWND parent, int id) : DIBasics(parent, id) {}

DListBox& DListBox::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DListBox& DListBox::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DListBox::Create(DName const& text, unsigned long style, int x, int y, int width, int height,
                     unsigned long controlId)
{
    return MakeWindow("LISTBOX", text, style, true, x, y, width, height, controlId);
}

int DListBox::Created(DName const& text, unsigned long style, int x, int y, int width,
                      int height, unsigned long controlId)
{
    return MakeWindow("LISTBOX", text, style, false, x, y, width, height, controlId);
}

bool DListBox::Add(DName const& text, bool select, int id) const
{
    if (text.isEmpty() || !ListMsg(LB_ADDSTRING, id, 0, reinterpret_cast<LPARAM>(text.Name())))
        return false;
    if (select)
        SetCurSel(GetSize(id) - 1, id);
    LRESULT const width = GetTextWidth(text, text.Size(), GetHandle(id));
    if (width > ParentMsg(LB_GETHORIZONTALEXTENT, id))
        ParentMsg(LB_SETHORIZONTALEXTENT, id, static_cast<WPARAM>(width));
    return true;
}

bool DListBox::Merge(DName const& text, DName const& detail, bool select, int id) const
{
    return Add(text + " " + detail, select, id);
}

bool DListBox::Insert(DName const& text, unsigned long index, int id) const
{
    return !text.isEmpty()
        && ListMsg(LB_INSERTSTRING, id, index, reinterpret_cast<LPARAM>(text.Name()));
}

bool DListBox::Del(unsigned long index, int id) const
{
    return ListMsg(LB_DELETESTRING, id, index);
}

bool DListBox::Reset(int id) const
{
    return ListMsg(LB_RESETCONTENT, id);
}

bool DListBox::SetCurSel(unsigned long index, int id) const
{
    return ListMsg(LB_SETCURSEL, id, index);
}

unsigned long DListBox::GetIndex(int id) const
{
    LRESULT const selected = ParentMsg(LB_GETCURSEL, id);
    return selected < 0 ? 0 : static_cast<unsigned long>(selected);
}

DName DListBox::GetText(unsigned long index, int id) const
{
    return ItemText(LB_GETTEXTLEN, LB_GETTEXT, index, id);
}

unsigned long DListBox::GetSize(int id) const
{
    LRESULT const count = ParentMsg(LB_GETCOUNT, id);
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

bool DListBox::isSel(unsigned long index, int id) const
{
    return ParentMsg(LB_GETSEL, id, index) > 0;
}

unsigned long DListBox::GetTotalSelected(int id) const
{
    LRESULT const count = ParentMsg(LB_GETSELCOUNT, id);
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

bool DListBox::SetMulSel(unsigned long index, bool select, int id) const
{
    return ListMsg(LB_SETSEL, id, select, static_cast<LPARAM>(index));
}

bool DListBox::SetTopIndex(unsigned long index, int id) const
{
    return ListMsg(LB_SETTOPINDEX, id, index);
}
